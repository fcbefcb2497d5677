#pragma once

#include "stand/Placement.h"
#include "stand/ShowCycle.h"
#include "stand/StandLayout.h"
#include "stand/TargetScale.h"

#include <QString>

#include <cstdint>

struct Base;

namespace platform {
class RandomSource;
}

// What a show asks of the stand window. The boxes are modal: while one is open, further ticks may arrive.
class ShowWindow {
public:
    virtual ~ShowWindow() = default;
    virtual void beep() = 0;
    virtual void setTimerCaption(const QString& caption) = 0;
    // Every target of the series, over whatever the window shows.
    virtual void drawSeries(const Series& series) = 0;
    virtual void clearDrawing() = 0;
    // The key pause's prompt in place of the countdown, or back.
    virtual void showKeyPrompt(bool shown) = 0;
    virtual void tellError(const QString& text) = 0;
    virtual void inform(const QString& text) = 0;
    // "Прекратить отображение мишеней?": true for Yes.
    virtual bool askToStop() = 0;
    // The one-second timer, whose ticks come back to Show::tick().
    virtual void setTicking(bool ticking) = 0;
    virtual void hideStand() = 0;
};

// One show on the stand, from "Вперёд!" to its end: the scale and sizes, the lanes, the series,
// the cycle and the random numbers. The window paints and forwards input; the show decides.
class Show final : private ShowActions {
public:
    Show(Base& base, platform::RandomSource& random, ShowWindow& window);

    // "Вперёд!", once the window has its size for the show: the scale from the calibration cross's
    // lines, the lanes, the first countdown. False, and the window hidden, when a calibration length
    // is out of range.
    bool start(double crossWidth, double crossHeight, double W, double H);
    // Every second while running; a tick still on its way when the show stopped is dropped.
    void tick();
    // Every key typed on the stand. Esc holds the show while it asks whether to stop.
    void keyTyped(int16_t characterCode);
    // A close mark asks whether to stop while the show runs on.
    void closeMarkClicked();
    // The window lays its lanes out again at every size.
    const Lanes& layOut(double W, double H);

    bool running() const { return m_running; }
    const Lanes& lanes() const { return m_lanes; }
    const Series& series() const { return m_series; }
    const ShowCycle& cycle() const { return m_cycle; }

private:
    void setRunning(bool running);
    void stop();
    bool PrepForm(double crossWidth, double crossHeight);

    void beep() override { m_window.beep(); }
    void setTimerCaption(const QString& caption) override { m_window.setTimerCaption(caption); }
    bool PlaceTargets() override;
    void ShowTekTarget() override { m_window.drawSeries(m_series); }
    void clearDrawing() override { m_window.clearDrawing(); }
    void inform(const QString& text) override { m_window.inform(text); }
    void showKeyPrompt(bool shown) override { m_window.showKeyPrompt(shown); }

    Base& m_base;
    platform::RandomSource& m_random;
    ShowWindow& m_window;
    TargetSizes m_sizes;
    Spans m_spans;
    Lanes m_lanes;
    Series m_series;
    ShowCycle m_cycle;
    bool m_running{};
};
