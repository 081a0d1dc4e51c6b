#pragma once

#include "ui/core/stack_layout.h"

namespace SkinUI {

// Stacks its visible children left to right: fixed widths first, an equal
// share of the rest for the others, each aligned across by "childvalign".
class CHorizontalLayoutUI : public CStackLayoutUI {
public:
    CHorizontalLayoutUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
};

}  // namespace SkinUI
