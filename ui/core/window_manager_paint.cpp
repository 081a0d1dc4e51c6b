#include <algorithm>
#include <cstring>

#include "ui/core/clip_region.h"
#include "ui/core/control.h"
#include "ui/core/render_api.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_manager_shared.h"

namespace SkinUI {

namespace {

constexpr UINT kLayeredTimerPeriodMs = 10;

long long Area(const RECT& rect)
{
    return static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
}

// Clears the pixels of `area` in a bottom-up 32-bit DIB of the given size.
void ZeroBottomUpArea(BYTE* bits, int width, int height, const RECT& area)
{
    if (bits == nullptr)
        return;
    const int left = std::max<int>(area.left, 0);
    const int right = std::min<int>(area.right, width);
    for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, height) && left < right; ++y)
        memset(bits + (static_cast<size_t>(height - 1 - y) * width + left) * 4, 0,
               static_cast<size_t>(right - left) * 4);
}

}  // namespace

void CWindowManagerUI::InvalidateArea(const RECT& area)
{
    // Without a window, InvalidateRect would repaint the whole desktop.
    if (m_window == nullptr)
        return;
    RECT rect = area;
    rect.left = std::max<LONG>(rect.left, 0);
    rect.top = std::max<LONG>(rect.top, 0);
    rect.right = std::max(rect.right, rect.left);
    rect.bottom = std::max(rect.bottom, rect.top);
    // An empty rectangle adds nothing; controls not laid out yet (all of a
    // layout being built) have one, and each InvalidateRect is a server call.
    if (IsRectEmpty(&rect))
        return;
    if (m_layered) {
        UnionRect(&m_layeredUpdate, &m_layeredUpdate, &rect);
        return;
    }
    // Each InvalidateRect is a server call: an area inside one already
    // waiting for the next paint adds nothing (a switched page, a language's
    // texts: hundreds of controls inside their page's area).
    RECT inside;
    if (IntersectRect(&inside, &rect, &m_pendingUpdate) && EqualRect(&inside, &rect))
        return;
    InvalidateRect(m_window, &rect, FALSE);
    if (Area(rect) > Area(m_pendingUpdate))
        m_pendingUpdate = rect;
}

void CWindowManagerUI::InvalidateAll()
{
    if (m_window == nullptr)
        return;
    if (m_layered) {
        RECT client;
        GetClientRect(m_window, &client);
        UnionRect(&m_layeredUpdate, &m_layeredUpdate, &client);
    } else {
        InvalidateRect(m_window, nullptr, FALSE);
        GetClientRect(m_window, &m_pendingUpdate);
    }
}

void CWindowManagerUI::DeleteOffscreen()
{
    if (m_offscreenDC != nullptr)
        DeleteDC(m_offscreenDC);
    if (m_offscreenBitmap != nullptr)
        DeleteObject(m_offscreenBitmap);
    if (m_backgroundDC != nullptr)
        DeleteDC(m_backgroundDC);
    if (m_backgroundBitmap != nullptr)
        DeleteObject(m_backgroundBitmap);
    m_offscreenDC = nullptr;
    m_offscreenBitmap = nullptr;
    m_offscreenBits = nullptr;
    m_backgroundDC = nullptr;
    m_backgroundBitmap = nullptr;
    m_backgroundBits = nullptr;
}

void CWindowManagerUI::LayoutTree(const RECT& client)
{
    if (m_root->IsLayoutNeeded()) {
        // The offscreen bitmap stays while it fits the client area; a layered
        // window's starts transparent for every layout.
        if (m_layered || m_offscreenSize.cx != client.right || m_offscreenSize.cy != client.bottom)
            DeleteOffscreen();
        m_root->SetPosition(client, true);
        return;
    }
    m_needsUpdate.Clear();
    m_root->FindControl(
        [](CControlUI* control, void*) -> CControlUI* {
            if (!control->IsLayoutNeeded())
                return nullptr;
            if (control->GetManager() != nullptr)
                control->GetManager()->AddNeedsUpdate(control);
            return control;
        },
        nullptr, kFindMeFirst | kFindVisible | kFindUpdateTest);
    while (!m_needsUpdate.IsEmpty()) {
        CControlUI* control = static_cast<CControlUI*>(m_needsUpdate.ItemAt(0));
        m_needsUpdate.RemoveRange(0, 1);
        control->SetPosition(control->IsFloating() ? control->GetRelativePosition()
                                                   : control->GetPosition(),
                             true);
    }
}

