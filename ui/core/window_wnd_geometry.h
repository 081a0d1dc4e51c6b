#pragma once

#include <windows.h>

namespace SkinUI {

// The top-left corner that centres a window of `window`'s size over
// `centre`, moved back inside `workArea`; when the window does not fit, its
// left and top edges stay on the work area's.
POINT CenterRectOver(const RECT& window, const RECT& centre, const RECT& workArea);

}  // namespace SkinUI
