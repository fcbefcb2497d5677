#pragma once

namespace platform {

// Uniform values in [0, 1) from one generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void seedFromClock() = 0;
};

} // namespace platform
