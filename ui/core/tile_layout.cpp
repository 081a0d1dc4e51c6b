#include "ui/core/tile_layout.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/scrollbar.h"
#include "ui/core/control_values.h"

namespace SkinUI {

const wchar_t* CTileLayoutUI::GetClassName() const
{
    return L"TileLayout";
}

void* CTileLayoutUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"TileLayout") == 0)
        return this;
    return CContainerUI::GetInterfaceByName(name);
}

void CTileLayoutUI::SetItemSize(SIZE size)
{
    if (size.cx == m_itemSize.cx && size.cy == m_itemSize.cy)
        return;
    m_itemSize = size;
    RequestLayout();
}

void CTileLayoutUI::SetFixedColumns(int columns)
{
    if (columns < 0)
        return;
    m_fixedColumns = columns;
    RequestLayout();
}

void CTileLayoutUI::SetChildVPadding(int padding)
{
    m_childVPadding = std::max(padding, 0);
    RequestLayout();
}

void CTileLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    const wchar_t* text = value != nullptr ? value : L"";
    if (wcscmp(name, L"itemsize") == 0)
        SetItemSize(ReadSize(text));
    else if (wcscmp(name, L"columns") == 0)
        SetFixedColumns(static_cast<int>(wcstol(text, nullptr, 10)));
    else if (wcscmp(name, L"childvpadding") == 0)
        SetChildVPadding(static_cast<int>(wcstol(text, nullptr, 10)));
    else
        CContainerUI::SetAttribute(name, value);
}

void CTileLayoutUI::SetPosition(RECT rect, bool invalidate)
{
    CControlUI::SetPosition(rect, invalidate);
    const RECT rc = CContainerUI::GetClientPosition();
    if (m_items.IsEmpty()) {
        UpdateScrollBars(rc, 0, 0);
        return;
    }
    const CScrollBarUI* vertical = IsBarShown(m_verticalScrollBar) ? m_verticalScrollBar : nullptr;
    const CScrollBarUI* horizontal = IsBarShown(m_horizontalScrollBar) ? m_horizontalScrollBar : nullptr;
    const int width = rc.right - rc.left;
    const int scrollableWidth = width + (horizontal != nullptr ? horizontal->GetScrollRange() : 0);
    // A cell narrower than a pixel would divide by zero.
    const int itemWidth = std::max<int>(m_itemSize.cx, 1);
    const int itemHeight = m_itemSize.cy;
    int placeable = 0;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        const CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (child->IsVisible() && !child->IsFloating())
            ++placeable;
    }

    int gap = m_childPadding;
    int neededWidth;
    if (m_fixedColumns > 0) {
        m_columns = m_fixedColumns;
        if (m_columns < 2) {
            gap = 0;
        } else if (m_childPadding < 1) {
            const int spread = horizontal != nullptr && width >= m_columns * itemWidth ? width : scrollableWidth;
            gap = std::max((spread - m_columns * itemWidth) / (m_columns - 1), 0);
        }
        const int used = std::min(placeable, m_columns);
        neededWidth = used * itemWidth + (used - 1) * gap;
    } else if (width < itemWidth) {
        m_columns = 1;
        gap = 0;
        neededWidth = itemWidth;
    } else {
        m_columns = width / itemWidth;
        neededWidth = width;
        if (m_columns < 2)
            gap = 0;
        else if (m_childPadding < 1)
            gap = (width % itemWidth) / (m_columns - 1);
    }
    m_rows = (placeable - 1) / m_columns + 1;
    const int neededHeight = m_rows * itemHeight + (m_rows - 1) * m_childVPadding;

    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (!child->IsVisible())
            continue;
        if (child->IsFloating()) {
            SetFloatChildPosition(i);
            continue;
        }
        int cellLeft = rc.left + (i % m_columns) * (itemWidth + gap);
        if (horizontal != nullptr)
            cellLeft -= horizontal->GetScrollPosition();
        int cellTop = rc.top + (i / m_columns) * (itemHeight + m_childVPadding);
        if (vertical != nullptr)
            cellTop -= vertical->GetScrollPosition();
        const RECT pad = child->GetPadding();
        const int w = std::max(std::min<int>(itemWidth - pad.left - pad.right, child->GetMaxWidth()), 0);
        const int h = std::max(std::min<int>(itemHeight - pad.top - pad.bottom, child->GetMaxHeight()), 0);

        RECT cell;
        if (m_childAlign == kAlignCenter) {
            const int shift = (itemWidth - w) / 2;
            cell.left = cellLeft + pad.left + shift;
            cell.right = cellLeft + w - pad.right + shift;
        } else if (m_childAlign == kAlignRight) {
            cell.left = cellLeft + itemWidth - w + pad.left;
            cell.right = cellLeft + itemWidth - pad.right;
        } else {
            cell.left = cellLeft + pad.left;
            cell.right = cellLeft + w - pad.right;
        }
        if (m_childVAlign == kAlignVCenter) {
            const int shift = (itemHeight - h) / 2;
            cell.top = cellTop + pad.top + shift;
            cell.bottom = cellTop + h - pad.bottom + shift;
        } else if (m_childVAlign == kAlignBottom) {
            cell.top = cellTop + itemHeight - h + pad.top;
            cell.bottom = cellTop + itemHeight - pad.bottom;
        } else {
            cell.top = cellTop + pad.top;
            cell.bottom = cellTop + h - pad.bottom;
        }
        child->SetPosition(cell, false);
    }
    UpdateScrollBars(rc, neededWidth, neededHeight);
}

}  // namespace SkinUI
