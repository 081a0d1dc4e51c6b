#include "ui/controls/button.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

void CButtonUI::RefreshFocusAndEnabled()
{
    if (IsFocused())
        m_buttonState |= kStateFocused;
    else
        m_buttonState &= ~kStateFocused;
    if (!IsEnabled())
        m_buttonState |= kStateDisabled;
    else
        m_buttonState &= ~kStateDisabled;
}

bool CButtonUI::DrawImageFaded(HDC dc, ImageDrawInfoUI& image, BYTE fade)
{
    // Loading first: the description's own fade is read at loading and
    // must not replace the one asked for here.
    if (!DrawImage(nullptr, image))
        return false;
    const BYTE own = image.fade;
    image.fade = fade;
    const bool drawn = DrawImage(dc, image);
    image.fade = own;
    return drawn;
}

void CButtonUI::PaintNormalImage(HDC dc)
{
    if (m_fadeDelta == 0) {
        DrawImage(dc, m_normalImage);
    } else if (m_fadeValue < 255) {
        DrawImageFaded(dc, m_hotImage, static_cast<BYTE>(255 - m_fadeValue));
        DrawImageFaded(dc, m_normalImage, m_fadeValue);
    } else {
        DrawImageFaded(dc, m_normalImage, 255);
    }
}

// False when the hot state painted everything there is.
bool CButtonUI::PaintHotImage(HDC dc)
{
    if (m_fadeDelta != 0) {
        if (m_fadeValue != 0) {
            DrawImageFaded(dc, m_normalImage, m_fadeValue);
            DrawImageFaded(dc, m_hotImage, static_cast<BYTE>(255 - m_fadeValue));
        } else {
            DrawImageFaded(dc, m_hotImage, 255);
        }
    } else if (!DrawImage(dc, m_hotImage)) {
        DrawImage(dc, m_normalImage);
    }
    if (DrawImage(dc, m_hotForeImage))
        return false;
    if (m_hotBkColor != 0) {
        CRendererUI::FillColor(dc, m_paintRect, AdjustColor(m_hotBkColor));
        return false;
    }
    return true;
}

void CButtonUI::PaintStatusImage(HDC dc)
{
    RefreshFocusAndEnabled();
    if ((m_buttonState & kStateDisabled) != 0) {
        if (!DrawImage(dc, m_disabledImage))
            PaintNormalImage(dc);
    } else if ((m_buttonState & kStatePushed) != 0) {
        if (!DrawImage(dc, m_pushedImage))
            DrawImage(dc, m_normalImage);
    } else if ((m_buttonState & kStateHot) != 0) {
        if (!PaintHotImage(dc))
            return;
    } else if ((m_buttonState & kStateFocused) != 0) {
        if (!DrawImage(dc, m_focusedImage))
            PaintNormalImage(dc);
    } else {
        PaintNormalImage(dc);
    }
    DrawImage(dc, ForeImageInfo());
}

void CButtonUI::PaintText(HDC dc)
{
    RefreshFocusAndEnabled();
    ResolveDefaultColors();
    if (m_text.IsEmpty())
        return;
    DWORD color = IsEnabled() ? m_textColor : m_disabledTextColor;
    if ((m_buttonState & kStatePushed) != 0 && m_pushedTextColor != 0)
        color = m_pushedTextColor;
    else if ((m_buttonState & kStateHot) != 0 && m_hotTextColor != 0)
        color = m_hotTextColor;
    else if ((m_buttonState & kStateFocused) != 0 && m_focusedTextColor != 0)
        color = m_focusedTextColor;
    RECT rect = GetTextRect();
    DrawLabelText(dc, rect, m_text, color, m_textStyle);
}

}  // namespace SkinUI
