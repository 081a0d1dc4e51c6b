// The yardstick of the start-up benchmark: a bare Win32 window of the main
// window's size, painted with one brush, closed by WM_CLOSE.
#include <windows.h>

namespace {

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &BareProc;
    wc.hInstance = instance;
    wc.hbrBackground = CreateSolidBrush(RGB(0x1A, 0x1C, 0x22));
    wc.lpszClassName = L"BareWindow";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, wc.lpszClassName, L"Bare", WS_POPUP | WS_VISIBLE, 0, 0, 1310,
                                  749, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
