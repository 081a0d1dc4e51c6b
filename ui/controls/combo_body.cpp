#include "ui/controls/combo_body.h"

#include "ui/controls/combo.h"
#include "ui/controls/list_row.h"
#include "ui/core/clip_region.h"

namespace SkinUI {

CComboBodyUI::CComboBodyUI(CComboUI* owner) : m_owner(owner) {}

bool CComboBodyUI::PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    int drawIndex = 0;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* item = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (!item->IsVisible() || item->IsFloating())
            continue;
        IListItemUI* row = AsListItem(item);
        if (row != nullptr)
            row->SetDrawIndex(drawIndex);
        ++drawIndex;
    }
    if (!CVerticalLayoutUI::PaintContent(dc, paintRect, stopControl))
        return false;

    const ListItemStyleUI* style = m_owner != nullptr ? m_owner->GetItemStyle() : nullptr;
    const RECT client = GetClientPosition();
    RECT clientPaint;
    if (style == nullptr || style->hLineSize <= 0 ||
        !IntersectRect(&clientPaint, &paintRect, &client))
        return true;
    CClipRegionUI clip;
    CClipRegionUI::BeginRectClip(dc, clientPaint, clip);
    const DWORD color = AdjustColor(style->hLineColor);
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* item = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (item->IsVisible() && !item->IsFloating())
            ListRowUI::DrawRowLine(dc, *item, *style, color, paintRect);
    }
    return true;
}

}  // namespace SkinUI
