#include "ui/core/window_wnd.h"

#include "ui/core/modal_loops.h"
#include "ui/core/window_disable.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_wnd_geometry.h"

namespace SkinUI {

namespace {

// Superclassed windows keep their object here; their class's own procedure
// may use the user data.
const wchar_t kObjectProperty[] = L"WndX";

bool RegisteredOrPresent(ATOM atom)
{
    return atom != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

CWindowWnd::CWindowWnd() = default;

CWindowWnd::~CWindowWnd()
{
    if (m_hwnd != nullptr && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

const wchar_t* CWindowWnd::GetSuperClassName() const
{
    return nullptr;
}

UINT CWindowWnd::GetWindowClassStyle() const
{
    return 0;
}

LRESULT CWindowWnd::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(m_previousProcedure, m_hwnd, message, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND) {}

HWND CWindowWnd::Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                        int width, int height, HMENU menu)
{
    const bool registered = GetSuperClassName() != nullptr ? RegisterSuperclass() : RegisterWindowClass();
    if (!registered)
        return nullptr;
    m_creating = true;
    m_hwnd = CreateWindowExW(exStyle, GetWindowClassName(), title, style, x, y, width, height, parent,
                             menu, CWindowManagerUI::GetInstance(), this);
    m_creating = false;
    return m_hwnd;
}

HWND CWindowWnd::CreateInRect(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle,
                              const RECT& rect, HMENU menu)
{
    return Create(parent, title, style, exStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, menu);
}

bool CWindowWnd::RegisterWindowClass()
{
    WNDCLASSW wc = {};
    wc.style = GetWindowClassStyle();
    wc.lpfnWndProc = &CWindowWnd::WindowProcedure;
    wc.hInstance = CWindowManagerUI::GetInstance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = GetWindowClassName();
    return RegisteredOrPresent(RegisterClassW(&wc));
}

bool CWindowWnd::RegisterSuperclass()
{
    const HINSTANCE instance = CWindowManagerUI::GetInstance();
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(nullptr, GetSuperClassName(), &wc) &&
        !GetClassInfoExW(instance, GetSuperClassName(), &wc))
        return false;
    // The source class's style and extra bytes stay as they are.
    m_previousProcedure = wc.lpfnWndProc;
    wc.lpfnWndProc = &CWindowWnd::ControlProcedure;
    wc.hInstance = instance;
    wc.lpszClassName = GetWindowClassName();
    return RegisteredOrPresent(RegisterClassExW(&wc));
}

LRESULT CALLBACK CWindowWnd::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return RouteMessage(hwnd, message, wParam, lParam, false);
}

LRESULT CALLBACK CWindowWnd::ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return RouteMessage(hwnd, message, wParam, lParam, true);
}

LRESULT CWindowWnd::RouteMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool inProperty)
{
    CWindowWnd* window = nullptr;
    if (message == WM_NCCREATE) {
        window = static_cast<CWindowWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (window != nullptr) {
            window->m_hwnd = hwnd;
            StoreObject(hwnd, window, inProperty);
        }
    } else {
        window = StoredObject(hwnd, inProperty);
        if (message == WM_NCDESTROY && window != nullptr) {
            const LRESULT result =
                CallWindowProcW(window->m_previousProcedure, hwnd, message, wParam, lParam);
            StoreObject(hwnd, nullptr, inProperty);
            window->m_hwnd = nullptr;
            window->ReturnModalOwner();
            if (!window->m_creating)
                window->OnFinalMessage(hwnd);
            return result;
        }
    }
    if (window == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_CLOSE)
        window->ReturnModalOwner();
    return window->ProcessMessage(message, wParam, lParam);
}

void CWindowWnd::StoreObject(HWND hwnd, CWindowWnd* window, bool inProperty)
{
    if (!inProperty)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    else if (window != nullptr)
        SetPropW(hwnd, kObjectProperty, window);
    else
        RemovePropW(hwnd, kObjectProperty);
}

CWindowWnd* CWindowWnd::StoredObject(HWND hwnd, bool inProperty)
{
    if (inProperty)
        return static_cast<CWindowWnd*>(GetPropW(hwnd, kObjectProperty));
    return reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus)
{
    if (m_hwnd == nullptr || !IsWindow(m_hwnd))
        return;
    ::ShowWindow(m_hwnd, !show ? SW_HIDE : takeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
}

UINT CWindowWnd::RunModal()
{
    // The object may be gone once its window is: the loop keeps to locals.
    HWND window = m_hwnd;
    if (window == nullptr || !IsWindow(window))
        return 0;
    if (ModalLoopsEnded()) {
        DestroyWindow(window);
        return 0;
    }
    const ModalLoopScope loop;
    HWND owner = GetWindow(window, GW_OWNER);
    ::ShowWindow(window, SW_SHOWNORMAL);
    HoldWindowDisabled(owner);
    m_modalOwner = owner;
    UINT result = 0;
    bool quit = false;
    MSG msg = {};
    while (IsWindow(window)) {
        if (ModalLoopsEnded()) {
            DestroyWindow(window);
            break;
        }
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            quit = true;
            break;
        }
        if (got < 0)
            break;
        if (msg.message == WM_CLOSE && msg.hwnd == window)
            result = static_cast<UINT>(msg.wParam);
        if (!CWindowManagerUI::PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // Ended under a closing window, the loop is cancelled whatever it saw.
    if (ModalLoopsEnded())
        result = 0;
    // A window that went has handed its owner back (at WM_CLOSE or as it went).
    if (IsWindow(window))
        ReturnModalOwner();
    if (owner != nullptr && IsWindowEnabled(owner))
        SetFocus(owner);
    if (quit)
        PostQuitMessage(static_cast<int>(msg.wParam));
    return result;
}

// The owner goes back before the window is destroyed: were it still disabled
// as the window goes, the system would activate another program's window.
void CWindowWnd::ReturnModalOwner()
{
    HWND owner = m_modalOwner;
    if (owner == nullptr)
        return;
    m_modalOwner = nullptr;
    if (ReleaseWindowDisabled(owner))
        SetFocus(owner);
}

void CWindowWnd::Close(UINT result)
{
    if (m_hwnd != nullptr && IsWindow(m_hwnd))
        PostMessageW(m_hwnd, WM_CLOSE, result, 0);
}

void CWindowWnd::CenterWindow()
{
    if (m_hwnd == nullptr || !IsWindow(m_hwnd))
        return;
    RECT window;
    GetWindowRect(m_hwnd, &window);
    HWND owner = GetWindow(m_hwnd, GW_OWNER);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : m_hwnd, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    RECT centre = monitor.rcWork;
    if (owner != nullptr && !IsIconic(owner))
        GetWindowRect(owner, &centre);
    const POINT corner = CenterRectOver(window, centre, monitor.rcWork);
    SetWindowPos(m_hwnd, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWindowWnd::SendWindowMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(m_hwnd, message, wParam, lParam);
}

LRESULT CWindowWnd::PostWindowMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostMessageW(m_hwnd, message, wParam, lParam);
}

}  // namespace SkinUI
