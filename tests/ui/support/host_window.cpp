#include "tests/ui/support/host_window.h"

namespace SkinUI {
namespace test {

namespace {

const wchar_t kClassName[] = L"SkinUITestHost";

void RegisterHostClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
    registered = true;
}

}  // namespace

void PumpMessages(DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return;
            if (!CWindowManagerUI::PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            if (GetTickCount() - start >= ms)
                return;
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

HostWindow::HostWindow(int width, int height, DWORD style) : m_manager(new CWindowManagerUI)
{
    RegisterHostClass();
    m_hwnd = CreateWindowExW(0, kClassName, L"test", style, 0, 0, width, height, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWindow::WindowProc));
    m_manager->AttachWindow(m_hwnd, L"host");
}

HostWindow::~HostWindow()
{
    // The tree goes first, while the window still exists.
    m_manager.reset();
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hwnd);
}

LRESULT CALLBACK HostWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    HostWindow* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && self->m_manager) {
        LRESULT result = 0;
        if (self->m_manager->HandleWindowMessage(message, wParam, lParam, result))
            return result;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void HostWindow::Pump(DWORD ms)
{
    PumpMessages(ms);
}

void HostWindow::ShowAndPaint()
{
    ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(m_hwnd);
    Pump(20);
}

LRESULT HostWindow::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(m_hwnd, message, wParam, lParam);
}

}  // namespace test
}  // namespace SkinUI
