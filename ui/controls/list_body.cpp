#include "ui/controls/list_body.h"

#include "ui/controls/list.h"
#include "ui/controls/list_header.h"
#include "ui/controls/list_row.h"
#include "ui/core/scrollbar.h"

namespace SkinUI {

namespace {

int Clamp(int value, int low, int high)
{
    if (value > high)
        value = high;
    return value < low ? low : value;
}

bool BarShown(const CScrollBarUI* bar)
{
    return bar != nullptr && bar->IsVisible();
}

}  // namespace

CListBodyUI::CListBodyUI(CListUI* owner) : m_owner(owner) {}

int CListBodyUI::RowWidth(int clientWidth) const
{
    const ListItemStyleUI* style = m_owner != nullptr ? m_owner->GetItemStyle() : nullptr;
    if (style == nullptr || style->columnCount <= 0)
        return clientWidth;
    return style->columns[style->columnCount - 1].right - style->columns[0].left;
}

void CListBodyUI::SetPosition(RECT rect, bool invalidate)
{
    if (m_owner == nullptr) {
        CVerticalLayoutUI::SetPosition(rect, invalidate);
        return;
    }
    CControlUI::SetPosition(rect, invalidate);
    const RECT area = GetClientPosition();
    const ListItemStyleUI* style = m_owner->GetItemStyle();
    const int gap = m_childPadding + style->hLineSize;

    SIZE available = {area.right - area.left, area.bottom - area.top};
    int top = area.top;
    int left = area.left;
    if (BarShown(m_horizontalScrollBar)) {
        available.cx += m_horizontalScrollBar->GetScrollRange();
        left -= m_horizontalScrollBar->GetScrollPosition();
    }
    if (BarShown(m_verticalScrollBar)) {
        available.cy += m_verticalScrollBar->GetScrollRange();
        top -= m_verticalScrollBar->GetScrollPosition();
    }
    const int rowWidth = RowWidth(area.right - area.left);

    int requiredHeight = 0;
    int widest = 0;
    int rows = 0;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* row = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (!row->IsVisible())
            continue;
        if (row->IsFloating()) {
            SetFloatChildPosition(i);
            continue;
        }
        const RECT pad = row->GetPadding();
        const SIZE desired = row->GetDesiredSize(available);
        int height = row->GetFixedHeight() != 0 ? row->GetFixedHeight() : desired.cy;
        height = Clamp(height, row->GetMinHeight(), row->GetMaxHeight());
        int width = row->GetFixedWidth() != 0 ? row->GetFixedWidth() : desired.cx;
        width = Clamp(width, row->GetMinWidth(), row->GetMaxWidth());
        if (width > available.cx)
            width = available.cx;

        top += pad.top;
        row->SetPosition(RECT{left + pad.left, top, left + pad.left + rowWidth, top + height}, false);
        top += height + pad.bottom + gap;
        requiredHeight += pad.top + height + pad.bottom;
        if (width + pad.left + pad.right > widest)
            widest = width + pad.left + pad.right;
        ++rows;
    }
    if (rows > 0)
        requiredHeight += (rows - 1) * gap;

    int requiredWidth = widest;
    CListHeaderUI* header = m_owner->GetHeader();
    if (header != nullptr && header->GetCount() > 0) {
        requiredWidth = header->GetDesiredSize(available).cx;
        if (requiredWidth < 0)
            requiredWidth = 0;
    }
    UpdateScrollBars(area, requiredWidth, requiredHeight);
}

void CListBodyUI::SetScrollPosition(SIZE position)
{
    const SIZE before = GetScrollPosition();
    CVerticalLayoutUI::SetScrollPosition(position);
    const int dx = GetScrollPosition().cx - before.cx;
    if (dx != 0 && m_owner != nullptr)
        ShiftHeaderColumns(dx);
}

void CListBodyUI::ShiftHeaderColumns(int dx)
{
    CListHeaderUI* header = m_owner->GetHeader();
    ListItemStyleUI* style = m_owner->GetItemStyle();
    if (header == nullptr)
        return;
    const int items = header->GetCount();
    for (int i = 0; i < items; ++i) {
        CControlUI* item = header->GetItemAt(i);
        if (item->IsVisible() && !item->IsFloating())
            item->MoveBy(-dx, 0, false);
    }
    style->columnCount = items < kMaxListColumns ? items : kMaxListColumns;
    for (int i = 0; i < style->columnCount; ++i)
        style->columns[i] = header->GetItemAt(i)->GetPosition();
    header->Invalidate();
}

void CListBodyUI::HandleEvent(EventRecordUI& event)
{
    if (m_owner == nullptr) {
        CVerticalLayoutUI::HandleEvent(event);
        return;
    }
    if (event.type == EventTypeUI::ScrollWheel && IsMouseEnabled() &&
        BarShown(m_horizontalScrollBar) && m_horizontalScrollBar->IsEnabled() &&
        PtInRect(&m_horizontalScrollBar->GetPosition(), event.mousePoint)) {
        if (LOWORD(event.wParam) == SB_LINEDOWN)
            m_owner->LineRight();
        else
            m_owner->LineLeft();
        return;
    }
    m_owner->HandleEvent(event);
}

bool CListBodyUI::PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    return ListRowUI::PaintBody(*this, dc, paintRect, stopControl,
                                m_owner != nullptr ? m_owner->GetItemStyle() : nullptr);
}

}  // namespace SkinUI
