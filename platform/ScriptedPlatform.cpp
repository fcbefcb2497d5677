#include "ScriptedPlatform.h"

namespace platform {

void ScriptedRandom::script(std::vector<double> values)
{
    m_values = std::move(values);
    m_position = 0;
}

double ScriptedRandom::next()
{
    ++draws;
    if (m_values.empty())
        return 0.0;
    const double value = m_values[std::min(m_position, m_values.size() - 1)];
    ++m_position;
    return value;
}

Answer ScriptedPlatform::messageBox(QWidget*, const QString& prompt, Buttons buttons, Icon icon, Answer defaultButton)
{
    const ShownBox box{messageBoxTitle(), prompt, buttons, icon, defaultButton};
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
