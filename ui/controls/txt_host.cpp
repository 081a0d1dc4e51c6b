#include "ui/controls/txt_host.h"

#include <cstdlib>

#include "ui/controls/richedit.h"
#include "ui/core/scrollbar.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kHimetricPerInch = 2540;
constexpr LONG kDefaultTabStopTwips = 720;
constexpr DWORD kCharFormatMask =
    CFM_SIZE | CFM_OFFSET | CFM_FACE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
constexpr DWORD kParaFormatMask = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT | PFM_TABSTOPS |
                                  PFM_NUMBERING | PFM_RTLPARA | PFM_OFFSETINDENT;
constexpr DWORD kScrollBarStyles = WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_DISABLENOSCROLL;

PCreateTextServices g_textServicesFactory = nullptr;

int ScreenPixelsPerInch(int index)
{
    HDC screen = GetDC(nullptr);
    int pixels = GetDeviceCaps(screen, index);
    ReleaseDC(nullptr, screen);
    return pixels > 0 ? pixels : 96;
}

COLORREF ColorRefFromArgb(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

void ShowBar(CScrollBarUI* bar, bool show)
{
    if (bar != nullptr)
        bar->SetVisible(show);
}

}  // namespace

void CTxtWinHost::SetTextServicesFactory(PCreateTextServices factory)
{
    g_textServicesFactory = factory;
}

CTxtWinHost::CTxtWinHost(CRichEditUI* owner) : m_owner(owner) {}

CTxtWinHost::~CTxtWinHost()
{
    Shutdown();
}

void CTxtWinHost::Shutdown()
{
    if (m_services != nullptr) {
        m_services->OnTxInPlaceDeactivate();
        ReleaseInterface(m_services);
    }
    if (m_library != nullptr) {
        FreeLibrary(m_library);
        m_library = nullptr;
    }
    m_owner = nullptr;
}

bool CTxtWinHost::Init(DWORD style, const wchar_t* text)
{
    m_style = style;
    InitCharFormat(m_owner->GetFontHandle());
    InitParaFormat();
    m_wordWrap = (style & (ES_AUTOHSCROLL | WS_HSCROLL)) == 0;
    if ((style & ES_CENTER) != 0)
        m_paraFormat.wAlignment = PFA_CENTER;
    else if ((style & ES_RIGHT) != 0)
        m_paraFormat.wAlignment = PFA_RIGHT;
    m_richText = m_owner->IsRich();
    m_maxLength = static_cast<DWORD>(m_owner->GetLimitText());
    // Password text is masked; text services show it in clear without a character.
    m_passwordChar = (style & ES_PASSWORD) != 0 ? L'*' : 0;
    m_inPlaceActive = true;
    if (!CreateServices())
        return false;
    if (text != nullptr && text[0] != L'\0')
        m_services->TxSetText(text);
    return true;
}

bool CTxtWinHost::CreateServices()
{
    PCreateTextServices create = g_textServicesFactory;
    if (create == nullptr) {
        m_library = LoadLibraryW(L"msftedit.dll");
        if (m_library == nullptr)
            return false;
        create = LoadExport<PCreateTextServices>(m_library, kCreateTextServicesExport);
        if (create == nullptr)
            return false;
    }
    IUnknown* unknown = nullptr;
    if (FAILED(create(nullptr, this, &unknown)) || unknown == nullptr)
        return false;
    m_services = QueryFor<ITextServices>(unknown, IID_ITextServices);
    unknown->Release();
    return m_services != nullptr;
}

void CTxtWinHost::InitCharFormat(HFONT font)
{
    LOGFONTW logFont = {};
    if (font == nullptr || GetObjectW(font, sizeof(logFont), &logFont) == 0)
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    m_charFormat = {};
    m_charFormat.cbSize = sizeof(m_charFormat);
    m_charFormat.yHeight = MulDiv(std::abs(logFont.lfHeight), kTwipsPerInch, ScreenPixelsPerInch(LOGPIXELSY));
    m_charFormat.yOffset = 0;
    if (logFont.lfWeight >= FW_BOLD)
        m_charFormat.dwEffects |= CFE_BOLD;
    if (logFont.lfItalic)
        m_charFormat.dwEffects |= CFE_ITALIC;
    if (logFont.lfUnderline)
        m_charFormat.dwEffects |= CFE_UNDERLINE;
    m_charFormat.bCharSet = logFont.lfCharSet;
    m_charFormat.bPitchAndFamily = logFont.lfPitchAndFamily;
    lstrcpynW(m_charFormat.szFaceName, logFont.lfFaceName, LF_FACESIZE);
    m_charFormat.crTextColor = ColorRefFromArgb(m_owner->GetTextColor());
    m_charFormat.dwMask = kCharFormatMask;
}