void CWindowManagerUI::OnPaint()
{
    if (m_root == nullptr) {
        PAINTSTRUCT ps;
        BeginPaint(m_window, &ps);
        CRendererUI::FillColor(m_windowDC, ps.rcPaint, 0xFF000000);
        EndPaint(m_window, &ps);
        return;
    }
    RECT client;
    GetClientRect(m_window, &client);
    RECT paintArea;
    if (m_layered) {
        m_offscreenPainting = true;
        paintArea = m_layeredUpdate;
        paintArea.right = std::min(paintArea.right, client.right);
        paintArea.bottom = std::min(paintArea.bottom, client.bottom);
        if (IsRectEmpty(&paintArea)) {
            PAINTSTRUCT ps;
            BeginPaint(m_window, &ps);
            EndPaint(m_window, &ps);
            return;
        }
        SetRectEmpty(&m_layeredUpdate);
    } else if (!GetUpdateRect(m_window, &paintArea, FALSE)) {
        SetRectEmpty(&m_pendingUpdate);
        return;
    }

    if (m_focusPending)
        FocusNextTabStop(true);
    m_painting = true;
    if (m_layoutPending) {
        m_layoutPending = false;
        if (!IsRectEmpty(&client)) {
            LayoutTree(client);
            if (m_windowInitPending) {
                m_windowInitPending = false;
                SendNotification(m_root, L"windowinit");
            }
            if (m_layered && m_layeredChanged) {
                InvalidateAll();
                m_painting = false;
                return;
            }
        }
    } else if (m_layered && m_layeredChanged) {
        ZeroBottomUpArea(m_offscreenBits, client.right, client.bottom, client);
        m_root->SetPosition(client, true);
    }
    if (m_root == nullptr) {
        m_painting = false;
        return;
    }
    // Focus that waited for this layout lands now: its own invalidation was
    // taken back by this paint.
    if (m_focusPending && !m_layoutPending)
        FocusNextTabStop(true);

    if (m_offscreenPainting && m_offscreenBitmap == nullptr) {
        m_offscreenDC = CreateCompatibleDC(m_windowDC);
        m_offscreenBitmap = m_layered
                                ? CRendererUI::CreateArgbBitmap(m_windowDC, client.right, client.bottom,
                                                                &m_offscreenBits)
                                : CreateCompatibleBitmap(m_windowDC, client.right, client.bottom);
        m_offscreenSize = {client.right, client.bottom};
    }

    PAINTSTRUCT ps;
    BeginPaint(m_window, &ps);
    // Everything that waited, the layout's own requests too, counts as painted.
    SetRectEmpty(&m_pendingUpdate);
    if (m_offscreenPainting && m_offscreenDC != nullptr && m_offscreenBitmap != nullptr) {
        PaintOffscreen(paintArea, client);
    } else {
        const int saved = SaveDC(m_windowDC);
        m_root->Paint(m_windowDC, paintArea, nullptr);
        RestoreDC(m_windowDC, saved);
    }
    EndPaint(m_window, &ps);
    m_painting = false;
    m_layeredChanged = false;
    if (m_layoutPending)
        InvalidateAll();
}

