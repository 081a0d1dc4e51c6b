#pragma once
// Hands work from worker threads to the user-interface thread.

#include <functional>

class IUiDispatcher {
public:
    virtual ~IUiDispatcher() = default;
    // Runs the work on the user-interface thread, after everything the same
    // thread posted to the main window before it (the workers' messages too).
    virtual void Post(std::function<void()> work) = 0;
};
