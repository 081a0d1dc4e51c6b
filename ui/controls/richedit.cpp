#include "ui/controls/richedit.h"

#include <windowsx.h>

#include <vector>

#include "ui/core/scrollbar.h"
#include "ui/controls/txt_host.h"
#include "ui/core/control_values.h"
#include "ui/core/layout_limits.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

constexpr UINT kCodePageUnicode = 1200;
constexpr DWORD kVerticalScrollStyles = WS_VSCROLL | ES_DISABLENOSCROLL;
constexpr DWORD kHorizontalScrollStyles = WS_HSCROLL | ES_DISABLENOSCROLL;
constexpr DWORD kAlignmentStyles = ES_CENTER | ES_RIGHT;

// Notifications of the text services the framework window receives as WM_NOTIFY.
bool IsForwardedNotification(DWORD code)
{
    switch (code) {
    case EN_MSGFILTER:
    case EN_SELCHANGE:
    case EN_DROPFILES:
    case EN_PROTECTED:
    case EN_OLEOPFAILED:
        return true;
    default:
        return code >= EN_STOPNOUNDO && code <= EN_ALIGNRTL;
    }
}

bool IsButtonMessage(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

bool IsPress(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN;
}

}  // namespace

CRichEditUI::CRichEditUI() = default;

CRichEditUI::~CRichEditUI()
{
    ReleaseHost();
}

void CRichEditUI::ReleaseHost()
{
    if (m_host != nullptr) {
        m_host->Shutdown();
        m_host->Release();
        m_host = nullptr;
    }
    if (m_manager != nullptr)
        m_manager->RemoveMessageFilter(this);
}

const wchar_t* CRichEditUI::GetClassName() const
{
    return L"RichEdit";
}

void* CRichEditUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"RichEdit") == 0)
        return this;
    if (name != nullptr && wcscmp(name, kRichEditKeysInterface) == 0)
        return static_cast<IRichEditKeysUI*>(this);
    return CContainerUI::GetInterfaceByName(name);
}

UINT CRichEditUI::GetBehaviorFlags() const
{
    return IsEnabled() ? kBehaviorTabStop | kBehaviorSetCursor : 0;
}

void CRichEditUI::SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize)
{
    const bool moved = manager != m_manager;
    if (moved && m_manager != nullptr)
        m_manager->RemoveMessageFilter(this);
    CContainerUI::SetManager(manager, parent, initialize);
    if (moved && m_host != nullptr && m_manager != nullptr) {
        m_manager->RemoveMessageFilter(this);
        m_manager->AddMessageFilter(this);
    }
}

CUIString CRichEditUI::GetText() const
{
    if (m_host == nullptr)
        return m_text;
    ITextServices* services = m_host->GetTextServices();
    GETTEXTLENGTHEX lengthRequest = {GTL_DEFAULT, kCodePageUnicode};
    LRESULT length = 0;
    services->TxSendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthRequest), 0, &length);
    if (length <= 0)
        return CUIString();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    GETTEXTEX textRequest = {};
    textRequest.cb = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    textRequest.flags = GT_DEFAULT;
    textRequest.codepage = kCodePageUnicode;
    LRESULT copied = 0;
    services->TxSendMessage(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&textRequest),
                            reinterpret_cast<LPARAM>(buffer.data()), &copied);
    buffer.back() = L'\0';
    return CUIString(buffer.data());
}

void CRichEditUI::SetText(const wchar_t* text)
{
    m_text = text;
    if (m_host == nullptr)
        return;
    CHARRANGE all = {0, -1};
    LRESULT result = 0;
    TxSendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all), &result);
    TxSendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(m_text.GetData()), &result);
}

void CRichEditUI::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    if (m_host != nullptr)
        m_host->SetTransparent(transparent);
}

void CRichEditUI::SetRich(bool rich)
{
    m_rich = rich;
    if (m_host != nullptr)
        m_host->SetRichText(rich);
}

void CRichEditUI::SetFont(int index)
{
    m_font = index;
    if (m_host != nullptr)
        m_host->SetFont(GetFontHandle());
}

HFONT CRichEditUI::GetFontHandle() const
{
    return m_manager != nullptr ? m_manager->GetFontHandle(m_font) : nullptr;
}

