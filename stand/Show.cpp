#include "stand/Show.h"

#include "platform/core/RandomSource.h"
#include "settings/Base.h"

Show::Show(Base& base, platform::RandomSource& random, ShowWindow& window)
    : m_base(base)
    , m_random(random)
    , m_window(window)
    , m_cycle(base, *this)
{
}

void Show::setRunning(bool running)
{
    m_running = running;
    m_window.setTicking(running);
}

// The one way a show ends: Esc or a close mark answered Yes, a refused calibration, no room for the targets.
void Show::stop()
{
    setRunning(false);
    m_window.hideStand();
}

bool Show::start(double crossWidth, double crossHeight, double W, double H)
{
    m_random.seedFromClock();
    if (!PrepForm(crossWidth, crossHeight))
        return false;
    layOut(W, H);
    m_spans = targetSpans(m_base, m_sizes);
    m_cycle.start();
    setRunning(true);
    return true;
}

bool Show::PrepForm(double crossWidth, double crossHeight)
{
    if (const CalibrationFault fault = checkCalibration(m_base); fault != CalibrationFault::None) {
        m_window.tellError(calibrationFaultMessage(fault));
        stop();
        return false;
    }
    computeScale(m_base, crossWidth, crossHeight);
    m_sizes = targetSizes(m_base);
    return true;
}

const Lanes& Show::layOut(double W, double H)
{
    m_lanes = layoutLanes(W, H, m_base);
    return m_lanes;
}

void Show::tick()
{
    if (m_running)
        m_cycle.tick();
}

bool Show::PlaceTargets()
{
    const PlacementField field{
        m_base.PlayerCount, m_base.TargetsPerPlayer, m_base.TargetType, m_lanes, m_sizes, m_spans};
    if (placeTargets(field, m_random, m_series))
        return true;
    m_window.tellError(placementFailureMessage());
    stop();
    return false;
}

void Show::keyTyped(int16_t characterCode)
{
    m_cycle.keyTyped(characterCode);
    if (characterCode != kEscapeKey)
        return;
    const bool wasRunning = m_running;
    setRunning(false);
    if (m_window.askToStop())
        stop();
    else if (wasRunning)
        setRunning(true);
}

void Show::closeMarkClicked()
{
    if (m_window.askToStop())
        stop();
}
