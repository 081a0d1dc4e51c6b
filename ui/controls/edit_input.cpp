#include "ui/controls/edit.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

void CEditUI::HandleEvent(EventRecordUI& event)
{
    if (ForwardMouseEventWhenMouseDisabled(event))
        return;
    switch (event.type) {
    case EventTypeUI::SetCursor:
        if (IsEnabled()) {
            ::SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
            return;
        }
        break;
    case EventTypeUI::WindowSize:
        if (m_window != nullptr && m_manager != nullptr) {
            m_manager->SetFocusFromTabOrder(this);
            return;
        }
        break;
    case EventTypeUI::SetFocus:
        if (IsEnabled()) {
            m_focused = true;
            if (m_window == nullptr) {
                OpenNativeWindow();
                Invalidate();
            }
            return;
        }
        break;
    case EventTypeUI::KillFocus:
        // Also when the focus moved without the keyboard focus (a control's
        // SetFocus): the native control ends as if it had lost it.
        if (HWND window = GetNativeWindow())
            PostMessageW(window, WM_CLOSE, 0, 0);
        if (IsEnabled()) {
            m_focused = false;
            Invalidate();
            return;
        }
        break;
    default:
        if (HandleMouseEvent(event))
            return;
        break;
    }
    CLabelUI::HandleEvent(event);
}

// True when the event is done.
bool CEditUI::HandleMouseEvent(EventRecordUI& event)
{
    const bool inside = PtInRect(&m_position, event.mousePoint) != FALSE;
    switch (event.type) {
    case EventTypeUI::ScrollWheel:
        return m_window != nullptr;
    case EventTypeUI::MouseMove:
    case EventTypeUI::ButtonUp:
    case EventTypeUI::ContextMenu:
        return true;
    case EventTypeUI::MouseEnter:
        if (inside && IsEnabled() && (m_editState & kStateHot) == 0) {
            m_editState |= kStateHot;
            Invalidate();
        }
        return false;
    case EventTypeUI::ButtonDown:
    case EventTypeUI::RightButtonDown:
    case EventTypeUI::DoubleClick:
        if (IsEnabled())
            ForwardPress(event);
        return true;
    case EventTypeUI::MouseLeave:
        if (StaysHoveredOnLeave(event))
            return true;
        if ((m_editState & kStateHot) != 0) {
            m_editState &= ~kStateHot;
            Invalidate();
        }
        return false;
    default:
        return false;
    }
}

// A press opens a focused edit, or places the caret of an open one.
void CEditUI::ForwardPress(const EventRecordUI& event)
{
    if (m_manager != nullptr)
        m_manager->ReleaseMouse();
    if (IsFocused() && m_window == nullptr)
        OpenNativeWindow();
    HWND window = GetNativeWindow();
    if (window == nullptr || m_autoSelAll)
        return;
    SendMessageW(window, EM_SETSEL, 0, 0);
    const int x = event.mousePoint.x - m_position.left - m_textPadding.left;
    const int y = event.mousePoint.y - m_position.top - m_textPadding.top;
    SendMessageW(window, WM_LBUTTONDOWN, event.keyState, MAKELPARAM(x, y));
}

}  // namespace SkinUI
