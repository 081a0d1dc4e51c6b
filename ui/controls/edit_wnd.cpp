#include "ui/controls/edit_wnd.h"

#include <vector>

#include "ui/controls/edit.h"
#include "ui/core/render_color.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

// Reflected messages arrive at the child as 0x2000 + the message.
constexpr UINT kReflectedCommand = 0x2000 + WM_COMMAND;
constexpr UINT kReflectedColorEdit = 0x2000 + WM_CTLCOLOREDIT;
constexpr UINT kReflectedColorStatic = 0x2000 + WM_CTLCOLORSTATIC;
constexpr UINT_PTR kCaretTimerId = 20;

}  // namespace

CEditWnd::CEditWnd(CEditUI* owner) : m_owner(owner) {}

CEditWnd::~CEditWnd() = default;

const wchar_t* CEditWnd::GetWindowClassName() const
{
    return L"EditWnd";
}

const wchar_t* CEditWnd::GetSuperClassName() const
{
    return L"Edit";
}

UINT CEditWnd::GetWindowClassStyle() const
{
    return 0;
}

CWindowManagerUI* CEditWnd::Manager() const
{
    return m_owner != nullptr ? m_owner->GetManager() : nullptr;
}

bool CEditWnd::IsLayered() const
{
    CWindowManagerUI* manager = Manager();
    return manager != nullptr && manager->IsLayered();
}

void CEditWnd::InvalidateInFramework()
{
    CWindowManagerUI* manager = Manager();
    if (manager != nullptr && m_hwnd != nullptr)
        manager->InvalidateArea(manager->GetChildWindowRect(m_hwnd));
}

CEditWnd* CEditWnd::Open(CEditUI* owner)
{
    CWindowManagerUI* manager = owner->GetManager();
    if (manager == nullptr || manager->GetWindowHandle() == nullptr)
        return nullptr;
    CEditWnd* window = new CEditWnd(owner);
    owner->m_window = window;
    DWORD style = owner->m_nativeStyle | WS_CHILD | ES_AUTOHSCROLL;
    const UINT textStyle = owner->GetTextStyle();
    if ((textStyle & DT_CENTER) != 0)
        style |= ES_CENTER;
    else if ((textStyle & DT_RIGHT) != 0)
        style |= ES_RIGHT;
    if (owner->m_password)
        style |= ES_PASSWORD;
    if (window->CreateInRect(manager->GetWindowHandle(), nullptr, style, 0,
                             owner->GetNativeRect()) == nullptr) {
        owner->m_window = nullptr;
        delete window;
        return nullptr;
    }
    window->Initialize();
    return window;
}

void CEditWnd::Initialize()
{
    CWindowManagerUI* manager = Manager();
    SendMessageW(m_hwnd, WM_SETFONT,
                 reinterpret_cast<WPARAM>(manager->GetFontHandle(m_owner->GetFont())), TRUE);
    SendMessageW(m_hwnd, EM_LIMITTEXT, m_owner->m_maxChars, 0);
    if (m_owner->m_password)
        SendMessageW(m_hwnd, EM_SETPASSWORDCHAR, m_owner->m_passwordChar, 0);
    const CUIString text = m_owner->GetText();
    SetWindowTextW(m_hwnd, text);
    SendMessageW(m_hwnd, EM_SETMODIFY, FALSE, 0);
    SendMessageW(m_hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    EnableWindow(m_hwnd, m_owner->IsEnabled() ? TRUE : FALSE);
    SendMessageW(m_hwnd, EM_SETREADONLY, m_owner->m_readOnly ? TRUE : FALSE, 0);
    ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    SetFocus(m_hwnd);
    const int length = text.GetLength();
    if (m_owner->m_autoSelAll)
        SendMessageW(m_hwnd, EM_SETSEL, 0, length > 0 ? length : 1);
    else
        SendMessageW(m_hwnd, EM_SETSEL, length, length);
    m_initialized = true;
}

void CEditWnd::Detach()
{
    CWindowManagerUI* manager = Manager();
    if (manager != nullptr && m_hwnd != nullptr)
        manager->RemoveNativeWindow(m_hwnd);
    m_owner = nullptr;
    if (m_hwnd != nullptr && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);  // ends in OnFinalMessage, which deletes this
    else
        delete this;
}

void CEditWnd::OnFinalMessage(HWND formerWindow)
{
    if (m_owner != nullptr) {
        m_owner->Invalidate();
        if (CWindowManagerUI* manager = m_owner->GetManager())
            manager->RemoveNativeWindow(formerWindow);
        m_owner->m_window = nullptr;
    }
    if (m_bkBrush != nullptr)
        DeleteObject(m_bkBrush);
    delete this;
}

LRESULT CEditWnd::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (CWindowManagerUI* manager = Manager()) {
            manager->AddNativeWindow(m_owner, m_hwnd);
            if (manager->IsLayered())
                SetTimer(m_hwnd, kCaretTimerId, GetCaretBlinkTime(), nullptr);
        }
        break;
    case WM_KILLFOCUS:
        return OnKillFocus(wParam, lParam);
    case WM_PAINT:
        if (IsLayered())
            InvalidateInFramework();
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            // Nothing of this object is touched after the notification: a
            // receiver may delete the edit, and the window with it.
            if (m_owner != nullptr && Manager() != nullptr)
                Manager()->SendNotification(m_owner, L"return");
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == kCaretTimerId) {
            m_caretOn = !m_caretOn;
            InvalidateRect(m_hwnd, nullptr, FALSE);
            return 0;
        }
        break;
    case WM_PRINT:
        if (IsLayered()) {
            const LRESULT result = CWindowWnd::ProcessMessage(message, wParam, lParam);
            DrawCaret(reinterpret_cast<HDC>(wParam));
            return result;
        }
        break;
    case kReflectedCommand:
        if (HIWORD(wParam) == EN_CHANGE)
            OnTextChanged();
        else if (HIWORD(wParam) == EN_UPDATE)
            InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    case kReflectedColorEdit:
    case kReflectedColorStatic:
        return OnControlColor(reinterpret_cast<HDC>(wParam));
    default:
        break;
    }
    return CWindowWnd::ProcessMessage(message, wParam, lParam);
}

