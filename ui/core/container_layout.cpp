#include <algorithm>
#include <cstdlib>

#include "ui/core/scrollbar.h"
#include "ui/core/container.h"
#include "ui/core/layout_limits.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

bool CContainerUI::IsBarShown(const CScrollBarUI* bar)
{
    return bar != nullptr && bar->IsVisible();
}

CScrollBarUI* CContainerUI::ShownVerticalBar() const
{
    return IsBarShown(m_verticalScrollBar) ? m_verticalScrollBar : nullptr;
}

CScrollBarUI* CContainerUI::ShownHorizontalBar() const
{
    return IsBarShown(m_horizontalScrollBar) ? m_horizontalScrollBar : nullptr;
}

SIZE CContainerUI::GetScrollableSize(const RECT& area) const
{
    SIZE size = {area.right - area.left, area.bottom - area.top};
    if (IsBarShown(m_horizontalScrollBar))
        size.cx += m_horizontalScrollBar->GetScrollRange();
    if (IsBarShown(m_verticalScrollBar))
        size.cy += m_verticalScrollBar->GetScrollRange();
    return size;
}

bool CContainerUI::BeginScrollingLayout(RECT rect, bool invalidate, RECT& area)
{
    CControlUI::SetPosition(rect, invalidate);
    area = CContainerUI::GetClientPosition();
    if (!m_items.IsEmpty())
        return true;
    UpdateScrollBars(area, 0, 0);
    return false;
}

CControlUI* CContainerUI::FlowChildAt(int index)
{
    CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(index));
    if (!child->IsVisible())
        return nullptr;
    if (!child->IsFloating())
        return child;
    SetFloatChildPosition(index);
    return nullptr;
}

RECT CContainerUI::GetClientPosition() const
{
    RECT rc = m_position;
    rc.left += m_inset.left;
    rc.top += m_inset.top;
    rc.right -= m_inset.right;
    rc.bottom -= m_inset.bottom;
    if (IsBarShown(m_verticalScrollBar))
        rc.right -= m_verticalScrollBar->GetFixedWidth();
    if (IsBarShown(m_horizontalScrollBar))
        rc.bottom -= m_horizontalScrollBar->GetFixedHeight();
    return rc;
}

void CContainerUI::SetPosition(RECT rect, bool invalidate)
{
    CControlUI::SetPosition(rect, invalidate);
    if (m_items.IsEmpty())
        return;
    // The children cover the whole scrollable area, shifted by the scroll positions.
    RECT rc = m_position;
    rc.left += m_inset.left;
    rc.top += m_inset.top;
    rc.right -= m_inset.right;
    rc.bottom -= m_inset.bottom;
    if (IsBarShown(m_verticalScrollBar)) {
        const CScrollBarUI& bar = *m_verticalScrollBar;
        rc.top -= bar.GetScrollPosition();
        rc.right -= bar.GetFixedWidth();
        rc.bottom += bar.GetScrollRange() - bar.GetScrollPosition();
    }
    if (IsBarShown(m_horizontalScrollBar)) {
        const CScrollBarUI& bar = *m_horizontalScrollBar;
        rc.left -= bar.GetScrollPosition();
        rc.right += bar.GetScrollRange() - bar.GetScrollPosition();
        rc.bottom -= bar.GetFixedHeight();
    }
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = FlowChildAt(i);
        if (child == nullptr)
            continue;
        const int width = ClampWidth(*child, rc.right - rc.left);
        const int height = ClampHeight(*child, rc.bottom - rc.top);
        child->SetPosition(RECT{rc.left, rc.top, rc.left + width, rc.top + height}, false);
    }
}

void CContainerUI::SetFloatChildPosition(int index)
{
    CControlUI* child = GetItemAt(index);
    if (child == nullptr || !child->IsVisible() || !child->IsFloating())
        return;
    const int width = m_position.right - m_position.left;
    const int height = m_position.bottom - m_position.top;
    double percent[4];
    child->GetFloatPercent(percent);
    const SIZE xy = child->GetFixedXY();
    RECT rc;
    rc.left = static_cast<int>(width * percent[0]) + xy.cx;
    rc.top = static_cast<int>(height * percent[1]) + xy.cy;
    rc.right = static_cast<int>(width * percent[2]) + xy.cx + child->GetFixedWidth();
    rc.bottom = static_cast<int>(height * percent[3]) + xy.cy + child->GetFixedHeight();
    child->SetPosition(rc, false);
}

