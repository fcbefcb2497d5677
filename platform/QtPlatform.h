#pragma once

#include "ClockRandom.h"
#include "Platform.h"
#include "ToneBeeper.h"

namespace platform {

// The real platform: Qt's message boxes, sound, desktop services and window manager.
class QtPlatform final : public Platform {
public:
    Answer messageBox(QWidget* owner, const QString& prompt, Buttons buttons, Icon icon, Answer defaultButton) override;
    void beep(int frequencyHz, int durationMs) override;
    void openWebPage(const QString& address) override;
    void startWindowDrag(QWidget* window) override;
    void endProgram() override;
    RandomSource& random() override { return m_random; }

private:
    ClockRandom m_random;
    ToneBeeper m_beeper;
};

} // namespace platform
