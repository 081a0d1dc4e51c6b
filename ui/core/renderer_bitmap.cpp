#include "ui/core/control.h"
#include "ui/core/render_dib.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

HBITMAP CRendererUI::CreateArgbBitmap(HDC hDC, int width, int height, LPBYTE* bits)
{
    return CreateDib32(hDC, width, height, false, bits);
}

HBITMAP CRendererUI::RenderToBitmap(CWindowManagerUI* manager, const RECT& rc, CControlUI* stopControl,
                                    DWORD overlayColor)
{
    if (!manager) return nullptr;
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0) return nullptr;
    HDC windowDC = manager->GetWindowDC();

    HDC sourceDC = CreateCompatibleDC(windowDC);
    if (!sourceDC) return nullptr;
    HBITMAP painted = nullptr;
    HBITMAP source = manager->GetOffscreenBitmap();
    if (stopControl || manager->IsLayered() || !source) {
        painted = CreateCompatibleBitmap(windowDC, rc.right, rc.bottom);
        source = painted;
    }
    HBITMAP result = nullptr;
    if (source) {
        HGDIOBJ oldSource = SelectObject(sourceDC, source);
        if (painted && manager->GetRoot()) manager->GetRoot()->Paint(sourceDC, rc, stopControl);

        LPBYTE bits = nullptr;
        result = CreateDib32(windowDC, width, height, false, &bits);
        HDC copyDC = result ? CreateCompatibleDC(windowDC) : nullptr;
        if (copyDC) {
            HGDIOBJ oldCopy = SelectObject(copyDC, result);
            BitBlt(copyDC, 0, 0, width, height, sourceDC, rc.left, rc.top, SRCCOPY);
            if (overlayColor >> 24) {
                const RECT whole = {0, 0, width, height};
                FillColor(copyDC, whole, overlayColor);
            }
            GdiFlush();
            SelectObject(copyDC, oldCopy);
            DeleteDC(copyDC);
        }
        SelectObject(sourceDC, oldSource);
    }
    if (painted) DeleteObject(painted);
    DeleteDC(sourceDC);
    return result;
}

}  // namespace SkinUI
