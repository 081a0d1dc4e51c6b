#pragma once

#include <algorithm>

#include "ui/core/control.h"

namespace SkinUI {

// A size raised to the control's minimum and then lowered to its maximum.
inline int ClampWidth(const CControlUI& control, int width)
{
    return std::min(std::max(width, control.GetMinWidth()), control.GetMaxWidth());
}

inline int ClampHeight(const CControlUI& control, int height)
{
    return std::min(std::max(height, control.GetMinHeight()), control.GetMaxHeight());
}

// The size a layout allows a child: its fixed size, else its maximum.
inline int WidthLimit(const CControlUI& control)
{
    return control.GetFixedWidth() >= 1 ? control.GetFixedWidth() : control.GetMaxWidth();
}

inline int HeightLimit(const CControlUI& control)
{
    return control.GetFixedHeight() >= 1 ? control.GetFixedHeight() : control.GetMaxHeight();
}

}  // namespace SkinUI
