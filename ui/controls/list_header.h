#pragma once

#include "ui/core/horizontal_layout.h"

namespace SkinUI {

// The header of a list: its header items define the list's columns.
class CListHeaderUI : public CHorizontalLayoutUI {
public:
    CListHeaderUI() = default;

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    // Width: the sum of the items' desired widths; height: the fixed height,
    // else the tallest item but at least the default font height + 8.
    SIZE GetDesiredSize(SIZE available) override;
};

}  // namespace SkinUI
