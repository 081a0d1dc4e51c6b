#include <windowsx.h>

#include "ui/core/control.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

POINT PointOf(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

LPARAM LParamOf(POINT point)
{
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

}  // namespace

EventRecordUI CWindowManagerUI::MakeEvent(EventTypeUI type, CControlUI* target, WPARAM wParam,
                                          LPARAM lParam) const
{
    EventRecordUI event;
    event.type = type;
    event.sender = target;
    event.timestamp = GetTickCount();
    event.mousePoint = m_lastMousePoint;
    event.keyState = GetModifierKeyState();
    event.wParam = wParam;
    event.lParam = lParam;
    return event;
}

void CWindowManagerUI::UpdateMousePoint(UINT message, LPARAM lParam)
{
    switch (message) {
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL: {
        POINT point = PointOf(lParam);
        ScreenToClient(m_window, &point);
        m_lastMousePoint = point;
        break;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        m_lastMousePoint = PointOf(lParam);
        break;
    default:
        break;
    }
}

bool CWindowManagerUI::HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT& result)
{
    if (m_window == nullptr)
        return false;
    UpdateMousePoint(message, lParam);
    for (int i = 0; i < m_messageFilters.GetSize(); ++i) {
        bool handled = false;
        LRESULT answer = static_cast<IMessageFilterUI*>(m_messageFilters.ItemAt(i))
                             ->MessageHandler(message, wParam, lParam, handled);
        if (handled) {
            result = answer;
            return true;
        }
    }
    if (m_layered) {
        switch (message) {
        case WM_NCCALCSIZE:
        case WM_NCPAINT:
            result = 0;
            return true;
        case WM_NCACTIVATE:
            if (!IsIconic(m_window)) {
                result = wParam == 0 ? TRUE : FALSE;
                return true;
            }
            break;
        default:
            break;
        }
    }

    switch (message) {
    case kAsyncNotifyMessage:
        DrainAsyncQueue();
        return false;
    case WM_CLOSE:
        OnClose();
        return false;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT:
        OnPaint();
        result = 0;
        return true;
    case WM_PRINTCLIENT:
        OnPrintClient(reinterpret_cast<HDC>(wParam), lParam);
        return false;
    case WM_GETMINMAXINFO:
        OnMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return false;
    case WM_SIZE:
        if (m_focus != nullptr) {
            EventRecordUI event = MakeEvent(EventTypeUI::WindowSize, m_focus, wParam, lParam);
            m_focus->DispatchEvent(event);
        }
        if (m_root != nullptr)
            m_root->RequestLayout();
        if (m_layered)
            InvalidateAll();
        result = 0;
        return true;
    case WM_TIMER:
        if (wParam == kLayeredTimerId) {
            if (m_layered && !IsRectEmpty(&m_layeredUpdate) && !IsIconic(m_window))
                OnPaint();
        } else {
            FireTimer(static_cast<UINT>(wParam), lParam);
        }
        return false;
    case WM_MOUSEHOVER:
        if (OnMouseHover(wParam, lParam)) {
            result = 0;
            return true;
        }
        return false;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return false;
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
        OnButtonDown(message, wParam, lParam);
        return false;
    case WM_LBUTTONUP:
        OnButtonUp(wParam, lParam);
        return false;
    case WM_CONTEXTMENU:
        OnContextMenu(wParam);
        return false;
    case WM_MOUSEWHEEL:
        OnMouseWheel(wParam, lParam);
        return false;
    case WM_KEYDOWN:
        if (m_root != nullptr && m_focus != nullptr) {
            CControlUI* target = m_focus;
            m_keyControl = target;
            EventRecordUI event = MakeEvent(EventTypeUI::KeyDown, target, wParam, lParam);
            event.keyChar = LOWORD(wParam);
            target->DispatchEvent(event);
        }
        return false;
    case WM_KEYUP:
        if (m_root != nullptr && m_keyControl != nullptr) {
            CControlUI* target = m_keyControl;
            m_keyControl = nullptr;
            EventRecordUI event = MakeEvent(EventTypeUI::KeyUp, target, wParam, lParam);
            event.keyChar = LOWORD(wParam);
            target->DispatchEvent(event);
        }
        return false;
    case WM_CHAR:
        if (m_root != nullptr && m_focus != nullptr) {
            EventRecordUI event = MakeEvent(EventTypeUI::Char, m_focus, wParam, lParam);
            event.keyChar = LOWORD(wParam);
            m_focus->DispatchEvent(event);
        }
        return false;
    case WM_SETCURSOR:
        if (OnSetCursor(wParam, lParam)) {
            result = TRUE;
            return true;
        }
        return false;
    case WM_MOUSEACTIVATE:
        if (m_noActivate) {
            result = MA_NOACTIVATE;
            return true;
        }
        return false;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        return false;
    case WM_CAPTURECHANGED:
        if (m_mouseCaptured && reinterpret_cast<HWND>(lParam) != m_window)
            OnCaptureLost();
        return false;
    case WM_CANCELMODE:
        if (m_mouseCaptured) {
            ReleaseMouse();
            OnCaptureLost();
        }
        return false;
    case WM_NOTIFY:
        if (lParam != 0) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            result = SendMessageW(header->hwndFrom, 0x2000 + WM_NOTIFY, wParam, lParam);
            return true;
        }
        return false;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (lParam != 0) {
            result = SendMessageW(reinterpret_cast<HWND>(lParam), 0x2000 + message, wParam, lParam);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void CWindowManagerUI::OnClose()
{
    EventRecordUI event = MakeEvent(EventTypeUI::MouseLeave, m_hover);
    if (m_hover != nullptr) {
        CControlUI* hover = m_hover;
        m_hover = nullptr;
        hover->DispatchEvent(event);
    }
    if (m_pressed != nullptr) {
        CControlUI* pressed = m_pressed;
        m_pressed = nullptr;
        if (m_mouseCaptured)
            ReleaseMouse();
        event.type = EventTypeUI::ButtonUp;
        event.sender = pressed;
        pressed->DispatchEvent(event);
    }
    SetFocusControl(nullptr);
    if (GetActiveWindow() == m_window) {
        const bool child = (GetWindowLongW(m_window, GWL_STYLE) & WS_CHILD) != 0;
        HWND next = child ? GetParent(m_window) : GetWindow(m_window, GW_OWNER);
        if (next != nullptr)
            ::SetFocus(next);
    }
    if (m_tooltip != nullptr) {
        DestroyWindow(m_tooltip);
        m_tooltip = nullptr;
    }
}

void CWindowManagerUI::OnMinMaxInfo(MINMAXINFO* info) const
{
    if (info == nullptr)
        return;
    if (m_minimumSize.cx > 0)
        info->ptMinTrackSize.x = m_minimumSize.cx;
    if (m_minimumSize.cy > 0)
        info->ptMinTrackSize.y = m_minimumSize.cy;
    if (m_maximumSize.cx > 0)
        info->ptMaxTrackSize.x = m_maximumSize.cx;
    if (m_maximumSize.cy > 0)
        info->ptMaxTrackSize.y = m_maximumSize.cy;
}

CControlUI* CWindowManagerUI::ControlOfThisManagerAt(POINT point) const
{
    CControlUI* control = FindControlAt(point);
    return control != nullptr && control->GetManager() == this ? control : nullptr;
}

void CWindowManagerUI::EnsureMouseTracked()
{
    if (m_mouseTracking)
        return;
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = m_window;
    track.dwHoverTime = m_tooltip != nullptr
                            ? static_cast<DWORD>(SendMessageW(m_tooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0))
                            : m_hoverTime;
    _TrackMouseEvent(&track);
    m_mouseTracking = true;
}

void CWindowManagerUI::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    if (m_root == nullptr)
        return;
    EnsureMouseTracked();
    m_lastMousePoint = PointOf(lParam);
    CControlUI* control = FindControlAt(m_lastMousePoint);
    if (control != nullptr && control->GetManager() != this)
        return;
    if (!m_mouseCaptured) {
        if (control != m_hover && m_hover != nullptr) {
            EventRecordUI event = MakeEvent(EventTypeUI::MouseLeave, m_hover, wParam, lParam);
            LeaveHover(event);
        }
        if (control != nullptr && control != m_hover) {
            m_hover = control;
            EventRecordUI event = MakeEvent(EventTypeUI::MouseEnter, control, wParam, lParam);
            control->DispatchEvent(event);
            // The enter handler may have removed the control.
            control = m_hover;
        }
    }
    CControlUI* target = m_pressed != nullptr ? m_pressed : control;
    if (target != nullptr) {
        EventRecordUI event = MakeEvent(EventTypeUI::MouseMove, target, wParam, lParam);
        target->DispatchEvent(event);
    }
}

void CWindowManagerUI::LeaveHover(EventRecordUI& event)
{
    CControlUI* old = m_hover;
    CPtrArrayUI listeners(m_mouseLeaveListeners);
    for (int i = 0; i < listeners.GetSize(); ++i)
        static_cast<CControlUI*>(listeners.ItemAt(i))->DispatchEvent(event);
    if (old != nullptr && m_hover == old)
        old->DispatchEvent(event);
    m_hover = nullptr;
    HideTooltip();
}

void CWindowManagerUI::EndHover()
{
    EventRecordUI event = MakeEvent(EventTypeUI::MouseLeave, m_hover);
    // Outside every control: none stays hot for a pointer last seen inside it.
    event.mousePoint = POINT{-1, -1};
    LeaveHover(event);
}

bool CWindowManagerUI::OnMouseHover(WPARAM wParam, LPARAM lParam)
{
    if (m_root == nullptr)
        return false;
    m_mouseTracking = false;
    const POINT point = PointOf(lParam);
    CControlUI* control = FindControlAt(point);
    if (control == nullptr)
        return false;
    if (m_hover != nullptr) {
        EventRecordUI event = MakeEvent(EventTypeUI::MouseHover, m_hover, wParam, lParam);
        m_hover->DispatchEvent(event);
    }
    CUIString text = control->GetToolTip();
    if (!text.IsEmpty()) {
        ReplaceLanguageTokens(text);
        ShowTooltip(control, point, text);
    }
    return true;
}

void CWindowManagerUI::ShowTooltip(CControlUI* control, POINT point, const CUIString& text)
{
    m_tooltipText = text;
    m_toolInfo = TOOLINFOW{};
    m_toolInfo.cbSize = TTTOOLINFOW_V2_SIZE;
    m_toolInfo.uFlags = TTF_IDISHWND;
    m_toolInfo.hwnd = m_window;
    m_toolInfo.uId = reinterpret_cast<UINT_PTR>(m_window);
    m_toolInfo.hinst = GetInstance();
    m_toolInfo.lpszText = const_cast<LPWSTR>(m_tooltipText.GetData());
    m_toolInfo.rect = control->GetPosition();
    LPARAM info = reinterpret_cast<LPARAM>(&m_toolInfo);
    if (m_tooltip == nullptr) {
        m_tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window,
                                    nullptr, GetInstance(), nullptr);
        if (m_tooltip == nullptr)
            return;
        SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, info);
    }
    SendMessageW(m_tooltip, TTM_SETMAXTIPWIDTH, 0, control->GetToolTipWidth());
    SendMessageW(m_tooltip, TTM_SETTOOLINFOW, 0, info);
    SendMessageW(m_tooltip, TTM_TRACKACTIVATE, TRUE, info);
    SendMessageW(m_tooltip, TTM_TRACKPOSITION, 0, LParamOf(point));
}