void CContainerUI::MoveBy(int dx, int dy, bool invalidate)
{
    CControlUI::MoveBy(dx, dy, invalidate);
    if (IsBarShown(m_verticalScrollBar))
        m_verticalScrollBar->MoveBy(dx, dy, false);
    if (IsBarShown(m_horizontalScrollBar))
        m_horizontalScrollBar->MoveBy(dx, dy, false);
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (child->IsVisible())
            child->MoveBy(dx, dy, false);
    }
}

void CContainerUI::Relayout(bool invalidate)
{
    SetPosition(IsFloating() ? GetRelativePosition() : m_position, invalidate);
}

SIZE CContainerUI::GetScrollPosition() const
{
    SIZE position = {0, 0};
    if (IsBarShown(m_horizontalScrollBar))
        position.cx = m_horizontalScrollBar->GetScrollPosition();
    if (IsBarShown(m_verticalScrollBar))
        position.cy = m_verticalScrollBar->GetScrollPosition();
    return position;
}

SIZE CContainerUI::GetScrollRange() const
{
    SIZE range = {0, 0};
    if (IsBarShown(m_horizontalScrollBar))
        range.cx = m_horizontalScrollBar->GetScrollRange();
    if (IsBarShown(m_verticalScrollBar))
        range.cy = m_verticalScrollBar->GetScrollRange();
    return range;
}

void CContainerUI::SetScrollPosition(SIZE position)
{
    int dx = 0;
    int dy = 0;
    if (IsBarShown(m_verticalScrollBar)) {
        const int old = m_verticalScrollBar->GetScrollPosition();
        m_verticalScrollBar->SetScrollPosition(position.cy);
        dy = m_verticalScrollBar->GetScrollPosition() - old;
    }
    if (IsBarShown(m_horizontalScrollBar)) {
        const int old = m_horizontalScrollBar->GetScrollPosition();
        m_horizontalScrollBar->SetScrollPosition(position.cx);
        dx = m_horizontalScrollBar->GetScrollPosition() - old;
    }
    if (dx == 0 && dy == 0)
        return;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (child->IsVisible() && !child->IsFloating())
            child->MoveBy(-dx, -dy, false);
    }
    Invalidate();
}

int CContainerUI::GetVerticalLineStep() const
{
    if (m_verticalScrollBar != nullptr && m_verticalScrollBar->GetScrollUnit() > 1)
        return m_verticalScrollBar->GetScrollUnit();
    if (m_manager == nullptr)
        return 8;
    return m_manager->GetDefaultFontRecord()->metrics.tmHeight + 8;
}

int CContainerUI::GetHorizontalLineStep() const
{
    if (m_horizontalScrollBar != nullptr && m_horizontalScrollBar->GetScrollUnit() > 1)
        return m_horizontalScrollBar->GetScrollUnit();
    return 8;
}

void CContainerUI::LineUp()
{
    SIZE position = GetScrollPosition();
    position.cy -= GetVerticalLineStep();
    SetScrollPosition(position);
}

void CContainerUI::LineDown()
{
    SIZE position = GetScrollPosition();
    position.cy += GetVerticalLineStep();
    SetScrollPosition(position);
}

namespace {

int PageHeight(const RECT& position, const RECT& inset, const CScrollBarUI* horizontal)
{
    int height = position.bottom - position.top - inset.top - inset.bottom;
    if (horizontal != nullptr && horizontal->IsVisible())
        height -= horizontal->GetFixedHeight();
    return height;
}

int PageWidth(const RECT& position, const RECT& inset, const CScrollBarUI* vertical)
{
    int width = position.right - position.left - inset.left - inset.right;
    if (vertical != nullptr && vertical->IsVisible())
        width -= vertical->GetFixedWidth();
    return width;
}

}  // namespace

void CContainerUI::PageUp()
{
    SIZE position = GetScrollPosition();
    position.cy -= PageHeight(m_position, m_inset, m_horizontalScrollBar);
    SetScrollPosition(position);
}