void CTxtWinHost::InitParaFormat()
{
    m_paraFormat = {};
    m_paraFormat.cbSize = sizeof(m_paraFormat);
    m_paraFormat.dwMask = kParaFormatMask;
    m_paraFormat.wAlignment = PFA_LEFT;
    m_paraFormat.cTabCount = 1;
    m_paraFormat.rgxTabs[0] = kDefaultTabStopTwips;
}

CWindowManagerUI* CTxtWinHost::Manager() const
{
    return m_owner != nullptr ? m_owner->GetManager() : nullptr;
}

HWND CTxtWinHost::Window() const
{
    CWindowManagerUI* manager = Manager();
    return manager != nullptr ? manager->GetWindowHandle() : nullptr;
}

bool CTxtWinHost::IsLayered() const
{
    CWindowManagerUI* manager = Manager();
    return manager != nullptr && manager->IsLayered();
}

void CTxtWinHost::PropertyChanged(DWORD bit, bool on)
{
    if (m_services != nullptr)
        m_services->OnTxPropertyBitsChange(bit, on ? bit : 0);
}

void CTxtWinHost::SetClientRect(const RECT& rect)
{
    m_clientRect = rect;
    m_extent.cx = MulDiv(rect.right - rect.left, kHimetricPerInch, ScreenPixelsPerInch(LOGPIXELSX));
    m_extent.cy = MulDiv(rect.bottom - rect.top, kHimetricPerInch, ScreenPixelsPerInch(LOGPIXELSY));
    PropertyChanged(TXTBIT_EXTENTCHANGE);
}

void CTxtWinHost::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    PropertyChanged(TXTBIT_BACKSTYLECHANGE);
}

void CTxtWinHost::SetRichText(bool rich)
{
    m_richText = rich;
    PropertyChanged(TXTBIT_RICHTEXT, rich);
}

void CTxtWinHost::SetFont(HFONT font)
{
    const COLORREF color = m_charFormat.crTextColor;
    InitCharFormat(font);
    m_charFormat.crTextColor = color;
    PropertyChanged(TXTBIT_CHARFORMATCHANGE);
}

void CTxtWinHost::SetColor(DWORD argb)
{
    m_charFormat.crTextColor = ColorRefFromArgb(argb);
    PropertyChanged(TXTBIT_CHARFORMATCHANGE);
}

RECT CTxtWinHost::GetCaretRect() const
{
    return RECT{m_caretPosition.x, m_caretPosition.y, m_caretPosition.x + m_caretWidth,
                m_caretPosition.y + m_caretHeight};
}

void CTxtWinHost::InvalidateCaret(POINT position, int width, int height)
{
    if (CWindowManagerUI* manager = Manager())
        manager->InvalidateArea(RECT{position.x, position.y, position.x + width, position.y + height});
}

// IUnknown

STDMETHODIMP CTxtWinHost::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ITextHost))
        return AnswerInterface(out, this);
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CTxtWinHost::AddRef()
{
    return m_refs.AddRef();
}

STDMETHODIMP_(ULONG) CTxtWinHost::Release()
{
    ULONG count = m_refs.Release();
    if (count == 0)
        delete this;
    return count;
}

// ITextHost

HDC CTxtWinHost::TxGetDC()
{
    CWindowManagerUI* manager = Manager();
    return manager != nullptr ? manager->GetWindowDC() : nullptr;
}

INT CTxtWinHost::TxReleaseDC(HDC)
{
    return 1;
}

BOOL CTxtWinHost::TxShowScrollBar(INT bar, BOOL show)
{
    if (m_owner == nullptr)
        return FALSE;
    if (bar == SB_VERT || bar == SB_BOTH)
        ShowBar(m_owner->GetVerticalScrollBar(), show != FALSE);
    if (bar == SB_HORZ || bar == SB_BOTH)
        ShowBar(m_owner->GetHorizontalScrollBar(), show != FALSE);
    return TRUE;
}

BOOL CTxtWinHost::TxEnableScrollBar(INT bars, INT arrows)
{
    if (m_owner == nullptr)
        return FALSE;
    const bool vertical = bars == SB_VERT || bars == SB_BOTH;
    const bool horizontal = bars == SB_HORZ || bars == SB_BOTH;
    m_owner->EnableScrollBars(vertical || m_owner->GetVerticalScrollBar() != nullptr,
                              horizontal || m_owner->GetHorizontalScrollBar() != nullptr);
    const bool show = arrows != ESB_DISABLE_BOTH;
    if (vertical)
        ShowBar(m_owner->GetVerticalScrollBar(), show);
    if (horizontal)
        ShowBar(m_owner->GetHorizontalScrollBar(), show);
    return TRUE;
}

