#pragma once
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// The wall time of one call of run, in milliseconds.
inline double ElapsedMs(const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The median wall time of nRuns calls of run, in milliseconds.
inline double MedianMs(int nRuns, const std::function<void()>& run)
{
    std::vector<double> ms;
    for (int i = 0; i < nRuns; ++i)
        ms.push_back(ElapsedMs(run));
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}