void CWindowManagerUI::PaintOffscreen(const RECT& paintArea, const RECT& client)
{
    HGDIOBJ oldBitmap = SelectObject(m_offscreenDC, m_offscreenBitmap);
    const int saved = SaveDC(m_offscreenDC);
    if (m_layered && m_layeredImage->description.IsEmpty())
        ZeroBottomUpArea(m_offscreenBits, client.right, client.bottom, paintArea);
    m_root->Paint(m_offscreenDC, paintArea, nullptr);
    if (m_layered)
        PrintNativeWindows(paintArea);
    for (int i = 0; i < m_postPaintControls.GetSize(); ++i)
        static_cast<CControlUI*>(m_postPaintControls.ItemAt(i))->PostPaint(m_offscreenDC, paintArea);
    RestoreDC(m_offscreenDC, saved);

    if (m_layered) {
        ApplyLayeredBackground(paintArea, client);
        PresentLayered(client);
    } else {
        BitBlt(m_windowDC, paintArea.left, paintArea.top, paintArea.right - paintArea.left,
               paintArea.bottom - paintArea.top, m_offscreenDC, paintArea.left, paintArea.top, SRCCOPY);
        if (m_showUpdateRect) {
            HGDIOBJ oldPen = SelectObject(m_windowDC, SharedManagerState().updateRectPen);
            HGDIOBJ oldBrush = SelectObject(m_windowDC, GetStockObject(NULL_BRUSH));
            Rectangle(m_windowDC, paintArea.left, paintArea.top, paintArea.right, paintArea.bottom);
            SelectObject(m_windowDC, oldBrush);
            SelectObject(m_windowDC, oldPen);
        }
    }
    SelectObject(m_offscreenDC, oldBitmap);
}

void CWindowManagerUI::PrintNativeWindows(const RECT& paintArea)
{
    for (int i = m_nativeWindows.GetSize() - 1; i >= 0; --i) {
        HWND child = static_cast<HWND>(m_nativeWindows.ItemAt(i));
        if (!IsWindow(child)) {
            m_nativeWindows.RemoveRange(i, 1);
            m_nativeWindowControls.RemoveRange(i, 1);
            continue;
        }
        RECT rect = GetChildWindowRect(child);
        RECT visible;
        if (!IsWindowVisible(child) || !IntersectRect(&visible, &rect, &paintArea))
            continue;
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        BYTE* bits = nullptr;
        HBITMAP bitmap = CRendererUI::CreateArgbBitmap(m_offscreenDC, width, height, &bits);
        if (bitmap == nullptr)
            continue;
        HDC dc = CreateCompatibleDC(m_offscreenDC);
        HGDIOBJ old = SelectObject(dc, bitmap);
        memset(bits, 0, static_cast<size_t>(width) * height * 4);
        SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                     PRF_CHECKVISIBLE | PRF_CLIENT | PRF_CHILDREN | PRF_OWNED);
        GdiFlush();
        DWORD* pixels = reinterpret_cast<DWORD*>(bits);
        for (int p = 0; p < width * height; ++p)
            if (pixels[p] != 0)
                pixels[p] |= 0xFF000000;
        BitBlt(m_offscreenDC, rect.left, rect.top, width, height, dc, 0, 0, SRCCOPY);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
}

void CWindowManagerUI::ApplyLayeredBackground(const RECT& paintArea, const RECT& client)
{
    if (m_layeredImage->description.IsEmpty())
        return;
    const bool first = m_backgroundBitmap == nullptr;
    if (first) {
        m_backgroundDC = CreateCompatibleDC(m_windowDC);
        m_backgroundBitmap =
            CRendererUI::CreateArgbBitmap(m_windowDC, client.right, client.bottom, &m_backgroundBits);
        if (m_backgroundDC == nullptr || m_backgroundBitmap == nullptr)
            return;
        SelectObject(m_backgroundDC, m_backgroundBitmap);
    }
    if (first || m_layeredChanged) {
        memset(m_backgroundBits, 0, static_cast<size_t>(client.right) * client.bottom * 4);
        CClipRegionUI clip;
        CClipRegionUI::BeginRectClip(m_backgroundDC, client, clip);
        CRendererUI::DrawImageDescription(m_backgroundDC, this, client, client, *m_layeredImage);
        GdiFlush();
    }
    if (m_layeredImage->image == nullptr || !m_layeredImage->image->alpha || m_offscreenBits == nullptr)
        return;
    GdiFlush();
    const int width = client.right;
    const int height = client.bottom;
    for (int y = std::max<int>(paintArea.top, 0); y < std::min<int>(paintArea.bottom, height); ++y) {
        const size_t row = static_cast<size_t>(height - 1 - y) * width;
        for (int x = std::max<int>(paintArea.left, 0); x < std::min<int>(paintArea.right, width); ++x) {
            BYTE* pixel = m_offscreenBits + (row + x) * 4;
            const BYTE alpha = m_backgroundBits[(row + x) * 4 + 3];
            pixel[0] = static_cast<BYTE>(pixel[0] * alpha / 255);
            pixel[1] = static_cast<BYTE>(pixel[1] * alpha / 255);
            pixel[2] = static_cast<BYTE>(pixel[2] * alpha / 255);
            pixel[3] = alpha;
        }
    }
}

