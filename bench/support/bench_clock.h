#pragma once
// Wall-clock readings, medians and minimums of the benchmarks.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "devices/sim/exact_wait.h"

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

inline double Minimum(const std::vector<double>& values)
{
    return values.empty() ? -1 : *std::min_element(values.begin(), values.end());
}

// What one simulated transfer of 1 ms costs here: the simulator waits with
// this very wait.
inline double WireMsPerTransfer()
{
    constexpr int kWaits = 200;
    const double start = WallMs();
    for (int i = 0; i < kWaits; ++i)
        hidsim::WaitExactly(std::chrono::milliseconds(1));
    return (WallMs() - start) / kWaits;
}

// What a pause of a device library costs here: the simulator sleeps it, as
// the libraries' own platform does, and Wine lengthens the sleep.
inline double PauseMs(unsigned milliseconds)
{
    constexpr int kPauses = 40;
    const double start = WallMs();
    for (int i = 0; i < kPauses; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    return (WallMs() - start) / kPauses;
}

}  // namespace bench
