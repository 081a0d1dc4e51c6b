#pragma once

#include "ui/controls/com_guids.h"
#include "ui/controls/com_util.h"

namespace SkinUI {

class CRichEditUI;
class CWindowManagerUI;

// The text host of a rich edit: hosts the windowless text services and maps
// their callbacks (caret, scroll bars, timers, capture, invalidation) onto
// the framework. The ITextHost methods keep the compiler's default member
// calling convention, which is what the text services call.
class CTxtWinHost : public ITextHost {
public:
    // Timers of the text services run as control timers offset by this, so
    // they never meet the rich edit's own caret timer.
    static constexpr UINT kTextServicesTimerBase = 0x100;

    explicit CTxtWinHost(CRichEditUI* owner);

    // Creates the text services for the style word and initial text; false
    // when the library, its entry or the interface is missing.
    bool Init(DWORD style, const wchar_t* text);
    // Deactivates and lets go of the text services; callbacks after it do nothing.
    void Shutdown();

    // Where new hosts get their text services; null is msftedit.dll.
    static void SetTextServicesFactory(PCreateTextServices factory);

    ITextServices* GetTextServices() const { return m_services; }
    const RECT& GetClientRect() const { return m_clientRect; }
    void SetClientRect(const RECT& rect);
    void SetTransparent(bool transparent);
    void SetRichText(bool rich);
    void SetFont(HFONT font);
    void SetColor(DWORD argb);
    void SetCaretNeedsInvalidate() { m_caretNeedsInvalidate = true; }
    bool IsCaptured() const { return m_captured; }
    bool IsCaretShown() const { return m_caretShown; }
    bool IsTimerRunning() const { return m_timerRunning; }
    // The caret's rectangle in client coordinates of the window.
    RECT GetCaretRect() const;
    int GetCaretWidth() const { return m_caretWidth; }
    int GetCaretHeight() const { return m_caretHeight; }
    void SetInPlaceActive(bool active) { m_inPlaceActive = active; }
    bool IsInPlaceActive() const { return m_inPlaceActive; }
    const CHARFORMAT2W& GetCharFormat() const { return m_charFormat; }
    const PARAFORMAT2& GetParaFormat() const { return m_paraFormat; }

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // ITextHost
    HDC TxGetDC() override;
    INT TxReleaseDC(HDC dc) override;
    BOOL TxShowScrollBar(INT bar, BOOL show) override;
    BOOL TxEnableScrollBar(INT bars, INT arrows) override;
    BOOL TxSetScrollRange(INT bar, LONG minimum, INT maximum, BOOL redraw) override;
    BOOL TxSetScrollPos(INT bar, INT position, BOOL redraw) override;
    void TxInvalidateRect(LPCRECT rect, BOOL mode) override;
    void TxViewChange(BOOL update) override;
    BOOL TxCreateCaret(HBITMAP bitmap, INT width, INT height) override;
    BOOL TxShowCaret(BOOL show) override;
    BOOL TxSetCaretPos(INT x, INT y) override;
    BOOL TxSetTimer(UINT id, UINT timeout) override;
    void TxKillTimer(UINT id) override;
    void TxScrollWindowEx(INT dx, INT dy, LPCRECT scroll, LPCRECT clip, HRGN update, LPRECT updateRect,
                          UINT flags) override;
    void TxSetCapture(BOOL capture) override;
    void TxSetFocus() override;
    void TxSetCursor(HCURSOR cursor, BOOL text) override;
    BOOL TxScreenToClient(LPPOINT point) override;
    BOOL TxClientToScreen(LPPOINT point) override;
    HRESULT TxActivate(LONG* oldState) override;
    HRESULT TxDeactivate(LONG newState) override;
    HRESULT TxGetClientRect(LPRECT rect) override;
    HRESULT TxGetViewInset(LPRECT rect) override;
    HRESULT TxGetCharFormat(const CHARFORMATW** format) override;
    HRESULT TxGetParaFormat(const PARAFORMAT** format) override;
    COLORREF TxGetSysColor(int index) override;
    HRESULT TxGetBackStyle(TXTBACKSTYLE* style) override;
    HRESULT TxGetMaxLength(DWORD* length) override;
    HRESULT TxGetScrollBars(DWORD* bars) override;
    HRESULT TxGetPasswordChar(TCHAR* character) override;
    HRESULT TxGetAcceleratorPos(LONG* position) override;
    HRESULT TxGetExtent(LPSIZEL extent) override;
    HRESULT OnTxCharFormatChange(const CHARFORMATW* format) override;
    HRESULT OnTxParaFormatChange(const PARAFORMAT* format) override;
    HRESULT TxGetPropertyBits(DWORD mask, DWORD* bits) override;
    HRESULT TxNotify(DWORD code, void* data) override;
    HIMC TxImmGetContext() override;
    void TxImmReleaseContext(HIMC context) override;
    HRESULT TxGetSelectionBarWidth(LONG* width) override;

private:
    virtual ~CTxtWinHost();

    CWindowManagerUI* Manager() const;
    HWND Window() const;
    bool IsLayered() const;
    void InitCharFormat(HFONT font);
    void InitParaFormat();
    bool CreateServices();
    void PropertyChanged(DWORD bit, bool on = true);
    void InvalidateCaret(POINT position, int width, int height);

    CRichEditUI* m_owner;
    CComRefCountUI m_refs;
    ITextServices* m_services = nullptr;
    HMODULE m_library = nullptr;
    int m_caretWidth = 0;
    int m_caretHeight = 0;
    int m_previousCaretWidth = 0;
    int m_previousCaretHeight = 0;
    POINT m_caretPosition = {0, 0};
    LONG m_selectionBarWidth = 0;
    DWORD m_maxLength = 0x7FFF;
    RECT m_clientRect = {0, 0, 0, 0};
    SIZEL m_extent = {0, 0};
    CHARFORMAT2W m_charFormat = {};
    PARAFORMAT2 m_paraFormat = {};
    LONG m_acceleratorPosition = -1;
    wchar_t m_passwordChar = 0;
    DWORD m_style = 0;

    bool m_autoWordSelection = true;
    bool m_wordWrap = false;
    bool m_allowBeep = false;
    bool m_richText = false;
    bool m_saveSelection = false;
    bool m_inPlaceActive = false;
    bool m_transparent = false;
    bool m_timerRunning = false;
    bool m_captured = false;
    bool m_caretShown = false;
    bool m_caretNeedsInvalidate = false;
};

}  // namespace SkinUI
