#include "ui/core/clip_region.h"
#include "ui/core/markup_painter.h"
#include "ui/core/render_color.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

// The text of the link under the mouse, from the rectangles the last call gave back.
CUIString LinkUnderMouse(CWindowManagerUI* manager, const RECT* links, const CUIString* texts, int count)
{
    if (!links || !texts) return CUIString();
    const POINT mouse = manager->GetLastMousePoint();
    for (int i = 0; i < count; ++i) {
        if (PtInRect(&links[i], mouse)) return texts[i];
    }
    return CUIString();
}

// Measures the text as a block so that it can be centred or moved to the right
// or bottom; single-line text against a wide rectangle.
void AlignBlock(HDC hDC, CWindowManagerUI* manager, RECT& rc, const CUIString& text, DWORD color, int font,
                UINT format)
{
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const bool horizontal = singleLine && (format & (DT_CENTER | DT_RIGHT)) != 0;
    if (!horizontal && (format & (DT_VCENTER | DT_BOTTOM)) == 0) return;

    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    RECT block = singleLine ? RECT{0, 0, 9999, 100} : RECT{0, 0, width, height};
    int noLinks = 0;
    CRendererUI::DrawMarkupText(hDC, manager, block, text, color, nullptr, nullptr, noLinks, font,
                                (format & ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    const int blockWidth = block.right - block.left;
    const int blockHeight = block.bottom - block.top;
    if (horizontal && (format & DT_CENTER)) {
        rc.left += (width - blockWidth) / 2;
        rc.right = rc.left + blockWidth;
    } else if (horizontal && (format & DT_RIGHT)) {
        rc.left = rc.right - blockWidth;
    }
    if (format & DT_VCENTER) {
        rc.top += (height - blockHeight) / 2;
        rc.bottom = rc.top + blockHeight;
    } else if (format & DT_BOTTOM) {
        rc.top = rc.bottom - blockHeight;
    }
}

}  // namespace

void CRendererUI::DrawMarkupText(HDC hDC, CWindowManagerUI* manager, RECT& rc, LPCWSTR text, DWORD color,
                                 RECT* links, CUIString* linkTexts, int& linkCount, int font, UINT format)
{
    const int capacity = linkCount;
    linkCount = 0;
    if (!hDC || !manager || !text || IsRectEmpty(&rc)) return;

    CUIString shown(text);
    CWindowManagerUI::ReplaceLanguageTokens(shown);

    MarkupPainterUI::Links found;
    found.rects = links;
    found.texts = linkTexts;
    found.capacity = capacity > 0 ? capacity : 0;
    found.hoverText = LinkUnderMouse(manager, links, linkTexts, found.capacity);

    const int oldMode = SetBkMode(hDC, TRANSPARENT);
    const COLORREF oldText = SetTextColor(hDC, ArgbToColorRef(color));
    const COLORREF oldBack = SetBkColor(hDC, ArgbToColorRef(manager->GetSelectedBackgroundColor()));
    HGDIOBJ oldFont = SelectObject(hDC, manager->GetFontHandle(font));

    const bool measureOnly = (format & DT_CALCRECT) != 0;
    RECT layout = rc;
    CClipRegionUI clip;
    if (!measureOnly) {
        CClipRegionUI::BeginRectClip(hDC, rc, clip);
        AlignBlock(hDC, manager, layout, shown, color, font, format);
    }
    int bottom = layout.bottom;
    int widest = layout.right;
    MarkupPainterUI(hDC, manager, layout, shown, color, font, format, found).Run(bottom, widest);
    linkCount = found.found;
    if (measureOnly) {
        rc.bottom = bottom;
        if (widest < rc.right) rc.right = widest;
    }

    SelectObject(hDC, oldFont);
    SetBkColor(hDC, oldBack);
    SetTextColor(hDC, oldText);
    SetBkMode(hDC, oldMode);
}

}  // namespace SkinUI
