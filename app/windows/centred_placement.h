#pragma once
// Where the program's small windows go: centred on their owner.

#include <windows.h>

// The top-left corner that centres a window of `size` on `owner` (screen
// rectangle); the halves are truncated toward zero.
POINT CentredOver(const RECT& owner, SIZE size);

// Moves the window, at the initial size its layout gives, to the centre of
// its owner (of the work area without one), without repainting.
void PlaceCentredOverOwner(HWND window, HWND owner, SIZE size);
