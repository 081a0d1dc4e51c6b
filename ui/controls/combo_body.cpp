#include "ui/controls/combo_body.h"

#include "ui/controls/combo.h"
#include "ui/controls/list_row.h"

namespace SkinUI {

CComboBodyUI::CComboBodyUI(CComboUI* owner) : m_owner(owner) {}

bool CComboBodyUI::PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    return ListRowUI::PaintBody(*this, dc, paintRect, stopControl,
                                m_owner != nullptr ? m_owner->GetItemStyle() : nullptr);
}

}  // namespace SkinUI
