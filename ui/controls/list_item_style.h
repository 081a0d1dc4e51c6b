#pragma once

#include "ui/controls/list_interfaces.h"

namespace SkinUI {

// The fields of ListItemStyleUI a setter can change.
enum class ItemStyleFieldUI {
    Height,
    Font,
    TextStyle,
    TextPadding,
    TextColor,
    BkColor,
    BkImage,
    AlternateBk,
    SelectedTextColor,
    SelectedBkColor,
    SelectedImage,
    HotTextColor,
    HotBkColor,
    HotImage,
    DisabledTextColor,
    DisabledBkColor,
    DisabledImage,
    HLineSize,
    HLineColor,
    VLineSize,
    VLineColor,
    ShowHtml,
};

// Text-style words of layouts. Each word found replaces its bits, tested in
// the order left, center, right (top, vcenter, bottom), so the later wins.
UINT ApplyHorizontalAlignWords(UINT style, const wchar_t* value);
UINT ApplyVerticalAlignWords(UINT style, const wchar_t* value);
UINT ApplyEndEllipsis(UINT style, bool on);
// Multi-line clears single-line and sets word break; single-line leaves word break.
UINT ApplyMultiline(UINT style, bool on);

// Stores a new description unless it equals the current one and its image is
// loaded; true when it stored one.
bool ReplaceImageDescription(ImageDrawInfoUI& info, const wchar_t* description);

// The embedded row style of a list or combo box with its setters. Each setter
// stores the value and then tells the holder which field changed, so that
// the holder repaints or lays out as it needs.
class CItemStyleHolderUI {
public:
    CItemStyleHolderUI() = default;
    CItemStyleHolderUI(const CItemStyleHolderUI&) = delete;
    CItemStyleHolderUI& operator=(const CItemStyleHolderUI&) = delete;

    void SetItemHeight(int height);
    void SetItemFont(int font);
    void SetItemTextStyle(UINT style);
    void SetItemTextPadding(RECT padding);
    void SetItemTextColor(DWORD color);
    void SetItemBkColor(DWORD color);
    void SetItemBkImage(const wchar_t* description);
    void SetAlternateBk(bool alternate);
    void SetSelectedItemTextColor(DWORD color);
    void SetSelectedItemBkColor(DWORD color);
    void SetSelectedItemImage(const wchar_t* description);
    void SetHotItemTextColor(DWORD color);
    void SetHotItemBkColor(DWORD color);
    void SetHotItemImage(const wchar_t* description);
    void SetDisabledItemTextColor(DWORD color);
    void SetDisabledItemBkColor(DWORD color);
    void SetDisabledItemImage(const wchar_t* description);
    void SetItemHLineSize(int size);
    void SetItemHLineColor(DWORD color);
    void SetItemVLineSize(int size);
    void SetItemVLineColor(DWORD color);
    // Row texts drawn through the inline markup renderer.
    void SetItemShowHtml(bool show = true);
    bool IsItemShowHtml() const { return m_itemStyle.showHtml; }

protected:
    ~CItemStyleHolderUI() = default;

    // The "item..." attributes lists and combo boxes share; false for other names.
    bool SetItemStyleAttribute(const wchar_t* name, const wchar_t* value);
    virtual void OnItemStyleChanged(ItemStyleFieldUI field) = 0;

    ListItemStyleUI m_itemStyle;

private:
    void StoreColor(DWORD& target, DWORD color, ItemStyleFieldUI field);
    void StoreImage(ImageDrawInfoUI& target, const wchar_t* description, ItemStyleFieldUI field);
};

}  // namespace SkinUI
