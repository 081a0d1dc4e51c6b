#include "ui/controls/activex_wnd.h"

#include "ui/controls/activex.h"
#include "ui/controls/activex_site.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CActiveXWnd::CActiveXWnd(CActiveXCtrl* site) : m_site(site) {}

HWND CActiveXWnd::Init(HWND parent, const RECT& position)
{
    return CreateInRect(parent, L"UIActiveX", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                        position);
}

const wchar_t* CActiveXWnd::GetWindowClassName() const
{
    return L"ActiveXWnd";
}

CWindowManagerUI* CActiveXWnd::Manager() const
{
    if (m_site == nullptr || m_site->m_owner == nullptr)
        return nullptr;
    return m_site->m_owner->GetManager();
}

void CActiveXWnd::OnFinalMessage(HWND formerWindow)
{
    if (CWindowManagerUI* manager = Manager())
        manager->RemoveNativeWindow(formerWindow);
    if (m_site != nullptr)
        m_site->m_hostWindow = nullptr;
    delete this;
}

LRESULT CActiveXWnd::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        break;
    case WM_TIMER:
        if (wParam == kCaretTimerId) {
            OnCaretTimer();
            return 0;
        }
        break;
    case WM_PAINT:
        ValidateRect(m_hwnd, nullptr);
        return 0;
    case WM_ERASEBKGND:
        if (m_site == nullptr || m_site->GetViewObject() == nullptr)
            return 1;
        break;
    case WM_SETFOCUS:
        OnSetFocus();
        break;
    case WM_KILLFOCUS:
        if (m_site != nullptr)
            m_site->m_focused = false;
        break;
    case WM_MOUSEACTIVATE:
        OnMouseActivate();
        break;
    case WM_MOUSEWHEEL:
        return 0;
    case WM_PRINT:
        OnPrint(reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        break;
    }
    return CWindowWnd::ProcessMessage(message, wParam, lParam);
}

void CActiveXWnd::OnCreate()
{
    CWindowManagerUI* manager = Manager();
    if (manager == nullptr)
        return;
    manager->AddNativeWindow(m_site->m_owner, m_hwnd);
    if (manager->IsLayered())
        SetTimer(m_hwnd, kCaretTimerId, kCaretTimerPeriodMs, nullptr);
}

void CActiveXWnd::OnCaretTimer()
{
    CWindowManagerUI* manager = Manager();
    if (manager == nullptr || !manager->IsLayered())
        return;
    // The layered window shows this window only through its own repaint.
    manager->InvalidateArea(manager->GetChildWindowRect(m_hwnd));
    if (++m_caretTicks % kTicksPerCaretBlink == 0)
        m_caretVisible = !m_caretVisible;
}

void CActiveXWnd::OnSetFocus()
{
    if (m_site == nullptr || m_site->m_owner == nullptr)
        return;
    m_site->m_focused = true;
    IOleObject* object = m_site->m_owner->m_object;
    if (!m_site->m_uiActive && object != nullptr) {
        RECT client;
        GetClientRect(m_hwnd, &client);
        object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, m_site, 0, m_hwnd, &client);
    }
}

void CActiveXWnd::OnMouseActivate()
{
    if (m_site == nullptr || m_site->m_owner == nullptr || m_site->m_owner->m_object == nullptr)
        return;
    IOleObject* object = m_site->m_owner->m_object;
    DWORD miscStatus = 0;
    object->GetMiscStatus(DVASPECT_CONTENT, &miscStatus);
    if ((miscStatus & OLEMISC_NOUIACTIVATE) != 0 || m_site->m_inPlaceActive)
        return;
    RECT client;
    GetClientRect(m_hwnd, &client);
    object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_site, 0, m_hwnd, &client);
}

void CActiveXWnd::OnPrint(HDC dc)
{
    if (m_site == nullptr || dc == nullptr)
        return;
    RECT client;
    GetClientRect(m_hwnd, &client);
    m_site->DrawControl(dc, client);
    POINT caret;
    if (m_caretVisible && GetCaretPos(&caret) && PtInRect(&client, caret)) {
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        MoveToEx(dc, caret.x, caret.y, nullptr);
        LineTo(dc, caret.x, caret.y + metrics.tmHeight);
        SelectObject(dc, oldPen);
    }
}

}  // namespace SkinUI