void CWindowManagerUI::HideTooltip()
{
    if (m_tooltip != nullptr)
        SendMessageW(m_tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&m_toolInfo));
}

void CWindowManagerUI::OnMouseLeave()
{
    if (m_root == nullptr)
        return;
    HideTooltip();
    if (m_mouseTracking) {
        POINT point = {-1, -1};
        POINT cursor;
        RECT window;
        if (GetCursorPos(&cursor) && GetWindowRect(m_window, &window) && !IsIconic(m_window) &&
            GetActiveWindow() == m_window && PtInRect(&window, cursor)) {
            LRESULT hit = SendMessageW(m_window, WM_NCHITTEST, 0, LParamOf(cursor));
            if (hit == HTCLIENT) {
                ScreenToClient(m_window, &cursor);
                point = cursor;
            }
        }
        SendMessageW(m_window, WM_MOUSEMOVE, 0, LParamOf(point));
    }
    m_mouseTracking = false;
}

void CWindowManagerUI::OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_noActivate)
        ::SetFocus(m_window);
    m_lastMousePoint = PointOf(lParam);
    CControlUI* control = ControlOfThisManagerAt(m_lastMousePoint);
    if (control == nullptr)
        return;
    const WORD keyState = static_cast<WORD>(wParam);
    EventTypeUI type = EventTypeUI::ButtonDown;
    if (message == WM_LBUTTONDBLCLK) {
        // A double click is captured but does not take the focus.
        type = EventTypeUI::DoubleClick;
        m_pressed = control;
        CaptureMouse();
        wParam = 0;
        lParam = 0;
    } else {
        type = message == WM_LBUTTONDOWN ? EventTypeUI::ButtonDown : EventTypeUI::RightButtonDown;
        m_pressed = control;
        control->SetFocus();
        if (m_pressed != control)
            return;
        if (message == WM_LBUTTONDOWN)
            CaptureMouse();
    }
    EventRecordUI event = MakeEvent(type, control, wParam, lParam);
    event.keyState = keyState;
    control->DispatchEvent(event);
}