void CRichEditUI::SetTextColor(DWORD argb)
{
    m_textColor = argb;
    if (m_host != nullptr)
        m_host->SetColor(argb);
}

void CRichEditUI::SetTextPadding(RECT padding)
{
    m_textPadding = padding;
    Invalidate();
}

void CRichEditUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    const bool on = IsTrueValue(value);
    if (wcscmp(name, L"vscrollbar") == 0) {
        if (on)
            m_style |= kVerticalScrollStyles;
        CContainerUI::SetAttribute(name, value);
    } else if (wcscmp(name, L"autovscroll") == 0) {
        if (on)
            m_style |= ES_AUTOVSCROLL;
    } else if (wcscmp(name, L"hscrollbar") == 0) {
        if (on)
            m_style |= kHorizontalScrollStyles;
        CContainerUI::SetAttribute(name, value);
    } else if (wcscmp(name, L"autohscroll") == 0) {
        if (on)
            m_style |= ES_AUTOHSCROLL;
    } else if (wcscmp(name, L"wanttab") == 0) {
        SetWantTab(on);
    } else if (wcscmp(name, L"wantreturn") == 0) {
        SetWantReturn(on);
    } else if (wcscmp(name, L"wantctrlreturn") == 0) {
        SetWantCtrlReturn(on);
    } else if (wcscmp(name, L"transparent") == 0) {
        SetTransparent(on);
    } else if (wcscmp(name, L"rich") == 0) {
        SetRich(on);
    } else if (wcscmp(name, L"multiline") == 0) {
        if (wcscmp(value, L"false") == 0)
            m_style &= ~static_cast<DWORD>(ES_MULTILINE);
    } else if (wcscmp(name, L"readonly") == 0) {
        if (on) {
            m_style |= ES_READONLY;
            m_readOnly = true;
        }
    } else if (wcscmp(name, L"password") == 0) {
        if (on)
            m_style |= ES_PASSWORD;
    } else if (wcscmp(name, L"align") == 0) {
        if (wcsstr(value, L"left") != nullptr)
            m_style &= ~kAlignmentStyles;
        if (wcsstr(value, L"center") != nullptr)
            m_style = (m_style & ~kAlignmentStyles) | ES_CENTER;
        if (wcsstr(value, L"right") != nullptr)
            m_style = (m_style & ~kAlignmentStyles) | ES_RIGHT;
    } else if (wcscmp(name, L"font") == 0) {
        SetFont(static_cast<int>(wcstol(value, nullptr, 10)));
    } else if (wcscmp(name, L"textcolor") == 0) {
        while (*value == L' ' || *value == L'\t')
            ++value;
        SetTextColor(ReadHexColor(value));
    } else if (wcscmp(name, L"textpadding") == 0) {
        SetTextPadding(ReadRect(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

SIZE CRichEditUI::GetDesiredSize(SIZE available)
{
    return CControlUI::GetDesiredSize(available);
}

void CRichEditUI::OnInitialize()
{
    if (m_initialized)
        return;
    m_initialized = true;
    m_host = new CTxtWinHost(this);
    if (!m_host->Init(m_style, m_text)) {
        ReleaseHost();
        return;
    }
    m_host->SetTransparent(m_transparent);
    LRESULT result = 0;
    // Text services report changes only to hosts that ask for them.
    TxSendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE, &result);
    TxSendMessage(EM_SETLANGOPTIONS, 0, 0, &result);
    RECT client = m_host->GetClientRect();
    if (FAILED(m_host->GetTextServices()->OnTxInPlaceActivate(&client)))
        m_host->SetInPlaceActive(false);
    if (m_manager == nullptr)
        return;
    m_manager->RemoveMessageFilter(this);
    m_manager->AddMessageFilter(this);
    if (m_manager->IsLayered())
        m_manager->StartTimer(this, kCaretTimerId, GetCaretBlinkTime());
}

HRESULT CRichEditUI::TxSendMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (m_host == nullptr || m_host->GetTextServices() == nullptr)
        return S_FALSE;
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        m_returnBlocked = !m_wantReturn || (ctrl && !m_wantCtrlReturn);
        if (m_returnBlocked) {
            if (m_manager != nullptr)
                m_manager->SendNotification(this, L"return");
            return S_OK;
        }
    } else if (message == WM_CHAR) {
        // The character of a Return the edit did not want adds no line either.
        const bool blocked = m_returnBlocked && (wParam == L'\r' || wParam == L'\n');
        m_returnBlocked = false;
        if (blocked)
            return S_OK;
    }
    LRESULT unused = 0;
    return m_host->GetTextServices()->TxSendMessage(message, wParam, lParam, result != nullptr ? result : &unused);
}

