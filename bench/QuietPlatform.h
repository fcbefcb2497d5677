#pragma once

#include "platform/Platform.h"
#include "platform/core/ClockRandom.h"

// No sound and no boxes (each answered with its default), but the program's own random
// numbers, so every series finds room as it would in a show.
class QuietPlatform final : public platform::Platform {
public:
    platform::Answer messageBox(QWidget*, const QString&, platform::Buttons, platform::Icon,
                                platform::Answer defaultButton) override
    {
        return defaultButton;
    }
    void beep(int, int) override {}
    void prepareBeep() override {}
    void openWebPage(const QString&) override {}
    void startWindowDrag(QWidget*, QPoint) override {}
    void endProgram() override {}
    platform::RandomSource& random() override { return m_random; }

private:
    platform::ClockRandom m_random;
};
