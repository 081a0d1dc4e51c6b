#pragma once

#include "ui/controls/com_guids.h"
#include "ui/core/container.h"

namespace SkinUI {

class CTxtWinHost;

// A windowless multi-line rich text box: hosts the system's windowless text
// services, draws them into the framework's device context and feeds them
// the window's messages as a message filter.
class CRichEditUI : public CContainerUI, public IMessageFilterUI, public IRichEditKeysUI {
public:
    // Caret blink timer of layered windows.
    static constexpr UINT kCaretTimerId = 20;

    CRichEditUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    void SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize = true) override;
    CUIString GetText() const override;
    void SetText(const wchar_t* text) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override;
    void OnInitialize() override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    SIZE GetDesiredSize(SIZE available) override;
    // The text services' drawing and, in a layered window, the caret.
    void PaintText(HDC dc) override;

    void SetScrollPosition(SIZE position) override;
    void LineUp() override;
    void LineDown() override;
    void PageUp() override;
    void PageDown() override;
    void ScrollToTop() override;
    void ScrollToBottom() override;
    void LineLeft() override;
    void LineRight() override;
    void PageLeft() override;
    void PageRight() override;
    void ScrollToLeft() override;
    void ScrollToRight() override;

    // S_FALSE without text services; a Return the control does not want
    // sends "return" instead.
    virtual HRESULT TxSendMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual bool CanUpdateView();
    virtual bool OnTxNotify(DWORD code, void* record);

    LRESULT MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    bool IsWantTab() const override { return m_wantTab; }
    bool IsWantReturn() const override { return m_wantReturn; }
    void SetWantTab(bool want = true) { m_wantTab = want; }
    void SetWantReturn(bool want = true) { m_wantReturn = want; }
    bool IsWantCtrlReturn() const { return m_wantCtrlReturn; }
    void SetWantCtrlReturn(bool want = true) { m_wantCtrlReturn = want; }
    bool IsTransparent() const { return m_transparent; }
    void SetTransparent(bool transparent = true);
    bool IsRich() const { return m_rich; }
    void SetRich(bool rich = true);
    bool IsReadOnly() const { return m_readOnly; }
    int GetFont() const { return m_font; }
    void SetFont(int index);
    // The control's font, or the window's default font.
    HFONT GetFontHandle() const;
    DWORD GetTextColor() const { return m_textColor; }
    void SetTextColor(DWORD argb);
    int GetLimitText() const { return m_limitText; }
    RECT GetTextPadding() const { return m_textPadding; }
    void SetTextPadding(RECT padding);
    DWORD GetStyleWord() const { return m_style; }
    CTxtWinHost* GetTextHost() const { return m_host; }

protected:
    ~CRichEditUI() override;

private:
    void ReleaseHost();
    bool HandleMouseMessage(UINT message, LPARAM lParam);
    void PlaceImeWindow();
    void SendScroll(UINT message, WORD code);
    // Line down, page down and bottom: in plain-text mode the bar never goes back.
    void ScrollDown(WORD code, bool toRange);
    void OnCaretTimer();
    void PaintCaret(HDC dc);

    CTxtWinHost* m_host = nullptr;
    bool m_wantTab = true;
    bool m_wantReturn = true;
    bool m_wantCtrlReturn = true;
    bool m_transparent = true;
    bool m_rich = true;
    bool m_readOnly = false;
    DWORD m_textColor = 0;
    int m_font = -1;
    int m_limitText = 0x7FFF;
    DWORD m_style = ES_MULTILINE;
    bool m_caretBlink = true;
    bool m_initialized = false;
    bool m_returnBlocked = false;
    RECT m_textPadding = {0, 0, 0, 0};
};

}  // namespace SkinUI
