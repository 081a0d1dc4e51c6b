#include "ui/controls/list_item_style.h"

#include <cwchar>

#include "ui/core/control_values.h"

namespace SkinUI {

namespace {

UINT ReplaceBits(UINT style, UINT mask, UINT bits)
{
    return (style & ~mask) | bits;
}

}  // namespace

UINT ApplyHorizontalAlignWords(UINT style, const wchar_t* value)
{
    const UINT mask = DT_CENTER | DT_RIGHT;
    if (wcsstr(value, L"left") != nullptr)
        style = ReplaceBits(style, mask, DT_LEFT);
    if (wcsstr(value, L"center") != nullptr)
        style = ReplaceBits(style, mask, DT_CENTER);
    if (wcsstr(value, L"right") != nullptr)
        style = ReplaceBits(style, mask, DT_RIGHT);
    return style;
}

UINT ApplyVerticalAlignWords(UINT style, const wchar_t* value)
{
    const UINT mask = DT_VCENTER | DT_BOTTOM;
    if (wcsstr(value, L"top") != nullptr)
        style = ReplaceBits(style, mask, DT_TOP);
    if (wcsstr(value, L"vcenter") != nullptr)
        style = ReplaceBits(style, mask, DT_VCENTER);
    if (wcsstr(value, L"bottom") != nullptr)
        style = ReplaceBits(style, mask, DT_BOTTOM);
    return style;
}

UINT ApplyEndEllipsis(UINT style, bool on)
{
    return on ? style | DT_END_ELLIPSIS : style & ~static_cast<UINT>(DT_END_ELLIPSIS);
}

UINT ApplyMultiline(UINT style, bool on)
{
    if (on)
        return ReplaceBits(style, DT_SINGLELINE, DT_WORDBREAK);
    return style | DT_SINGLELINE;
}

bool ReplaceImageDescription(ImageDrawInfoUI& info, const wchar_t* description)
{
    const wchar_t* text = description != nullptr ? description : L"";
    if (info.description == text && info.image != nullptr)
        return false;
    info.Reset();
    info.description = text;
    return true;
}

void CItemStyleHolderUI::SetItemHeight(int height)
{
    m_itemStyle.itemHeight = height;
    OnItemStyleChanged(ItemStyleFieldUI::Height);
}

void CItemStyleHolderUI::SetItemFont(int font)
{
    m_itemStyle.font = font;
    OnItemStyleChanged(ItemStyleFieldUI::Font);
}

void CItemStyleHolderUI::SetItemTextStyle(UINT style)
{
    m_itemStyle.textStyle = style;
    OnItemStyleChanged(ItemStyleFieldUI::TextStyle);
}

void CItemStyleHolderUI::SetItemTextPadding(RECT padding)
{
    m_itemStyle.textPadding = padding;
    OnItemStyleChanged(ItemStyleFieldUI::TextPadding);
}

void CItemStyleHolderUI::StoreColor(DWORD& target, DWORD color, ItemStyleFieldUI field)
{
    target = color;
    OnItemStyleChanged(field);
}

void CItemStyleHolderUI::StoreImage(ImageDrawInfoUI& target, const wchar_t* description,
                                    ItemStyleFieldUI field)
{
    if (ReplaceImageDescription(target, description))
        OnItemStyleChanged(field);
}

void CItemStyleHolderUI::SetItemTextColor(DWORD color)
{
    StoreColor(m_itemStyle.textColor, color, ItemStyleFieldUI::TextColor);
}

void CItemStyleHolderUI::SetItemBkColor(DWORD color)
{
    StoreColor(m_itemStyle.bkColor, color, ItemStyleFieldUI::BkColor);
}

void CItemStyleHolderUI::SetItemBkImage(const wchar_t* description)
{
    StoreImage(m_itemStyle.bkImage, description, ItemStyleFieldUI::BkImage);
}

void CItemStyleHolderUI::SetAlternateBk(bool alternate)
{
    m_itemStyle.alternateBk = alternate;
    OnItemStyleChanged(ItemStyleFieldUI::AlternateBk);
}

void CItemStyleHolderUI::SetSelectedItemTextColor(DWORD color)
{
    StoreColor(m_itemStyle.selectedTextColor, color, ItemStyleFieldUI::SelectedTextColor);
}

void CItemStyleHolderUI::SetSelectedItemBkColor(DWORD color)
{
    StoreColor(m_itemStyle.selectedBkColor, color, ItemStyleFieldUI::SelectedBkColor);
}

void CItemStyleHolderUI::SetSelectedItemImage(const wchar_t* description)
{
    StoreImage(m_itemStyle.selectedImage, description, ItemStyleFieldUI::SelectedImage);
}

void CItemStyleHolderUI::SetHotItemTextColor(DWORD color)
{
    StoreColor(m_itemStyle.hotTextColor, color, ItemStyleFieldUI::HotTextColor);
}

void CItemStyleHolderUI::SetHotItemBkColor(DWORD color)
{
    StoreColor(m_itemStyle.hotBkColor, color, ItemStyleFieldUI::HotBkColor);
}

void CItemStyleHolderUI::SetHotItemImage(const wchar_t* description)
{
    StoreImage(m_itemStyle.hotImage, description, ItemStyleFieldUI::HotImage);
}

void CItemStyleHolderUI::SetDisabledItemTextColor(DWORD color)
{
    StoreColor(m_itemStyle.disabledTextColor, color, ItemStyleFieldUI::DisabledTextColor);
}

void CItemStyleHolderUI::SetDisabledItemBkColor(DWORD color)
{
    StoreColor(m_itemStyle.disabledBkColor, color, ItemStyleFieldUI::DisabledBkColor);
}

void CItemStyleHolderUI::SetDisabledItemImage(const wchar_t* description)
{
    StoreImage(m_itemStyle.disabledImage, description, ItemStyleFieldUI::DisabledImage);
}

void CItemStyleHolderUI::SetItemHLineSize(int size)
{
    m_itemStyle.hLineSize = size;
    OnItemStyleChanged(ItemStyleFieldUI::HLineSize);
}

void CItemStyleHolderUI::SetItemHLineColor(DWORD color)
{
    StoreColor(m_itemStyle.hLineColor, color, ItemStyleFieldUI::HLineColor);
}

void CItemStyleHolderUI::SetItemVLineSize(int size)
{
    m_itemStyle.vLineSize = size;
    OnItemStyleChanged(ItemStyleFieldUI::VLineSize);
}

void CItemStyleHolderUI::SetItemVLineColor(DWORD color)
{
    StoreColor(m_itemStyle.vLineColor, color, ItemStyleFieldUI::VLineColor);
}

void CItemStyleHolderUI::SetItemShowHtml(bool show)
{
    if (m_itemStyle.showHtml == show)
        return;
    m_itemStyle.showHtml = show;
    OnItemStyleChanged(ItemStyleFieldUI::ShowHtml);
}

bool CItemStyleHolderUI::SetItemStyleAttribute(const wchar_t* name, const wchar_t* value)
{
    if (wcscmp(name, L"itemheight") == 0) {
        SetItemHeight(_wtoi(value));
    } else if (wcscmp(name, L"itemfont") == 0) {
        SetItemFont(_wtoi(value));
    } else if (wcscmp(name, L"itemalign") == 0) {
        SetItemTextStyle(ApplyHorizontalAlignWords(m_itemStyle.textStyle, value));
    } else if (wcscmp(name, L"itemtextpadding") == 0) {
        SetItemTextPadding(ReadRect(value));
    } else if (wcscmp(name, L"itemtextcolor") == 0) {
        SetItemTextColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itembkcolor") == 0) {
        SetItemBkColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itembkimage") == 0) {
        SetItemBkImage(value);
    } else if (wcscmp(name, L"itemaltbk") == 0) {
        SetAlternateBk(IsTrueValue(value));
    } else if (wcscmp(name, L"itemselectedtextcolor") == 0) {
        SetSelectedItemTextColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itemselectedbkcolor") == 0) {
        SetSelectedItemBkColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itemselectedimage") == 0) {
        SetSelectedItemImage(value);
    } else if (wcscmp(name, L"itemhottextcolor") == 0) {
        SetHotItemTextColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itemhotbkcolor") == 0) {
        SetHotItemBkColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itemhotimage") == 0) {
        SetHotItemImage(value);
    } else if (wcscmp(name, L"itemdisabledtextcolor") == 0) {
        SetDisabledItemTextColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itemdisabledbkcolor") == 0) {
        SetDisabledItemBkColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itemdisabledimage") == 0) {
        SetDisabledItemImage(value);
    } else if (wcscmp(name, L"itemvlinesize") == 0) {
        SetItemVLineSize(_wtoi(value));
    } else if (wcscmp(name, L"itemvlinecolor") == 0) {
        SetItemVLineColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itemhlinesize") == 0) {
        SetItemHLineSize(_wtoi(value));
    } else if (wcscmp(name, L"itemhlinecolor") == 0) {
        SetItemHLineColor(ReadHexColor(value));
    } else if (wcscmp(name, L"itemshowhtml") == 0) {
        SetItemShowHtml(IsTrueValue(value));
    } else {
        return false;
    }
    return true;
}

}  // namespace SkinUI
