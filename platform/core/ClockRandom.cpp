#include "platform/core/ClockRandom.h"

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

} // namespace

ClockRandom::ClockRandom()
{
    seedFromClock();
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

} // namespace platform
