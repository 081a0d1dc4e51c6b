#include "ui/core/render_color.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

void CRendererUI::DrawPlainText(HDC hDC, CWindowManagerUI* manager, RECT& rc, LPCWSTR text, DWORD color,
                                int font, UINT format)
{
    if (!hDC || !manager || !text) return;
    CUIString shown(text);
    CWindowManagerUI::ReplaceLanguageTokens(shown);
    const int oldMode = SetBkMode(hDC, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(hDC, ArgbToColorRef(color));
    HGDIOBJ oldFont = SelectObject(hDC, manager->GetFontHandle(font));
    DrawTextW(hDC, shown, -1, &rc, format | DT_NOPREFIX);
    SelectObject(hDC, oldFont);
    SetTextColor(hDC, oldColor);
    SetBkMode(hDC, oldMode);
}

CSizeUI CRendererUI::MeasureText(HDC hDC, CWindowManagerUI* manager, LPCWSTR text, int font)
{
    CSizeUI size;
    if (!hDC || !manager || !text) return size;
    CUIString shown(text);
    CWindowManagerUI::ReplaceLanguageTokens(shown);
    HGDIOBJ oldFont = SelectObject(hDC, manager->GetFontHandle(font));
    GetTextExtentPoint32W(hDC, shown, shown.GetLength(), &size);
    SelectObject(hDC, oldFont);
    return size;
}

}  // namespace SkinUI
