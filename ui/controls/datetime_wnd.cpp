#include "ui/controls/datetime_wnd.h"

#include <commctrl.h>

#include "ui/controls/datetime.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

// Notifications of the picker come back to it reflected by the framework window.
constexpr UINT kReflectedNotify = 0x2000 + WM_NOTIFY;

// The picker's class exists only once the date classes are initialised.
void InitDateClasses()
{
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_DATE_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)initialised;
}

}  // namespace

const wchar_t* CDateTimeWnd::GetWindowClassName() const
{
    return L"DateTimeWnd";
}

const wchar_t* CDateTimeWnd::GetSuperClassName() const
{
    return DATETIMEPICK_CLASSW;
}

CWindowManagerUI* CDateTimeWnd::Manager() const
{
    return m_owner != nullptr ? m_owner->GetManager() : nullptr;
}

CDateTimeWnd* CDateTimeWnd::Open(CDateTimeUI* owner)
{
    CDateTimeWnd* window = new CDateTimeWnd;
    if (!window->Init(owner)) {
        delete window;
        return nullptr;
    }
    return window;
}

bool CDateTimeWnd::CreatePicker()
{
    CWindowManagerUI* manager = Manager();
    if (manager == nullptr || manager->GetWindowHandle() == nullptr)
        return false;
    InitDateClasses();
    if (CreateInRect(manager->GetWindowHandle(), nullptr, WS_CHILD, 0, CalculatePosition()) ==
        nullptr)
        return false;
    SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(manager->GetFontHandle(m_owner->GetFont())),
                 TRUE);
    return true;
}

bool CDateTimeWnd::Init(CDateTimeUI* owner)
{
    m_owner = owner;
    owner->m_updateMode = kDateTimeKeep;
    if (m_hwnd == nullptr && !CreatePicker())
        return false;
    if (owner->GetText().IsEmpty())
        GetLocalTime(&owner->m_time);
    SendMessageW(m_hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&owner->m_time));
    ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    ::SetFocus(m_hwnd);
    return true;
}

RECT CDateTimeWnd::CalculatePosition() const
{
    const RECT empty = {0, 0, 0, 0};
    if (m_owner == nullptr)
        return empty;
    RECT rect = m_owner->GetPosition();
    if (!m_owner->ClipToAncestorClients(rect))
        return empty;
    return rect;
}

void CDateTimeWnd::Detach()
{
    if (CWindowManagerUI* manager = Manager())
        manager->RemoveNativeWindow(m_hwnd);
    m_owner = nullptr;
    if (m_hwnd != nullptr && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);  // ends in OnFinalMessage, which deletes this
    else
        delete this;
}

void CDateTimeWnd::OnFinalMessage(HWND formerWindow)
{
    if (m_owner != nullptr) {
        if (CWindowManagerUI* manager = m_owner->GetManager())
            manager->RemoveNativeWindow(formerWindow);
        m_owner->m_window = nullptr;
        m_owner->Invalidate();
    }
    delete this;
}

LRESULT CDateTimeWnd::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (CWindowManagerUI* manager = Manager())
            manager->AddNativeWindow(m_owner, m_hwnd);
        break;
    case WM_PAINT:
        if (CWindowManagerUI* manager = Manager()) {
            if (manager->IsLayered())
                manager->AddNativeWindow(m_owner, m_hwnd);
        }
        break;
    case WM_KEYUP:
        return OnKeyUp(wParam, lParam);
    case WM_KILLFOCUS:
        return OnKillFocus(wParam, lParam);
    case kReflectedNotify:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == DTN_CLOSEUP)
            OnCloseUp();
        break;
    default:
        break;
    }
    return CWindowWnd::ProcessMessage(message, wParam, lParam);
}

LRESULT CDateTimeWnd::OnKeyUp(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CWindowWnd::ProcessMessage(WM_KEYUP, wParam, lParam);
    if (m_owner == nullptr)
        return result;
    if (wParam == VK_BACK || wParam == VK_DELETE) {
        m_owner->m_updateMode = kDateTimeCleared;
        m_owner->UpdateText();
        PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
    } else if (wParam == VK_ESCAPE) {
        m_owner->m_updateMode = kDateTimeCancelled;
        PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
    }
    return result;
}

LRESULT CDateTimeWnd::OnKillFocus(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CWindowWnd::ProcessMessage(WM_KILLFOCUS, wParam, lParam);
    // The picker's own drop-down calendar takes the focus while it is open.
    HWND gaining = reinterpret_cast<HWND>(wParam);
    if (gaining == nullptr || gaining != DropDownCalendar())
        Finish(gaining, lParam);
    return result;
}

HWND CDateTimeWnd::DropDownCalendar() const
{
    return reinterpret_cast<HWND>(SendMessageW(m_hwnd, DTM_GETMONTHCAL, 0, 0));
}

// A calendar that closes without giving the focus back ends the picking.
void CDateTimeWnd::OnCloseUp()
{
    HWND focus = GetFocus();
    if (focus != m_hwnd)
        Finish(focus, 0);
}

void CDateTimeWnd::Finish(HWND gaining, LPARAM lParam)
{
    // Kept apart: the framework's handling may end the control and this object.
    HWND self = m_hwnd;
    CWindowManagerUI* manager = Manager();
    if (m_owner != nullptr && m_owner->m_updateMode == kDateTimeKeep) {
        SYSTEMTIME picked = {};
        if (SendMessageW(m_hwnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&picked)) == GDT_VALID)
            m_owner->m_time = picked;
        m_owner->m_updateMode = kDateTimeTakeDate;
        m_owner->UpdateText();
    }
    HWND framework = manager != nullptr ? manager->GetWindowHandle() : nullptr;
    if (framework != nullptr && gaining != framework)
        SendMessageW(framework, WM_KILLFOCUS, reinterpret_cast<WPARAM>(gaining), lParam);
    PostMessageW(self, WM_CLOSE, 0, 0);
}

}  // namespace SkinUI