void CWindowManagerUI::PresentLayered(const RECT& client)
{
    RenderApiUI::UpdateLayeredWindowFn update = RenderApiUI::Get().updateLayeredWindow;
    if (update == nullptr)
        return;
    RECT window;
    GetWindowRect(m_window, &window);
    POINT destination = {window.left, window.top};
    SIZE size = {client.right, client.bottom};
    POINT source = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, m_opacity, AC_SRC_ALPHA};
    GdiFlush();
    update(m_window, m_windowDC, &destination, &size, m_offscreenDC, &source, 0, &blend, ULW_ALPHA);
}

void CWindowManagerUI::OnPrintClient(HDC dc, LPARAM flags)
{
    if (m_root == nullptr || dc == nullptr)
        return;
    RECT client;
    GetClientRect(m_window, &client);
    const int saved = SaveDC(dc);
    m_root->Paint(dc, client, nullptr);
    if ((flags & PRF_CHILDREN) != 0) {
        for (HWND child = GetWindow(m_window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const RECT rect = GetChildWindowRect(child);
            SetWindowOrgEx(dc, -rect.left, -rect.top, nullptr);
            SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags | PRF_NONCLIENT);
        }
    }
    RestoreDC(dc, saved);
}

void CWindowManagerUI::SetLayered(bool layered)
{
    if (m_window == nullptr || layered == m_layered)
        return;
    if ((GetWindowLongW(m_window, GWL_STYLE) & WS_CHILD) != 0)
        return;
    if (RenderApiUI::Get().updateLayeredWindow == nullptr)
        return;
    const LONG exStyle = GetWindowLongW(m_window, GWL_EXSTYLE);
    if (layered) {
        SetTimer(m_window, kLayeredTimerId, kLayeredTimerPeriodMs, nullptr);
        SetWindowLongW(m_window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    } else {
        KillTimer(m_window, kLayeredTimerId);
        SetWindowLongW(m_window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    }
    m_layered = layered;
    // The offscreen bitmap changes kind (a DIB with alpha when layered).
    DeleteOffscreen();
    if (m_root != nullptr)
        m_root->RequestLayout();
    InvalidateAll();
}

void CWindowManagerUI::SetOpacity(BYTE alpha)
{
    m_opacity = alpha;
    if (m_window == nullptr)
        return;
    RenderApiUI::SetLayeredWindowAttributesFn setAttributes = RenderApiUI::Get().setLayeredWindowAttributes;
    if (setAttributes == nullptr)
        return;
    const LONG exStyle = GetWindowLongW(m_window, GWL_EXSTYLE);
    if ((exStyle & WS_EX_LAYERED) == 0)
        SetWindowLongW(m_window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    setAttributes(m_window, 0, alpha, LWA_ALPHA);
    m_layered = false;
    InvalidateAll();
}

void CWindowManagerUI::SetLayeredOpacity(BYTE alpha)
{
    m_opacity = alpha;
    m_layeredChanged = true;
    InvalidateAll();
}

void CWindowManagerUI::SetLayeredImage(const wchar_t* description)
{
    m_layeredImage->Reset();
    m_layeredImage->description = description;
    const RECT none = {0, 0, 0, 0};
    CRendererUI::DrawImageDescription(nullptr, this, none, none, *m_layeredImage);
    m_layeredChanged = true;
    InvalidateAll();
}

}  // namespace SkinUI