BOOL CTxtWinHost::TxSetScrollRange(INT bar, LONG minimum, INT maximum, BOOL)
{
    if (m_owner == nullptr)
        return FALSE;
    CScrollBarUI* scrollBar = nullptr;
    LONG clientSize = 0;
    if (bar == SB_VERT) {
        scrollBar = m_owner->GetVerticalScrollBar();
        clientSize = m_clientRect.bottom - m_clientRect.top;
    } else if (bar == SB_HORZ) {
        scrollBar = m_owner->GetHorizontalScrollBar();
        clientSize = m_clientRect.right - m_clientRect.left;
    }
    if (scrollBar == nullptr)
        return FALSE;
    const LONGLONG span = static_cast<LONGLONG>(maximum) - minimum;
    if (span > clientSize) {
        scrollBar->SetVisible(true);
        scrollBar->SetScrollRange(static_cast<int>(span - clientSize));
    } else {
        scrollBar->SetVisible(false);
    }
    return TRUE;
}

BOOL CTxtWinHost::TxSetScrollPos(INT bar, INT position, BOOL)
{
    if (m_owner == nullptr)
        return FALSE;
    CScrollBarUI* scrollBar = bar == SB_VERT   ? m_owner->GetVerticalScrollBar()
                              : bar == SB_HORZ ? m_owner->GetHorizontalScrollBar()
                                               : nullptr;
    if (scrollBar == nullptr)
        return FALSE;
    scrollBar->SetScrollPosition(position, false);
    return TRUE;
}

void CTxtWinHost::TxInvalidateRect(LPCRECT rect, BOOL)
{
    if (CWindowManagerUI* manager = Manager())
        manager->InvalidateArea(rect != nullptr ? *rect : m_clientRect);
}

void CTxtWinHost::TxViewChange(BOOL)
{
    if (m_owner != nullptr && m_owner->CanUpdateView())
        m_owner->Invalidate();
}

BOOL CTxtWinHost::TxCreateCaret(HBITMAP bitmap, INT width, INT height)
{
    m_caretWidth = width;
    m_caretHeight = height;
    HWND window = Window();
    return window != nullptr ? CreateCaret(window, bitmap, width, height) : FALSE;
}

BOOL CTxtWinHost::TxShowCaret(BOOL show)
{
    m_caretShown = show != FALSE;
    HWND window = Window();
    if (window == nullptr)
        return FALSE;
    return show ? ShowCaret(window) : HideCaret(window);
}

BOOL CTxtWinHost::TxSetCaretPos(INT x, INT y)
{
    const bool layered = IsLayered();
    if (layered || m_caretNeedsInvalidate) {
        InvalidateCaret(m_caretPosition, m_previousCaretWidth, m_previousCaretHeight);
        m_caretNeedsInvalidate = false;
    }
    m_caretPosition = {x, y};
    if (layered)
        InvalidateCaret(m_caretPosition, m_caretWidth, m_caretHeight);
    m_previousCaretWidth = m_caretWidth;
    m_previousCaretHeight = m_caretHeight;
    return SetCaretPos(x, y);
}

BOOL CTxtWinHost::TxSetTimer(UINT id, UINT timeout)
{
    CWindowManagerUI* manager = Manager();
    if (manager == nullptr)
        return FALSE;
    // The manager refuses to start a running timer: restart it instead.
    manager->StopTimer(m_owner, kTextServicesTimerBase + id);
    m_timerRunning = manager->StartTimer(m_owner, kTextServicesTimerBase + id, timeout);
    return m_timerRunning ? TRUE : FALSE;
}

void CTxtWinHost::TxKillTimer(UINT id)
{
    if (CWindowManagerUI* manager = Manager())
        manager->StopTimer(m_owner, kTextServicesTimerBase + id);
    m_timerRunning = false;
}

void CTxtWinHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) {}

void CTxtWinHost::TxSetCapture(BOOL capture)
{
    CWindowManagerUI* manager = Manager();
    if (manager == nullptr)
        return;
    if (capture)
        manager->CaptureMouse();
    else
        manager->ReleaseMouse();
    m_captured = capture != FALSE;
}

void CTxtWinHost::TxSetFocus()
{
    if (m_owner != nullptr)
        m_owner->SetFocus();
}

void CTxtWinHost::TxSetCursor(HCURSOR cursor, BOOL)
{
    SetCursor(cursor);
}

