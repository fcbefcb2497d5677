#pragma once

#include "ScriptedRandom.h"
#include "platform/Platform.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace platform {

struct ShownBox {
    QString prompt;
    Buttons buttons;
    Icon icon;
    Answer defaultButton;
};

struct Beep {
    int frequencyHz;
    int durationMs;
};

// The platform of the tests: boxes answer from a queue (or with their default button),
// and everything asked of the system is recorded.
class ScriptedPlatform final : public Platform {
public:
    Answer messageBox(QWidget* owner, const QString& prompt, Buttons buttons, Icon icon, Answer defaultButton) override;
    void beep(int frequencyHz, int durationMs) override { beeps.push_back({frequencyHz, durationMs}); }
    void prepareBeep() override { ++beepPreparations; }
    void openWebPage(const QString&) override {}
    void startWindowDrag(QWidget*, QPoint pressInWindow) override { drags.push_back(pressInWindow); }
    void endProgram() override { ++programEnds; }
    RandomSource& random() override { return randomNumbers; }

    // Runs while a box is open, before it answers: what a nested event loop would deliver.
    std::function<void(const ShownBox&)> whileBoxOpen;
    std::deque<Answer> answers;
    QList<ShownBox> boxes;
    std::vector<Beep> beeps;
    QList<QPoint> drags;
    int beepPreparations = 0;
    int programEnds = 0;
    ScriptedRandom randomNumbers;
};

} // namespace platform
