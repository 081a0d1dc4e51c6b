#include "ui/controls/list_text_element.h"

#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

const wchar_t* CListTextElementUI::GetClassName() const
{
    return L"ListTextElement";
}

void* CListTextElementUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"ListTextElement"))
        return this;
    return CListLabelElementUI::GetInterfaceByName(name);
}

UINT CListTextElementUI::GetBehaviorFlags() const
{
    if (IsEnabled() && m_linkCount > 0)
        return kBehaviorListItem | kBehaviorSetCursor;
    return kBehaviorListItem;
}

void CListTextElementUI::SetOwner(CControlUI* owner)
{
    CListLabelElementUI::SetOwner(owner);
    m_list = AsList(owner);
}

const wchar_t* CListTextElementUI::GetColumnText(int column) const
{
    if (column < 0 || column >= static_cast<int>(m_columnTexts.size()))
        return nullptr;
    return m_columnTexts[column];
}

void CListTextElementUI::SetColumnText(int column, const wchar_t* text)
{
    if (column < 0 || column >= kMaxListColumns)
        return;
    if (column >= static_cast<int>(m_columnTexts.size()))
        m_columnTexts.resize(column + 1);
    m_columnTexts[column] = text;
    Invalidate();
}

CUIString CListTextElementUI::CellText(int column) const
{
    IListTextProviderUI* provider = m_list != nullptr ? m_list->GetTextProvider() : nullptr;
    if (provider != nullptr)
        return provider->GetItemText(const_cast<CListTextElementUI*>(this), m_row.index, column);
    return CUIString(GetColumnText(column));
}

CUIString CListTextElementUI::MeasuredText() const
{
    IListTextProviderUI* provider = m_list != nullptr ? m_list->GetTextProvider() : nullptr;
    if (provider == nullptr && m_columnTexts.empty())
        return m_text;
    return CellText(0);
}

int CListTextElementUI::LinkAt(POINT point) const
{
    for (int i = 0; i < m_linkCount; ++i) {
        if (PtInRect(&m_links[i], point))
            return i;
    }
    return -1;
}

void CListTextElementUI::HandleEvent(EventRecordUI& event)
{
    if (ListRowUI::ForwardsMouseEvents(*this, event)) {
        CListLabelElementUI::HandleEvent(event);
        return;
    }
    const int link = LinkAt(event.mousePoint);
    switch (event.type) {
    case EventTypeUI::SetCursor:
        if (link >= 0) {
            ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return;
        }
        break;
    case EventTypeUI::ButtonUp:
        if (link >= 0 && IsEnabled() && m_manager != nullptr)
            m_manager->SendNotification(this, L"link", static_cast<WPARAM>(link));
        break;
    case EventTypeUI::MouseMove:
        if (m_linkCount > 0 && link != m_hotLink) {
            m_hotLink = link;
            Invalidate();
        }
        break;
    case EventTypeUI::MouseLeave:
        if (m_hotLink >= 0) {
            if (PtInRect(&m_links[m_hotLink], event.mousePoint)) {
                if (m_manager != nullptr)
                    m_manager->AddMouseLeaveListener(this);
                return;
            }
            m_hotLink = -1;
            Invalidate();
        }
        break;
    default:
        break;
    }
    CListLabelElementUI::HandleEvent(event);
}

SIZE CListTextElementUI::GetDesiredSize(SIZE available)
{
    const ListItemStyleUI* style = OwnerStyle();
    if (style == nullptr)
        return SIZE{0, 0};
    const CUIString text = MeasuredText();
    if (text.Compare(m_lastMeasuredText) != 0) {
        m_lastMeasuredText = text;
        m_needsMeasure = true;
    }
    int span = -1;
    if (m_fixedSize.cx <= 0 && style->columnCount > 0) {
        span = style->columns[style->columnCount - 1].right - style->columns[0].left;
        if (span != m_lastSpan) {
            m_lastSpan = span;
            m_needsMeasure = true;
        }
    }
    return MeasureRow(available, text, span);
}

void CListTextElementUI::DrawItemText(HDC dc, const RECT& rect)
{
    m_linkCount = 0;
    const ListItemStyleUI* style = OwnerStyle();
    if (style == nullptr)
        return;
    const DWORD color = StateTextColor(*style);
    if (style->columnCount <= 0) {
        const CUIString text = MeasuredText();
        if (text.IsEmpty())
            return;
        m_linkCount = kMaxLinks;
        DrawCellText(dc, *style, rect, text, color, m_links, m_linkTexts, m_linkCount);
        return;
    }
    for (int i = 0; i < style->columnCount; ++i) {
        RECT cell = {style->columns[i].left, rect.top, style->columns[i].right, rect.bottom};
        if (style->vLineSize > 0 && i + 1 < style->columnCount) {
            const int x = cell.right - style->vLineSize / 2;
            CRendererUI::DrawLine(dc, RECT{x, rect.top, x, rect.bottom}, style->vLineSize,
                                  AdjustColor(style->vLineColor));
            cell.right -= style->vLineSize;
        }
        const CUIString text = CellText(i);
        if (text.IsEmpty())
            continue;
        int found = kMaxLinks - m_linkCount;
        DrawCellText(dc, *style, cell, text, color, m_links + m_linkCount,
                     m_linkTexts + m_linkCount, found);
        m_linkCount += found;
    }
}

}  // namespace SkinUI
