#include "ui/controls/list.h"

#include "ui/controls/list_body.h"
#include "ui/controls/list_header.h"
#include "ui/core/control_values.h"

namespace SkinUI {

void CListUI::UpdateColumns(const RECT& listRect, bool placeHeader)
{
    UpdateColumnCount();
    // A hidden header still defines the columns: its items take part
    // in the layout for the moment it takes.
    const bool hidden = !m_header->IsVisible();
    const int items = m_header->GetCount();
    if (hidden) {
        for (int i = 0; i < items; ++i)
            m_header->GetItemAt(i)->SetInternalVisible(true);
    }
    if (placeHeader || hidden)
        m_header->SetPosition(RECT{listRect.left + m_inset.left, 0, listRect.right - m_inset.right, 0},
                              false);
    const int scroll = m_body->GetScrollPosition().cx;
    for (int i = 0; i < m_itemStyle.columnCount; ++i) {
        CControlUI* item = m_header->GetItemAt(i);
        if (!item->IsVisible() || item->IsFloating())
            continue;
        if (scroll > 0)
            item->MoveBy(-scroll, 0, false);
        m_itemStyle.columns[i] = item->GetPosition();
    }
    if (hidden) {
        for (int i = 0; i < items; ++i)
            m_header->GetItemAt(i)->SetInternalVisible(false);
    }
}

void CListUI::SetPosition(RECT rect, bool invalidate)
{
    UpdateColumns(rect, true);
    CVerticalLayoutUI::SetPosition(rect, invalidate);
    UpdateColumns(rect, false);
}

void CListUI::MoveBy(int dx, int dy, bool invalidate)
{
    CVerticalLayoutUI::MoveBy(dx, dy, invalidate);
    if (!m_header->IsVisible())
        m_header->MoveBy(dx, dy, false);
}

void CListUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (NameIs(name, L"header"))
        m_header->SetVisible(!NameIs(value, L"hidden"));
    else if (NameIs(name, L"headerbkimage"))
        m_header->SetBackgroundImage(value);
    else if (NameIs(name, L"scrollselect"))
        SetScrollSelect(IsTrueValue(value));
    else if (NameIs(name, L"multiexpanding"))
        SetMultiExpanding(IsTrueValue(value));
    else if (NameIs(name, L"itemvalign"))
        SetItemTextStyle(ApplyVerticalAlignWords(m_itemStyle.textStyle, value));
    else if (NameIs(name, L"itemendellipsis"))
        SetItemTextStyle(ApplyEndEllipsis(m_itemStyle.textStyle, IsTrueValue(value)));
    else if (NameIs(name, L"itemmultiline"))
        SetItemTextStyle(ApplyMultiline(m_itemStyle.textStyle, IsTrueValue(value)));
    else if (name == nullptr || !SetItemStyleAttribute(name, value != nullptr ? value : L""))
        CVerticalLayoutUI::SetAttribute(name, value);
}

void CListUI::OnItemStyleChanged(ItemStyleFieldUI field)
{
    switch (field) {
    case ItemStyleFieldUI::Height:
    case ItemStyleFieldUI::Font:
        break;
    case ItemStyleFieldUI::TextPadding:
    case ItemStyleFieldUI::ShowHtml:
        RequestLayout();
        break;
    default:
        Invalidate();
        break;
    }
}

int CListUI::GetChildPadding() const
{
    return m_body->GetChildPadding();
}

void CListUI::SetChildPadding(int padding)
{
    m_body->SetChildPadding(padding);
}

SIZE CListUI::GetScrollPosition() const
{
    return m_body->GetScrollPosition();
}

SIZE CListUI::GetScrollRange() const
{
    return m_body->GetScrollRange();
}

void CListUI::SetScrollPosition(SIZE position)
{
    m_body->SetScrollPosition(position);
}

void CListUI::LineUp()
{
    m_body->LineUp();
}

void CListUI::LineDown()
{
    m_body->LineDown();
}

void CListUI::PageUp()
{
    m_body->PageUp();
}

void CListUI::PageDown()
{
    m_body->PageDown();
}

void CListUI::ScrollToTop()
{
    m_body->ScrollToTop();
}

void CListUI::ScrollToBottom()
{
    m_body->ScrollToBottom();
}

void CListUI::LineLeft()
{
    m_body->LineLeft();
}

void CListUI::LineRight()
{
    m_body->LineRight();
}

void CListUI::PageLeft()
{
    m_body->PageLeft();
}

void CListUI::PageRight()
{
    m_body->PageRight();
}

void CListUI::ScrollToLeft()
{
    m_body->ScrollToLeft();
}

void CListUI::ScrollToRight()
{
    m_body->ScrollToRight();
}

void CListUI::EnableScrollBars(bool vertical, bool horizontal)
{
    m_body->EnableScrollBars(vertical, horizontal);
}

CScrollBarUI* CListUI::GetVerticalScrollBar() const
{
    return m_body->GetVerticalScrollBar();
}

CScrollBarUI* CListUI::GetHorizontalScrollBar() const
{
    return m_body->GetHorizontalScrollBar();
}

}  // namespace SkinUI