void CContainerUI::PageDown()
{
    SIZE position = GetScrollPosition();
    position.cy += PageHeight(m_position, m_inset, m_horizontalScrollBar);
    SetScrollPosition(position);
}

void CContainerUI::ScrollToTop()
{
    SIZE position = GetScrollPosition();
    position.cy = 0;
    SetScrollPosition(position);
}

void CContainerUI::ScrollToBottom()
{
    SIZE position = GetScrollPosition();
    position.cy = GetScrollRange().cy;
    SetScrollPosition(position);
}

void CContainerUI::LineLeft()
{
    SIZE position = GetScrollPosition();
    position.cx -= GetHorizontalLineStep();
    SetScrollPosition(position);
}

void CContainerUI::LineRight()
{
    SIZE position = GetScrollPosition();
    position.cx += GetHorizontalLineStep();
    SetScrollPosition(position);
}

void CContainerUI::PageLeft()
{
    SIZE position = GetScrollPosition();
    position.cx -= PageWidth(m_position, m_inset, m_verticalScrollBar);
    SetScrollPosition(position);
}

void CContainerUI::PageRight()
{
    SIZE position = GetScrollPosition();
    position.cx += PageWidth(m_position, m_inset, m_verticalScrollBar);
    SetScrollPosition(position);
}

void CContainerUI::ScrollToLeft()
{
    SIZE position = GetScrollPosition();
    position.cx = 0;
    SetScrollPosition(position);
}

void CContainerUI::ScrollToRight()
{
    SIZE position = GetScrollPosition();
    position.cx = GetScrollRange().cx;
    SetScrollPosition(position);
}

void CContainerUI::EnableScrollBars(bool vertical, bool horizontal)
{
    if (vertical && m_verticalScrollBar == nullptr)
        CreateScrollBar(m_verticalScrollBar, false);
    else if (!vertical)
        DeleteScrollBar(m_verticalScrollBar);
    if (horizontal && m_horizontalScrollBar == nullptr)
        CreateScrollBar(m_horizontalScrollBar, true);
    else if (!horizontal)
        DeleteScrollBar(m_horizontalScrollBar);
    RequestLayout();
}

void CContainerUI::CreateScrollBar(CScrollBarUI*& bar, bool horizontal)
{
    bar = new CScrollBarUI;
    bar->SetScrollRange(0);
    if (horizontal)
        bar->SetHorizontal(true);
    bar->SetOwner(this);
    bar->SetManager(m_manager, nullptr, false);
    if (m_manager == nullptr)
        return;
    const wchar_t* defaults = m_manager->GetDefaultAttributes(horizontal ? L"HScrollBar" : L"VScrollBar");
    if (defaults != nullptr)
        bar->SetAttributeList(defaults);
}

void CContainerUI::DeleteScrollBar(CScrollBarUI*& bar)
{
    if (bar == nullptr)
        return;
    CScrollBarUI* old = bar;
    bar = nullptr;
    old->Delete();
}

CScrollBarUI* CContainerUI::GetVerticalScrollBar() const
{
    return m_verticalScrollBar;
}

CScrollBarUI* CContainerUI::GetHorizontalScrollBar() const
{
    return m_horizontalScrollBar;
}

namespace {

void PlaceVerticalBar(CScrollBarUI& bar, const RECT& area)
{
    bar.SetPosition(RECT{area.right, area.top, area.right + bar.GetFixedWidth(), area.bottom});
}

void PlaceHorizontalBar(CScrollBarUI& bar, const RECT& area)
{
    bar.SetPosition(RECT{area.left, area.bottom, area.right, area.bottom + bar.GetFixedHeight()});
}

// Hidden and back at the start.
void HideBar(CScrollBarUI& bar)
{
    bar.SetVisible(false);
    bar.SetScrollPosition(0);
    bar.SetScrollRange(0);
}

}  // namespace

