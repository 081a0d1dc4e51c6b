#include "ui/controls/tree_view.h"

#include <cwchar>

#include "ui/controls/check_box.h"
#include "ui/controls/list_header.h"
#include "ui/controls/tree_node.h"
#include "ui/core/control_values.h"

namespace SkinUI {

namespace {

bool IsSelectChanged(void* param)
{
    return static_cast<NotifyRecordUI*>(param)->type == L"selectchanged";
}

}  // namespace

CTreeViewUI::CTreeViewUI()
{
    GetHeader()->SetVisible(false);
}

CTreeViewUI::~CTreeViewUI()
{
    ForgetAllChildNodes();
}

const wchar_t* CTreeViewUI::GetClassName() const
{
    return L"TreeView";
}

void* CTreeViewUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"TreeView"))
        return this;
    return CListUI::GetInterfaceByName(name);
}

CTreeNodeUI* CTreeViewUI::AsTreeNode(CControlUI* control)
{
    return control != nullptr ? static_cast<CTreeNodeUI*>(control->GetInterfaceByName(L"TreeNode"))
                              : nullptr;
}

CTreeNodeUI* CTreeViewUI::NodeAt(int index) const
{
    return AsTreeNode(GetItemAt(index));
}

CTreeNodeUI* CTreeViewUI::NodeOfButton(CControlUI* button)
{
    CControlUI* row = button != nullptr ? button->GetParent() : nullptr;
    return row != nullptr ? AsTreeNode(row->GetParent()) : nullptr;
}

int CTreeViewUI::AddAt(CTreeNodeUI* node, int index)
{
    if (node == nullptr)
        return -1;
    node->SetVisibleFolderButton(m_visibleFolderButton);
    node->SetVisibleCheckButton(m_visibleCheckButton);
    if (m_itemMinWidth > 0)
        node->SetMinWidth(m_itemMinWidth);
    const bool appending = index < 0 || index >= GetCount();
    if (appending ? !CListUI::AddItem(node) : !CListUI::InsertItemAt(node, index))
        return -1;
    int next = appending ? GetCount() : index + 1;
    for (int i = 0; i < node->GetChildCount(); ++i) {
        const int after = AddAt(node->GetChildNode(i), next);
        if (after >= 0)
            next = after;
    }
    node->SetTreeView(this);
    return next;
}

bool CTreeViewUI::AddItem(CControlUI* control)
{
    return AddAt(AsTreeNode(control), -1) >= 0;
}

bool CTreeViewUI::InsertItemAt(CControlUI* control, int index)
{
    return AddAt(AsTreeNode(control), index) >= 0;
}

void CTreeViewUI::RemoveNodeRows(CTreeNodeUI* node, bool keepAlive)
{
    for (int i = node->GetChildCount() - 1; i >= 0; --i)
        RemoveNodeRows(node->GetChildNode(i), keepAlive);
    if (!keepAlive)
        node->ForgetChildNodes();
    node->SetTreeView(nullptr);
    CListUI::RemoveItem(node, keepAlive);
}

bool CTreeViewUI::RemoveItem(CControlUI* control, bool keepAlive)
{
    CTreeNodeUI* node = AsTreeNode(control);
    if (node == nullptr)
        return CListUI::RemoveItem(control, keepAlive);
    if (GetItemIndex(node) < 0)
        return false;
    // The parent node must not keep a pointer to a row that goes.
    if (CTreeNodeUI* parent = node->GetParentNode())
        parent->RemoveChildNode(node);
    node->SetParentNode(nullptr);
    RemoveNodeRows(node, keepAlive);
    return true;
}

bool CTreeViewUI::RemoveItemAt(int index, bool keepAlive)
{
    if (CTreeNodeUI* node = NodeAt(index))
        return RemoveItem(node, keepAlive);
    return CListUI::RemoveItemAt(index, keepAlive);
}

void CTreeViewUI::ForgetAllChildNodes()
{
    ForEachNode([&](CTreeNodeUI* node) { node->ForgetChildNodes(); });
}

void CTreeViewUI::RemoveAllItems()
{
    ForgetAllChildNodes();
    CListUI::RemoveAllItems();
}

bool CTreeViewUI::OnFolderChanged(void* param)
{
    if (!IsSelectChanged(param))
        return true;
    CCheckBoxUI* folder = static_cast<CCheckBoxUI*>(
        static_cast<NotifyRecordUI*>(param)->sender->GetInterfaceByName(L"CheckBox"));
    CTreeNodeUI* node = NodeOfButton(folder);
    if (folder != nullptr && node != nullptr)
        SetItemExpand(!folder->IsChecked(), node);
    return true;
}

