#pragma once

#include <QString>

#include <cstdint>

struct Base;

// What the cycle asks of the stand window. Any of these may let the next tick run
// before it returns: a modal box keeps delivering ticks.
class ShowActions {
public:
    virtual ~ShowActions() = default;
    virtual void beep() = 0;
    virtual void setTimerCaption(const QString& caption) = 0;
    virtual void ShowNextTarget() = 0;
    virtual void ShowTekTarget() = 0;
    virtual void clearDrawing() = 0;
    // An information box; returns when the operator has closed it.
    virtual void inform(const QString& text) = 0;
    // The key pause's prompt LabMSG in place of the countdown labTimer, or back.
    virtual void showKeyPrompt(bool shown) = 0;
};

constexpr int kBeepHz = 500;
constexpr int kBeepMs = 300;
constexpr int kTickMs = 1000;
constexpr int32_t kCountdownTicks = 3;
constexpr int16_t kSpaceKey = 32;
constexpr int16_t kEscapeKey = 27;

// The one-second state machine of a show: countdown, series, fixed or key-driven pause.
// Its state is ShowState and NextTick in the settings and the counters below.
class ShowCycle {
public:
    ShowCycle(Base& base, ShowActions& actions);

    // The first countdown of a show.
    void beginCountdown();
    void tick();

    int32_t TikCount = 0;
    int32_t SecLeft = 0;    // shown by labTimer while not negative
    int16_t LastKey = 0;    // character code of the last key typed; 0 once taken up
    bool PlaceBusy = false; // while placing and after a failed placement: ticks only count

private:
    Base& m_base;
    ShowActions& m_actions;
};

QString keyPauseNotice();
