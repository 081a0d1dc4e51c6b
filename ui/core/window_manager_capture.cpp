#include "ui/core/control.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

void CWindowManagerUI::CaptureMouse()
{
    SetCapture(m_window);
    m_mouseCaptured = true;
}

// Cleared first: the capture change this sends is the manager's own, not a loss.
void CWindowManagerUI::ReleaseMouse()
{
    m_mouseCaptured = false;
    ReleaseCapture();
}

// The capture went elsewhere before the button was released (another window
// took it or the system cancelled the press): the pressed control ends its
// press and is no longer pressed, so later moves reach what lies under them.
void CWindowManagerUI::OnCaptureLost()
{
    m_mouseCaptured = false;
    if (m_pressed == nullptr)
        return;
    CControlUI* pressed = m_pressed;
    m_pressed = nullptr;
    EventRecordUI event = MakeEvent(EventTypeUI::CaptureLost, pressed);
    pressed->DispatchEvent(event);
}

}  // namespace SkinUI
