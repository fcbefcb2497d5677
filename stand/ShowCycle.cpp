#include "stand/ShowCycle.h"

#include "settings/Base.h"

ShowCycle::ShowCycle(const Base& base, ShowActions& actions)
    : m_base(base)
    , m_actions(actions)
{
}

void ShowCycle::start()
{
    TikCount = 0;
    PlaceBusy = false;
    beginCountdown();
}

void ShowCycle::beginCountdown()
{
    ShowState = ShowStateCode::Countdown;
    NextTick = TikCount + kCountdownTicks;
    SecLeft = kCountdownTicks;
}

// The placement's failure box lets ticks in while it is open: they only count.
void ShowCycle::ShowNextTarget()
{
    PlaceBusy = true;
    if (m_actions.PlaceTargets())
        PlaceBusy = false;
    m_actions.ShowTekTarget();
}

void ShowCycle::tick()
{
    ++TikCount;
    --SecLeft;
    m_actions.setTimerCaption(SecLeft >= 0 ? QString::number(SecLeft) : QString());

    // One second before every series.
    if (ShowState == ShowStateCode::Countdown && NextTick == TikCount + 1) {
        m_actions.beep();
        return;
    }
    if (PlaceBusy)
        return;

    switch (ShowState) {
    case ShowStateCode::Countdown:
        if (TikCount == NextTick) {
            ShowNextTarget();
            ShowState = ShowStateCode::Series;
            NextTick = TikCount + m_base.ShowTime;
            SecLeft = m_base.ShowTime;
        }
        break;
    case ShowStateCode::KeyPauseBlank:
        if (LastKey == kSpaceKey) {
            LastKey = 0;
            m_actions.ShowTekTarget();
            ShowState = ShowStateCode::KeyPauseScoring;
        }
        break;
    case ShowStateCode::Series:
        if (TikCount == NextTick) {
            m_actions.clearDrawing();
            if (m_base.PauseMode == PauseCode::Fixed) {
                ShowState = ShowStateCode::Countdown;
                NextTick = TikCount + m_base.PauseTime;
                SecLeft = m_base.PauseTime;
            } else {
                // Set before the box opens: a tick arriving while it is open already
                // brings the targets back.
                LastKey = kSpaceKey;
                ShowState = ShowStateCode::KeyPauseBlank;
                m_actions.inform(keyPauseNotice());
                m_actions.showKeyPrompt(true);
            }
        }
        break;
    case ShowStateCode::KeyPauseScoring:
        if (LastKey == kSpaceKey) {
            m_actions.showKeyPrompt(false);
            LastKey = 0;
            m_actions.clearDrawing();
            beginCountdown();
        }
        break;
    }
}

QString keyPauseNotice()
{
    return QStringLiteral("После того, как Вы закроете это окно, мишени снова высветятся на прежних местах, чтобы Вы "
                          "смогли подойти к стенду и оценить результы попадания.\r\n\r\nПосле просмотра и записи "
                          "результатов нажмите на клавишу \"Пробел\" для продолжения показа мишеней.");
}
