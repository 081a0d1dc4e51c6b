#pragma once

#include "ui/controls/list_item_style.h"
#include "ui/core/container.h"

namespace SkinUI {

class CComboWnd;

// The framework's drop-down list: a closed box showing the selected item
// and, when activated, a pop-up window listing all items. The items are list
// rows that belong to the combo; while the pop-up is open they live in its
// body. Sends "dropdown" and "itemselect".
class CComboUI : public CContainerUI, public IListOwnerUI, public CItemStyleHolderUI {
public:
    CComboUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    bool Activate() override;
    CUIString GetText() const override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    SIZE GetDesiredSize(SIZE available) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;
    void PaintStatusImage(HDC dc) override;
    void PaintText(HDC dc) override;

    bool SetItemIndex(CControlUI* control, int newIndex) override;
    bool SetItemRangeIndex(CControlUI* control, int count, int newIndex) override;
    bool AddItem(CControlUI* control) override;
    bool InsertItemAt(CControlUI* control, int index) override;
    bool RemoveItem(CControlUI* control, bool keepAlive = false) override;
    bool RemoveItemAt(int index, bool keepAlive = false) override;
    void RemoveAllItems() override;

    ListItemStyleUI* GetItemStyle() override { return &m_itemStyle; }
    int GetCurSel() const override { return m_curSel; }
    // An index past the end selects the last item; a negative one clears
    // the selection without a notification and gives false.
    bool SelectItem(int index, bool takeFocus = false, bool sendNotification = true) override;
    void ForwardEvent(EventRecordUI& event) override;
    bool ExpandItem(int index, bool expand = true) override;
    int GetExpandedItem() const override { return -1; }

    const CUIString& GetDropBoxAttributeList() const { return m_dropBoxAttributes; }
    void SetDropBoxAttributeList(const wchar_t* list) { m_dropBoxAttributes = list; }
    SIZE GetDropBoxSize() const { return m_dropBoxSize; }
    // cx 0 = the combo's own width; cy = the pop-up's largest height.
    void SetDropBoxSize(SIZE size) { m_dropBoxSize = size; }
    bool IsShowText() const { return m_showText; }
    void SetShowText(bool show);
    RECT GetTextPadding() const { return m_textPadding; }
    void SetTextPadding(RECT padding);
    void SetNormalImage(const wchar_t* description);
    void SetHotImage(const wchar_t* description);
    void SetPushedImage(const wchar_t* description);
    void SetFocusedImage(const wchar_t* description);
    void SetDisabledImage(const wchar_t* description);
    UINT GetButtonState() const { return m_buttonState; }

    // The open pop-up, null while closed.
    CComboWnd* GetDropWindow() const { return m_window; }

protected:
    // Closes an open pop-up first.
    ~CComboUI() override;
    void OnItemStyleChanged(ItemStyleFieldUI field) override;

private:
    friend class CComboWnd;

    void SetImage(ImageDrawInfoUI& image, const wchar_t* description);
    // Keys and the wheel select without closing the pop-up.
    void SelectKeepingOpen(int index);
    void FollowMovedItems(CControlUI* selected);
    // The closed combo lays no item out: each gets an empty rectangle.
    void ClearItemPlaces();
    // Called by the pop-up in its last message.
    void OnDropWindowGone();

    CComboWnd* m_window = nullptr;
    int m_curSel = -1;
    bool m_showText = true;
    bool m_closeOnSelect = true;
    RECT m_textPadding = {0, 0, 0, 0};
    CUIString m_dropBoxAttributes;
    SIZE m_dropBoxSize = {0, 150};
    UINT m_buttonState = 0;
    ImageDrawInfoUI m_normalImage;
    ImageDrawInfoUI m_hotImage;
    ImageDrawInfoUI m_pushedImage;
    ImageDrawInfoUI m_focusedImage;
    ImageDrawInfoUI m_disabledImage;
};

// Registers the tags "Combo" and "ComboBox" with the control registry.
void RegisterComboControls();

}  // namespace SkinUI
