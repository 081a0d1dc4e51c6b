#include "ui/controls/text.h"

#include <cwchar>

#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CTextUI::CTextUI()
{
    m_textStyle = DT_WORDBREAK;
    m_textPadding = RECT{2, 0, 2, 0};
}

const wchar_t* CTextUI::GetClassName() const
{
    return L"Text";
}

void* CTextUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"Text") == 0)
        return this;
    return CLabelUI::GetInterfaceByName(name);
}

UINT CTextUI::GetBehaviorFlags() const
{
    return IsEnabled() && m_linkCount > 0 ? kBehaviorSetCursor : 0;
}

int CTextUI::LinkAt(POINT point) const
{
    for (int i = 0; i < m_linkCount; ++i) {
        if (PtInRect(&m_linkRects[i], point))
            return i;
    }
    return -1;
}

void CTextUI::HandleEvent(EventRecordUI& event)
{
    if (ForwardMouseEventWhenMouseDisabled(event))
        return;
    const int link = LinkAt(event.mousePoint);
    switch (event.type) {
    case EventTypeUI::SetCursor:
        if (link >= 0) {
            ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return;
        }
        break;
    case EventTypeUI::ButtonDown:
    case EventTypeUI::DoubleClick:
        if (IsEnabled() && link >= 0) {
            Invalidate();
            return;
        }
        break;
    case EventTypeUI::ButtonUp:
        if (IsEnabled() && link >= 0) {
            if (m_manager != nullptr)
                m_manager->SendNotification(this, L"link", static_cast<WPARAM>(link));
            return;
        }
        break;
    case EventTypeUI::ContextMenu:
        return;
    case EventTypeUI::MouseMove:
        if (IsEnabled() && m_linkCount > 0 && link != m_hoveredLink) {
            m_hoveredLink = link;
            Invalidate();
            return;
        }
        break;
    case EventTypeUI::MouseLeave:
        if (IsEnabled() && m_linkCount > 0 && m_hoveredLink >= 0) {
            if (PtInRect(&m_linkRects[m_hoveredLink], event.mousePoint)) {
                if (m_manager != nullptr)
                    m_manager->AddMouseLeaveListener(this);
                return;
            }
            m_hoveredLink = -1;
            Invalidate();
            if (m_manager != nullptr)
                m_manager->RemoveMouseLeaveListener(this);
            return;
        }
        break;
    default:
        break;
    }
    CLabelUI::HandleEvent(event);
}

void CTextUI::PaintText(HDC dc)
{
    if (m_text.IsEmpty()) {
        m_linkCount = 0;
        m_hoveredLink = -1;
        return;
    }
    ResolveDefaultColors();
    RECT rect = GetTextRect();
    const DWORD color = IsEnabled() ? m_textColor : m_disabledTextColor;
    if (m_showHtml) {
        int count = kMaxLinks;
        CRendererUI::DrawMarkupText(dc, m_manager, rect, m_text, color, m_linkRects, m_linkTexts,
                                    count, m_font, m_textStyle);
        m_linkCount = count < kMaxLinks ? count : kMaxLinks;
    } else {
        CRendererUI::DrawPlainText(dc, m_manager, rect, m_text, color, m_font, m_textStyle);
        m_linkCount = 0;
    }
    if (m_hoveredLink >= m_linkCount)
        m_hoveredLink = -1;
}

}  // namespace SkinUI