void CWindowManagerUI::OnButtonUp(WPARAM wParam, LPARAM lParam)
{
    m_lastMousePoint = PointOf(lParam);
    if (m_pressed == nullptr)
        return;
    CControlUI* pressed = m_pressed;
    m_pressed = nullptr;
    ReleaseMouse();
    EventRecordUI event = MakeEvent(EventTypeUI::ButtonUp, pressed, wParam, lParam);
    event.keyState = static_cast<WORD>(wParam);
    pressed->DispatchEvent(event);
}

void CWindowManagerUI::OnContextMenu(WPARAM wParam)
{
    if (m_root == nullptr || m_mouseCaptured || m_pressed == nullptr)
        return;
    CControlUI* pressed = m_pressed;
    m_pressed = nullptr;
    EventRecordUI event = MakeEvent(EventTypeUI::ContextMenu, pressed, 0, reinterpret_cast<LPARAM>(pressed));
    event.keyState = LOWORD(wParam);
    pressed->DispatchEvent(event);
}

void CWindowManagerUI::OnMouseWheel(WPARAM wParam, LPARAM lParam)
{
    if (m_root == nullptr)
        return;
    CControlUI* control = ControlOfThisManagerAt(m_lastMousePoint);
    if (control != nullptr) {
        const WPARAM down = GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? 1 : 0;
        EventRecordUI event = MakeEvent(EventTypeUI::ScrollWheel, control, down, lParam);
        control->DispatchEvent(event);
    }
    SendMessageW(m_window, WM_MOUSEMOVE, 0, LParamOf(m_lastMousePoint));
}

bool CWindowManagerUI::OnSetCursor(WPARAM wParam, LPARAM lParam)
{
    if (m_root == nullptr || LOWORD(lParam) != HTCLIENT)
        return false;
    if (m_mouseCaptured)
        return true;
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(m_window, &cursor);
    CControlUI* control = ControlOfThisManagerAt(cursor);
    if (control == nullptr || (control->GetBehaviorFlags() & kBehaviorSetCursor) == 0)
        return false;
    EventRecordUI event = MakeEvent(EventTypeUI::SetCursor, control, wParam, lParam);
    event.mousePoint = cursor;
    control->DispatchEvent(event);
    return true;
}

void CWindowManagerUI::OnKillFocus(HWND gaining)
{
    if (gaining == nullptr)
        return;
    HWND child = GetFocus();
    while (child != nullptr) {
        HWND parent = GetParent(child);
        if (parent == m_window)
            break;
        child = parent;
    }
    if (child == nullptr)
        return;
    const int index = m_nativeWindows.Find(child);
    if (index < 0)
        return;
    CControlUI* control = static_cast<CControlUI*>(m_nativeWindowControls.ItemAt(index));
    if (control != m_focus)
        SetFocusControl(control, false);
}

}  // namespace SkinUI
