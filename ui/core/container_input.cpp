#include "ui/core/scrollbar.h"
#include "ui/core/container.h"

namespace SkinUI {

CControlUI* CContainerUI::FindControl(FindControlProcUI proc, void* data, UINT flags)
{
    if (!PassesFindFilters(proc, data, flags))
        return nullptr;
    const bool hitTest = (flags & kFindHitTest) != 0;
    const bool selfCounts = !hitTest || m_mouseEnabled;
    const bool childrenCount = !hitTest || m_mouseChildEnabled;
    if ((flags & kFindMeFirst) != 0 && selfCounts) {
        CControlUI* result = proc(this, data);
        if (result != nullptr)
            return result;
    }
    if (m_cover != nullptr && childrenCount) {
        CControlUI* result = m_cover->FindControl(proc, data, flags);
        if (result != nullptr)
            return result;
    }
    if (selfCounts) {
        for (CScrollBarUI* bar : {m_verticalScrollBar, m_horizontalScrollBar}) {
            if (bar == nullptr)
                continue;
            CControlUI* result = bar->FindControl(proc, data, flags);
            if (result != nullptr)
                return result;
        }
    }
    if (childrenCount) {
        const RECT client = GetClientPosition();
        const int count = m_items.GetSize();
        const bool topFirst = (flags & kFindTopFirst) != 0;
        for (int n = 0; n < count; ++n) {
            CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(topFirst ? count - 1 - n : n));
            CControlUI* result = child->FindControl(proc, data, flags);
            if (result == nullptr)
                continue;
            // Parts of children scrolled out of the client area are not hit.
            if (!hitTest || result->IsFloating() || PtInRect(&client, *static_cast<POINT*>(data)))
                return result;
        }
    }
    if ((flags & kFindMeFirst) == 0 && selfCounts)
        return proc(this, data);
    return nullptr;
}

bool CContainerUI::HandleScrollKey(wchar_t key)
{
    if (m_verticalScrollBar != nullptr && m_verticalScrollBar->IsVisible() &&
        m_verticalScrollBar->IsEnabled()) {
        switch (key) {
        case VK_PRIOR: PageUp(); return true;
        case VK_NEXT: PageDown(); return true;
        case VK_END: ScrollToBottom(); return true;
        case VK_HOME: ScrollToTop(); return true;
        case VK_UP: LineUp(); return true;
        case VK_DOWN: LineDown(); return true;
        default: return false;
        }
    }
    if (m_horizontalScrollBar != nullptr && m_horizontalScrollBar->IsVisible() &&
        m_horizontalScrollBar->IsEnabled()) {
        switch (key) {
        case VK_PRIOR: PageLeft(); return true;
        case VK_NEXT: PageRight(); return true;
        case VK_END: ScrollToRight(); return true;
        case VK_HOME: ScrollToLeft(); return true;
        case VK_UP: LineLeft(); return true;
        case VK_DOWN: LineRight(); return true;
        default: return false;
        }
    }
    return false;
}

bool CContainerUI::HandleScrollWheel(const EventRecordUI& event)
{
    const bool down = LOWORD(event.wParam) == 1;
    auto usable = [](const CScrollBarUI* bar) {
        return bar != nullptr && bar->IsVisible() && bar->IsEnabled();
    };
    if (usable(m_horizontalScrollBar) && PtInRect(&m_horizontalScrollBar->GetPosition(), event.mousePoint)) {
        down ? LineRight() : LineLeft();
        return true;
    }
    if (usable(m_verticalScrollBar)) {
        down ? LineDown() : LineUp();
        return true;
    }
    if (usable(m_horizontalScrollBar)) {
        down ? LineRight() : LineLeft();
        return true;
    }
    return false;
}

void CContainerUI::HandleEvent(EventRecordUI& event)
{
    if (!m_mouseEnabled && IsMouseEvent(event.type)) {
        if (m_parent != nullptr)
            m_parent->HandleEvent(event);
        else
            CControlUI::HandleEvent(event);
        return;
    }
    switch (event.type) {
    case EventTypeUI::SetFocus:
        m_focused = true;
        return;
    case EventTypeUI::KillFocus:
        m_focused = false;
        return;
    case EventTypeUI::KeyDown:
        if (m_keyboardEnabled && m_enabled && HandleScrollKey(event.keyChar))
            return;
        break;
    case EventTypeUI::ScrollWheel:
        if (HandleScrollWheel(event))
            return;
        break;
    default:
        break;
    }
    CControlUI::HandleEvent(event);
}

}  // namespace SkinUI
