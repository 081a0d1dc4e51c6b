#pragma once
// Windows that disable a window while they are open (a modal loop, a progress
// window) each hold it; it is enabled again only when the last hold goes, so
// one that ends early cannot hand it back while another still counts on it.

#include <windows.h>

namespace SkinUI {

// Disables the window and counts the hold.
void HoldWindowDisabled(HWND window);
// Drops one hold; true when it was the last and the window is enabled again.
bool ReleaseWindowDisabled(HWND window);

}  // namespace SkinUI
