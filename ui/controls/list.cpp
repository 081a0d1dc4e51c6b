#include "ui/controls/list.h"

#include <cwchar>

#include "ui/controls/list_body.h"
#include "ui/controls/list_header.h"
#include "ui/controls/list_row_index.h"

namespace SkinUI {

CListUI::CListUI() : m_body(new CListBodyUI(this)), m_header(new CListHeaderUI)
{
    CListUI::AddItem(m_header);
    // The container's own insert: its add would come back to the list's.
    CVerticalLayoutUI::InsertItemAt(m_body, m_items.GetSize());
}

const wchar_t* CListUI::GetClassName() const
{
    return L"List";
}

void* CListUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"List"))
        return this;
    if (NameIs(name, L"IList"))
        return static_cast<IListUI*>(this);
    if (NameIs(name, L"IListOwner"))
        return static_cast<IListOwnerUI*>(this);
    return CVerticalLayoutUI::GetInterfaceByName(name);
}

UINT CListUI::GetBehaviorFlags() const
{
    return kBehaviorTabStop;
}

CListUI::ItemKindUI CListUI::KindOf(CControlUI* control)
{
    if (control->GetInterfaceByName(L"ListHeader") != nullptr)
        return ItemKindUI::Header;
    if (wcsstr(control->GetClassName(), L"ListHeaderItem") != nullptr)
        return ItemKindUI::HeaderItem;
    return ItemKindUI::Row;
}

void CListUI::UpdateColumnCount()
{
    const int count = m_header->GetCount();
    m_itemStyle.columnCount = count < kMaxListColumns ? count : kMaxListColumns;
}

bool CListUI::AdoptHeader(CControlUI* header)
{
    // A new header replaces the current one only while that one is empty;
    // otherwise it stays an extra child that the list does not use.
    if (header != m_header && m_header->GetCount() == 0) {
        CListHeaderUI* old = m_header;
        m_header = static_cast<CListHeaderUI*>(header->GetInterfaceByName(L"ListHeader"));
        CVerticalLayoutUI::RemoveItem(old);
    }
    UpdateColumnCount();
    return CVerticalLayoutUI::InsertItemAt(header, 0);
}

bool CListUI::RemoveHeader(CControlUI* header, bool keepAlive)
{
    if (header != m_header)
        return CVerticalLayoutUI::RemoveItem(header, keepAlive);
    // The list always has a header: an empty one, shown or hidden like the
    // one removed, takes its place.
    CListHeaderUI* replacement = new CListHeaderUI;
    replacement->SetVisible(m_header->IsVisible());
    const int index = CVerticalLayoutUI::GetItemIndex(header);
    if (!CVerticalLayoutUI::InsertItemAt(replacement, index)) {
        replacement->Delete();
        return false;
    }
    m_header = replacement;
    UpdateColumnCount();
    return CVerticalLayoutUI::RemoveItem(header, keepAlive);
}

CControlUI* CListUI::GetItemAt(int index) const
{
    return m_body->GetItemAt(index);
}

int CListUI::GetItemIndex(CControlUI* control) const
{
    if (control == nullptr)
        return -1;
    switch (KindOf(control)) {
    case ItemKindUI::Header:
        return CVerticalLayoutUI::GetItemIndex(control);
    case ItemKindUI::HeaderItem:
        return m_header->GetItemIndex(control);
    default:
        return m_body->GetItemIndex(control);
    }
}

int CListUI::GetCount() const
{
    return m_body->GetCount();
}

bool CListUI::AddItem(CControlUI* control)
{
    if (control == nullptr)
        return false;
    switch (KindOf(control)) {
    case ItemKindUI::Header:
        return AdoptHeader(control);
    case ItemKindUI::HeaderItem: {
        const bool added = m_header->AddItem(control);
        UpdateColumnCount();
        return added;
    }
    default:
        break;
    }
    IListItemUI* row = AsListItem(control);
    if (row != nullptr) {
        row->SetOwner(this);
        row->SetIndex(GetCount());
    }
    return m_body->AddItem(control);
}

bool CListUI::InsertItemAt(CControlUI* control, int index)
{
    if (control == nullptr)
        return false;
    switch (KindOf(control)) {
    case ItemKindUI::Header:
        return AdoptHeader(control);
    case ItemKindUI::HeaderItem: {
        const bool inserted = m_header->InsertItemAt(control, index);
        UpdateColumnCount();
        return inserted;
    }
    default:
        break;
    }
    if (!m_body->InsertItemAt(control, index))
        return false;
    IListItemUI* row = AsListItem(control);
    if (row != nullptr) {
        row->SetOwner(this);
        row->SetIndex(index);
    }
    ListRowIndexUI::RenumberRows(*m_body, index + 1, m_body->GetCount() - 1);
    m_curSel = ListRowIndexUI::AfterInsert(m_curSel, index);
    m_expandedItem = ListRowIndexUI::AfterInsert(m_expandedItem, index);
    return true;
}