BOOL CTxtWinHost::TxScreenToClient(LPPOINT point)
{
    HWND window = Window();
    return window != nullptr && point != nullptr ? ScreenToClient(window, point) : FALSE;
}

BOOL CTxtWinHost::TxClientToScreen(LPPOINT point)
{
    HWND window = Window();
    return window != nullptr && point != nullptr ? ClientToScreen(window, point) : FALSE;
}

HRESULT CTxtWinHost::TxActivate(LONG*)
{
    return S_OK;
}

HRESULT CTxtWinHost::TxDeactivate(LONG)
{
    return S_OK;
}

HRESULT CTxtWinHost::TxGetClientRect(LPRECT rect)
{
    if (rect == nullptr)
        return E_POINTER;
    *rect = m_clientRect;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetViewInset(LPRECT rect)
{
    if (rect == nullptr)
        return E_POINTER;
    SetRectEmpty(rect);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetCharFormat(const CHARFORMATW** format)
{
    if (format == nullptr)
        return E_POINTER;
    *format = reinterpret_cast<const CHARFORMATW*>(&m_charFormat);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetParaFormat(const PARAFORMAT** format)
{
    if (format == nullptr)
        return E_POINTER;
    *format = &m_paraFormat;
    return S_OK;
}

COLORREF CTxtWinHost::TxGetSysColor(int index)
{
    return GetSysColor(index);
}

HRESULT CTxtWinHost::TxGetBackStyle(TXTBACKSTYLE* style)
{
    if (style == nullptr)
        return E_POINTER;
    *style = m_transparent ? TXTBACK_TRANSPARENT : TXTBACK_OPAQUE;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetMaxLength(DWORD* length)
{
    if (length == nullptr)
        return E_POINTER;
    *length = m_maxLength;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetScrollBars(DWORD* bars)
{
    if (bars == nullptr)
        return E_POINTER;
    *bars = m_style & kScrollBarStyles;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetPasswordChar(TCHAR* character)
{
    if (character == nullptr)
        return E_POINTER;
    *character = m_passwordChar;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetAcceleratorPos(LONG* position)
{
    if (position == nullptr)
        return E_POINTER;
    *position = m_acceleratorPosition;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetExtent(LPSIZEL extent)
{
    if (extent == nullptr)
        return E_POINTER;
    *extent = m_extent;
    return S_OK;
}

HRESULT CTxtWinHost::OnTxCharFormatChange(const CHARFORMATW*)
{
    return S_OK;
}

HRESULT CTxtWinHost::OnTxParaFormatChange(const PARAFORMAT*)
{
    return S_OK;
}

HRESULT CTxtWinHost::TxGetPropertyBits(DWORD mask, DWORD* bits)
{
    if (bits == nullptr)
        return E_POINTER;
    DWORD properties = 0;
    if (m_richText)
        properties |= TXTBIT_RICHTEXT;
    if ((m_style & ES_MULTILINE) != 0)
        properties |= TXTBIT_MULTILINE;
    if ((m_style & ES_READONLY) != 0)
        properties |= TXTBIT_READONLY;
    if ((m_style & ES_PASSWORD) != 0)
        properties |= TXTBIT_USEPASSWORD;
    if ((m_style & ES_NOHIDESEL) == 0)
        properties |= TXTBIT_HIDESELECTION;
    if (m_autoWordSelection)
        properties |= TXTBIT_AUTOWORDSEL;
    if (m_wordWrap)
        properties |= TXTBIT_WORDWRAP;
    if (m_allowBeep)
        properties |= TXTBIT_ALLOWBEEP;
    if (m_saveSelection)
        properties |= TXTBIT_SAVESELECTION;
    *bits = properties & mask;
    return S_OK;
}

HRESULT CTxtWinHost::TxNotify(DWORD code, void* data)
{
    if (code == EN_REQUESTRESIZE && data != nullptr) {
        const REQRESIZE* request = static_cast<const REQRESIZE*>(data);
        RECT client = m_clientRect;
        client.right = client.left + (request->rc.right - request->rc.left);
        client.bottom = client.top + (request->rc.bottom - request->rc.top);
        SetClientRect(client);
        return S_OK;
    }
    if (m_owner != nullptr)
        m_owner->OnTxNotify(code, data);
    return S_OK;
}

HIMC CTxtWinHost::TxImmGetContext()
{
    return nullptr;
}

void CTxtWinHost::TxImmReleaseContext(HIMC) {}

HRESULT CTxtWinHost::TxGetSelectionBarWidth(LONG* width)
{
    if (width == nullptr)
        return E_POINTER;
    *width = m_selectionBarWidth;
    return S_OK;
}

}  // namespace SkinUI
