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
    // Fixes the kind and the centres of a new series; false when they found no room, after
    // the operator has been told and the show stopped.
    virtual bool PlaceTargets() = 0;
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

// The show cycle's state; a value outside these makes a tick only count.
enum class ShowStateCode : int32_t { Countdown = 0, KeyPauseBlank = 1, Series = 2, KeyPauseScoring = 3 };

// The one-second state machine of a show: countdown, series, fixed or key-driven pause.
// It reads the settings and keeps every counter of the show to itself.
class ShowCycle {
public:
    ShowCycle(const Base& base, ShowActions& actions);

    // A new show: the tick count from 0 and the first countdown.
    void start();
    void tick();
    // Every key typed on the stand; Space is taken up by the next tick of a key pause.
    void keyTyped(int16_t characterCode) { LastKey = characterCode; }

    ShowStateCode state() const { return ShowState; }
    int32_t ticks() const { return TikCount; }
    int32_t nextTick() const { return NextTick; }
    int32_t secondsLeft() const { return SecLeft; }
    bool placeBusy() const { return PlaceBusy; }

private:
    void beginCountdown();
    void ShowNextTarget();

    const Base& m_base;
    ShowActions& m_actions;
    ShowStateCode ShowState = ShowStateCode::Countdown;
    int32_t NextTick{}; // TikCount at which the current countdown, series or pause ends
    int32_t TikCount{};
    int32_t SecLeft{}; // shown by labTimer while not negative
    int16_t LastKey{}; // character code of the last key typed; 0 once taken up
    bool PlaceBusy{};  // while placing and after a failed placement: ticks only count
};

QString keyPauseNotice();