bool CTreeViewUI::OnDoubleClickItem(void* param)
{
    NotifyRecordUI* record = static_cast<NotifyRecordUI*>(param);
    if (record->type != L"itemdbclick")
        return true;
    CTreeNodeUI* node = AsTreeNode(record->sender);
    if (node == nullptr)
        return true;
    CCheckBoxUI* folder = node->GetFolderButton();
    folder->SetChecked(!folder->IsChecked(), true);
    SetItemExpand(!folder->IsChecked(), node);
    return true;
}

bool CTreeViewUI::OnCheckBoxChanged(void* param)
{
    if (!IsSelectChanged(param))
        return true;
    CCheckBoxUI* box = static_cast<CCheckBoxUI*>(
        static_cast<NotifyRecordUI*>(param)->sender->GetInterfaceByName(L"CheckBox"));
    CTreeNodeUI* node = NodeOfButton(box);
    if (box != nullptr && node != nullptr)
        SetItemCheckBox(box->IsChecked(), node);
    return true;
}

bool CTreeViewUI::SetItemCheckBox(bool checked, CTreeNodeUI* node)
{
    if (node == nullptr) {
        ForEachNode([&](CTreeNodeUI* row) { row->GetCheckBox()->SetChecked(checked, true); });
        return true;
    }
    for (int i = 0; i < node->GetChildCount(); ++i) {
        CTreeNodeUI* child = node->GetChildNode(i);
        child->GetCheckBox()->SetChecked(checked, true);
        if (child->HasChildren())
            SetItemCheckBox(checked, child);
    }
    return true;
}

void CTreeViewUI::SetItemExpand(bool expand, CTreeNodeUI* node)
{
    if (node == nullptr) {
        ForEachNode([&](CTreeNodeUI* row) { row->SetVisible(expand); });
        return;
    }
    for (int i = 0; i < node->GetChildCount(); ++i) {
        CTreeNodeUI* child = node->GetChildNode(i);
        child->SetVisible(expand);
        if (child->HasChildren() && !child->GetFolderButton()->IsChecked())
            SetItemExpand(expand, child);
    }
}

void CTreeViewUI::SetVisibleFolderButton(bool visible)
{
    m_visibleFolderButton = visible;
    ForEachNode([&](CTreeNodeUI* row) { row->SetVisibleFolderButton(visible); });
}

void CTreeViewUI::SetVisibleCheckButton(bool visible)
{
    m_visibleCheckButton = visible;
    ForEachNode([&](CTreeNodeUI* row) { row->SetVisibleCheckButton(visible); });
}

void CTreeViewUI::SetItemMinWidth(int width)
{
    m_itemMinWidth = width;
    ForEachNode([&](CTreeNodeUI* row) { row->SetMinWidth(width); });
    Invalidate();
}

void CTreeViewUI::SetItemTextColor(DWORD color)
{
    ForEachNode([&](CTreeNodeUI* row) { row->SetItemTextColor(color); });
}

void CTreeViewUI::SetItemHotTextColor(DWORD color)
{
    ForEachNode([&](CTreeNodeUI* row) { row->SetItemHotTextColor(color); });
}

void CTreeViewUI::SetSelItemTextColor(DWORD color)
{
    ForEachNode([&](CTreeNodeUI* row) { row->SetSelItemTextColor(color); });
}

void CTreeViewUI::SetSelItemHotTextColor(DWORD color)
{
    ForEachNode([&](CTreeNodeUI* row) { row->SetSelItemHotTextColor(color); });
}

void CTreeViewUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (NameIs(name, L"visiblefolderbtn"))
        SetVisibleFolderButton(IsTrueValue(value));
    else if (NameIs(name, L"visiblecheckbtn"))
        SetVisibleCheckButton(IsTrueValue(value));
    else if (NameIs(name, L"itemminwidth"))
        SetItemMinWidth(static_cast<int>(wcstol(value != nullptr ? value : L"", nullptr, 10)));
    else if (NameIs(name, L"itemtextcolor"))
        SetItemTextColor(ReadHexColor(value));
    else if (NameIs(name, L"itemhottextcolor"))
        SetItemHotTextColor(ReadHexColor(value));
    else if (NameIs(name, L"selitemtextcolor"))
        SetSelItemTextColor(ReadHexColor(value));
    else if (NameIs(name, L"selitemhottextcolor"))
        SetSelItemHotTextColor(ReadHexColor(value));
    else
        CListUI::SetAttribute(name, value);
}

}  // namespace SkinUI