bool CRichEditUI::CanUpdateView()
{
    return true;
}

bool CRichEditUI::OnTxNotify(DWORD code, void* record)
{
    if (code == EN_CHANGE) {
        if (m_manager != nullptr)
            m_manager->SendNotification(this, L"textchanged");
        return true;
    }
    if (!IsForwardedNotification(code) || record == nullptr || m_manager == nullptr)
        return false;
    HWND window = m_manager->GetWindowHandle();
    if (window == nullptr)
        return false;
    NMHDR* header = static_cast<NMHDR*>(record);
    header->hwndFrom = window;
    header->idFrom = static_cast<UINT_PTR>(GetWindowLongPtrW(window, GWLP_ID));
    header->code = code;
    SendMessageW(window, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
    return true;
}

void CRichEditUI::SetPosition(RECT rect, bool invalidate)
{
    CControlUI::SetPosition(rect, invalidate);
    const RECT area = GetClientPosition();
    if (m_host != nullptr) {
        RECT client = {area.left + m_textPadding.left, area.top + m_textPadding.top,
                       area.right - m_textPadding.right, area.bottom - m_textPadding.bottom};
        m_host->SetClientRect(client);
    }
    const RECT inner = {m_position.left + m_inset.left, m_position.top + m_inset.top,
                        m_position.right - m_inset.right, m_position.bottom - m_inset.bottom};
    const bool vertical = IsBarShown(m_verticalScrollBar);
    const bool horizontal = IsBarShown(m_horizontalScrollBar);
    const int barWidth = vertical ? m_verticalScrollBar->GetFixedWidth() : 0;
    const int barHeight = horizontal ? m_horizontalScrollBar->GetFixedHeight() : 0;
    if (vertical)
        m_verticalScrollBar->SetPosition(
            RECT{inner.right - barWidth, inner.top, inner.right, inner.bottom - barHeight}, false);
    if (horizontal)
        m_horizontalScrollBar->SetPosition(
            RECT{inner.left, inner.bottom - barHeight, inner.right - barWidth, inner.bottom}, false);
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (!child->IsVisible())
            continue;
        if (child->IsFloating()) {
            SetFloatChildPosition(i);
            continue;
        }
        const int width = ClampWidth(*child, area.right - area.left);
        const int height = ClampHeight(*child, area.bottom - area.top);
        child->SetPosition(RECT{area.left, area.top, area.left + width, area.top + height}, false);
    }
}

void CRichEditUI::MoveBy(int dx, int dy, bool invalidate)
{
    CContainerUI::MoveBy(dx, dy, invalidate);
    if (m_host != nullptr) {
        RECT client = m_host->GetClientRect();
        OffsetRect(&client, dx, dy);
        m_host->SetClientRect(client);
    }
}

void CRichEditUI::PaintText(HDC dc)
{
    if (m_host == nullptr)
        return;
    const RECT& client = m_host->GetClientRect();
    RECTL bounds = {client.left, client.top, client.right, client.bottom};
    RECT update = m_paintRect;
    m_host->GetTextServices()->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, dc, nullptr, &bounds, nullptr, &update,
                                      nullptr, 0, TXTVIEW_ACTIVE);
    PaintCaret(dc);
}

void CRichEditUI::PaintCaret(HDC dc)
{
    if (m_manager == nullptr || !m_manager->IsLayered() || !IsFocused() || m_host == nullptr ||
        !m_host->IsCaretShown() || !m_caretBlink)
        return;
    RECT caret = m_host->GetCaretRect();
    RECT inside;
    if (!IntersectRect(&inside, &caret, &m_position) || !EqualRect(&inside, &caret))
        return;
    HBRUSH brush = CreateSolidBrush(m_host->GetCharFormat().crTextColor);
    FillRect(dc, &caret, brush);
    DeleteObject(brush);
}

