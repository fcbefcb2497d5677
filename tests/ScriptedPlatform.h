#pragma once

#include "ScriptedRandom.h"
#include "platform/Platform.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <utility>

namespace platform {

struct ShownBox {
    QString prompt;
    Icon icon;
};

// The platform of the tests: boxes answer from a queue (or with their default button), and everything
// asked of the system is recorded.
class ScriptedPlatform final : public Platform {
public:
    Answer messageBox(QWidget*, const QString& prompt, Buttons buttons, Icon icon, Answer defaultButton) override
    {
        boxes.append({prompt, icon});
        if (whileBoxOpen)
            whileBoxOpen();
        const bool scripted = buttons == Buttons::YesNo && !answers.empty();
        const Answer answer = buttons == Buttons::Ok ? Answer::Ok : scripted ? answers.front() : defaultButton;
        if (scripted)
            answers.pop_front();
        return answer;
    }
    void beep(int frequencyHz, int durationMs) override { beeps << std::pair{frequencyHz, durationMs}; }
    void prepareBeep() override { ++beepPreparations; }
    void openWebPage(const QString& address) override { pages << address; }
    void startWindowDrag(QWidget*, QPoint pressInWindow) override { drags << pressInWindow; }
    void endProgram() override { ++programEnds; }
    RandomSource& random() override { return randomNumbers; }

    std::function<void()> whileBoxOpen; // what a box's own event loop would deliver while it is open
    std::deque<Answer> answers;
    QList<ShownBox> boxes;
    QList<std::pair<int, int>> beeps; // hertz, milliseconds
    QStringList pages;
    QList<QPoint> drags;
    int beepPreparations = 0;
    int programEnds = 0;
    ScriptedRandom randomNumbers;
};

} // namespace platform
