#pragma once

#include "ui/core/container.h"

namespace SkinUI {

// Arranges its children in a grid of equal cells, row by row.
class CTileLayoutUI : public CContainerUI {
public:
    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    SIZE GetItemSize() const { return m_itemSize; }
    void SetItemSize(SIZE size);
    // 0 = as many columns as fit.
    int GetFixedColumns() const { return m_fixedColumns; }
    void SetFixedColumns(int columns);
    int GetChildVPadding() const { return m_childVPadding; }
    void SetChildVPadding(int padding);
    // The grid of the last layout pass.
    int GetColumns() const { return m_columns; }
    int GetRows() const { return m_rows; }

private:
    SIZE m_itemSize = {80, 80};
    int m_columns = 1;
    int m_rows = 0;
    int m_fixedColumns = 0;
    int m_childVPadding = 0;
};

}  // namespace SkinUI
