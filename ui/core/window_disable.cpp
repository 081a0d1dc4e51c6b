#include "ui/core/window_disable.h"

#include <cstdint>

namespace SkinUI {

namespace {

const wchar_t kHoldsProperty[] = L"SkinUI.DisableHolds";

struct ThreadWindows {
    HWND first;
    HWND except;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectShownWindow(HWND window, LPARAM param)
{
    auto* found = reinterpret_cast<ThreadWindows*>(param);
    if (window != found->first && window != found->except && IsWindowVisible(window))
        found->windows.push_back(window);
    return TRUE;
}

}  // namespace

void HoldWindowDisabled(HWND window)
{
    if (window == nullptr || !IsWindow(window))
        return;
    const auto holds = reinterpret_cast<uintptr_t>(GetPropW(window, kHoldsProperty));
    SetPropW(window, kHoldsProperty, reinterpret_cast<HANDLE>(holds + 1));
    EnableWindow(window, FALSE);
}

bool ReleaseWindowDisabled(HWND window)
{
    if (window == nullptr || !IsWindow(window))
        return false;
    const auto holds = reinterpret_cast<uintptr_t>(GetPropW(window, kHoldsProperty));
    if (holds > 1) {
        SetPropW(window, kHoldsProperty, reinterpret_cast<HANDLE>(holds - 1));
        return false;
    }
    RemovePropW(window, kHoldsProperty);
    EnableWindow(window, TRUE);
    return true;
}

std::vector<HWND> HoldThreadWindowsDisabled(HWND window, HWND except)
{
    ThreadWindows found = {window, except, {}};
    if (window != nullptr)
        found.windows.push_back(window);
    EnumThreadWindows(GetCurrentThreadId(), &CollectShownWindow, reinterpret_cast<LPARAM>(&found));
    for (HWND held : found.windows)
        HoldWindowDisabled(held);
    return found.windows;
}

void ReleaseWindowsDisabled(const std::vector<HWND>& windows)
{
    for (HWND window : windows)
        ReleaseWindowDisabled(window);
}

}  // namespace SkinUI
