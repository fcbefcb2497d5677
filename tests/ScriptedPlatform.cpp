#include "ScriptedPlatform.h"

namespace platform {

Answer ScriptedPlatform::messageBox(QWidget*, const QString& prompt, Buttons buttons, Icon icon, Answer defaultButton)
{
    const ShownBox box{prompt, buttons, icon, defaultButton};
    boxes.append(box);
    if (whileBoxOpen)
        whileBoxOpen(box);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty())
        return defaultButton;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace platform
