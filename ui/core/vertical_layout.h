#pragma once

#include "ui/core/stack_layout.h"

namespace SkinUI {

// Stacks its visible children top to bottom: fixed heights first, an equal
// share of the rest for the others, each aligned across by "childalign".
class CVerticalLayoutUI : public CStackLayoutUI {
public:
    CVerticalLayoutUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
};

}  // namespace SkinUI
