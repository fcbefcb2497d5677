#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// Runs work the given number of times and prints the median, fastest and slowest in milliseconds.
template <typename Work> double reportMedianMs(const char* what, int runs, Work work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("%s: median %.3f ms over %d runs (fastest %.3f, slowest %.3f)\n", what, median, runs, ms.front(),
                ms.back());
    return median;
}
