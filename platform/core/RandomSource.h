#pragma once

namespace platform {

// Uniform values in [0, 1) from one generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // The next two values, in order: one call for a candidate's two numbers, where a failing placement
    // asks for twenty million.
    virtual void nextPair(double& first, double& second)
    {
        first = next();
        second = next();
    }
    virtual void seedFromClock() = 0;
};

} // namespace platform