void CRichEditUI::OnCaretTimer()
{
    if (m_manager == nullptr || !m_manager->IsLayered() || !IsFocused() || m_host == nullptr ||
        ::GetFocus() != m_manager->GetWindowHandle())
        return;
    m_caretBlink = !m_caretBlink;
    RECT area = m_host->GetCaretRect();
    for (CControlUI* control = this; control != nullptr; control = control->GetParent()) {
        if (!IntersectRect(&area, &area, &control->GetPosition()))
            return;
    }
    m_manager->InvalidateArea(area);
}

void CRichEditUI::HandleEvent(EventRecordUI& event)
{
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        if (m_parent != nullptr)
            m_parent->HandleEvent(event);
        else
            CContainerUI::HandleEvent(event);
        return;
    }
    ITextServices* services = m_host != nullptr ? m_host->GetTextServices() : nullptr;
    switch (event.type) {
    case EventTypeUI::SetCursor:
        if (IsEnabled() && services != nullptr && m_manager != nullptr) {
            const RECT& client = m_host->GetClientRect();
            services->OnTxSetCursor(DVASPECT_CONTENT, -1, nullptr, nullptr, m_manager->GetWindowDC(), nullptr,
                                    &client, event.mousePoint.x, event.mousePoint.y);
            if (PtInRect(&client, event.mousePoint))
                return;
        }
        break;
    case EventTypeUI::WindowSize:
        if (m_host != nullptr)
            m_host->SetCaretNeedsInvalidate();
        return;
    case EventTypeUI::SetFocus:
    case EventTypeUI::KillFocus: {
        const bool focus = event.type == EventTypeUI::SetFocus;
        if (services != nullptr) {
            RECT client = m_host->GetClientRect();
            m_host->SetInPlaceActive(SUCCEEDED(services->OnTxInPlaceActivate(&client)));
            TxSendMessage(focus ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0, nullptr);
        }
        m_focused = focus;
        Invalidate();
        return;
    }
    case EventTypeUI::Timer:
        if (event.wParam == kCaretTimerId)
            OnCaretTimer();
        else if (event.wParam >= CTxtWinHost::kTextServicesTimerBase)
            TxSendMessage(WM_TIMER, event.wParam - CTxtWinHost::kTextServicesTimerBase, event.lParam, nullptr);
        return;
    case EventTypeUI::ScrollWheel:
        if ((event.keyState & kModifierControl) != 0)
            return;
        break;
    case EventTypeUI::KeyDown:
    case EventTypeUI::MouseMove:
    case EventTypeUI::ButtonDown:
    case EventTypeUI::ButtonUp:
    case EventTypeUI::DoubleClick:
        // The message filter already passed these to the text services.
        return;
    default:
        break;
    }
    CContainerUI::HandleEvent(event);
}

LRESULT CRichEditUI::MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    if (!IsVisible() || !IsEnabled() || m_host == nullptr || m_manager == nullptr)
        return 0;
    const bool mouse = message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
    const bool key = message >= WM_KEYFIRST && message <= WM_KEYLAST;
    if (mouse && !IsMouseEnabled())
        return 0;
    if (message == WM_MOUSEWHEEL && (LOWORD(wParam) & MK_CONTROL) == 0)
        return 0;
    if (mouse || message == WM_SETCURSOR) {
        if (!HandleMouseMessage(message, lParam))
            return 0;
    } else if (key || message == WM_IME_CHAR) {
        if (!IsFocused())
            return 0;
    } else if (message == WM_IME_STARTCOMPOSITION) {
        if (IsFocused())
            PlaceImeWindow();
        return 0;
    } else if (message == WM_CONTEXTMENU) {
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(m_manager->GetWindowHandle(), &point);
        if (m_manager->FindControlAt(point) != this)
            return 0;
    } else if (message != WM_HELP) {
        return 0;
    }
    LRESULT result = 0;
    const HRESULT hr = TxSendMessage(message, wParam, lParam, &result);
    if (message == WM_SETCURSOR || message == WM_CONTEXTMENU || message == WM_HELP)
        return result;
    handled = hr == S_OK || key || message == WM_IME_CHAR || (mouse && m_host->IsCaptured());
    return result;
}

