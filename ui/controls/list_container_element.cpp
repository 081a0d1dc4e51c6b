#include "ui/controls/list_container_element.h"

#include "ui/core/control_values.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

const wchar_t* CListContainerElementUI::GetClassName() const
{
    return L"ListContainerElement";
}

void* CListContainerElementUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"IListItem"))
        return static_cast<IListItemUI*>(this);
    if (NameIs(name, L"ListContainerElement"))
        return this;
    return CContainerUI::GetInterfaceByName(name);
}

UINT CListContainerElementUI::GetBehaviorFlags() const
{
    return kBehaviorListItem;
}

bool CListContainerElementUI::Activate()
{
    return ListRowUI::Activate(*this);
}

void CListContainerElementUI::SetVisible(bool visible)
{
    CContainerUI::SetVisible(visible);
    if (!visible)
        ListRowUI::AfterHidden(m_row);
}

void CListContainerElementUI::SetEnabled(bool enabled)
{
    CContainerUI::SetEnabled(enabled);
    if (!enabled)
        m_row.buttonState = 0;
}

void CListContainerElementUI::HandleEvent(EventRecordUI& event)
{
    if (ListRowUI::ForwardsMouseEvents(*this, event)) {
        if (!ListRowUI::ForwardToOwner(m_row, event))
            CContainerUI::HandleEvent(event);
        return;
    }
    if (ListRowUI::HandlePointer(*this, *this, m_row, event) ||
        ListRowUI::HandleActivation(*this, event) || ListRowUI::ForwardToOwner(m_row, event))
        return;
    CContainerUI::HandleEvent(event);
}

void CListContainerElementUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (NameIs(name, L"selected"))
        Select(true, true);
    else if (NameIs(name, L"expandable"))
        SetExpandable(IsTrueValue(value));
    else
        CContainerUI::SetAttribute(name, value);
}

SIZE CListContainerElementUI::GetDesiredSize(SIZE)
{
    const ListItemStyleUI* style = m_row.owner != nullptr ? m_row.owner->GetItemStyle() : nullptr;
    if (style != nullptr && m_fixedSize.cy == 0)
        return SIZE{m_fixedSize.cx, style->itemHeight};
    return m_fixedSize;
}

bool CListContainerElementUI::PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    DrawItemBackground(dc);
    return CContainerUI::PaintContent(dc, paintRect, stopControl);
}

void CListContainerElementUI::SetOwner(CControlUI* owner)
{
    m_row.owner = AsListOwner(owner);
}

bool CListContainerElementUI::Select(bool select, bool takeFocus)
{
    return ListRowUI::Select(*this, m_row, select, takeFocus);
}

bool CListContainerElementUI::Expand(bool expand)
{
    if (m_row.owner == nullptr)
        return false;
    if (m_expanded == expand)
        return true;
    m_expanded = expand;
    if (!m_expandable)
        return true;
    if (!m_row.owner->ExpandItem(m_row.index, expand))
        return false;
    if (m_manager != nullptr)
        m_manager->SendNotification(this, expand ? L"itemexpand" : L"itemcollapse");
    return true;
}

void CListContainerElementUI::DrawItemText(HDC, const RECT&) {}

void CListContainerElementUI::DrawItemBackground(HDC dc)
{
    if (m_row.owner != nullptr && m_row.owner->GetItemStyle() != nullptr)
        ListRowUI::DrawBackground(dc, *this, *m_row.owner->GetItemStyle(), m_row);
}

const wchar_t* CListHBoxElementUI::GetClassName() const
{
    return L"ListHBoxElement";
}

void* CListHBoxElementUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"ListHBoxElement"))
        return this;
    return CListContainerElementUI::GetInterfaceByName(name);
}

void CListHBoxElementUI::SetPosition(RECT rect, bool invalidate)
{
    const ListItemStyleUI* style = m_row.owner != nullptr ? m_row.owner->GetItemStyle() : nullptr;
    if (style == nullptr) {
        CListContainerElementUI::SetPosition(rect, invalidate);
        return;
    }
    CControlUI::SetPosition(rect, invalidate);
    int column = 0;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (!child->IsVisible())
            continue;
        if (child->IsFloating()) {
            SetFloatChildPosition(i);
            continue;
        }
        const RECT pad = child->GetPadding();
        RECT place = {m_position.left + pad.left, m_position.top + pad.top,
                      m_position.right - pad.right, m_position.bottom - pad.bottom};
        if (style->columnCount > 0) {
            // Children past the last column are not placed.
            if (column >= style->columnCount)
                continue;
            const RECT& cell = style->columns[column];
            place.left = cell.left + pad.left;
            place.right = cell.right - pad.right;
            if (style->vLineSize > 0 && column + 1 < style->columnCount)
                place.right -= style->vLineSize;
            ++column;
        }
        child->SetPosition(place, false);
    }
}

bool CListHBoxElementUI::PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    DrawItemBackground(dc);
    const ListItemStyleUI* style = m_row.owner != nullptr ? m_row.owner->GetItemStyle() : nullptr;
    if (style != nullptr && style->vLineSize > 0) {
        for (int i = 0; i + 1 < style->columnCount; ++i) {
            const int x = style->columns[i].right - style->vLineSize / 2;
            CRendererUI::DrawLine(dc, RECT{x, m_position.top, x, m_position.bottom},
                                  style->vLineSize, AdjustColor(style->vLineColor));
        }
    }
    return CContainerUI::PaintContent(dc, paintRect, stopControl);
}

}  // namespace SkinUI
