#include "ui/core/tile_layout.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/scrollbar.h"
#include "ui/core/control_values.h"

namespace SkinUI {

namespace {

enum class CellAlign { Near, Centre, Far };

// The span, along one direction, of a child `size` long in a cell `item`
// long that starts at `start`, with the child's paddings on either side.
void SpanInCell(int start, int item, int size, LONG padNear, LONG padFar, CellAlign align,
                LONG& from, LONG& to)
{
    switch (align) {
    case CellAlign::Centre: {
        const int shift = (item - size) / 2;
        from = start + padNear + shift;
        to = start + size - padFar + shift;
        return;
    }
    case CellAlign::Far:
        from = start + item - size + padNear;
        to = start + item - padFar;
        return;
    case CellAlign::Near:
        from = start + padNear;
        to = start + size - padFar;
        return;
    }
}

}  // namespace

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
    RECT rc;
    if (!BeginScrollingLayout(rect, invalidate, rc))
        return;
    const CScrollBarUI* vertical = ShownVerticalBar();
    const CScrollBarUI* horizontal = ShownHorizontalBar();
    const int width = rc.right - rc.left;
    const int scrollableWidth = GetScrollableSize(rc).cx;
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
        CControlUI* child = FlowChildAt(i);
        if (child == nullptr)
            continue;
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
        const CellAlign across = m_childAlign == kAlignCenter  ? CellAlign::Centre
                                 : m_childAlign == kAlignRight ? CellAlign::Far
                                                               : CellAlign::Near;
        const CellAlign down = m_childVAlign == kAlignVCenter  ? CellAlign::Centre
                               : m_childVAlign == kAlignBottom ? CellAlign::Far
                                                               : CellAlign::Near;
        SpanInCell(cellLeft, itemWidth, w, pad.left, pad.right, across, cell.left, cell.right);
        SpanInCell(cellTop, itemHeight, h, pad.top, pad.bottom, down, cell.top, cell.bottom);
        child->SetPosition(cell, false);
    }
    UpdateScrollBars(rc, neededWidth, neededHeight);
}

}  // namespace SkinUI
