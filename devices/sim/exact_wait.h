#pragma once
// A wall-clock wait that lasts its nominal time. Wine lengthens every sleep by
// a fraction of a millisecond (a 1 ms sleep takes 1.1 to 1.3 ms) and sleeps
// whole milliseconds only: the wait sleeps while well more than that is left
// and yields the processor for the rest.

#include <chrono>
#include <thread>

namespace hidsim {

inline void WaitExactly(std::chrono::microseconds duration) {
    using Clock = std::chrono::steady_clock;
    constexpr std::chrono::microseconds kYieldBelow(1500);
    const Clock::time_point deadline = Clock::now() + duration;
    for (Clock::duration left = deadline - Clock::now(); left > Clock::duration::zero();
         left = deadline - Clock::now()) {
        if (left > kYieldBelow)
            std::this_thread::sleep_for(left - kYieldBelow);
        else
            std::this_thread::yield();
    }
}

}  // namespace hidsim
