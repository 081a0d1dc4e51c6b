#include "ui/core/tab_layout.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/layout_limits.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

const wchar_t* CTabLayoutUI::GetClassName() const
{
    return L"TabLayout";
}

void* CTabLayoutUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"TabLayout") == 0)
        return this;
    return CContainerUI::GetInterfaceByName(name);
}

bool CTabLayoutUI::AddItem(CControlUI* control)
{
    if (!CContainerUI::AddItem(control))
        return false;
    if (m_selected == -1 && control->IsVisible())
        m_selected = GetItemIndex(control);
    else
        control->SetVisible(false);
    return true;
}

bool CTabLayoutUI::InsertItemAt(CControlUI* control, int index)
{
    if (!CContainerUI::InsertItemAt(control, index))
        return false;
    if (m_selected == -1 && control->IsVisible()) {
        m_selected = index;
        return true;
    }
    // Inserted at or before the selected page, the page moves up one; either
    // way only the selected page shows.
    if (m_selected != -1 && index <= m_selected)
        ++m_selected;
    control->SetVisible(false);
    return true;
}

bool CTabLayoutUI::RemoveItem(CControlUI* control, bool keepAlive)
{
    if (control == nullptr)
        return false;
    const int index = GetItemIndex(control);
    if (!CContainerUI::RemoveItem(control, keepAlive))
        return false;
    if (index == m_selected) {
        if (GetCount() == 0) {
            m_selected = -1;
        } else {
            m_selected = 0;
            GetItemAt(0)->SetVisible(true);
        }
        RequestParentLayout();
    } else if (index < m_selected) {
        --m_selected;
    }
    return true;
}

void CTabLayoutUI::RemoveAllItems()
{
    m_selected = -1;
    CContainerUI::RemoveAllItems();
    RequestParentLayout();
}

bool CTabLayoutUI::SelectPage(int index, bool notify)
{
    if (index < 0 || index >= GetCount())
        return false;
    if (index == m_selected)
        return true;
    const int old = m_selected;
    m_selected = index;
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* page = GetItemAt(i);
        if (i != index) {
            page->SetVisible(false);
            continue;
        }
        page->SetVisible(true);
        page->SetFocus();
    }
    RequestParentLayout();
    if (m_manager != nullptr) {
        m_manager->FocusNextTabStop(true);
        if (notify)
            m_manager->SendNotification(this, L"tabselect", index, old);
    }
    return true;
}

void CTabLayoutUI::SetPosition(RECT rect, bool invalidate)
{
    CControlUI::SetPosition(rect, invalidate);
    if (m_items.IsEmpty())
        return;
    // Only the selected page is placed; the bars play no part here.
    RECT area = m_position;
    area.left += m_inset.left;
    area.top += m_inset.top;
    area.right -= m_inset.right;
    area.bottom -= m_inset.bottom;
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* child = GetItemAt(i);
        if (!child->IsVisible())
            continue;
        if (child->IsFloating()) {
            SetFloatChildPosition(i);
            continue;
        }
        if (i != m_selected)
            continue;
        const RECT pad = child->GetPadding();
        const int availableWidth = area.right - area.left - pad.left - pad.right;
        const int availableHeight = area.bottom - area.top - pad.top - pad.bottom;
        const SIZE desired = child->GetDesiredSize(SIZE{availableWidth, availableHeight});
        const int width = ClampWidth(*child, desired.cx == 0 ? std::max(availableWidth, 0) : desired.cx);
        const int height =
            ClampHeight(*child, desired.cy == 0 ? std::max(availableHeight, 0) : desired.cy);
        const int left = area.left + pad.left;
        const int top = area.top + pad.top;
        child->SetPosition(RECT{left, top, left + width, top + height}, false);
    }
}

void CTabLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name != nullptr && wcscmp(name, L"selectedid") == 0)
        SelectPage(static_cast<int>(wcstol(value != nullptr ? value : L"", nullptr, 10)), true);
    CContainerUI::SetAttribute(name, value);
}

}  // namespace SkinUI
