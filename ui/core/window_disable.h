#pragma once
// Windows that disable a window while they are open (a modal loop, a progress
// window) each hold it; it is enabled again only when the last hold goes, so
// one that ends early cannot hand it back while another still counts on it.

#include <windows.h>

#include <vector>

namespace SkinUI {

// Disables the window and counts the hold.
void HoldWindowDisabled(HWND window);
// Drops one hold; true when it was the last and the window is enabled again.
bool ReleaseWindowDisabled(HWND window);

// Holds `window` and every other visible top-level window of the calling
// thread but `except` disabled; returns them for ReleaseWindowsDisabled.
std::vector<HWND> HoldThreadWindowsDisabled(HWND window, HWND except);
// Drops one hold of each; windows gone meanwhile are passed over.
void ReleaseWindowsDisabled(const std::vector<HWND>& windows);

}  // namespace SkinUI
