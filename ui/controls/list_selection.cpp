#include "ui/controls/list.h"
#include "ui/controls/list_body.h"
#include "ui/core/scrollbar.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

bool CListUI::SelectItem(int index, bool takeFocus, bool sendNotification)
{
    if (index == m_curSel)
        return true;
    const int oldSel = m_curSel;
    if (m_curSel >= 0) {
        IListItemUI* current = AsListItem(GetItemAt(m_curSel));
        if (current != nullptr)
            current->Select(false, sendNotification);
        m_curSel = -1;
    }
    if (index < 0)
        return false;
    CControlUI* control = GetItemAt(index);
    IListItemUI* row = AsListItem(control);
    if (row == nullptr || !control->IsVisible() || !control->IsEnabled())
        return false;
    m_curSel = index;
    if (!row->Select(true, sendNotification)) {
        m_curSel = -1;
        return false;
    }
    EnsureVisible(m_curSel);
    if (takeFocus)
        control->SetFocus();
    if (sendNotification && m_manager != nullptr)
        m_manager->SendNotification(this, L"itemselect", static_cast<WPARAM>(index),
                                    static_cast<LPARAM>(oldSel));
    return true;
}

bool CListUI::ExpandItem(int index, bool expand)
{
    // The expanding row calls back here with its own index; without this
    // answer it would be collapsed and expanded again without end.
    if (expand && index >= 0 && index == m_expandedItem) {
        IListItemUI* row = AsListItem(GetItemAt(index));
        if (row != nullptr && row->IsExpanded())
            return true;
    }
    if (m_expandedItem >= 0 && !m_itemStyle.multiExpanding) {
        IListItemUI* expanded = AsListItem(GetItemAt(m_expandedItem));
        m_expandedItem = -1;
        if (expanded != nullptr)
            expanded->Expand(false);
    }
    if (expand) {
        CControlUI* control = GetItemAt(index);
        IListItemUI* row = AsListItem(control);
        if (row == nullptr || !control->IsVisible())
            return false;
        m_expandedItem = index;
        if (!row->Expand(true)) {
            m_expandedItem = -1;
            return false;
        }
    }
    RequestLayout();
    return true;
}

void CListUI::EnsureVisible(int index)
{
    if (m_curSel < 0)
        return;
    CControlUI* row = GetItemAt(index);
    if (row == nullptr)
        return;
    RECT band = m_body->GetPosition();
    const RECT inset = m_body->GetInset();
    band.top += inset.top;
    band.bottom -= inset.bottom;
    CScrollBarUI* horizontal = m_body->GetHorizontalScrollBar();
    if (horizontal != nullptr && horizontal->IsVisible())
        band.bottom -= horizontal->GetFixedHeight();
    const RECT& item = row->GetPosition();
    if (item.top >= band.top && item.bottom < band.bottom)
        return;
    Scroll(0, item.bottom >= band.bottom ? item.bottom - band.bottom : item.top - band.top);
}

void CListUI::Scroll(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    const SIZE position = m_body->GetScrollPosition();
    m_body->SetScrollPosition(SIZE{position.cx + dx, position.cy + dy});
}

void CListUI::SelectByKey(int index)
{
    SelectItem(index, true, true);
}

void CListUI::ForwardEvent(EventRecordUI& event)
{
    HandleEvent(event);
}

void CListUI::HandleEvent(EventRecordUI& event)
{
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        if (m_parent != nullptr)
            m_parent->HandleEvent(event);
        else
            CVerticalLayoutUI::HandleEvent(event);
        return;
    }
    switch (event.type) {
    case EventTypeUI::SetFocus:
        m_focused = true;
        return;
    case EventTypeUI::KillFocus:
        m_focused = false;
        return;
    case EventTypeUI::KeyDown:
        if (!IsKeyboardEnabled() || !IsEnabled())
            break;
        switch (event.keyChar) {
        case VK_UP:
            SelectByKey(FindSelectableItem(m_curSel - 1, false));
            break;
        case VK_DOWN:
            SelectByKey(FindSelectableItem(m_curSel + 1, true));
            break;
        case VK_HOME:
            SelectByKey(FindSelectableItem(0, false));
            break;
        case VK_END:
            SelectByKey(FindSelectableItem(GetCount() - 1, true));
            break;
        case VK_PRIOR:
            PageUp();
            break;
        case VK_NEXT:
            PageDown();
            break;
        case VK_RETURN:
            if (m_curSel >= 0 && GetItemAt(m_curSel) != nullptr)
                GetItemAt(m_curSel)->Activate();
            break;
        default:
            break;
        }
        return;
    case EventTypeUI::ScrollWheel:
        if (!IsEnabled())
            break;
        if (LOWORD(event.wParam) == SB_LINEDOWN) {
            if (m_scrollSelect)
                SelectByKey(FindSelectableItem(m_curSel + 1, true));
            else
                LineDown();
        } else {
            if (m_scrollSelect)
                SelectByKey(FindSelectableItem(m_curSel - 1, false));
            else
                LineUp();
        }
        return;
    default:
        break;
    }
    CVerticalLayoutUI::HandleEvent(event);
}

}  // namespace SkinUI
