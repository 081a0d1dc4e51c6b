#pragma once
// Windows of their own that open over another (the message box, the progress
// window, pop-up menus) speak in that window's faces: the Latin face while
// the program shows English, the Chinese face while it shows Chinese.

#include "ui/core/window_manager.h"

// Gives the default font and every font of `own` that `owner` also defines
// the owner's face, keeping their own sizes and styles.
void TakeOwnerFaces(SkinUI::CWindowManagerUI& own, SkinUI::CWindowManagerUI& owner);
