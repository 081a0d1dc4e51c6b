#pragma once
// The hand-over of worker results to the user-interface thread: each piece of
// work is queued and announced by one message to the main window, so it runs
// in the order of every other message posted there (1001, 1002, ...).

#include "app/windows/ui_dispatcher.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

constexpr UINT kDispatchMessage = WM_APP + 2;

class WindowUiDispatcher : public IUiDispatcher {
public:
    WindowUiDispatcher() = default;
    WindowUiDispatcher(const WindowUiDispatcher&) = delete;
    WindowUiDispatcher& operator=(const WindowUiDispatcher&) = delete;

    // The window whose kDispatchMessage runs the work; null drops all work
    // queued and all work posted later.
    void Attach(HWND window);
    // Any thread. Dropped when no window is attached.
    void Post(std::function<void()> work) override;
    // On the window's thread, for each kDispatchMessage: the oldest work.
    void RunNext();

private:
    std::mutex mutex_;
    HWND window_ = nullptr;
    std::deque<std::function<void()>> queue_;
};
