#include "ScriptedRandom.h"

#include <algorithm>

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

} // namespace platform
