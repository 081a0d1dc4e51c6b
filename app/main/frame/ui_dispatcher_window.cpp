#include "app/main/frame/ui_dispatcher_window.h"

void WindowUiDispatcher::Attach(HWND window)
{
    std::deque<std::function<void()>> dropped;
    const std::lock_guard<std::mutex> lock(mutex_);
    window_ = window;
    if (window == nullptr)
        dropped.swap(queue_);
}

void WindowUiDispatcher::Post(std::function<void()> work)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    if (window_ == nullptr || !work)
        return;
    queue_.push_back(std::move(work));
    if (!PostMessageW(window_, kDispatchMessage, 0, 0))
        queue_.pop_back();
}

void WindowUiDispatcher::RunNext()
{
    std::function<void()> work;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (queue_.empty())
            return;
        work = std::move(queue_.front());
        queue_.pop_front();
    }
    work();
}
