#pragma once

#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_wnd.h"

// The layered window behind a pop-up menu: draws "menu_bk.png" as a nine-grid
// (corners 40, 8, 8, 8) with per-pixel alpha over its whole size, so that the
// frame and shadow show around the menu. Repaints at most every 10 ms and
// only after a size change. Deletes itself after its window is gone.
class CShadowWnd : public SkinUI::CWindowWnd {
public:
    // Its window, or null when none can be made (nothing is left then).
    static HWND Make(HWND parent, DWORD style, DWORD exStyle);

protected:
    CShadowWnd();
    ~CShadowWnd() override = default;
    const wchar_t* GetWindowClassName() const override;
    UINT GetWindowClassStyle() const override;
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND formerWindow) override;

private:
    static constexpr UINT_PTR kPaintTimer = 9000;

    void Paint();

    SkinUI::ImageDrawInfoUI m_image;
    bool m_needsPaint = false;
    SkinUI::CWindowManagerUI m_manager;  // loads and draws the image only
};
