#include "ui/controls/list_row.h"

#include "ui/core/clip_region.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {
namespace ListRowUI {

bool Select(CControlUI& row, ListRowStateUI& state, bool select, bool takeFocus)
{
    // A disabled row refuses to be selected but lets go of a selection, so that
    // the owner's next selection leaves no second row marked.
    if (select && !row.IsEnabled())
        return false;
    if (state.selected == select)
        return true;
    state.selected = select;
    if (select && state.owner != nullptr)
        state.owner->SelectItem(state.index, takeFocus, true);
    row.Invalidate();
    return true;
}

bool Activate(CControlUI& row)
{
    if (!row.IsVisible() || !row.IsEnabled())
        return false;
    if (row.GetManager() != nullptr)
        row.GetManager()->SendNotification(&row, L"itemactivate");
    return true;
}

void AfterHidden(ListRowStateUI& state)
{
    if (!state.selected)
        return;
    state.selected = false;
    if (state.owner != nullptr)
        state.owner->SelectItem(-1, false, true);
}

bool ForwardsMouseEvents(const CControlUI& row, const EventRecordUI& event)
{
    return !row.IsMouseEnabled() && IsMouseEvent(event.type);
}

bool HandlePointer(CControlUI& row, IListItemUI& item, ListRowStateUI& state, EventRecordUI& event)
{
    CWindowManagerUI* manager = row.GetManager();
    const bool inside = PtInRect(&row.GetPosition(), event.mousePoint) != FALSE;
    switch (event.type) {
    case EventTypeUI::MouseEnter:
        if (inside && row.IsEnabled() && (state.buttonState & kStateHot) == 0) {
            state.buttonState |= kStateHot;
            row.Invalidate();
        }
        return false;
    case EventTypeUI::ButtonDown:
    case EventTypeUI::RightButtonDown:
        if (row.IsEnabled()) {
            if (manager != nullptr)
                manager->SendNotification(&row, L"itemclick");
            item.Select(true, true);
            row.Invalidate();
        }
        return true;
    case EventTypeUI::ButtonUp:
    case EventTypeUI::MouseMove:
        return true;
    case EventTypeUI::MouseLeave:
        // A child or cover took the mouse: stay hot until it really leaves.
        if (inside) {
            if (manager != nullptr)
                manager->AddMouseLeaveListener(&row);
            return true;
        }
        if ((state.buttonState & kStateHot) != 0) {
            state.buttonState &= ~kStateHot;
            row.Invalidate();
        }
        if (manager != nullptr)
            manager->RemoveMouseLeaveListener(&row);
        return false;
    default:
        return false;
    }
}

bool HandleActivation(CControlUI& row, EventRecordUI& event)
{
    if (!row.IsEnabled())
        return false;
    const bool returnKey = event.type == EventTypeUI::KeyDown && event.keyChar == VK_RETURN &&
                           row.IsKeyboardEnabled();
    if (event.type != EventTypeUI::DoubleClick && !returnKey)
        return false;
    row.Activate();
    row.Invalidate();
    return true;
}

bool ForwardToOwner(ListRowStateUI& state, EventRecordUI& event)
{
    if (state.owner == nullptr)
        return false;
    state.owner->ForwardEvent(event);
    return true;
}

namespace {

void NumberRows(const IContainerUI& rows)
{
    int drawIndex = 0;
    for (int i = 0; i < rows.GetCount(); ++i) {
        CControlUI* row = rows.GetItemAt(i);
        if (!row->IsVisible() || row->IsFloating())
            continue;
        IListItemUI* item = AsListItem(row);
        if (item != nullptr)
            item->SetDrawIndex(drawIndex);
        ++drawIndex;
    }
}

void DrawRowLines(HDC dc, CContainerUI& body, const ListItemStyleUI& style, const RECT& paintRect)
{
    const RECT client = body.GetClientPosition();
    RECT clientPaint;
    if (style.hLineSize <= 0 || !IntersectRect(&clientPaint, &paintRect, &client))
        return;
    CClipRegionUI clip;
    CClipRegionUI::BeginRectClip(dc, clientPaint, clip);
    const DWORD color = body.AdjustColor(style.hLineColor);
    for (int i = 0; i < body.GetCount(); ++i) {
        CControlUI* row = body.GetItemAt(i);
        if (!row->IsVisible() || row->IsFloating())
            continue;
        const RECT& pos = row->GetPosition();
        const int y = pos.bottom + row->GetPadding().bottom + style.hLineSize / 2;
        const RECT band = {pos.left, y - style.hLineSize, pos.right, y + style.hLineSize};
        RECT common;
        if (IntersectRect(&common, &band, &clientPaint))
            CRendererUI::DrawLine(dc, RECT{pos.left, y, pos.right, y}, style.hLineSize, color);
    }
}

}  // namespace

bool PaintBody(CVerticalLayoutUI& body, HDC dc, const RECT& paintRect, CControlUI* stopControl,
               const ListItemStyleUI* style)
{
    NumberRows(body);
    if (!body.CVerticalLayoutUI::PaintContent(dc, paintRect, stopControl))
        return false;
    if (style != nullptr)
        DrawRowLines(dc, body, *style, paintRect);
    return true;
}

void DrawBackground(HDC dc, CControlUI& row, ListItemStyleUI& style,
                    const ListRowStateUI& state)
{
    const bool hot = (state.buttonState & kStateHot) != 0;
    const bool oddRow = style.alternateBk && (state.drawIndex % 2) != 0;

    DWORD color = oddRow ? 0 : style.bkColor;
    if (hot)
        color = style.hotBkColor;
    if (state.selected)
        color = style.selectedBkColor;
    if (!row.IsEnabled())
        color = style.disabledBkColor;
    if (color != 0)
        CRendererUI::FillColor(dc, row.GetPosition(), row.AdjustColor(color));

    if (!row.IsEnabled() && row.DrawImage(dc, style.disabledImage))
        return;
    if (state.selected && row.DrawImage(dc, style.selectedImage))
        return;
    if (hot && row.DrawImage(dc, style.hotImage))
        return;
    if (row.DrawImage(dc, row.BackgroundImageInfo()))
        return;
    if (!oddRow)
        row.DrawImage(dc, style.bkImage);
}

}  // namespace ListRowUI
}  // namespace SkinUI