LRESULT CEditWnd::OnKillFocus(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefWindowProcW(m_hwnd, WM_KILLFOCUS, wParam, lParam);
    // Kept apart: the framework's handling may end the edit and this object.
    HWND self = m_hwnd;
    CWindowManagerUI* manager = Manager();
    HWND framework = manager != nullptr ? manager->GetWindowHandle() : nullptr;
    if (framework != nullptr && reinterpret_cast<HWND>(wParam) != framework)
        SendMessageW(framework, WM_KILLFOCUS, wParam, lParam);
    PostMessageW(self, WM_CLOSE, 0, 0);
    return result;
}

void CEditWnd::OnTextChanged()
{
    if (!m_initialized || m_owner == nullptr)
        return;
    const int length = GetWindowTextLengthW(m_hwnd) + 1;
    std::vector<wchar_t> text(static_cast<size_t>(length), L'\0');
    GetWindowTextW(m_hwnd, text.data(), length);
    CEditUI* owner = m_owner;
    owner->m_text = text.data();
    if (IsLayered())
        owner->Invalidate();
    // Last: a receiver may delete the edit, and this window with it.
    if (CWindowManagerUI* manager = owner->GetManager())
        manager->SendNotification(owner, L"textchanged");
}

LRESULT CEditWnd::OnControlColor(HDC dc)
{
    CWindowManagerUI* manager = Manager();
    if (manager == nullptr)
        return 0;
    if (manager->IsLayered() && !manager->IsPainting())
        InvalidateInFramework();
    const DWORD color = m_owner->GetNativeBkColor();
    if (color == 0xFFFFFFFF)
        return 0;
    m_owner->ResolveDefaultColors();
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ArgbToColorRef(m_owner->GetTextColor()));
    if (ArgbAlpha(color) < 0xFF) {
        HBITMAP under = CRendererUI::RenderToBitmap(manager, manager->GetChildWindowRect(m_hwnd),
                                                    m_owner, color);
        if (under != nullptr) {
            HBRUSH brush = CreatePatternBrush(under);
            DeleteObject(under);
            if (brush != nullptr) {
                if (m_bkBrush != nullptr)
                    DeleteObject(m_bkBrush);
                m_bkBrush = brush;
            }
        }
    } else if (m_bkBrush == nullptr) {
        m_bkBrush = CreateSolidBrush(ArgbToColorRef(color));
    }
    return reinterpret_cast<LRESULT>(m_bkBrush);
}

void CEditWnd::DrawCaret(HDC dc)
{
    if (dc == nullptr || m_owner == nullptr || !m_owner->IsEnabled() || !m_caretOn)
        return;
    POINT caret = {0, 0};
    GetCaretPos(&caret);
    RECT client = {0, 0, 0, 0};
    GetClientRect(m_hwnd, &client);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, caret.x, caret.y, nullptr);
    LineTo(dc, caret.x, caret.y + client.bottom - client.top);
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace SkinUI
