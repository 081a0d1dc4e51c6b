// The borderless frame of a skinned window and the default message handlers.
#include "ui/core/control.h"
#include "ui/core/window_impl_base.h"
#include "ui/core/window_impl_base_frame.h"

namespace SkinUI {

namespace {

LRESULT LeaveUnhandled(bool& handled)
{
    handled = false;
    return 0;
}

MONITORINFO MonitorOf(HWND window)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor;
}

}  // namespace

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnMouseHover(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnChar(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }
LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, bool& handled) { return LeaveUnhandled(handled); }

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, bool&)
{
    return 0;
}

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, bool& handled)
{
    if (IsIconic(m_hwnd))
        return LeaveUnhandled(handled);
    return wParam == 0 ? TRUE : FALSE;
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM lParam, bool&)
{
    if (!IsZoomed(m_hwnd))
        return 0;
    // The first rectangle, alone or at the start of NCCALCSIZE_PARAMS.
    RECT* proposed = reinterpret_cast<RECT*>(lParam);
    *proposed = MaximizedClientRect(*proposed, MonitorOf(m_hwnd).rcWork);
    return WVR_REDRAW;
}

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool&)
{
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ScreenToClient(m_hwnd, &point);
    RECT client;
    GetClientRect(m_hwnd, &client);
    const UINT zone = ClassifyFramePoint(point, client, m_manager.GetSizeBox(),
                                         m_manager.GetCaptionRect(), IsZoomed(m_hwnd) != FALSE);
    if (zone != HTCAPTION)
        return zone;
    CControlUI* control = m_manager.FindControlAt(point);
    if (control == nullptr || TakesCaptionClicks(control->GetClassName()))
        return HTCLIENT;
    return HTCAPTION;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool& handled)
{
    const MONITORINFO monitor = MonitorOf(m_hwnd);
    FillMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam), monitor.rcMonitor, monitor.rcWork,
                   m_manager.GetMinimumSize());
    return LeaveUnhandled(handled);
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, bool& handled)
{
    const SIZE corner = m_manager.GetRoundCorner();
    if (!IsIconic(m_hwnd) && (corner.cx != 0 || corner.cy != 0)) {
        RECT window;
        GetWindowRect(m_hwnd, &window);
        HRGN region = CreateRoundRectRgn(0, 0, window.right - window.left + 1,
                                         window.bottom - window.top + 1, corner.cx, corner.cy);
        // Once set, the region belongs to the system.
        if (region != nullptr && SetWindowRgn(m_hwnd, region, TRUE) == 0)
            DeleteObject(region);
    }
    return LeaveUnhandled(handled);
}

LRESULT WindowImplBase::OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool&)
{
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
        return 0;
    }
    const bool wasMaximized = IsZoomed(m_hwnd) != FALSE;
    const LRESULT result = CWindowWnd::ProcessMessage(message, wParam, lParam);
    if (m_hwnd != nullptr && (IsZoomed(m_hwnd) != FALSE) != wasMaximized)
        SwapMaximizeButtons(wasMaximized);
    return result;
}

void WindowImplBase::SwapMaximizeButtons(bool wasMaximized)
{
    CControlUI* maximize = m_manager.FindControlByName(L"maxbtn");
    CControlUI* restore = m_manager.FindControlByName(L"restorebtn");
    if (maximize == nullptr || restore == nullptr)
        return;
    maximize->SetVisible(wasMaximized);
    restore->SetVisible(!wasMaximized);
}

}  // namespace SkinUI
