#include "ui/controls/datetime.h"

#include <cwchar>

#include "ui/controls/datetime_wnd.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CDateTimeUI::CDateTimeUI()
{
    GetLocalTime(&m_time);
    m_updateMode = kDateTimeTakeDate;
    UpdateText();
    m_updateMode = kDateTimeKeep;
}

CDateTimeUI::~CDateTimeUI()
{
    ClosePicker();
}

const wchar_t* CDateTimeUI::GetClassName() const
{
    return L"DateTime";
}

void* CDateTimeUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"DateTime") == 0)
        return this;
    return CLabelUI::GetInterfaceByName(name);
}

HWND CDateTimeUI::GetNativeWindow() const
{
    return m_window != nullptr ? m_window->GetWindowHandle() : nullptr;
}

void CDateTimeUI::SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize)
{
    // The picker is a child of the old manager's window.
    if (manager != m_manager)
        ClosePicker();
    CLabelUI::SetManager(manager, parent, initialize);
}

void CDateTimeUI::SetTime(const SYSTEMTIME& time)
{
    m_time = time;
    m_updateMode = kDateTimeTakeDate;
    UpdateText();
    m_updateMode = kDateTimeKeep;
}

void CDateTimeUI::UpdateText()
{
    if (m_updateMode == kDateTimeTakeDate) {
        CUIString text;
        text.Format(L"%4d-%02d-%02d", m_time.wYear, m_time.wMonth, m_time.wDay);
        SetText(text);
    } else if (m_updateMode == kDateTimeCleared) {
        SetText(L"");
    }
}

void CDateTimeUI::OpenPicker()
{
    if (m_window == nullptr)
        m_window = CDateTimeWnd::Open(this);
    else
        m_window->Init(this);
    if (m_window != nullptr)
        m_window->ShowWindow(true, true);
}

void CDateTimeUI::ClosePicker()
{
    if (m_window == nullptr)
        return;
    CDateTimeWnd* window = m_window;
    m_window = nullptr;
    window->Detach();
}

void CDateTimeUI::PlacePicker()
{
    HWND window = GetNativeWindow();
    if (window == nullptr)
        return;
    const RECT rect = m_window->CalculatePosition();
    if (IsRectEmpty(&rect))
        ::ShowWindow(window, SW_HIDE);
    else
        SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
}

void CDateTimeUI::SetPosition(RECT rect, bool invalidate)
{
    CLabelUI::SetPosition(rect, invalidate);
    PlacePicker();
}

void CDateTimeUI::MoveBy(int dx, int dy, bool invalidate)
{
    CLabelUI::MoveBy(dx, dy, invalidate);
    PlacePicker();
}

void CDateTimeUI::HandleEvent(EventRecordUI& event)
{
    if (ForwardMouseEventWhenMouseDisabled(event))
        return;
    switch (event.type) {
    case EventTypeUI::SetCursor:
        if (IsEnabled()) {
            ::SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
            return;
        }
        break;
    case EventTypeUI::WindowSize:
        if (m_window != nullptr && m_manager != nullptr) {
            m_manager->SetFocusFromTabOrder(this);
            return;
        }
        break;
    case EventTypeUI::ScrollWheel:
        if (m_window != nullptr)
            return;
        break;
    case EventTypeUI::SetFocus:
        if (IsEnabled() && m_window == nullptr)
            OpenPicker();
        break;
    case EventTypeUI::KillFocus:
        if (IsEnabled())
            Invalidate();
        break;
    default:
        if (HandleMouseEvent(event))
            return;
        break;
    }
    CLabelUI::HandleEvent(event);
}

// True when the event is done.
bool CDateTimeUI::HandleMouseEvent(EventRecordUI& event)
{
    switch (event.type) {
    case EventTypeUI::MouseMove:
    case EventTypeUI::ButtonUp:
    case EventTypeUI::ContextMenu:
        return true;
    case EventTypeUI::ButtonDown:
    case EventTypeUI::RightButtonDown:
    case EventTypeUI::DoubleClick:
        if (!IsEnabled())
            return false;
        if (m_manager != nullptr)
            m_manager->ReleaseMouse();
        // A focused control without a picker opens one; an open one starts over.
        if (IsFocused() || m_window != nullptr)
            OpenPicker();
        return true;
    default:
        return false;
    }
}

}  // namespace SkinUI
