#include "app/windows/menu/menu_wnd.h"

#include "app/windows/menu/menu_rules.h"
#include "app/windows/menu/shadow_wnd.h"
#include "app/windows/owner_faces.h"
#include "ui/core/layout_builder.h"

using namespace SkinUI;

namespace {

constexpr DWORD kShadowStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kShadowExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
constexpr DWORD kMenuStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kMenuExStyle = WS_EX_TOOLWINDOW;
constexpr int kShadowInset = 8;

}  // namespace

const wchar_t* CMenuWnd::GetWindowClassName() const
{
    return L"MenuWnd";
}

void CMenuWnd::ShowAt(CControlUI* owner, int x, int y)
{
    if (owner == nullptr)
        return;
    m_owner = owner;
    m_x = x;
    m_y = y;
    if (m_hwnd != nullptr) {
        AdjustPosition();
        return;
    }
    HWND parent = owner->GetManager() != nullptr ? owner->GetManager()->GetWindowHandle() : nullptr;
    if (m_shadowWindow == nullptr)
        m_shadowWindow = CShadowWnd::Make(parent, kShadowStyle, kShadowExStyle);
    // A menu that cannot be shown goes at once; its windows delete it otherwise.
    if (Create(parent, nullptr, kMenuStyle, kMenuExStyle) == nullptr) {
        if (IsWindow(m_shadowWindow))
            PostMessageW(m_shadowWindow, WM_CLOSE, 1, 0);
        delete this;
        return;
    }
    HWND topLevel = m_hwnd;
    while (GetParent(topLevel) != nullptr)
        topLevel = GetParent(topLevel);
    ::ShowWindow(m_hwnd, SW_SHOW);
    SendMessageW(topLevel, WM_NCACTIVATE, TRUE, 0);
}

void CMenuWnd::OnCreate()
{
    m_manager.AttachWindow(m_hwnd);
    const wchar_t* layout = MenuLayoutForList(m_owner->GetName());
    if (layout != nullptr) {
        CLayoutBuilderUI builder;
        CControlUI* root = builder.Create(layout, nullptr, nullptr, &m_manager);
        if (root != nullptr)
            m_manager.AttachRoot(root);
    }
    if (m_owner->GetManager() != nullptr)
        TakeOwnerFaces(m_manager, *m_owner->GetManager());
    m_manager.AddNotifyReceiver(this);
    m_manager.SetRoundCorner(3, 3);
    AdjustPosition();
}

void CMenuWnd::AdjustPosition()
{
    RECT window;
    GetWindowRect(m_hwnd, &window);
    const RECT wanted = {m_x, m_y, m_x + (window.right - window.left), m_y + (window.bottom - window.top)};
    // The monitor of the requested point: the new window still stands at the
    // default position, which may lie on another monitor.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint(POINT{m_x, m_y}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT fitted = FitMenuIntoWorkArea(wanted, monitor.rcWork);
    SetWindowPos(m_hwnd, nullptr, fitted.left, fitted.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMenuWnd::OnSize(WPARAM wParam)
{
    RECT window;
    GetWindowRect(m_hwnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    if (wParam != SIZE_MINIMIZED) {
        HRGN region = CreateRectRgn(kShadowInset, kShadowInset, width - kShadowInset, height - kShadowInset);
        if (SetWindowRgn(m_hwnd, region, TRUE) == 0)
            DeleteObject(region);
    }
    if (IsWindow(m_shadowWindow))
        SetWindowPos(m_shadowWindow, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMenuWnd::OnMove()
{
    RECT window;
    GetWindowRect(m_hwnd, &window);
    if (IsWindow(m_shadowWindow))
        SetWindowPos(m_shadowWindow, nullptr, window.left, window.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CMenuWnd::OnKillFocus(HWND gaining, LRESULT& result)
{
    if (gaining == m_hwnd)
        return true;
    if (gaining != nullptr && gaining == m_shadowWindow) {
        result = CWindowWnd::ProcessMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(gaining), 0);
        SetFocus(m_hwnd);
        return true;
    }
    Close(1);
    return false;
}

LRESULT CMenuWnd::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_MOVE:
        OnMove();
        break;
    case WM_SIZE:
        OnSize(wParam);
        break;
    case WM_KILLFOCUS:
        if (OnKillFocus(reinterpret_cast<HWND>(wParam), result))
            return result;
        break;
    case WM_CLOSE:
        if (IsWindow(m_shadowWindow))
            PostMessageW(m_shadowWindow, WM_CLOSE, 1, 0);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            Close(1);
        return 0;
    case WM_MOUSEWHEEL:
        return 0;
    default:
        break;
    }
    if (m_manager.HandleWindowMessage(message, wParam, lParam, result))
        return result;
    return CWindowWnd::ProcessMessage(message, wParam, lParam);
}

void CMenuWnd::Notify(NotifyRecordUI& record)
{
    if (record.type == L"itemselect") {
        Close(1);
        return;
    }
    if (record.type != L"itemclick" || record.sender == nullptr || m_owner == nullptr)
        return;
    const CUIString item = record.sender->GetName();
    if (IsReportedMenuItem(item) && m_owner->GetManager() != nullptr)
        m_owner->GetManager()->SendNotification(m_owner, item, 0, 0, true, true);
}

void CMenuWnd::OnFinalMessage(HWND)
{
    delete this;
}
