#pragma once

#include "ui/controls/list_item_style.h"
#include "ui/core/vertical_layout.h"

namespace SkinUI {

class CListBodyUI;
class CListHeaderUI;

// The framework's list: a header that defines columns and a scrolling body
// of rows. It keeps one selected and one expanded row, follows them through
// inserts, removals and moves, moves the selection with keys and the wheel
// and sends "itemselect". Scrolling and the item operations act on the body.
class CListUI : public CVerticalLayoutUI, public IListUI, public CItemStyleHolderUI {
public:
    CListUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    int GetChildPadding() const override;
    void SetChildPadding(int padding) override;

    // Rows of the body; the header and header items go to the header.
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
    int FindSelectableItem(int index, bool forward = true) const override;

    SIZE GetScrollPosition() const override;
    SIZE GetScrollRange() const override;
    void SetScrollPosition(SIZE position) override;
    void LineUp() override;
    void LineDown() override;
    void PageUp() override;
    void PageDown() override;
    void ScrollToTop() override;
    void ScrollToBottom() override;
    void LineLeft() override;
    void LineRight() override;
    void PageLeft() override;
    void PageRight() override;
    void ScrollToLeft() override;
    void ScrollToRight() override;
    void EnableScrollBars(bool vertical = true, bool horizontal = false) override;
    CScrollBarUI* GetVerticalScrollBar() const override;
    CScrollBarUI* GetHorizontalScrollBar() const override;

    ListItemStyleUI* GetItemStyle() override { return &m_itemStyle; }
    int GetCurSel() const override { return m_curSel; }
    bool SelectItem(int index, bool takeFocus = false, bool sendNotification = true) override;
    void ForwardEvent(EventRecordUI& event) override;
    bool ExpandItem(int index, bool expand = true) override;
    int GetExpandedItem() const override { return m_expandedItem; }

    CListHeaderUI* GetHeader() const override { return m_header; }
    CListBodyUI* GetBody() const override { return m_body; }
    IListTextProviderUI* GetTextProvider() const override { return m_textProvider; }
    void SetTextProvider(IListTextProviderUI* provider) override { m_textProvider = provider; }

    // Scrolls the body so that the row lies inside its visible band.
    void EnsureVisible(int index);
    void Scroll(int dx, int dy);

    bool IsScrollSelect() const { return m_scrollSelect; }
    void SetScrollSelect(bool scrollSelect) { m_scrollSelect = scrollSelect; }
    bool IsMultiExpanding() const { return m_itemStyle.multiExpanding; }
    void SetMultiExpanding(bool multiExpanding) { m_itemStyle.multiExpanding = multiExpanding; }

protected:
    ~CListUI() override = default;
    void OnItemStyleChanged(ItemStyleFieldUI field) override;

private:
    enum class ItemKindUI { Header, HeaderItem, Row };
    static ItemKindUI KindOf(CControlUI* control);

    bool AdoptHeader(CControlUI* header);
    bool RemoveHeader(CControlUI* header, bool keepAlive);
    void UpdateColumnCount();
    // Column rectangles from the header items, shifted by horizontal scrolling.
    void UpdateColumns(const RECT& listRect, bool placeHeader);
    // After rows moved: selection and expansion follow their rows.
    void FollowMovedRows(CControlUI* selectedRow, CControlUI* expandedRow);
    void SelectByKey(int index);

    bool m_scrollSelect = false;
    int m_curSel = -1;
    int m_expandedItem = -1;
    IListTextProviderUI* m_textProvider = nullptr;
    CListBodyUI* m_body = nullptr;
    CListHeaderUI* m_header = nullptr;
};

// Registers the list tags with the control registry (once): "List",
// "ListHeader", "ListHeaderItem", "ListLabelElement", "ListTextElement",
// "ListContainerElement" and "ListHBoxElement".
void RegisterListControls();

}  // namespace SkinUI
