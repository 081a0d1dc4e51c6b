#include "ui/core/window_disable.h"

#include <cstdint>

namespace SkinUI {

namespace {

const wchar_t kHoldsProperty[] = L"SkinUI.DisableHolds";

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

}  // namespace SkinUI
