#pragma once

#include "platform/Platform.h"
#include "platform/core/ClockRandom.h"

#include <memory>

namespace platform {

// The real platform: Qt's message boxes and the system's sound, browser and window manager.
// The beep, the web page and the drag are each system's own, in QtPlatformLinux.cpp or
// QtPlatformWindows.cpp as CMake picks.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    Answer messageBox(QWidget* owner, const QString& prompt, Buttons buttons, Icon icon, Answer defaultButton) override;
    void beep(int frequencyHz, int durationMs) override;
    void prepareBeep() override;
    void openWebPage(const QString& address) override;
    void startWindowDrag(QWidget* window, QPoint pressInWindow) override;
    void endProgram() override;
    RandomSource& random() override { return m_random; }

private:
    struct Sound;
    ClockRandom m_random;
    std::unique_ptr<Sound> m_sound;
};

} // namespace platform
