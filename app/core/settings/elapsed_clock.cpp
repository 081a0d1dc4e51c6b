#include "app/core/settings/elapsed_clock.h"

#include <windows.h>

int64_t ElapsedMilliseconds() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    const int64_t ticks = counter.QuadPart;
    const int64_t perSecond = frequency.QuadPart;
    // Split so that ticks * 1000 cannot overflow on a long-running machine.
    return ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond;
}
