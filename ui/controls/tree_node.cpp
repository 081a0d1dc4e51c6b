#include "ui/controls/tree_node.h"

#include <cwchar>
#include <cwctype>

#include "ui/controls/check_box.h"
#include "ui/controls/label.h"
#include "ui/controls/tree_view.h"
#include "ui/core/control_values.h"
#include "ui/core/horizontal_layout.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

constexpr int kNodeHeight = 18;
constexpr int kNodeWidth = 250;
constexpr int kTopIndentWidth = 2;

// Colours may come with leading blanks before the optional '#'.
DWORD ReadNodeColor(const wchar_t* value)
{
    while (value != nullptr && iswspace(*value))
        ++value;
    return ReadHexColor(value);
}

}  // namespace

CTreeNodeUI::CTreeNodeUI(CTreeNodeUI* parent)
    : m_row(new CHorizontalLayoutUI),
      m_dottedLine(new CLabelUI),
      m_folderButton(new CCheckBoxUI),
      m_checkBox(new CCheckBoxUI),
      m_itemButton(new COptionUI)
{
    SetFixedHeight(kNodeHeight);
    SetFixedWidth(kNodeWidth);
    m_folderButton->SetFixedWidth(GetFixedHeight());
    m_checkBox->SetFixedWidth(GetFixedHeight());
    m_dottedLine->SetFixedWidth(kTopIndentWidth);
    m_dottedLine->SetVisible(false);
    m_checkBox->SetVisible(false);
    m_itemButton->SetAttribute(L"align", L"left");
    m_itemButton->SetMouseEnabled(false);
    if (parent != nullptr) {
        m_dottedLine->SetVisible(parent->IsVisible());
        m_dottedLine->SetFixedWidth(parent->GetIndentWidth() + kTreeIndentStep);
        m_parentNode = parent;
    }
    m_row->AddItem(m_dottedLine);
    m_row->AddItem(m_folderButton);
    m_row->AddItem(m_checkBox);
    m_row->AddItem(m_itemButton);
    CListContainerElementUI::AddItem(m_row);
    OnNotify.AddDelegate(MakeDelegate(this, &CTreeNodeUI::OnNodeNotify));
    m_folderButton->OnNotify.AddDelegate(MakeDelegate(this, &CTreeNodeUI::OnFolderNotify));
    m_checkBox->OnNotify.AddDelegate(MakeDelegate(this, &CTreeNodeUI::OnCheckBoxNotify));
}

CTreeNodeUI::~CTreeNodeUI()
{
    // Child nodes in a view are rows the view destroys.
    CPtrArrayUI children(m_children);
    m_children.Clear();
    for (int i = 0; i < children.GetSize(); ++i) {
        CTreeNodeUI* child = static_cast<CTreeNodeUI*>(children.ItemAt(i));
        if (child->GetTreeView() == nullptr)
            child->Delete();
    }
}

const wchar_t* CTreeNodeUI::GetClassName() const
{
    return L"TreeNode";
}

void* CTreeNodeUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"TreeNode"))
        return this;
    return CListContainerElementUI::GetInterfaceByName(name);
}

CTreeNodeUI* CTreeNodeUI::AsTreeNode(CControlUI* control)
{
    if (control == nullptr || _wcsicmp(control->GetClassName(), L"TreeNode") != 0)
        return nullptr;
    return static_cast<CTreeNodeUI*>(control->GetInterfaceByName(L"TreeNode"));
}

void CTreeNodeUI::HandleEvent(EventRecordUI& event)
{
    CListContainerElementUI::HandleEvent(event);
    // Mouse events of a node that is not mouse-enabled went to the owner.
    if (!IsMouseEnabled() && IsMouseEvent(event.type))
        return;
    switch (event.type) {
    case EventTypeUI::DoubleClick:
        if (IsEnabled()) {
            Invalidate();
            // Last: a receiver may delete the node.
            if (m_manager != nullptr)
                m_manager->SendNotification(this, L"itemdbclick");
        }
        break;
    case EventTypeUI::MouseEnter:
        OnMouseOver(true);
        break;
    case EventTypeUI::MouseLeave:
        // A leave onto a child of the row keeps the node hot.
        if (PtInRect(&m_position, event.mousePoint) == FALSE)
            OnMouseOver(false);
        break;
    default:
        break;
    }
}

void CTreeNodeUI::OnMouseOver(bool entering)
{
    if (!IsEnabled()) {
        m_itemButton->SetTextColor(m_itemButton->GetDisabledTextColor());
        return;
    }
    if (entering) {
        const bool selectedHot = IsSelected() && m_selItemHotTextColor != 0;
        m_itemButton->SetTextColor(selectedHot ? m_selItemHotTextColor : m_itemHotTextColor);
    } else if (!IsSelected()) {
        m_itemButton->SetTextColor(m_itemTextColor);
    } else if (m_selItemTextColor != 0) {
        m_itemButton->SetTextColor(m_selItemTextColor);
    }
}

void CTreeNodeUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (NameIs(name, L"text"))
        m_itemButton->SetText(value);
    else if (NameIs(name, L"horizattr"))
        m_row->SetAttributeList(value);
    else if (NameIs(name, L"dotlineattr"))
        m_dottedLine->SetAttributeList(value);
    else if (NameIs(name, L"folderattr"))
        m_folderButton->SetAttributeList(value);
    else if (NameIs(name, L"checkboxattr"))
        m_checkBox->SetAttributeList(value);
    else if (NameIs(name, L"itemattr"))
        m_itemButton->SetAttributeList(value);
    else if (NameIs(name, L"itemtextcolor"))
        SetItemTextColor(ReadNodeColor(value));
    else if (NameIs(name, L"itemhottextcolor"))
        SetItemHotTextColor(ReadNodeColor(value));
    else if (NameIs(name, L"selitemtextcolor"))
        SetSelItemTextColor(ReadNodeColor(value));
    else if (NameIs(name, L"selitemhottextcolor"))
        SetSelItemHotTextColor(ReadNodeColor(value));
    else
        CListContainerElementUI::SetAttribute(name, value);
}

bool CTreeNodeUI::AddItem(CControlUI* control)
{
    if (AsTreeNode(control) != nullptr)
        return AddChildNode(control);
    return CListContainerElementUI::AddItem(control);
}

bool CTreeNodeUI::InsertItemAt(CControlUI* control, int index)
{
    if (AsTreeNode(control) != nullptr)
        return AddChildNodeAt(control, index);
    return CListContainerElementUI::InsertItemAt(control, index);
}

bool CTreeNodeUI::Select(bool select, bool takeFocus)
{
    const bool result = CListContainerElementUI::Select(select, takeFocus);
    m_itemButton->SetTextColor(IsSelected() ? m_selItemTextColor : m_itemTextColor);
    return result;
}

CUIString CTreeNodeUI::GetItemText() const
{
    return m_itemButton->GetText();
}

CTreeNodeUI* CTreeNodeUI::GetChildNode(int index) const
{
    return static_cast<CTreeNodeUI*>(m_children.GetAt(index));
}

int CTreeNodeUI::GetNodeIndex() const
{
    return m_treeView != nullptr ? m_treeView->GetItemIndex(const_cast<CTreeNodeUI*>(this)) : -1;
}

CTreeNodeUI* CTreeNodeUI::GetLastNode()
{
    if (!HasChildren())
        return this;
    return GetChildNode(GetChildCount() - 1)->GetLastNode();
}

void CTreeNodeUI::CalculateLocation(CTreeNodeUI* child)
{
    child->m_dottedLine->SetVisible(true);
    child->m_dottedLine->SetFixedWidth(GetIndentWidth() + kTreeIndentStep);
    child->SetParentNode(this);
    child->m_itemButton->SetGroup(m_itemButton->GetGroup());
    child->SetTreeView(m_treeView);
    // Children the new child brought along move in one step further too.
    for (int i = 0; i < child->GetChildCount(); ++i)
        child->CalculateLocation(child->GetChildNode(i));
}

bool CTreeNodeUI::AddChildNode(CControlUI* control)
{
    CTreeNodeUI* child = AsTreeNode(control);
    if (child == nullptr)
        return false;
    const int row = GetLastNode()->GetNodeIndex() + 1;
    CalculateLocation(child);
    if (m_treeView != nullptr && m_treeView->AddAt(child, row) < 0)
        return false;
    return m_children.Add(child);
}

bool CTreeNodeUI::AddChildNodeAt(CControlUI* control, int index)
{
    CTreeNodeUI* child = AsTreeNode(control);
    if (child == nullptr)
        return false;
    // Before the child standing at the index, else after the last descendant.
    const bool before = index >= 0 && index < GetChildCount();
    const int row =
        before ? GetChildNode(index)->GetNodeIndex() : GetLastNode()->GetNodeIndex() + 1;
    CalculateLocation(child);
    if (m_treeView != nullptr && m_treeView->AddAt(child, row) < 0)
        return false;
    return before ? m_children.InsertAt(index, child) : m_children.Add(child);
}

bool CTreeNodeUI::RemoveChildNode(CTreeNodeUI* child)
{
    const int index = m_children.Find(child);
    return index >= 0 && m_children.RemoveRange(index, 1);
}

void CTreeNodeUI::SetVisibleFolderButton(bool visible)
{
    m_folderButton->SetVisible(visible);
}

bool CTreeNodeUI::GetVisibleFolderButton() const
{
    return m_folderButton->IsVisible();
}

void CTreeNodeUI::SetVisibleCheckButton(bool visible)
{
    m_checkBox->SetVisible(visible);
}

bool CTreeNodeUI::GetVisibleCheckButton() const
{
    return m_checkBox->IsVisible();
}

void CTreeNodeUI::SetItemTextColor(DWORD color)
{
    m_itemTextColor = color;
    m_itemButton->SetTextColor(color);
}

void CTreeNodeUI::SetItemHotTextColor(DWORD color)
{
    m_itemHotTextColor = color;
    Invalidate();
}

void CTreeNodeUI::SetSelItemTextColor(DWORD color)
{
    m_selItemTextColor = color;
    Invalidate();
}

void CTreeNodeUI::SetSelItemHotTextColor(DWORD color)
{
    m_selItemHotTextColor = color;
    Invalidate();
}

int CTreeNodeUI::GetIndentWidth() const
{
    return m_dottedLine->GetFixedWidth();
}

bool CTreeNodeUI::OnNodeNotify(void* param)
{
    if (m_treeView != nullptr)
        m_treeView->OnDoubleClickItem(param);
    return true;
}

bool CTreeNodeUI::OnFolderNotify(void* param)
{
    if (m_treeView != nullptr)
        m_treeView->OnFolderChanged(param);
    return true;
}

bool CTreeNodeUI::OnCheckBoxNotify(void* param)
{
    if (m_treeView != nullptr)
        m_treeView->OnCheckBoxChanged(param);
    return true;
}

}  // namespace SkinUI
