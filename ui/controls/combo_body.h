#pragma once

#include "ui/core/vertical_layout.h"

namespace SkinUI {

class CComboUI;

// The scrolling body of a combo's pop-up: paints the items with their draw
// index and the item style's row lines.
class CComboBodyUI : public CVerticalLayoutUI {
public:
    explicit CComboBodyUI(CComboUI* owner);

    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

private:
    CComboUI* m_owner;
};

}  // namespace SkinUI
