#include "ui/core/window_wnd_geometry.h"

namespace SkinUI {

namespace {

// One axis: a start below the low edge moves up to it; otherwise an end
// beyond the high edge moves back to it.
LONG KeepInside(LONG start, LONG length, LONG low, LONG high)
{
    if (start < low)
        return low;
    if (start + length > high)
        return high - length;
    return start;
}

}  // namespace

POINT CenterRectOver(const RECT& window, const RECT& centre, const RECT& workArea)
{
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    const LONG left = (centre.left + centre.right) / 2 - width / 2;
    const LONG top = (centre.top + centre.bottom) / 2 - height / 2;
    return {KeepInside(left, width, workArea.left, workArea.right),
            KeepInside(top, height, workArea.top, workArea.bottom)};
}

}  // namespace SkinUI
