#pragma once

#include "ui/core/window_manager.h"

namespace SkinUI {

// Process-wide state shared by every window manager.
struct WindowManagerSharedState {
    ResourceSetUI resources;
    CStringMapUI languageTexts{83};  // decimal id -> CUIString*
    CPtrArrayUI managers;            // attached managers, in attach order
    CPtrArrayUI plugins;
    HPEN updateRectPen = nullptr;
};

WindowManagerSharedState& SharedManagerState();

}  // namespace SkinUI
