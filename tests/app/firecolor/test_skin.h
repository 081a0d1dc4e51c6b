#pragma once
// The skin the window tests build from, its English texts and the main
// frame's font table, and a plain owner window for dialogs.

#include "ui/core/window_manager.h"
#include "ui/core/window_wnd.h"

#include <string>

namespace firecolor_test {

// Registers the standard controls, makes the rendered skin beside the tests
// the resource folder and loads its English texts.
void UseTestSkin();

// The main frame's fonts, which embedded editors rely on, in the manager.
void AddFrameFonts(SkinUI::CWindowManagerUI& manager);

class OwnerWindow : public SkinUI::CWindowWnd {
public:
    // A visible pop-up at (x, y) of the given size.
    OwnerWindow(int x, int y, int width, int height);

protected:
    const wchar_t* GetWindowClassName() const override { return L"FirecolorTestOwner"; }
};

// Runs `step` once, from a thread timer, while a modal loop (such as
// ColorPicker::PickColor) runs on this thread.
void RunDuringModalLoop(void (*step)());

}  // namespace firecolor_test
