#pragma once

#include <windows.h>

namespace SkinUI {

// Arithmetic of a borderless skinned window's frame, in client coordinates.

// HTTOPLEFT .. HTBOTTOMRIGHT on the size box (not while maximised), HTCAPTION
// inside the caption band (left and right are margins, top and bottom are
// offsets), HTCLIENT elsewhere.
UINT ClassifyFramePoint(POINT point, const RECT& client, const RECT& sizeBox, const RECT& caption,
                        bool maximized);

// Controls of these classes take clicks in the caption band instead of
// letting it drag the window.
bool TakesCaptionClicks(const wchar_t* className);

// Maximised position and tracking limits for a window on a monitor: the
// work area relative to the monitor's origin, and the skin's minimum size.
void FillMinMaxInfo(MINMAXINFO& info, const RECT& monitor, const RECT& workArea, SIZE minimumSize);

// The client rectangle of a maximised window: the proposed top-left corner
// with the work area's size, so the task bar stays visible.
RECT MaximizedClientRect(const RECT& proposed, const RECT& workArea);

}  // namespace SkinUI
