#include "ClockRandom.h"

#include <chrono>

namespace platform {

namespace {

uint64_t splitMix64(uint64_t& x)
{
    uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr uint64_t rotl(uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

constexpr uint64_t kFirstRunSeed = 0x51A7E5EEDULL;

} // namespace

ClockRandom::ClockRandom()
{
    seed(kFirstRunSeed);
}

void ClockRandom::seed(uint64_t value)
{
    for (auto& word : m_state)
        word = splitMix64(value);
}

void ClockRandom::seedFromClock()
{
    seed(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double ClockRandom::next()
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

} // namespace platform
