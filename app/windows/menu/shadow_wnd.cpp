#include "app/windows/menu/shadow_wnd.h"

using SkinUI::CRendererUI;

CShadowWnd::CShadowWnd()
{
    m_image.description = L"file='menu_bk.png' corner='40,8,8,8'";
}

HWND CShadowWnd::Make(HWND parent, DWORD style, DWORD exStyle)
{
    auto* shadow = new CShadowWnd();
    const HWND window = shadow->Create(parent, L"", style, exStyle);
    if (window == nullptr)
        delete shadow;
    return window;
}

const wchar_t* CShadowWnd::GetWindowClassName() const
{
    return L"UIShadow";
}

UINT CShadowWnd::GetWindowClassStyle() const
{
    return CS_HREDRAW | CS_VREDRAW;
}

LRESULT CShadowWnd::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        SetTimer(m_hwnd, kPaintTimer, 10, nullptr);
        break;
    case WM_SIZE:
        m_needsPaint = true;
        break;
    case WM_CLOSE:
        KillTimer(m_hwnd, kPaintTimer);
        break;
    case WM_TIMER:
        if (wParam == kPaintTimer && m_needsPaint && !IsIconic(m_hwnd))
            Paint();
        break;
    default:
        break;
    }
    return CWindowWnd::ProcessMessage(message, wParam, lParam);
}

void CShadowWnd::OnFinalMessage(HWND)
{
    delete this;
}

void CShadowWnd::Paint()
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BYTE* bits = nullptr;
    HBITMAP bitmap = CRendererUI::CreateArgbBitmap(screen, width, height, &bits);
    if (bitmap != nullptr) {
        ZeroMemory(bits, static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        CRendererUI::DrawImageDescription(memory, &m_manager, client, client, m_image);
        RECT window;
        GetWindowRect(m_hwnd, &window);
        POINT destination = {window.left, window.top};
        SIZE size = {width, height};
        POINT source = {0, 0};
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UpdateLayeredWindow(m_hwnd, screen, &destination, &size, memory, &source, 0, &blend, ULW_ALPHA);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    m_needsPaint = false;
}
