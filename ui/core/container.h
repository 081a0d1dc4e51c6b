#pragma once

#include <windows.h>

#include "ui/core/control.h"
#include "ui/core/ptr_array.h"

namespace SkinUI {

class CScrollBarUI;

// The item operations of every control that holds children; a container
// answers GetInterfaceByName(L"IContainer") with this part of itself.
class IContainerUI {
public:
    // Null when the index is out of range.
    virtual CControlUI* GetItemAt(int index) const = 0;
    // -1 when the control is not a child.
    virtual int GetItemIndex(CControlUI* control) const = 0;
    virtual bool SetItemIndex(CControlUI* control, int newIndex) = 0;
    // Moves the run of `count` children starting at `control` to `newIndex`.
    virtual bool SetItemRangeIndex(CControlUI* control, int count, int newIndex) = 0;
    virtual int GetCount() const = 0;
    virtual bool AddItem(CControlUI* control) = 0;
    virtual bool InsertItemAt(CControlUI* control, int index) = 0;
    // Unless keepAlive, an auto-destroying container destroys the child.
    virtual bool RemoveItem(CControlUI* control, bool keepAlive = false) = 0;
    virtual bool RemoveItemAt(int index, bool keepAlive = false) = 0;
    virtual void RemoveAllItems() = 0;

protected:
    virtual ~IContainerUI() = default;
};

// Child alignment values (the DrawText alignment bits).
constexpr int kAlignLeft = DT_LEFT;
constexpr int kAlignCenter = DT_CENTER;
constexpr int kAlignRight = DT_RIGHT;
constexpr int kAlignTop = DT_TOP;
constexpr int kAlignVCenter = DT_VCENTER;
constexpr int kAlignBottom = DT_BOTTOM;

// A control that holds children: item operations, inset, child spacing and
// alignment, destroy policy for removed children, optional scroll bars with
// scrolling, hit testing and clipped painting of the children, and a basic
// layout in which every child fills the client area.
class CContainerUI : public CControlUI, public IContainerUI {
public:
    CContainerUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize = true) override;
    RECT GetClientPosition() const override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override;
    void SetVisible(bool visible = true) override;
    void SetInternalVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void SetMouseEnabled(bool enabled = true) override;
    CControlUI* FindControl(FindControlProcUI proc, void* data, UINT flags) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

    // IContainerUI
    CControlUI* GetItemAt(int index) const override;
    int GetItemIndex(CControlUI* control) const override;
    bool SetItemIndex(CControlUI* control, int newIndex) override;
    bool SetItemRangeIndex(CControlUI* control, int count, int newIndex) override;
    int GetCount() const override;
    bool AddItem(CControlUI* control) override;
    bool InsertItemAt(CControlUI* control, int index) override;
    bool RemoveItem(CControlUI* control, bool keepAlive = false) override;
    bool RemoveItemAt(int index, bool keepAlive = false) override;
    void RemoveAllItems() override;

    virtual RECT GetInset() const;
    virtual void SetInset(RECT inset);
    virtual int GetChildPadding() const;
    virtual void SetChildPadding(int padding);
    virtual int GetChildAlign() const;
    virtual void SetChildAlign(int align);
    virtual int GetChildVAlign() const;
    virtual void SetChildVAlign(int align);
    virtual bool IsAutoDestroy() const;
    virtual void SetAutoDestroy(bool autoDestroy);
    virtual bool IsDelayedDestroy() const;
    virtual void SetDelayedDestroy(bool delayed);
    virtual bool IsMouseChildEnabled() const;
    virtual void SetMouseChildEnabled(bool enabled = true);

    // The nearest visible, enabled child answering "IListItem" from `index`
    // on (forward) or down to 0 (else, falling back to forward); -1 if none.
    virtual int FindSelectableItem(int index, bool forward = true) const;

    // Of the visible bars only; (0, 0) without them.
    virtual SIZE GetScrollPosition() const;
    virtual SIZE GetScrollRange() const;
    virtual void SetScrollPosition(SIZE position);
    virtual void LineUp();
    virtual void LineDown();
    virtual void PageUp();
    virtual void PageDown();
    virtual void ScrollToTop();
    virtual void ScrollToBottom();
    virtual void LineLeft();
    virtual void LineRight();
    virtual void PageLeft();
    virtual void PageRight();
    virtual void ScrollToLeft();
    virtual void ScrollToRight();
    // Creates or deletes the container's own bars.
    virtual void EnableScrollBars(bool vertical = true, bool horizontal = false);
    virtual CScrollBarUI* GetVerticalScrollBar() const;
    virtual CScrollBarUI* GetHorizontalScrollBar() const;

    // Places a visible floating child by its anchors and fixed offset.
    virtual void SetFloatChildPosition(int index);
    // Shows, hides and sizes the bars for content of the required size laid
    // out in `area`; lays the container out again when a bar appears.
    virtual void UpdateScrollBars(RECT area, int requiredWidth, int requiredHeight);

protected:
    // Destroys the children at once (when auto-destroy is on) and the bars.
    ~CContainerUI() override;

    // Lays the container out again at its own (or relative, when floating) position.
    void Relayout(bool invalidate);
    // Destroys a removed child by the destroy policy.
    void DestroyChild(CControlUI* child);
    // Visible: present with its own flag set.
    static bool IsBarShown(const CScrollBarUI* bar);
    // The bars that are shown, else null.
    CScrollBarUI* ShownVerticalBar() const;
    CScrollBarUI* ShownHorizontalBar() const;
    // The area's size plus the range of each shown bar: the room the
    // stacking layouts share among the children.
    SIZE GetScrollableSize(const RECT& area) const;
    // The start of a scrolling layout pass: the own position, then the client
    // area to lay the children out in. False, with the bars updated for no
    // content, when there are no children.
    bool BeginScrollingLayout(RECT rect, bool invalidate, RECT& area);
    // The child at the index when the flow places it; null when it is hidden
    // or floats (a floating child is placed here by its anchors).
    CControlUI* FlowChildAt(int index);
    int GetVerticalLineStep() const;
    int GetHorizontalLineStep() const;

    CPtrArrayUI m_items;
    RECT m_inset = {0, 0, 0, 0};
    int m_childPadding = 0;
    int m_childAlign = kAlignLeft;
    int m_childVAlign = kAlignTop;
    bool m_autoDestroy = true;
    bool m_delayedDestroy = true;
    bool m_mouseChildEnabled = true;
    bool m_scrollUpdateGuard = false;
    CScrollBarUI* m_verticalScrollBar = nullptr;
    CScrollBarUI* m_horizontalScrollBar = nullptr;

private:
    void DestroyChildren();
    bool HandleScrollKey(wchar_t key);
    bool HandleScrollWheel(const EventRecordUI& event);
    void UpdateSingleScrollBar(CScrollBarUI* bar, const RECT& area, int overflow);
    void UpdateBothScrollBars(RECT area, int requiredWidth, int requiredHeight);
    void CreateScrollBar(CScrollBarUI*& bar, bool horizontal);
    static void DeleteScrollBar(CScrollBarUI*& bar);
};

}  // namespace SkinUI