bool CListUI::RemoveItem(CControlUI* control, bool keepAlive)
{
    if (control == nullptr)
        return false;
    switch (KindOf(control)) {
    case ItemKindUI::Header:
        return RemoveHeader(control, keepAlive);
    case ItemKindUI::HeaderItem: {
        const bool removed = m_header->RemoveItem(control, keepAlive);
        UpdateColumnCount();
        return removed;
    }
    default:
        break;
    }
    const int index = m_body->GetItemIndex(control);
    if (index < 0 || !m_body->RemoveItem(control, keepAlive))
        return false;
    ListRowIndexUI::RenumberRows(*m_body, index, m_body->GetCount() - 1);
    m_expandedItem = ListRowIndexUI::AfterRemoval(m_expandedItem, index);
    const bool wasSelected = m_curSel == index;
    m_curSel = ListRowIndexUI::AfterRemoval(m_curSel, index);
    if (wasSelected)
        SelectItem(FindSelectableItem(index, false), false, true);
    return true;
}

bool CListUI::RemoveItemAt(int index, bool keepAlive)
{
    CControlUI* control = m_body->GetItemAt(index);
    return control != nullptr && CListUI::RemoveItem(control, keepAlive);
}

void CListUI::RemoveAllItems()
{
    m_curSel = -1;
    m_expandedItem = -1;
    m_body->RemoveAllItems();
}

void CListUI::FollowMovedRows(CControlUI* selectedRow, CControlUI* expandedRow)
{
    if (selectedRow != nullptr)
        m_curSel = m_body->GetItemIndex(selectedRow);
    if (expandedRow != nullptr)
        m_expandedItem = m_body->GetItemIndex(expandedRow);
}

bool CListUI::SetItemIndex(CControlUI* control, int newIndex)
{
    if (control == nullptr)
        return false;
    switch (KindOf(control)) {
    case ItemKindUI::Header:
        return CVerticalLayoutUI::SetItemIndex(control, newIndex);
    case ItemKindUI::HeaderItem:
        return m_header->SetItemIndex(control, newIndex);
    default:
        break;
    }
    const int oldIndex = m_body->GetItemIndex(control);
    // A target outside the rows would take the row out without putting it back.
    if (oldIndex < 0 || newIndex < 0 || newIndex >= m_body->GetCount())
        return false;
    CControlUI* selectedRow = m_body->GetItemAt(m_curSel);
    CControlUI* expandedRow = m_body->GetItemAt(m_expandedItem);
    if (!m_body->SetItemIndex(control, newIndex))
        return false;
    ListRowIndexUI::RenumberRows(*m_body, oldIndex < newIndex ? oldIndex : newIndex, oldIndex < newIndex ? newIndex : oldIndex);
    FollowMovedRows(selectedRow, expandedRow);
    return true;
}

bool CListUI::SetItemRangeIndex(CControlUI* control, int count, int newIndex)
{
    if (control == nullptr)
        return false;
    switch (KindOf(control)) {
    case ItemKindUI::Header:
        return CVerticalLayoutUI::SetItemRangeIndex(control, count, newIndex);
    case ItemKindUI::HeaderItem:
        return m_header->SetItemRangeIndex(control, count, newIndex);
    default:
        break;
    }
    const int oldIndex = m_body->GetItemIndex(control);
    if (!ListRowIndexUI::RangeMoveFits(oldIndex, count, newIndex, m_body->GetCount()))
        return false;
    CControlUI* selectedRow = m_body->GetItemAt(m_curSel);
    CControlUI* expandedRow = m_body->GetItemAt(m_expandedItem);
    if (!m_body->SetItemRangeIndex(control, count, newIndex))
        return false;
    const int low = oldIndex < newIndex ? oldIndex : newIndex;
    const int high = (oldIndex < newIndex ? newIndex : oldIndex) + count - 1;
    ListRowIndexUI::RenumberRows(*m_body, low, high);
    FollowMovedRows(selectedRow, expandedRow);
    return true;
}

int CListUI::FindSelectableItem(int index, bool forward) const
{
    // Through the virtual item operations, so that a list that filters its
    // rows is searched as it shows them.
    const int count = GetCount();
    if (count == 0)
        return -1;
    if (index < 0)
        index = 0;
    if (index >= count)
        index = count - 1;
    auto selectable = [this](int i) {
        CControlUI* row = GetItemAt(i);
        return row != nullptr && AsListItem(row) != nullptr && row->IsVisible() && row->IsEnabled();
    };
    if (!forward) {
        for (int i = index; i >= 0; --i) {
            if (selectable(i))
                return i;
        }
        index = 0;
    }
    for (int i = index; i < count; ++i) {
        if (selectable(i))
            return i;
    }
    return -1;
}

}  // namespace SkinUI
