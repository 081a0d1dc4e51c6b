#pragma once

#include "ui/controls/label.h"

namespace SkinUI {

// Local id of the button's fade timer.
constexpr UINT kButtonFadeTimerId = 11;
constexpr UINT kButtonFadePeriodMs = 30;

// The push button: a label with a mouse and keyboard state machine, an image
// per state, state text colours and an optional cross-fade between the
// normal and the hot image. Sends "click", "menu", "Button_Mouse_Focus" and
// "Button_Mouse_Lose_Focus". Base of the option and the check box.
class CButtonUI : public CLabelUI {
public:
    CButtonUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    bool Activate() override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    SIZE GetDesiredSize(SIZE available) override;
    void PaintStatusImage(HDC dc) override;
    void PaintText(HDC dc) override;

    const CUIString& GetNormalImage() const { return m_normalImage.description; }
    void SetNormalImage(const wchar_t* description);
    const CUIString& GetHotImage() const { return m_hotImage.description; }
    void SetHotImage(const wchar_t* description);
    const CUIString& GetHotForeImage() const { return m_hotForeImage.description; }
    void SetHotForeImage(const wchar_t* description);
    const CUIString& GetPushedImage() const { return m_pushedImage.description; }
    void SetPushedImage(const wchar_t* description);
    const CUIString& GetFocusedImage() const { return m_focusedImage.description; }
    void SetFocusedImage(const wchar_t* description);
    const CUIString& GetDisabledImage() const { return m_disabledImage.description; }
    void SetDisabledImage(const wchar_t* description);
    // One image cut into five equal vertical strips: normal, pushed, hot,
    // focused and disabled.
    void SetFiveStatusImage(const wchar_t* description);

    DWORD GetHotBkColor() const { return m_hotBkColor; }
    void SetHotBkColor(DWORD color) { m_hotBkColor = color; }
    DWORD GetHotTextColor() const { return m_hotTextColor; }
    void SetHotTextColor(DWORD color) { m_hotTextColor = color; }
    DWORD GetPushedTextColor() const { return m_pushedTextColor; }
    void SetPushedTextColor(DWORD color) { m_pushedTextColor = color; }
    DWORD GetFocusedTextColor() const { return m_focusedTextColor; }
    void SetFocusedTextColor(DWORD color) { m_focusedTextColor = color; }
    BYTE GetFadeDelta() const { return m_fadeDelta; }
    void SetFadeDelta(BYTE delta) { m_fadeDelta = delta; }
    // Weight of the normal image against the hot one: 255 all normal.
    BYTE GetFadeValue() const { return m_fadeValue; }
    UINT GetButtonState() const { return m_buttonState; }

protected:
    ~CButtonUI() override = default;

    // Draws with the given fade instead of the description's own.
    bool DrawImageFaded(HDC dc, ImageDrawInfoUI& image, BYTE fade);
    // Refreshes the focused and disabled bits from the control.
    void RefreshFocusAndEnabled();

    UINT m_buttonState = 0;

private:
    bool HandleMouseEvent(EventRecordUI& event);
    void OnFadeTimer();
    void PaintNormalImage(HDC dc);
    bool PaintHotImage(HDC dc);

    DWORD m_hotBkColor = 0;
    DWORD m_hotTextColor = 0;
    DWORD m_pushedTextColor = 0;
    DWORD m_focusedTextColor = 0;
    BYTE m_fadeValue = 255;
    BYTE m_fadeDelta = 0;
    ImageDrawInfoUI m_normalImage;
    ImageDrawInfoUI m_hotImage;
    ImageDrawInfoUI m_hotForeImage;
    ImageDrawInfoUI m_pushedImage;
    ImageDrawInfoUI m_focusedImage;
    ImageDrawInfoUI m_disabledImage;
};

}  // namespace SkinUI
