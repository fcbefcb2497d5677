#pragma once

// How bench_tickdrift judges a one-second timer, for the stand's and for the bare one alike:
// the arrivals against the steady clock, each interval's error and the drift.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using TickClock = std::chrono::steady_clock;

inline void reportResult(const std::string& key, double value, const char* unit)
{
    std::printf("result\t%s\t%.3f\t%s\n", key.c_str(), value, unit);
}

// The value that the given share of the sorted values does not exceed.
inline double nearestRank(const std::vector<double>& sorted, double share)
{
    return sorted[size_t(std::ceil(share * double(sorted.size()))) - 1];
}

struct TickErrors {
    std::vector<double> lateness; // each tick against the first one and the whole intervals since, in ms
    std::vector<double> jitter;   // each interval's error in size, sorted, in ms
};

inline TickErrors tickErrors(const std::vector<TickClock::time_point>& arrivals, int intervalMs)
{
    TickErrors errors;
    for (size_t i = 0; i < arrivals.size(); ++i) {
        errors.lateness.push_back(std::chrono::duration<double, std::milli>(arrivals[i] - arrivals[0]).count() -
                                  double(i) * intervalMs);
        if (i > 0)
            errors.jitter.push_back(std::abs(errors.lateness[i] - errors.lateness[i - 1]));
    }
    std::sort(errors.jitter.begin(), errors.jitter.end());
    return errors;
}

// keyJitterMedian, keyJitter99 and keyJitterWorst.
inline void reportJitter(const std::string& prefix, const TickErrors& errors)
{
    reportResult(prefix + "Median", nearestRank(errors.jitter, 0.5), "ms");
    reportResult(prefix + "99", nearestRank(errors.jitter, 0.99), "ms");
    reportResult(prefix + "Worst", errors.jitter.back(), "ms");
}
