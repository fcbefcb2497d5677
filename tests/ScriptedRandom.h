#pragma once

#include "platform/core/RandomSource.h"

#include <cstddef>
#include <vector>

namespace platform {

// Hands out a prepared sequence; after it runs out, keeps returning the last value.
class ScriptedRandom final : public RandomSource {
public:
    void script(std::vector<double> values);
    double next() override;
    void seedFromClock() override { ++seeds; }

    long long draws = 0;
    int seeds = 0;

private:
    std::vector<double> m_values;
    size_t m_position = 0;
};

} // namespace platform
