#include "ui/controls/edit.h"

#include <cwchar>

#include "ui/controls/edit_wnd.h"
#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CEditUI::CEditUI()
{
    m_textPadding = RECT{4, 3, 4, 3};
    m_bkColor = 0xFFFFFFFF;
}

CEditUI::~CEditUI()
{
    CloseNativeWindow();
}

const wchar_t* CEditUI::GetClassName() const
{
    return L"Edit";
}

void* CEditUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"Edit") == 0)
        return this;
    return CLabelUI::GetInterfaceByName(name);
}

UINT CEditUI::GetBehaviorFlags() const
{
    return IsEnabled() ? (kBehaviorTabStop | kBehaviorSetCursor) : 0;
}

HWND CEditUI::GetNativeWindow() const
{
    return m_window != nullptr ? m_window->GetWindowHandle() : nullptr;
}

void CEditUI::SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize)
{
    // The native control is a child of the old manager's window.
    if (manager != m_manager)
        CloseNativeWindow();
    CLabelUI::SetManager(manager, parent, initialize);
}

void CEditUI::OpenNativeWindow()
{
    if (m_window == nullptr)
        CEditWnd::Open(this);
}

void CEditUI::CloseNativeWindow()
{
    if (m_window == nullptr)
        return;
    CEditWnd* window = m_window;
    m_window = nullptr;
    window->Detach();
}

RECT CEditUI::GetNativeRect() const
{
    RECT rect = GetTextRect();
    const int fontHeight = FontHeight();
    const int height = rect.bottom - rect.top;
    if (fontHeight < height) {
        rect.top += (height - fontHeight) / 2;
        rect.bottom = rect.top + fontHeight;
    }
    if (!ClipToAncestorClients(rect))
        return RECT{0, 0, 0, 0};
    return rect;
}

void CEditUI::PlaceNativeWindow()
{
    HWND window = GetNativeWindow();
    if (window == nullptr)
        return;
    const RECT rect = GetNativeRect();
    if (IsRectEmpty(&rect))
        ::ShowWindow(window, SW_HIDE);
    else
        SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
}

void CEditUI::SetText(const wchar_t* text)
{
    CLabelUI::SetText(text);
    if (HWND window = GetNativeWindow())
        SetWindowTextW(window, m_text);
    Invalidate();
}

void CEditUI::SetPosition(RECT rect, bool invalidate)
{
    CLabelUI::SetPosition(rect, invalidate);
    PlaceNativeWindow();
}

void CEditUI::MoveBy(int dx, int dy, bool invalidate)
{
    CLabelUI::MoveBy(dx, dy, invalidate);
    PlaceNativeWindow();
}

// A hidden edit gives up the focus, which ends its native control; one that
// does not have the keyboard focus is ended directly.
void CEditUI::CloseNativeWindowIfHidden()
{
    if (IsVisible() || m_window == nullptr)
        return;
    if (m_manager != nullptr)
        m_manager->SetFocusControl(nullptr, true);
    CloseNativeWindow();
}

void CEditUI::SetVisible(bool visible)
{
    CLabelUI::SetVisible(visible);
    CloseNativeWindowIfHidden();
}

void CEditUI::SetInternalVisible(bool visible)
{
    CLabelUI::SetInternalVisible(visible);
    CloseNativeWindowIfHidden();
}

// A disabled edit takes no more typing: its native control ends, the text
// typed so far stays the edit's text.
void CEditUI::SetEnabled(bool enabled)
{
    CLabelUI::SetEnabled(enabled);
    if (IsEnabled())
        return;
    m_editState = 0;
    CloseNativeWindow();
}

void CEditUI::SetMaxChars(UINT count)
{
    m_maxChars = count;
    if (HWND window = GetNativeWindow())
        SendMessageW(window, EM_LIMITTEXT, m_maxChars, 0);
}

void CEditUI::SetReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    if (HWND window = GetNativeWindow())
        SendMessageW(window, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
    Invalidate();
}

void CEditUI::SetNumberOnly(bool numberOnly)
{
    if (numberOnly)
        m_nativeStyle |= ES_NUMBER;
    else
        m_nativeStyle &= ~static_cast<UINT>(ES_NUMBER);
}

void CEditUI::SetPasswordMode(bool password)
{
    if (m_password == password)
        return;
    m_password = password;
    Invalidate();
}

void CEditUI::SetNormalImage(const wchar_t* description)
{
    ReplaceImage(m_normalImage, description);
}
void CEditUI::SetHotImage(const wchar_t* description)
{
    ReplaceImage(m_hotImage, description);
}
void CEditUI::SetFocusedImage(const wchar_t* description)
{
    ReplaceImage(m_focusedImage, description);
}
void CEditUI::SetDisabledImage(const wchar_t* description)
{
    ReplaceImage(m_disabledImage, description);
}

void CEditUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"readonly") == 0)
        SetReadOnly(IsTrueValue(value));
    else if (wcscmp(name, L"numberonly") == 0)
        SetNumberOnly(IsTrueValue(value));
    else if (wcscmp(name, L"password") == 0)
        SetPasswordMode(IsTrueValue(value));
    else if (wcscmp(name, L"autoselall") == 0)
        SetAutoSelAll(IsTrueValue(value));
    else if (wcscmp(name, L"maxchar") == 0)
        SetMaxChars(static_cast<UINT>(wcstoul(value, nullptr, 10)));
    else if (wcscmp(name, L"normalimage") == 0)
        SetNormalImage(value);
    else if (wcscmp(name, L"hotimage") == 0)
        SetHotImage(value);
    else if (wcscmp(name, L"focusedimage") == 0)
        SetFocusedImage(value);
    else if (wcscmp(name, L"disabledimage") == 0)
        SetDisabledImage(value);
    else if (wcscmp(name, L"nativebkcolor") == 0)
        SetNativeBkColor(ReadHexColor(value));
    else
        CLabelUI::SetAttribute(name, value);
}

SIZE CEditUI::GetDesiredSize(SIZE available)
{
    if (m_fixedSize.cy != 0)
        return CControlUI::GetDesiredSize(available);
    return SIZE{m_fixedSize.cx, FontHeight() + 8};
}

void CEditUI::PaintStatusImage(HDC dc)
{
    if (IsFocused())
        m_editState |= kStateFocused;
    else
        m_editState &= ~kStateFocused;
    if (!IsEnabled())
        m_editState |= kStateDisabled;
    else
        m_editState &= ~kStateDisabled;
    ImageDrawInfoUI* state = nullptr;
    if ((m_editState & kStateDisabled) != 0)
        state = &m_disabledImage;
    else if ((m_editState & kStateFocused) != 0)
        state = &m_focusedImage;
    else if ((m_editState & kStateHot) != 0)
        state = &m_hotImage;
    if (state == nullptr || !DrawImage(dc, *state))
        DrawImage(dc, m_normalImage);
}

void CEditUI::PaintText(HDC dc)
{
    ResolveDefaultColors();
    if (m_text.IsEmpty())
        return;
    CUIString shown;
    if (m_password) {
        for (int i = m_text.GetLength(); i > 0; --i)
            shown += m_passwordChar;
    } else {
        shown = m_text;
    }
    RECT rect = GetTextRect();
    CRendererUI::DrawPlainText(dc, m_manager, rect, shown,
                               IsEnabled() ? m_textColor : m_disabledTextColor, m_font,
                               m_textStyle | DT_SINGLELINE);
}

}  // namespace SkinUI
