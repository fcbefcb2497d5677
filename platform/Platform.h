#pragma once

#include "platform/core/RandomSource.h"

#include <QPoint>
#include <QString>

class QWidget;

namespace platform {

enum class Buttons { Ok, YesNo };
enum class Icon { Exclamation, Error, Question, Information };
enum class Answer { Ok, Yes, No };

// Everything the program asks of the operating system. The windows see only
// this, so tests can answer message boxes, record beeps and script numbers.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal box titled with the maker's web address; returns the button pressed.
    virtual Answer messageBox(QWidget* owner, const QString& prompt, Buttons buttons, Icon icon,
                              Answer defaultButton) = 0;
    // Must return at once: the show's tick calls it.
    virtual void beep(int frequencyHz, int durationMs) = 0;
    // When a show starts, before its first tick: whatever the beep needs and takes time to get ready.
    virtual void prepareBeep() = 0;
    // Failures are ignored.
    virtual void openWebPage(const QString& address) = 0;
    // Lets the system move the window as if dragged by its title bar; call from a mouse press, with its
    // position in the window.
    virtual void startWindowDrag(QWidget* window, QPoint pressInWindow) = 0;
    // Ends the program at once, from wherever it is called.
    virtual void endProgram() = 0;
    virtual RandomSource& random() = 0;
};

// " address ": the title of every message box.
QString messageBoxTitle();
QString makerAddress();

} // namespace platform
