#pragma once

#include <windows.h>

#include "ui/controls/gdiplus_session.h"
#include "ui/core/control.h"
#include "ui/core/renderer.h"

namespace SkinUI {

// DrawText style of a label: vertically centred, single line.
constexpr UINT kLabelDefaultStyle = DT_VCENTER | DT_SINGLELINE;

// The framework's text control: text inside the position less a padding, in
// a font of the window's table, plain or as inline markup, with DrawText
// alignment. Optionally drawn through GDI+ with a gradient, an outline, a
// shadow and a glow. Base of the button, progress, edit and text controls.
class CLabelUI : public CControlUI {
public:
    CLabelUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetText(const wchar_t* text) override;
    void SetFixedWidth(int width) override;
    void SetFixedHeight(int height) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    SIZE GetDesiredSize(SIZE available) override;
    void PaintText(HDC dc) override;

    DWORD GetTextColor() const { return m_textColor; }
    void SetTextColor(DWORD color);
    DWORD GetDisabledTextColor() const { return m_disabledTextColor; }
    void SetDisabledTextColor(DWORD color);
    int GetFont() const { return m_font; }
    void SetFont(int font);
    UINT GetTextStyle() const { return m_textStyle; }
    RECT GetTextPadding() const { return m_textPadding; }
    void SetTextPadding(RECT padding);
    bool IsShowHtml() const { return m_showHtml; }
    void SetShowHtml(bool showHtml);
    bool IsMultiLine() const { return (m_textStyle & DT_SINGLELINE) == 0; }
    void SetMultiLine(bool multiLine);

    bool IsEnabledEffect() const { return m_effect; }
    void SetEnabledEffect(bool enabled);
    bool IsEnabledLuminous() const { return m_luminous; }
    void SetEnabledLuminous(bool enabled);
    float GetLuminousFuzzy() const { return m_luminousFuzzy; }
    void SetLuminousFuzzy(float fuzzy);
    int GetGradientAngle() const { return m_gradientAngle; }
    void SetGradientAngle(int angle);
    int GetGradientLength() const { return m_gradientLength; }
    void SetGradientLength(int length);
    bool IsEnabledStroke() const { return m_stroke; }
    void SetEnabledStroke(bool enabled);
    bool IsEnabledShadow() const { return m_shadow; }
    void SetEnabledShadow(bool enabled);
    DWORD GetTextColor1() const { return m_textColor1; }
    void SetTextColor1(DWORD color);
    DWORD GetTextShadowColorA() const { return m_shadowColorA; }
    void SetTextShadowColorA(DWORD color);
    DWORD GetTextShadowColorB() const { return m_shadowColorB; }
    void SetTextShadowColorB(DWORD color);
    DWORD GetStrokeColor() const { return m_strokeColor; }
    void SetStrokeColor(DWORD color);
    // Angle in degrees, -180..180; from the position at the time of the call.
    void SetShadowOffset(int offset, int angle);
    // The shadow's shift: x first, then y.
    void GetShadowOffset(float* x, float* y) const;

protected:
    ~CLabelUI() override;

    // Stores a description in an image slot of a subclass: nothing when the
    // text is unchanged and its image loaded; else reset, store, invalidate.
    // The image loads at the first paint.
    void ReplaceImage(ImageDrawInfoUI& image, const wchar_t* description);
    // A control that is not mouse-enabled hands mouse events to its parent,
    // or to the label's own handling without one; true when it did.
    bool ForwardMouseEventWhenMouseDisabled(EventRecordUI& event);
    // A mouse-leave whose point is still inside (the pointer went onto a
    // child or a cover) keeps the control hovered until the real leave: true.
    // Otherwise the control stops listening for leaves: false.
    bool StaysHoveredOnLeave(const EventRecordUI& event);
    // Text colours of 0 take the window's defaults (stored).
    void ResolveDefaultColors();
    // The position less the text padding.
    RECT GetTextRect() const;
    // The text in the label's font and style, as markup or plain text;
    // DT_CALCRECT measures into rect.
    void DrawLabelText(HDC dc, RECT& rect, const wchar_t* text, DWORD color, UINT style);
    // Text-metric height of the label's font; 0 without a manager.
    int FontHeight() const;

    DWORD m_textColor = 0;
    DWORD m_disabledTextColor = 0;
    int m_font = -1;
    UINT m_textStyle = kLabelDefaultStyle;
    RECT m_textPadding = {0, 0, 0, 0};
    bool m_showHtml = false;

private:
    void PaintEffectText(HDC dc, const RECT& rect);
    // The rectangle the text takes when laid out in rect.
    RECT MeasureIn(HDC dc, RECT rect, UINT style);

    CGdiplusSessionUI m_gdiplus;
    SIZE m_lastAvailable = {0, 0};
    SIZE m_measured = {0, 0};
    bool m_needsMeasure = true;
    float m_luminousFuzzy = 3.0f;
    int m_gradientLength = 0;
    int m_gradientAngle = 0;
    bool m_effect = false;
    bool m_luminous = false;
    bool m_stroke = false;
    bool m_shadow = false;
    DWORD m_textColor1 = 0xFFFFFFFF;
    DWORD m_shadowColorA = 0xFF000000;
    DWORD m_shadowColorB = 0xFFFFFFFF;
    DWORD m_strokeColor = 0;
    float m_shadowOffsetX = 0.0f;
    float m_shadowOffsetY = 0.0f;
};

}  // namespace SkinUI
