#include "ui/controls/list_header_item.h"

#include "ui/controls/list_interfaces.h"
#include "ui/controls/list_item_style.h"
#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CListHeaderItemUI::CListHeaderItemUI()
{
    m_minSize.cx = 16;
}

const wchar_t* CListHeaderItemUI::GetClassName() const
{
    return L"ListHeaderItem";
}

void* CListHeaderItemUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"ListHeaderItem"))
        return this;
    return CControlUI::GetInterfaceByName(name);
}

UINT CListHeaderItemUI::GetBehaviorFlags() const
{
    return IsEnabled() && m_sepWidth != 0 ? kBehaviorSetCursor : 0;
}

void CListHeaderItemUI::SetEnabled(bool enabled)
{
    CControlUI::SetEnabled(enabled);
    if (!IsEnabled())
        m_buttonState = 0;
}

void CListHeaderItemUI::SetDragable(bool dragable)
{
    m_dragable = dragable;
    if (!dragable)
        m_buttonState &= ~kStateDragging;
}

void CListHeaderItemUI::SetTextStyle(UINT style)
{
    m_textStyle = style;
    Invalidate();
}

void CListHeaderItemUI::SetTextColor(DWORD color)
{
    m_textColor = color;
    Invalidate();
}

void CListHeaderItemUI::SetSepColor(DWORD color)
{
    m_sepColor = color;
    Invalidate();
}

void CListHeaderItemUI::SetTextPadding(RECT padding)
{
    m_textPadding = padding;
    Invalidate();
}

void CListHeaderItemUI::SetShowHtml(bool show)
{
    if (m_showHtml == show)
        return;
    m_showHtml = show;
    Invalidate();
}

void CListHeaderItemUI::SetImage(ImageDrawInfoUI& image, const wchar_t* description)
{
    if (ReplaceImageDescription(image, description))
        Invalidate();
}

void CListHeaderItemUI::SetNormalImage(const wchar_t* description)
{
    SetImage(m_normalImage, description);
}

void CListHeaderItemUI::SetHotImage(const wchar_t* description)
{
    SetImage(m_hotImage, description);
}

void CListHeaderItemUI::SetPushedImage(const wchar_t* description)
{
    SetImage(m_pushedImage, description);
}

void CListHeaderItemUI::SetFocusedImage(const wchar_t* description)
{
    SetImage(m_focusedImage, description);
}

void CListHeaderItemUI::SetSepImage(const wchar_t* description)
{
    SetImage(m_sepImage, description);
}

void CListHeaderItemUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (NameIs(name, L"dragable"))
        SetDragable(IsTrueValue(value));
    else if (NameIs(name, L"align"))
        m_textStyle = ApplyHorizontalAlignWords(m_textStyle, value);
    else if (NameIs(name, L"valign"))
        m_textStyle = ApplyVerticalAlignWords(m_textStyle, value);
    else if (NameIs(name, L"endellipsis"))
        m_textStyle = ApplyEndEllipsis(m_textStyle, IsTrueValue(value));
    else if (NameIs(name, L"multiline"))
        m_textStyle = ApplyMultiline(m_textStyle, IsTrueValue(value));
    else if (NameIs(name, L"font"))
        SetFont(_wtoi(value));
    else if (NameIs(name, L"textcolor"))
        SetTextColor(ReadHexColor(value));
    else if (NameIs(name, L"textpadding"))
        SetTextPadding(ReadRect(value));
    else if (NameIs(name, L"showhtml"))
        SetShowHtml(IsTrueValue(value));
    else if (NameIs(name, L"normalimage"))
        SetNormalImage(value);
    else if (NameIs(name, L"hotimage"))
        SetHotImage(value);
    else if (NameIs(name, L"pushedimage"))
        SetPushedImage(value);
    else if (NameIs(name, L"focusedimage"))
        SetFocusedImage(value);
    else if (NameIs(name, L"sepimage"))
        SetSepImage(value);
    else if (NameIs(name, L"sepwidth"))
        SetSepWidth(_wtoi(value));
    else if (NameIs(name, L"sepcolor"))
        SetSepColor(ReadHexColor(value));
    else
        CControlUI::SetAttribute(name, value);
}

SIZE CListHeaderItemUI::GetDesiredSize(SIZE available)
{
    if (m_fixedSize.cy > 0)
        return CControlUI::GetDesiredSize(available);
    const FontRecordUI* font = m_manager != nullptr ? m_manager->GetDefaultFontRecord() : nullptr;
    return SIZE{m_fixedSize.cx, (font != nullptr ? font->metrics.tmHeight : 0) + 8};
}

RECT CListHeaderItemUI::GetSeparatorRect() const
{
    const RECT& p = m_position;
    if (m_sepWidth >= 0)
        return RECT{p.right - m_sepWidth, p.top, p.right, p.bottom};
    return RECT{p.left, p.top, p.left - m_sepWidth, p.bottom};
}

