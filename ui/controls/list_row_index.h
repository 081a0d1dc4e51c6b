#pragma once

#include "ui/controls/list_interfaces.h"
#include "ui/core/container.h"

namespace SkinUI {

// Index bookkeeping that lists and combo boxes do after their row operations.
namespace ListRowIndexUI {

// Gives every row from first through last its position as index.
inline void RenumberRows(const IContainerUI& rows, int first, int last)
{
    for (int i = first; i <= last; ++i) {
        IListItemUI* row = AsListItem(rows.GetItemAt(i));
        if (row != nullptr)
            row->SetIndex(i);
    }
}

// A tracked row index (selection, expansion) after a row was inserted at `index`.
inline int AfterInsert(int tracked, int index)
{
    return tracked >= index ? tracked + 1 : tracked;
}

// A tracked row index after the row at `index` was removed; -1 when it was that row.
inline int AfterRemoval(int tracked, int index)
{
    if (tracked == index)
        return -1;
    return tracked > index ? tracked - 1 : tracked;
}

// Whether a run of `count` rows at `oldIndex` can move to `newIndex` among `rows` rows.
inline bool RangeMoveFits(int oldIndex, int count, int newIndex, int rows)
{
    return oldIndex >= 0 && count >= 0 && newIndex >= 0 && oldIndex + count <= rows &&
           newIndex + count <= rows;
}

}  // namespace ListRowIndexUI

}  // namespace SkinUI