bool CRichEditUI::HandleMouseMessage(UINT message, LPARAM lParam)
{
    HWND window = m_manager->GetWindowHandle();
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_SETCURSOR)
        GetCursorPos(&point);
    if (message == WM_SETCURSOR || message == WM_MOUSEWHEEL)
        ScreenToClient(window, &point);
    if (!m_host->IsCaptured()) {
        if (IsButtonMessage(message)) {
            CControlUI* hit = m_manager->FindControlAt(point);
            if (hit != nullptr && hit != this)
                return false;
        }
        const RECT& client = m_host->GetClientRect();
        if (!PtInRect(&client, point) || m_manager->IsMouseCaptured())
            return false;
    }
    if (IsPress(message)) {
        if (!m_manager->IsNoActivate())
            ::SetFocus(window);
        SetFocus();
    }
    return true;
}

void CRichEditUI::PlaceImeWindow()
{
    HWND window = m_manager->GetWindowHandle();
    HIMC context = ImmGetContext(window);
    if (context == nullptr)
        return;
    const RECT caret = m_host->GetCaretRect();
    COMPOSITIONFORM form = {};
    form.dwStyle = CFS_FORCE_POSITION;
    form.ptCurrentPos.x = caret.left + m_host->GetCaretWidth();
    form.ptCurrentPos.y = caret.top;
    ImmSetCompositionWindow(context, &form);
    LOGFONTW font = {};
    if (GetObjectW(GetFontHandle(), sizeof(font), &font) != 0)
        ImmSetCompositionFontW(context, &font);
    ImmReleaseContext(window, context);
}

void CRichEditUI::SendScroll(UINT message, WORD code)
{
    TxSendMessage(message, MAKEWPARAM(code, 0), 0, nullptr);
}

void CRichEditUI::ScrollDown(WORD code, bool toRange)
{
    const int before = m_verticalScrollBar != nullptr ? m_verticalScrollBar->GetScrollPosition() : 0;
    SendScroll(WM_VSCROLL, code);
    if (m_rich || m_verticalScrollBar == nullptr || m_verticalScrollBar->GetScrollPosition() >= before)
        return;
    m_verticalScrollBar->SetScrollPosition(toRange ? m_verticalScrollBar->GetScrollRange() : before, false);
}

void CRichEditUI::SetScrollPosition(SIZE position)
{
    if (IsBarShown(m_verticalScrollBar)) {
        const int old = m_verticalScrollBar->GetScrollPosition();
        m_verticalScrollBar->SetScrollPosition(position.cy);
        const int now = m_verticalScrollBar->GetScrollPosition();
        if (now != old)
            TxSendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, now), 0, nullptr);
    }
    if (IsBarShown(m_horizontalScrollBar)) {
        const int old = m_horizontalScrollBar->GetScrollPosition();
        m_horizontalScrollBar->SetScrollPosition(position.cx);
        const int now = m_horizontalScrollBar->GetScrollPosition();
        if (now != old)
            TxSendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, now), 0, nullptr);
    }
}

void CRichEditUI::LineUp()
{
    SendScroll(WM_VSCROLL, SB_LINEUP);
}

void CRichEditUI::LineDown()
{
    ScrollDown(SB_LINEDOWN, true);
}

void CRichEditUI::PageUp()
{
    SendScroll(WM_VSCROLL, SB_PAGEUP);
}

void CRichEditUI::PageDown()
{
    ScrollDown(SB_PAGEDOWN, false);
}

void CRichEditUI::ScrollToTop()
{
    SendScroll(WM_VSCROLL, SB_TOP);
}

void CRichEditUI::ScrollToBottom()
{
    ScrollDown(SB_BOTTOM, false);
}

void CRichEditUI::LineLeft()
{
    SendScroll(WM_HSCROLL, SB_LINEUP);
}

void CRichEditUI::LineRight()
{
    SendScroll(WM_HSCROLL, SB_LINEDOWN);
}

void CRichEditUI::PageLeft()
{
    SendScroll(WM_HSCROLL, SB_PAGEUP);
}

void CRichEditUI::PageRight()
{
    SendScroll(WM_HSCROLL, SB_PAGEDOWN);
}

void CRichEditUI::ScrollToLeft()
{
    SendScroll(WM_HSCROLL, SB_TOP);
}

void CRichEditUI::ScrollToRight()
{
    SendScroll(WM_HSCROLL, SB_BOTTOM);
}

}  // namespace SkinUI
