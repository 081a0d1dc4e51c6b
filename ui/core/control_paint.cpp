#include "ui/core/clip_region.h"
#include "ui/core/control.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

bool CControlUI::Paint(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    if (this == stopControl)
        return false;
    if (!IntersectRect(&m_paintRect, &paintRect, &m_position))
        return true;
    if (OnPaint.HasDelegates() && !OnPaint.Invoke(this))
        return true;
    if (!PaintContent(dc, paintRect, stopControl))
        return false;
    if (m_cover != nullptr)
        return m_cover->Paint(dc, paintRect, nullptr);
    return true;
}

bool CControlUI::PaintContent(HDC dc, const RECT& paintRect, CControlUI*)
{
    CClipRegionUI roundClip;
    if (m_borderRound.cx > 0 || m_borderRound.cy > 0)
        CClipRegionUI::BeginRoundClip(dc, paintRect, m_position, m_borderRound.cx, m_borderRound.cy,
                                      roundClip);
    PaintBackgroundColor(dc);
    PaintBackgroundImage(dc);
    PaintStatusImage(dc);
    PaintText(dc);
    PaintBorder(dc);
    return true;
}

void CControlUI::PaintBackgroundColor(HDC dc)
{
    if (m_bkColor == 0)
        return;
    if (m_bkColor2 == 0) {
        // An opaque colour needs only the part being painted.
        const RECT& area = m_bkColor >= 0xFF000000 ? m_paintRect : m_position;
        CRendererUI::FillColor(dc, area, AdjustColor(m_bkColor));
    } else if (m_bkColor3 == 0) {
        CRendererUI::DrawGradient(dc, m_position, AdjustColor(m_bkColor), AdjustColor(m_bkColor2),
                                  true, 16);
    } else {
        RECT upper = m_position;
        upper.bottom = (m_position.top + m_position.bottom) / 2;
        RECT lower = m_position;
        lower.top = upper.bottom;
        CRendererUI::DrawGradient(dc, upper, AdjustColor(m_bkColor), AdjustColor(m_bkColor2), true, 8);
        CRendererUI::DrawGradient(dc, lower, AdjustColor(m_bkColor2), AdjustColor(m_bkColor3), true, 8);
    }
}

void CControlUI::PaintBackgroundImage(HDC dc)
{
    if (!m_bkImage->description.IsEmpty())
        DrawImage(dc, *m_bkImage);
}

void CControlUI::PaintStatusImage(HDC) {}

void CControlUI::PaintText(HDC) {}

void CControlUI::PaintBorder(HDC dc)
{
    const RECT& w = m_borderSize;
    if (w.left <= 0 || (m_borderColor == 0 && m_focusBorderColor == 0))
        return;
    const DWORD color =
        AdjustColor(IsFocused() && m_focusBorderColor != 0 ? m_focusBorderColor : m_borderColor);
    const RECT& p = m_position;
    if (m_borderRound.cx > 0 || m_borderRound.cy > 0) {
        CRendererUI::DrawRoundRect(dc, p, w.left, m_borderRound.cx, m_borderRound.cy, color,
                                   m_borderStyle);
    } else if (w.left == w.top && w.left == w.right && w.left == w.bottom) {
        CRendererUI::DrawRect(dc, p, w.left, color, m_borderStyle);
    } else {
        CRendererUI::DrawLine(dc, RECT{p.left + w.left / 2, p.top, p.left + w.left / 2, p.bottom},
                              w.left, color, m_borderStyle);
        if (w.top > 0)
            CRendererUI::DrawLine(dc, RECT{p.left + w.left, p.top + w.top / 2, p.right - w.right,
                                           p.top + w.top / 2},
                                  w.top, color, m_borderStyle);
        if (w.right > 0)
            CRendererUI::DrawLine(dc, RECT{p.right - w.right / 2, p.top, p.right - w.right / 2,
                                           p.bottom},
                                  w.right, color, m_borderStyle);
        if (w.bottom > 0)
            CRendererUI::DrawLine(dc, RECT{p.left + w.left, p.bottom - w.bottom / 2,
                                           p.right - w.right, p.bottom - w.bottom / 2},
                                  w.bottom, color, m_borderStyle);
    }
}

void CControlUI::PostPaint(HDC, const RECT&)
{
    if (OnPostPaint.HasDelegates())
        OnPostPaint.Invoke(this);
}

DWORD CControlUI::AdjustColor(DWORD color) const
{
    if (!m_colorHsl)
        return color;
    short hue = 180;
    short saturation = 100;
    short lightness = 100;
    CWindowManagerUI::GetHSL(&hue, &saturation, &lightness);
    return CRendererUI::AdjustColorHSL(color, hue, saturation, lightness);
}

bool CControlUI::DrawImage(HDC dc, ImageDrawInfoUI& image)
{
    return CRendererUI::DrawImageDescription(dc, m_manager, m_position, m_paintRect, image);
}

namespace {

template <typename T>
bool Change(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

}  // namespace

void CControlUI::SetBackgroundColor(DWORD color)
{
    if (Change(m_bkColor, color))
        Invalidate();
}

void CControlUI::SetBackgroundColor2(DWORD color)
{
    if (Change(m_bkColor2, color))
        Invalidate();
}

void CControlUI::SetBackgroundColor3(DWORD color)
{
    if (Change(m_bkColor3, color))
        Invalidate();
}

void CControlUI::SetBorderColor(DWORD color)
{
    if (Change(m_borderColor, color))
        Invalidate();
}

void CControlUI::SetFocusBorderColor(DWORD color)
{
    if (Change(m_focusBorderColor, color))
        Invalidate();
}

void CControlUI::SetColorHsl(bool colorHsl)
{
    if (Change(m_colorHsl, colorHsl))
        Invalidate();
}

void CControlUI::SetBorderSize(int size)
{
    m_borderSize = RECT{size, size, size, size};
    Invalidate();
}

void CControlUI::SetBorderSizeRect(RECT size)
{
    m_borderSize = size;
    Invalidate();
}

void CControlUI::SetBorderRound(SIZE round)
{
    m_borderRound = round;
    Invalidate();
}

void CControlUI::SetBorderStyle(int style)
{
    m_borderStyle = style;
    Invalidate();
}

const CUIString& CControlUI::GetBackgroundImage() const
{
    return m_bkImage->description;
}

void CControlUI::SetBackgroundImage(const wchar_t* description)
{
    const wchar_t* text = description != nullptr ? description : L"";
    if (m_bkImage->description == text && m_bkImage->image != nullptr)
        return;
    m_bkImage->Reset();
    m_bkImage->description = text;
    DrawImage(nullptr, *m_bkImage);
    if (m_floating && m_fixedSize.cx == 0 && m_fixedSize.cy == 0 && m_bkImage->image != nullptr)
        m_fixedSize = SIZE{m_bkImage->image->width, m_bkImage->image->height};
    Invalidate();
}

const CUIString& CControlUI::GetForeImage() const
{
    return m_foreImage->description;
}

void CControlUI::SetForeImage(const wchar_t* description)
{
    const wchar_t* text = description != nullptr ? description : L"";
    if (m_foreImage->description == text && m_foreImage->image != nullptr)
        return;
    m_foreImage->Reset();
    m_foreImage->description = text;
    Invalidate();
}

}  // namespace SkinUI
