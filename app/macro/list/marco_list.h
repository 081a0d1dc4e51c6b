#pragma once

#include <memory>

#include "app/macro/list/macro_step_node.h"
#include "ui/controls/list.h"

// The step list of the macro managers: a list whose rows show inline markup
// and stand for the nodes of a tree kept beside them (a row's tag points to
// its node). Children are indented by 24 pixels per level and start hidden
// under a collapsed parent. With every node a child of the root, as the
// managers use it, row i shows child i of the root. The wheel scrolls
// smoothly: repeated notches add up to 100 pixels, spread over timer ticks.
class MarcoListUI : public SkinUI::CListUI {
public:
    MarcoListUI();

    MacroStepNode* GetRoot() const { return m_root.get(); }
    // A new node (and row) under the parent (the root for none), after the
    // parent's last descendant; none when the row cannot be inserted.
    MacroStepNode* AddNode(const wchar_t* text, MacroStepNode* parent = nullptr);
    // A new node at row `index` and at child position `index` of the parent;
    // none (and nothing changed) when the row cannot be inserted there.
    MacroStepNode* InsertNodeAt(const wchar_t* text, int index, MacroStepNode* parent = nullptr);
    // Removes the node with its subtree and their rows; false for none, the
    // root and nodes of another list.
    bool RemoveNode(MacroStepNode* node);

    void SetVisible(bool visible = true) override;
    void SetInternalVisible(bool visible = true) override;
    void HandleEvent(SkinUI::EventRecordUI& event) override;

    // Only "ListLabelElement" rows go in; rows added this way have no node.
    bool AddItem(SkinUI::CControlUI* control) override;
    bool InsertItemAt(SkinUI::CControlUI* control, int index) override;
    // A row with a node goes with its node (and `keepAlive` is not used).
    bool RemoveItem(SkinUI::CControlUI* control, bool keepAlive = false) override;
    bool RemoveItemAt(int index, bool keepAlive = false) override;
    // Every row goes and the tree starts again from an empty root.
    void RemoveAllItems() override;

    int GetPendingScroll() const { return m_pendingScroll; }
    unsigned GetScrollStepsLeft() const { return m_stepsLeft; }

protected:
    ~MarcoListUI() override = default;

private:
    static constexpr UINT kScrollTimer = 10;

    MacroStepNode* PlaceNode(const wchar_t* text, MacroStepNode* parent, int rowIndex, size_t childIndex);
    // The row index after the parent's last descendant (the row for a new last child).
    int RowAfterLastDescendant(MacroStepNode* parent) const;
    MacroStepNode* NodeOfRow(SkinUI::CControlUI* row) const;
    int CurrentScrollDistance() const;
    void OnScrollTick();
    void OnWheel(const SkinUI::EventRecordUI& event);
    void StopScrolling();

    std::unique_ptr<MacroStepNode> m_root;
    int m_pendingScroll = 0;
    unsigned m_stepsTotal = 0;
    unsigned m_stepsLeft = 0;
};

// The macro managers' control factory: a MarcoListUI for the tag "MarcoList"
// (any letter case), none for every other tag.
SkinUI::CControlUI* CreateMacroListControl(const wchar_t* tag);