void CListHeaderItemUI::RequestColumnLayout()
{
    if (m_parent != nullptr)
        m_parent->RequestParentLayout();
    else
        RequestParentLayout();
}

void CListHeaderItemUI::OnPress(POINT point)
{
    const RECT separator = GetSeparatorRect();
    if (!PtInRect(&separator, point)) {
        m_buttonState |= kStatePushed;
        if (m_manager != nullptr)
            m_manager->SendNotification(this, L"headerclick");
        Invalidate();
    } else if (m_dragable) {
        m_buttonState |= kStateDragging;
        m_lastPoint = point;
    }
}

void CListHeaderItemUI::OnRelease()
{
    if ((m_buttonState & kStateDragging) != 0) {
        m_buttonState &= ~kStateDragging;
        RequestColumnLayout();
    } else if ((m_buttonState & kStatePushed) != 0) {
        m_buttonState &= ~kStatePushed;
        Invalidate();
    }
}

void CListHeaderItemUI::OnDrag(POINT point)
{
    RECT rect = m_position;
    const int dx = point.x - m_lastPoint.x;
    if (m_sepWidth >= 0)
        rect.right += dx;
    else
        rect.left += dx;
    const int width = rect.right - rect.left;
    if (width <= GetMinWidth())
        return;
    m_fixedSize.cx = width;
    m_lastPoint = point;
    RequestColumnLayout();
}

void CListHeaderItemUI::HandleEvent(EventRecordUI& event)
{
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        if (m_parent != nullptr)
            m_parent->HandleEvent(event);
        else
            CControlUI::HandleEvent(event);
        return;
    }
    const POINT point = event.mousePoint;
    const bool inside = PtInRect(&m_position, point) != FALSE;
    switch (event.type) {
    case EventTypeUI::ButtonDown:
    case EventTypeUI::DoubleClick:
        if (IsEnabled())
            OnPress(point);
        return;
    case EventTypeUI::ButtonUp:
        OnRelease();
        return;
    case EventTypeUI::MouseMove:
        if ((m_buttonState & kStateDragging) != 0)
            OnDrag(point);
        return;
    case EventTypeUI::SetCursor: {
        const RECT separator = GetSeparatorRect();
        if (IsEnabled() && m_dragable && PtInRect(&separator, point)) {
            ::SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
            return;
        }
        break;
    }
    case EventTypeUI::MouseEnter:
        if (inside && IsEnabled() && (m_buttonState & kStateHot) == 0) {
            m_buttonState |= kStateHot;
            Invalidate();
        }
        return;
    case EventTypeUI::MouseLeave:
        if (inside) {
            if (m_manager != nullptr)
                m_manager->AddMouseLeaveListener(this);
            return;
        }
        if ((m_buttonState & kStateHot) != 0) {
            m_buttonState &= ~kStateHot;
            Invalidate();
        }
        if (m_manager != nullptr)
            m_manager->RemoveMouseLeaveListener(this);
        return;
    default:
        break;
    }
    CControlUI::HandleEvent(event);
}

void CListHeaderItemUI::PaintStatusImage(HDC dc)
{
    if (IsFocused())
        m_buttonState |= kStateFocused;
    else
        m_buttonState &= ~kStateFocused;

    ImageDrawInfoUI* stateImage = nullptr;
    if ((m_buttonState & kStatePushed) != 0)
        stateImage = &m_pushedImage;
    else if ((m_buttonState & kStateHot) != 0)
        stateImage = &m_hotImage;
    else if ((m_buttonState & kStateFocused) != 0)
        stateImage = &m_focusedImage;
    if (stateImage == nullptr || !DrawImage(dc, *stateImage))
        DrawImage(dc, m_normalImage);

    if (m_sepWidth <= 0)
        return;
    const RECT separator = GetSeparatorRect();
    if (CRendererUI::DrawImageDescription(dc, m_manager, separator, m_paintRect, m_sepImage))
        return;
    if (m_sepColor != 0) {
        const int x = separator.left + m_sepWidth / 2;
        CRendererUI::DrawLine(dc, RECT{x, separator.top, x, separator.bottom}, m_sepWidth,
                              AdjustColor(m_sepColor));
    }
}

void CListHeaderItemUI::PaintText(HDC dc)
{
    if (m_textColor == 0 && m_manager != nullptr)
        m_textColor = m_manager->GetDefaultTextColor();
    if (m_text.IsEmpty())
        return;
    RECT area = {m_position.left + m_textPadding.left, m_position.top + m_textPadding.top,
                 m_position.right - m_textPadding.right, m_position.bottom - m_textPadding.bottom};
    if (m_showHtml) {
        int noLinks = 0;
        CRendererUI::DrawMarkupText(dc, m_manager, area, m_text, m_textColor, nullptr, nullptr,
                                    noLinks, m_font, m_textStyle);
    } else {
        CRendererUI::DrawPlainText(dc, m_manager, area, m_text, m_textColor, m_font, m_textStyle);
    }
}

}  // namespace SkinUI
