#pragma once
// Wall-clock readings and medians of the benchmarks.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace bench {

inline double WallMs()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// What one simulated transfer of 1 ms costs here: the simulator waits with
// this very sleep, which Wine lengthens.
inline double WireMsPerTransfer()
{
    constexpr int kSleeps = 200;
    const double start = WallMs();
    for (int i = 0; i < kSleeps; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return (WallMs() - start) / kSleeps;
}

}  // namespace bench
