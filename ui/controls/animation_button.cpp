#include "ui/controls/animation_button.h"

#include <cwchar>

#include "ui/core/clip_region.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

const wchar_t* CAnimationButtonUI::GetClassName() const
{
    return L"AnimationButton";
}

void* CAnimationButtonUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"AnimationButton") == 0)
        return this;
    return CButtonUI::GetInterfaceByName(name);
}

void CAnimationButtonUI::StartScrolling()
{
    if (m_manager == nullptr)
        return;
    const int width =
        CRendererUI::MeasureText(m_manager->GetWindowDC(), m_manager, m_text, m_font).cx;
    if (width <= m_position.right - m_position.left)
        return;
    m_textStyle &= ~static_cast<UINT>(DT_END_ELLIPSIS);
    m_textWidth = width;
    m_manager->StartTimer(this, kMarqueeTimerId, static_cast<UINT>(m_speed));
}

void CAnimationButtonUI::StopScrolling()
{
    m_textStyle |= DT_END_ELLIPSIS;
    m_offset = 0;
    m_textWidth = 0;
    if (m_manager != nullptr)
        m_manager->StopTimer(this, kMarqueeTimerId);
}

void CAnimationButtonUI::HandleEvent(EventRecordUI& event)
{
    switch (event.type) {
    case EventTypeUI::MouseEnter:
        StartScrolling();
        break;
    case EventTypeUI::MouseLeave:
        // A leave onto a child or cover is no leave: the button stays hot too.
        if (PtInRect(&m_position, event.mousePoint) == FALSE)
            StopScrolling();
        break;
    case EventTypeUI::Timer:
        if (event.wParam == kMarqueeTimerId) {
            if (++m_offset >= m_textWidth)
                m_offset = 0;
            Invalidate();
        }
        break;
    default:
        break;
    }
    CButtonUI::HandleEvent(event);
}

void CAnimationButtonUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name != nullptr && wcscmp(name, L"speed") == 0)
        SetSpeed(static_cast<int>(wcstol(value != nullptr ? value : L"", nullptr, 10)));
    else
        CButtonUI::SetAttribute(name, value);
}

// The text starts `offset` pixels left of the text area, whose right edge
// stays, so the rest of a long text comes into view; nothing is drawn
// outside the text area.
void CAnimationButtonUI::PaintText(HDC dc)
{
    ResolveDefaultColors();
    if (m_text.IsEmpty())
        return;
    const RECT area = GetTextRect();
    RECT rect = area;
    rect.left -= m_offset;
    CClipRegionUI clip;
    CClipRegionUI::BeginRectClip(dc, area, clip);
    // Markup keeps the text colour when disabled.
    const DWORD color = m_showHtml || IsEnabled() ? m_textColor : m_disabledTextColor;
    DrawLabelText(dc, rect, m_text, color, m_textStyle | DT_SINGLELINE);
}

}  // namespace SkinUI
