#pragma once

#include "platform/core/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

// Hands out a prepared sequence; after it runs out, keeps returning the last value.
class ScriptedRandom final : public RandomSource {
public:
    void script(std::vector<double> values)
    {
        m_values = std::move(values);
        m_position = 0;
    }
    // Candidates spread evenly over the lanes, each two numbers a point of the plane's golden sequence.
    void spread()
    {
        std::vector<double> values(2000);
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = std::fmod(0.5 + double(i / 2) * (i % 2 ? 0.5698402910 : 0.7548776662), 1.0);
        script(values);
    }
    double next() override
    {
        ++draws;
        return m_values.empty() ? 0.0 : m_values[std::min(m_position++, m_values.size() - 1)];
    }
    void seedFromClock() override { ++seeds; }

    long long draws = 0;
    int seeds = 0;

private:
    std::vector<double> m_values;
    size_t m_position = 0;
};

} // namespace platform
