#pragma once

#include "Platform.h"

#include <array>
#include <cstdint>

namespace platform {

// xoshiro256**: fast enough that a placement of ten million candidates stays well under 100 ms.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    double next() override;
    void seedFromClock() override;
    void seed(uint64_t value);

private:
    std::array<uint64_t, 4> m_state{};
};

} // namespace platform
