#include "ui/core/control.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

struct TabWalkState {
    CControlUI* start;
    CControlUI* lastSeen;
    bool forward;
    bool found;
};

CControlUI* VisitTabStop(CControlUI* control, void* data)
{
    TabWalkState* state = static_cast<TabWalkState*>(data);
    if (control == state->start) {
        if (state->forward)
            state->found = true;
        else
            return state->lastSeen;
        return nullptr;
    }
    if ((control->GetBehaviorFlags() & kBehaviorTabStop) == 0)
        return nullptr;
    state->lastSeen = control;
    if (state->found || state->start == nullptr)
        return control;
    return nullptr;
}

}  // namespace

WORD CWindowManagerUI::GetModifierKeyState()
{
    WORD state = 0;
    if (GetKeyState(VK_LBUTTON) < 0)
        state |= kModifierLeftButton;
    if (GetKeyState(VK_RBUTTON) < 0)
        state |= kModifierRightButton;
    if (GetKeyState(VK_SHIFT) < 0)
        state |= kModifierShift;
    if (GetKeyState(VK_CONTROL) < 0)
        state |= kModifierControl;
    if (GetKeyState(VK_MENU) < 0)
        state |= kModifierAlt;
    return state;
}

CControlUI* CWindowManagerUI::WalkTabOrder(CControlUI* start, bool forward,
                                           CControlUI** lastSeen) const
{
    TabWalkState state = {start, nullptr, forward, false};
    CControlUI* result = nullptr;
    if (m_root != nullptr)
        result = m_root->FindControl(VisitTabStop, &state, kFindMeFirst | kFindVisible | kFindEnabled);
    if (lastSeen != nullptr)
        *lastSeen = state.lastSeen;
    return result;
}

void CWindowManagerUI::KillFocusOf(CControlUI* next)
{
    CControlUI* old = m_focus;
    if (old == nullptr)
        return;
    EventRecordUI event;
    event.type = EventTypeUI::KillFocus;
    event.sender = next;
    event.timestamp = GetTickCount();
    old->DispatchEvent(event);
    SendNotification(old, L"killfocus");
    m_focus = nullptr;
}

void CWindowManagerUI::SetFocusControl(CControlUI* control, bool focusWindow)
{
    if (focusWindow && m_window != nullptr && GetFocus() != m_window && control != m_focus &&
        !m_noActivate)
        ::SetFocus(m_window);
    if (control == m_focus)
        return;
    KillFocusOf(control);
    if (control == nullptr)
        return;
    if (control->GetManager() != this || !control->IsVisible() || !control->IsEnabled())
        return;
    m_focus = control;
    EventRecordUI event;
    event.type = EventTypeUI::SetFocus;
    event.sender = control;
    event.timestamp = GetTickCount();
    control->DispatchEvent(event);
    SendNotification(control, L"setfocus");
}

void CWindowManagerUI::SetFocusFromTabOrder(CControlUI* control)
{
    if (!m_noActivate && m_window != nullptr)
        ::SetFocus(m_window);
    if (control == nullptr)
        return;
    KillFocusOf(control);
    // Focus lands just before the control; the next paint moves it forward
    // with the full events.
    m_focus = WalkTabOrder(control, false, nullptr);
    m_focusPending = true;
    if (m_root != nullptr)
        m_root->RequestLayout();
}

bool CWindowManagerUI::FocusNextTabStop(bool forward)
{
    if (m_layoutPending && forward) {
        m_focusPending = true;
        InvalidateAll();
        return true;
    }
    CControlUI* lastSeen = nullptr;
    CControlUI* next = WalkTabOrder(m_focus, forward, &lastSeen);
    if (next == nullptr)
        next = forward ? WalkTabOrder(nullptr, true, nullptr) : lastSeen;
    if (next != nullptr)
        SetFocusControl(next, true);
    m_focusPending = false;
    return true;
}

}  // namespace SkinUI
