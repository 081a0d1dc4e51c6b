#include "ui/core/scrollbar.h"
#include "ui/core/container.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

// Presses repeat from this tick of the repeat timer on (the first 250 ms wait).
constexpr int kFirstRepeatTick = 6;

}  // namespace

void CScrollBarUI::HandleEvent(EventRecordUI& event)
{
    if (!m_mouseEnabled && IsMouseEvent(event.type)) {
        PassOn(event);
        return;
    }
    switch (event.type) {
    case EventTypeUI::SetFocus:
    case EventTypeUI::KillFocus:
    case EventTypeUI::ContextMenu:
        return;
    case EventTypeUI::ButtonDown:
    case EventTypeUI::DoubleClick:
        if (IsEnabled())
            OnPress(event.mousePoint);
        return;
    case EventTypeUI::ButtonUp:
    case EventTypeUI::CaptureLost:
        OnRelease();
        return;
    case EventTypeUI::MouseMove:
        OnMouseMove(event.mousePoint);
        return;
    case EventTypeUI::Timer:
        if (event.wParam != kRepeatTimerId)
            break;
        OnTimerTick();
        return;
    case EventTypeUI::MouseEnter:
        OnMouseEnter(event.mousePoint);
        break;
    case EventTypeUI::MouseLeave:
        if (!OnMouseLeave(event.mousePoint))
            return;
        break;
    default:
        break;
    }
    PassOn(event);
}

void CScrollBarUI::PassOn(EventRecordUI& event)
{
    if (m_owner != nullptr)
        m_owner->HandleEvent(event);
    else
        CControlUI::HandleEvent(event);
}

void CScrollBarUI::OnPress(POINT point)
{
    m_dragOffset = 0;
    m_repeatTicks = 0;
    if (m_manager != nullptr)
        m_manager->StartTimer(this, kRepeatTimerId, kRepeatPeriodMs);
    if (PtInRect(&m_button1.rect, point)) {
        m_button1.state |= kStatePushed;
        StepBack();
    } else if (PtInRect(&m_button2.rect, point)) {
        m_button2.state |= kStatePushed;
        StepForward();
    } else if (PtInRect(&m_thumb.rect, point)) {
        m_thumb.state |= kStatePushed | kStateCaptured;
        m_dragOrigin = point;
        m_dragStartPosition = m_scrollPosition;
    } else {
        PageTowards(point);
    }
    Invalidate();
}

void CScrollBarUI::OnRelease()
{
    m_dragOffset = 0;
    m_repeatTicks = 0;
    if (m_manager != nullptr)
        m_manager->StopTimer(this, kRepeatTimerId);
    if ((m_thumb.state & kStateCaptured) != 0)
        m_thumb.state &= ~(kStatePushed | kStateCaptured);
    else if ((m_button1.state & kStatePushed) != 0)
        m_button1.state &= ~kStatePushed;
    else if ((m_button2.state & kStatePushed) != 0)
        m_button2.state &= ~kStatePushed;
    else
        return;
    Invalidate();
}

void CScrollBarUI::OnMouseMove(POINT point)
{
    if ((m_thumb.state & kStateCaptured) != 0) {
        const RECT& thumb = m_thumb.rect;
        const int thumbLength = m_horizontal ? thumb.right - thumb.left : thumb.bottom - thumb.top;
        const int travel = Length() - thumbLength - Thickness() * ShownButtons();
        if (travel == 0)
            return;
        const long long moved = m_horizontal ? point.x - m_dragOrigin.x : point.y - m_dragOrigin.y;
        m_dragOffset = static_cast<int>(moved * m_range / travel);
        return;
    }
    const bool onThumb = PtInRect(&m_thumb.rect, point) != FALSE;
    const bool hot = (m_thumb.state & kStateHot) != 0;
    if (onThumb && !hot && IsEnabled()) {
        m_thumb.state |= kStateHot;
        Invalidate();
    } else if (!onThumb && hot) {
        m_thumb.state &= ~kStateHot;
        Invalidate();
    }
}

void CScrollBarUI::OnTimerTick()
{
    ++m_repeatTicks;
    if ((m_thumb.state & kStateCaptured) != 0) {
        const int position = m_dragStartPosition + m_dragOffset;
        if (m_owner != nullptr) {
            SIZE scroll = m_owner->GetScrollPosition();
            (m_horizontal ? scroll.cx : scroll.cy) = position;
            m_owner->SetScrollPosition(scroll);
        } else {
            SetScrollPosition(position, true);
        }
        Invalidate();
        return;
    }
    if (m_repeatTicks < kFirstRepeatTick)
        return;
    if ((m_button1.state & kStatePushed) != 0) {
        StepBack();
    } else if ((m_button2.state & kStatePushed) != 0) {
        StepForward();
    } else {
        POINT cursor = {0, 0};
        GetCursorPos(&cursor);
        if (m_manager != nullptr)
            ScreenToClient(m_manager->GetWindowHandle(), &cursor);
        PageTowards(cursor);
    }
}

void CScrollBarUI::OnMouseEnter(POINT point)
{
    if (!PtInRect(&m_position, point) || !IsEnabled())
        return;
    m_button1.state |= kStateHot;
    m_button2.state |= kStateHot;
    if (PtInRect(&m_thumb.rect, point))
        m_thumb.state |= kStateHot;
    Invalidate();
}

bool CScrollBarUI::OnMouseLeave(POINT point)
{
    if (PtInRect(&m_position, point)) {
        // The pointer moved onto something laid over the bar.
        if (m_manager != nullptr)
            m_manager->AddMouseLeaveListener(this);
        return false;
    }
    if (IsEnabled()) {
        m_button1.state &= ~kStateHot;
        m_button2.state &= ~kStateHot;
        m_thumb.state &= ~kStateHot;
        Invalidate();
    }
    if (m_manager != nullptr)
        m_manager->RemoveMouseLeaveListener(this);
    return true;
}

void CScrollBarUI::StepBack()
{
    if (m_owner == nullptr)
        SetScrollPosition(m_scrollPosition - GetLineStep(), true);
    else if (m_horizontal)
        m_owner->LineLeft();
    else
        m_owner->LineUp();
}

void CScrollBarUI::StepForward()
{
    if (m_owner == nullptr)
        SetScrollPosition(m_scrollPosition + GetLineStep(), true);
    else if (m_horizontal)
        m_owner->LineRight();
    else
        m_owner->LineDown();
}

void CScrollBarUI::PageTowards(POINT point)
{
    const int along = m_horizontal ? point.x : point.y;
    const int thumbStart = m_horizontal ? m_thumb.rect.left : m_thumb.rect.top;
    const int thumbEnd = m_horizontal ? m_thumb.rect.right : m_thumb.rect.bottom;
    if (along < thumbStart) {
        if (m_owner == nullptr)
            SetScrollPosition(m_scrollPosition - Length(), true);
        else if (m_horizontal)
            m_owner->PageLeft();
        else
            m_owner->PageUp();
    } else if (along >= thumbEnd) {
        if (m_owner == nullptr)
            SetScrollPosition(m_scrollPosition + Length(), true);
        else if (m_horizontal)
            m_owner->PageRight();
        else
            m_owner->PageDown();
    }
}

}  // namespace SkinUI
