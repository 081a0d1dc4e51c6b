#pragma once

#include "ui/controls/list_container_element.h"
#include "ui/core/ptr_array.h"

namespace SkinUI {

class CCheckBoxUI;
class CHorizontalLayoutUI;
class CLabelUI;
class COptionUI;
class CTreeViewUI;

// Width a child node's indent mark has beyond its parent's.
constexpr int kTreeIndentStep = 16;

// One node of a tree view and one row of it: an indent mark, a folder
// button (selected means collapsed), a check box and the item button with
// the node's text, side by side. Child nodes are rows of the same view that
// follow their node; a node outside any view owns its child nodes.
// Double-clicking an enabled node sends "itemdbclick".
class CTreeNodeUI : public CListContainerElementUI {
public:
    // A child of `parent` is indented one step further than it.
    explicit CTreeNodeUI(CTreeNodeUI* parent = nullptr);

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    // Tree nodes become child nodes; other controls join the node's own children.
    bool AddItem(CControlUI* control) override;
    bool InsertItemAt(CControlUI* control, int index) override;
    bool Select(bool select = true, bool takeFocus = false) override;

    CUIString GetItemText() const;
    bool HasChildren() const { return !m_children.IsEmpty(); }
    int GetChildCount() const { return m_children.GetSize(); }
    // Null for an index out of range.
    CTreeNodeUI* GetChildNode(int index) const;
    CPtrArrayUI GetChildNodes() const { return m_children; }
    CTreeNodeUI* GetParentNode() const { return m_parentNode; }
    void SetParentNode(CTreeNodeUI* parent) { m_parentNode = parent; }
    CTreeViewUI* GetTreeView() const { return m_treeView; }
    void SetTreeView(CTreeViewUI* view) { m_treeView = view; }

    // The node's place among the view's rows; -1 outside a view.
    int GetNodeIndex() const;
    // The last descendant; the node itself without children.
    CTreeNodeUI* GetLastNode();
    // Appends a child: in a view it becomes a row right after this node's
    // last descendant. False for a control that is not a tree node.
    bool AddChildNode(CControlUI* child);
    // Inserts a child before the child at the index (appends past the end).
    bool AddChildNodeAt(CControlUI* child, int index);
    // Takes a child out of the child list only; false when it is none of them.
    bool RemoveChildNode(CTreeNodeUI* child);
    // Forgets every child at once; they are owned elsewhere or gone.
    void ForgetChildNodes() { m_children.Clear(); }

    void SetVisibleFolderButton(bool visible);
    bool GetVisibleFolderButton() const;
    void SetVisibleCheckButton(bool visible);
    bool GetVisibleCheckButton() const;
    // Also the item button's text colour from now on.
    void SetItemTextColor(DWORD color);
    DWORD GetItemTextColor() const { return m_itemTextColor; }
    void SetItemHotTextColor(DWORD color);
    DWORD GetItemHotTextColor() const { return m_itemHotTextColor; }
    void SetSelItemTextColor(DWORD color);
    DWORD GetSelItemTextColor() const { return m_selItemTextColor; }
    void SetSelItemHotTextColor(DWORD color);
    DWORD GetSelItemHotTextColor() const { return m_selItemHotTextColor; }

    CHorizontalLayoutUI* GetTreeNodeRow() const { return m_row; }
    CLabelUI* GetDottedLine() const { return m_dottedLine; }
    CCheckBoxUI* GetFolderButton() const { return m_folderButton; }
    CCheckBoxUI* GetCheckBox() const { return m_checkBox; }
    COptionUI* GetItemButton() const { return m_itemButton; }
    int GetIndentWidth() const;

protected:
    // Deletes the child nodes it owns, those outside any view.
    ~CTreeNodeUI() override;

private:
    static CTreeNodeUI* AsTreeNode(CControlUI* control);
    // Indent, parent, option group and view of a new child.
    void CalculateLocation(CTreeNodeUI* child);
    void OnMouseOver(bool entering);
    // The view hears of the node's double clicks and of its buttons' changes.
    bool OnNodeNotify(void* param);
    bool OnFolderNotify(void* param);
    bool OnCheckBoxNotify(void* param);

    DWORD m_itemTextColor = 0;
    DWORD m_itemHotTextColor = 0;
    DWORD m_selItemTextColor = 0;
    DWORD m_selItemHotTextColor = 0;
    CTreeViewUI* m_treeView = nullptr;
    CHorizontalLayoutUI* m_row = nullptr;
    CLabelUI* m_dottedLine = nullptr;
    CCheckBoxUI* m_folderButton = nullptr;
    CCheckBoxUI* m_checkBox = nullptr;
    COptionUI* m_itemButton = nullptr;
    CTreeNodeUI* m_parentNode = nullptr;
    CPtrArrayUI m_children;
};

}  // namespace SkinUI