void CContainerUI::UpdateScrollBars(RECT area, int requiredWidth, int requiredHeight)
{
    if (m_verticalScrollBar != nullptr && m_horizontalScrollBar != nullptr)
        UpdateBothScrollBars(area, requiredWidth, requiredHeight);
    else if (m_verticalScrollBar != nullptr)
        UpdateSingleScrollBar(m_verticalScrollBar, area, requiredHeight - (area.bottom - area.top));
    else if (m_horizontalScrollBar != nullptr)
        UpdateSingleScrollBar(m_horizontalScrollBar, area, requiredWidth - (area.right - area.left));
}

void CContainerUI::UpdateSingleScrollBar(CScrollBarUI* bar, const RECT& area, int overflow)
{
    if (!bar->IsVisible()) {
        if (overflow <= 0)
            return;
        bar->SetVisible(true);
        bar->SetScrollRange(overflow);
        bar->SetScrollPosition(0);
        m_scrollUpdateGuard = true;
        Relayout(true);
        m_scrollUpdateGuard = false;
        return;
    }
    if (overflow <= 0 && !m_scrollUpdateGuard) {
        HideBar(*bar);
        Relayout(true);
        return;
    }
    if (bar->IsHorizontal())
        PlaceHorizontalBar(*bar, area);
    else
        PlaceVerticalBar(*bar, area);
    if (bar->GetScrollRange() == overflow)
        return;
    const int old = bar->GetScrollPosition();
    bar->SetScrollRange(std::abs(overflow));
    if (bar->GetScrollRange() == 0) {
        bar->SetVisible(false);
        bar->SetScrollPosition(0);
    }
    if (bar->GetScrollPosition() < old)
        Relayout(false);
}

void CContainerUI::UpdateBothScrollBars(RECT area, int requiredWidth, int requiredHeight)
{
    CScrollBarUI& vertical = *m_verticalScrollBar;
    CScrollBarUI& horizontal = *m_horizontalScrollBar;

    bool horizontalChanged = false;
    const int horizontalOverflow = requiredWidth - (area.right - area.left);
    if (horizontalOverflow > 0) {
        if (!horizontal.IsVisible()) {
            horizontal.SetVisible(true);
            horizontal.SetScrollPosition(0);
            area.bottom -= horizontal.GetFixedHeight();
        }
        PlaceHorizontalBar(horizontal, area);
        if (horizontal.GetScrollRange() != horizontalOverflow) {
            horizontal.SetScrollRange(horizontalOverflow);
            horizontalChanged = true;
        }
    } else if (horizontal.IsVisible()) {
        // The children were laid out scrolled and above the bar: lay them out again.
        horizontal.SetVisible(false);
        area.bottom += horizontal.GetFixedHeight();
        horizontalChanged = true;
    }

    const int verticalOverflow = requiredHeight - (area.bottom - area.top);
    if (verticalOverflow > 0 && !vertical.IsVisible()) {
        vertical.SetVisible(true);
        vertical.SetScrollRange(verticalOverflow);
        vertical.SetScrollPosition(0);
        area.right -= vertical.GetFixedWidth();
        if (horizontal.IsVisible()) {
            PlaceHorizontalBar(horizontal, area);
            horizontal.SetScrollRange(requiredWidth - (area.right - area.left));
        }
        m_scrollUpdateGuard = true;
        Relayout(true);
        m_scrollUpdateGuard = false;
        return;
    }
    if (!vertical.IsVisible()) {
        if (horizontalChanged)
            Relayout(true);
        return;
    }
    if (verticalOverflow <= 0 && !m_scrollUpdateGuard) {
        HideBar(vertical);
        area.right += vertical.GetFixedWidth();
        if (horizontal.IsVisible()) {
            PlaceHorizontalBar(horizontal, area);
            horizontal.SetScrollRange(requiredWidth - (area.right - area.left));
        }
        Relayout(true);
        return;
    }
    PlaceVerticalBar(vertical, area);
    bool positionShrank = false;
    if (vertical.GetScrollRange() != verticalOverflow) {
        const int old = vertical.GetScrollPosition();
        vertical.SetScrollRange(std::abs(verticalOverflow));
        if (vertical.GetScrollRange() == 0) {
            vertical.SetVisible(false);
            vertical.SetScrollPosition(0);
        }
        positionShrank = vertical.GetScrollPosition() < old;
    }
    if (positionShrank || horizontalChanged)
        Relayout(false);
}

}  // namespace SkinUI
