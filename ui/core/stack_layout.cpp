#include "ui/core/stack_layout.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/control_values.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

constexpr DWORD kTrackingStripColor = 0xAA000000;

}  // namespace

CStackLayoutUI::CStackLayoutUI(bool vertical) : m_vertical(vertical) {}

UINT CStackLayoutUI::GetBehaviorFlags() const
{
    return IsEnabled() && m_separatorSize != 0 ? kBehaviorSetCursor : 0;
}

void CStackLayoutUI::SetImmediateSeparatorDrag(bool immediate)
{
    if (m_immediate == immediate)
        return;
    if (IsDraggingSeparator() && !m_immediate && m_manager != nullptr)
        m_manager->RemovePostPaintControl(this);
    m_immediate = immediate;
}

RECT CStackLayoutUI::GetSeparatorRect(bool useDragRect) const
{
    const RECT& rc = useDragRect && IsDraggingSeparator() ? m_dragRect : m_position;
    const int s = m_separatorSize;
    if (s == 0)
        return RECT{0, 0, 0, 0};
    if (m_vertical) {
        if (s < 0)
            return RECT{rc.left, rc.top, rc.right, std::min<LONG>(rc.top - s, rc.bottom)};
        return RECT{rc.left, std::max<LONG>(rc.top, rc.bottom - s), rc.right, rc.bottom};
    }
    if (s < 0)
        return RECT{rc.left, rc.top, rc.left - s, rc.bottom};
    return RECT{rc.right - s, rc.top, rc.right, rc.bottom};
}

LONG& CStackLayoutUI::MovingEdge(RECT& rect) const
{
    if (m_vertical)
        return m_separatorSize > 0 ? rect.bottom : rect.top;
    return m_separatorSize > 0 ? rect.right : rect.left;
}

LONG CStackLayoutUI::KeptEdge(const RECT& rect) const
{
    if (m_vertical)
        return m_separatorSize > 0 ? rect.top : rect.bottom;
    return m_separatorSize > 0 ? rect.left : rect.right;
}

int CStackLayoutUI::Extent(const RECT& rect) const
{
    return m_vertical ? rect.bottom - rect.top : rect.right - rect.left;
}

void CStackLayoutUI::HandleEvent(EventRecordUI& event)
{
    if (m_separatorSize == 0) {
        CContainerUI::HandleEvent(event);
        return;
    }
    const RECT strip = GetSeparatorRect(false);
    switch (event.type) {
    case EventTypeUI::ButtonDown:
        if (IsEnabled() && PtInRect(&strip, event.mousePoint)) {
            BeginDrag(event.mousePoint);
            return;
        }
        break;
    case EventTypeUI::ButtonUp:
        if (IsDraggingSeparator()) {
            EndDrag();
            return;
        }
        break;
    case EventTypeUI::MouseMove:
        if (IsDraggingSeparator()) {
            DragTo(event.mousePoint);
            return;
        }
        break;
    case EventTypeUI::SetCursor:
        if (IsEnabled() && PtInRect(&strip, event.mousePoint)) {
            ::SetCursor(LoadCursorW(nullptr, m_vertical ? IDC_SIZENS : IDC_SIZEWE));
            return;
        }
        break;
    default:
        break;
    }
    CContainerUI::HandleEvent(event);
}

void CStackLayoutUI::BeginDrag(POINT point)
{
    m_dragState |= kStateCaptured;
    m_lastPoint = point;
    m_dragRect = m_position;
    if (!m_immediate && m_manager != nullptr)
        m_manager->AddPostPaintControl(this);
}

void CStackLayoutUI::EndDrag()
{
    m_position = m_dragRect;
    m_dragState &= ~kStateCaptured;
    if (!m_immediate && m_manager != nullptr)
        m_manager->RemovePostPaintControl(this);
    RequestParentLayout();
}

void CStackLayoutUI::DragTo(POINT point)
{
    const int along = m_vertical ? point.y : point.x;
    const int delta = along - (m_vertical ? m_lastPoint.y : m_lastPoint.x);
    m_lastPoint = point;

    RECT rc = m_dragRect;
    LONG& edge = MovingEdge(rc);
    // After the size stopped at a limit, a move back counts only once the
    // pointer is over the strip again.
    const int s = m_separatorSize;
    const int bandLow = s > 0 ? edge - s : edge;
    const int bandHigh = s > 0 ? edge : edge - s;
    if ((delta > 0 && along < bandLow) || (delta < 0 && along > bandHigh))
        return;
    edge += delta;

    const int minimum = m_vertical ? GetMinHeight() : GetMinWidth();
    const int maximum = m_vertical ? GetMaxHeight() : GetMaxWidth();
    const int dragExtent = Extent(m_dragRect);
    int limited = Extent(rc);
    if (limited <= minimum) {
        if (dragExtent <= minimum)
            return;
        limited = minimum;
    } else if (limited >= maximum) {
        if (dragExtent >= maximum)
            return;
        limited = maximum;
    }
    const LONG kept = KeptEdge(rc);
    edge = s > 0 ? kept + limited : kept - limited;

    const RECT oldStrip = GetSeparatorRect(true);
    m_dragRect = rc;
    (m_vertical ? m_fixedSize.cy : m_fixedSize.cx) = Extent(rc);
    if (m_immediate) {
        m_position = m_dragRect;
        RequestParentLayout();
        return;
    }
    if (m_manager == nullptr)
        return;
    CRectUI area = oldStrip;
    area.Union(GetSeparatorRect(true));
    area.Union(GetSeparatorRect(false));
    m_manager->InvalidateArea(area);
}

void CStackLayoutUI::PostPaint(HDC dc, const RECT&)
{
    if (IsDraggingSeparator() && !m_immediate)
        CRendererUI::FillColor(dc, GetSeparatorRect(true), kTrackingStripColor);
}

void CStackLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr) {
        return;
    } else if (wcscmp(name, m_vertical ? L"sepheight" : L"sepwidth") == 0) {
        SetSeparatorSize(static_cast<int>(wcstol(value != nullptr ? value : L"", nullptr, 10)));
    } else if (wcscmp(name, L"sepimm") == 0) {
        SetImmediateSeparatorDrag(IsTrueValue(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
