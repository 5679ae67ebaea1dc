#pragma once
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// The median wall time of nRuns calls of run, in milliseconds; after, when given, is called
// after each run outside the timed part (to clear up what the run left).
inline double MedianMs(int nRuns, const std::function<void()>& run, const std::function<void()>& after = {})
{
    std::vector<double> ms;
    for (int i = 0; i < nRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (after)
            after();
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}
