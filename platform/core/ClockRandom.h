#pragma once

#include "platform/core/RandomSource.h"

#include <array>
#include <cstdint>

namespace platform {

// xoshiro256**: fast enough that a placement of ten million candidates stays well under 100 ms.
// next() is defined here so that callers holding a ClockRandom can have it inlined.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void nextPair(double& first, double& second) override
    {
        first = ClockRandom::next();
        second = ClockRandom::next();
    }
    double next() override
    {
        const uint64_t result = rotl(m_state[1] * 5, 7) * 9;
        const uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        // The top 53 bits give every double in [0, 1) that a 53-bit mantissa can step through.
        return static_cast<double>(result >> 11) * 0x1p-53;
    }
    void seedFromClock() override;
    void seed(uint64_t value);

private:
    static constexpr uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::array<uint64_t, 4> m_state{};
};

} // namespace platform
