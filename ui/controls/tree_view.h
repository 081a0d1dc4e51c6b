#pragma once

#include "ui/controls/list.h"

namespace SkinUI {

class CTreeNodeUI;

// A tree shown as a list whose rows are tree nodes, each node's descendants
// right after it. Folder buttons expand and collapse (a selected folder
// button means collapsed), check boxes pass their state down to every
// descendant. The header is hidden; folder buttons show, check boxes do not.
class CTreeViewUI : public CListUI {
public:
    CTreeViewUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    // Only tree nodes; a node comes with all its descendants.
    bool AddItem(CControlUI* control) override;
    bool InsertItemAt(CControlUI* control, int index) override;
    // A node goes with all its descendants and leaves its parent node;
    // kept alive, it keeps its descendants.
    bool RemoveItem(CControlUI* control, bool keepAlive = false) override;
    bool RemoveItemAt(int index, bool keepAlive = false) override;
    void RemoveAllItems() override;

    // A node and its descendants as rows from the index on; the index after
    // the last row inserted, -1 on failure.
    int AddAt(CTreeNodeUI* node, int index);

    virtual bool OnCheckBoxChanged(void* param);
    virtual bool OnFolderChanged(void* param);
    virtual bool OnDoubleClickItem(void* param);
    // Every descendant of the node (every row for null) gets the check state.
    virtual bool SetItemCheckBox(bool checked, CTreeNodeUI* node = nullptr);
    // Shows or hides the node's children (every row for null), and the
    // descendants of the expanded ones among them.
    virtual void SetItemExpand(bool expand, CTreeNodeUI* node = nullptr);
    virtual void SetVisibleFolderButton(bool visible);
    virtual bool GetVisibleFolderButton() const { return m_visibleFolderButton; }
    virtual void SetVisibleCheckButton(bool visible);
    virtual bool GetVisibleCheckButton() const { return m_visibleCheckButton; }
    virtual void SetItemMinWidth(int width);
    virtual int GetItemMinWidth() const { return m_itemMinWidth; }
    virtual void SetItemTextColor(DWORD color);
    virtual void SetItemHotTextColor(DWORD color);
    virtual void SetSelItemTextColor(DWORD color);
    virtual void SetSelItemHotTextColor(DWORD color);

protected:
    ~CTreeViewUI() override;

private:
    static CTreeNodeUI* AsTreeNode(CControlUI* control);
    CTreeNodeUI* NodeAt(int index) const;
    template <typename Action>
    void ForEachNode(Action action) const
    {
        for (int i = 0; i < GetCount(); ++i) {
            if (CTreeNodeUI* node = NodeAt(i))
                action(node);
        }
    }
    // Takes the node's rows out, descendants first; gone nodes forget their children.
    void RemoveNodeRows(CTreeNodeUI* node, bool keepAlive);
    // Every node row forgets its children before the rows go at once.
    void ForgetAllChildNodes();
    // The node of a folder button or check box: the parent of its row.
    static CTreeNodeUI* NodeOfButton(CControlUI* button);

    int m_itemMinWidth = 0;
    bool m_visibleFolderButton = true;
    bool m_visibleCheckButton = false;
};

}  // namespace SkinUI
