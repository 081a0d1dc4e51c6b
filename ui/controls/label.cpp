#include "ui/controls/label.h"

#include <cwchar>

#include "ui/core/control_values.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

template <typename T>
void Store(CLabelUI* label, T& field, T value)
{
    field = value;
    label->Invalidate();
}

// "align" and "valign": each word found is applied in the order given.
UINT ApplyAlignWords(UINT style, const wchar_t* value, const wchar_t* const words[3], UINT middle,
                     UINT end)
{
    if (wcsstr(value, words[0]) != nullptr)
        style &= ~(middle | end);
    if (wcsstr(value, words[1]) != nullptr)
        style = (style | middle) & ~end;
    if (wcsstr(value, words[2]) != nullptr)
        style = (style | end) & ~middle;
    return style;
}

}  // namespace

CLabelUI::CLabelUI() = default;

CLabelUI::~CLabelUI() = default;

const wchar_t* CLabelUI::GetClassName() const
{
    return L"Label";
}

void* CLabelUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"Label") == 0)
        return this;
    return CControlUI::GetInterfaceByName(name);
}

void CLabelUI::SetText(const wchar_t* text)
{
    CControlUI::SetText(text);
    m_needsMeasure = true;
}

void CLabelUI::SetFixedWidth(int width)
{
    m_needsMeasure = true;
    CControlUI::SetFixedWidth(width);
}

void CLabelUI::SetFixedHeight(int height)
{
    m_needsMeasure = true;
    CControlUI::SetFixedHeight(height);
}

void CLabelUI::HandleEvent(EventRecordUI& event)
{
    if (event.type == EventTypeUI::SetFocus) {
        m_focused = true;
        return;
    }
    if (event.type == EventTypeUI::KillFocus) {
        m_focused = false;
        return;
    }
    CControlUI::HandleEvent(event);
}

bool CLabelUI::ForwardMouseEventWhenMouseDisabled(EventRecordUI& event)
{
    if (IsMouseEnabled() || !IsMouseEvent(event.type))
        return false;
    if (m_parent != nullptr)
        m_parent->HandleEvent(event);
    else
        CLabelUI::HandleEvent(event);
    return true;
}

bool CLabelUI::StaysHoveredOnLeave(const EventRecordUI& event)
{
    const bool inside = PtInRect(&m_position, event.mousePoint) != FALSE;
    if (m_manager != nullptr) {
        if (inside)
            m_manager->AddMouseLeaveListener(this);
        else
            m_manager->RemoveMouseLeaveListener(this);
    }
    return inside;
}

void CLabelUI::SetTextColor(DWORD color)
{
    Store(this, m_textColor, color);
}
void CLabelUI::SetDisabledTextColor(DWORD color)
{
    Store(this, m_disabledTextColor, color);
}

void CLabelUI::SetFont(int font)
{
    m_needsMeasure = true;
    Store(this, m_font, font);
}

void CLabelUI::SetTextPadding(RECT padding)
{
    m_needsMeasure = true;
    Store(this, m_textPadding, padding);
}

void CLabelUI::SetShowHtml(bool showHtml)
{
    if (m_showHtml == showHtml)
        return;
    m_needsMeasure = true;
    Store(this, m_showHtml, showHtml);
}

void CLabelUI::SetMultiLine(bool multiLine)
{
    if (multiLine)
        m_textStyle = (m_textStyle & ~DT_SINGLELINE) | DT_WORDBREAK;
    else
        m_textStyle |= DT_SINGLELINE;
    m_needsMeasure = true;
}

void CLabelUI::SetEnabledEffect(bool enabled)
{
    Store(this, m_effect, enabled);
}
void CLabelUI::SetEnabledLuminous(bool enabled)
{
    Store(this, m_luminous, enabled);
}

void CLabelUI::SetLuminousFuzzy(float fuzzy)
{
    if (fuzzy < 0.0001f)
        return;
    Store(this, m_luminousFuzzy, fuzzy);
}

void CLabelUI::SetGradientAngle(int angle)
{
    Store(this, m_gradientAngle, angle);
}
void CLabelUI::SetGradientLength(int length)
{
    Store(this, m_gradientLength, length);
}
void CLabelUI::SetEnabledStroke(bool enabled)
{
    Store(this, m_stroke, enabled);
}
void CLabelUI::SetEnabledShadow(bool enabled)
{
    Store(this, m_shadow, enabled);
}
void CLabelUI::SetTextColor1(DWORD color)
{
    Store(this, m_textColor1, color);
}
void CLabelUI::SetTextShadowColorA(DWORD color)
{
    Store(this, m_shadowColorA, color);
}
void CLabelUI::SetTextShadowColorB(DWORD color)
{
    Store(this, m_shadowColorB, color);
}
void CLabelUI::SetStrokeColor(DWORD color)
{
    Store(this, m_strokeColor, color);
}

void CLabelUI::SetShadowOffset(int offset, int angle)
{
    if (angle < -180 || angle > 180)
        return;
    const int top = m_position.top;
    const int left = m_position.left;
    int first = top;
    if (angle >= 0)
        first = top - offset;
    else if (angle > -180)
        first = top + offset;
    int second = left + offset;
    if (angle > -90 && angle <= 90)
        second = left - offset;
    else if (angle == -90)
        second = left;
    m_shadowOffsetX = static_cast<float>(first);
    m_shadowOffsetY = static_cast<float>(second);
    Invalidate();
}

void CLabelUI::GetShadowOffset(float* x, float* y) const
{
    *x = m_shadowOffsetX;
    *y = m_shadowOffsetY;
}

void CLabelUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    static const wchar_t* const kHorizontal[3] = {L"left", L"center", L"right"};
    static const wchar_t* const kVertical[3] = {L"top", L"vcenter", L"bottom"};
    if (wcscmp(name, L"align") == 0) {
        m_textStyle = ApplyAlignWords(m_textStyle, value, kHorizontal, DT_CENTER, DT_RIGHT);
    } else if (wcscmp(name, L"valign") == 0) {
        m_textStyle = ApplyAlignWords(m_textStyle, value, kVertical, DT_VCENTER, DT_BOTTOM);
    } else if (wcscmp(name, L"endellipsis") == 0) {
        if (IsTrueValue(value))
            m_textStyle |= DT_END_ELLIPSIS;
        else
            m_textStyle &= ~DT_END_ELLIPSIS;
    } else if (wcscmp(name, L"font") == 0) {
        SetFont(static_cast<int>(wcstol(value, nullptr, 10)));
    } else if (wcscmp(name, L"textcolor") == 0) {
        SetTextColor(ReadHexColor(value));
    } else if (wcscmp(name, L"disabledtextcolor") == 0) {
        SetDisabledTextColor(ReadHexColor(value));
    } else if (wcscmp(name, L"textpadding") == 0) {
        SetTextPadding(ReadRect(value));
    } else if (wcscmp(name, L"multiline") == 0) {
        SetMultiLine(IsTrueValue(value));
    } else if (wcscmp(name, L"showhtml") == 0) {
        SetShowHtml(IsTrueValue(value));
    } else if (wcscmp(name, L"enabledeffect") == 0) {
        SetEnabledEffect(IsTrueValue(value));
    } else if (wcscmp(name, L"enabledluminous") == 0) {
        SetEnabledLuminous(IsTrueValue(value));
    } else if (wcscmp(name, L"luminousfuzzy") == 0) {
        SetLuminousFuzzy(static_cast<float>(wcstod(value, nullptr)));
    } else if (wcscmp(name, L"gradientangle") == 0) {
        SetGradientAngle(static_cast<int>(wcstol(value, nullptr, 10)));
    } else if (wcscmp(name, L"enabledstroke") == 0) {
        SetEnabledStroke(IsTrueValue(value));
    } else if (wcscmp(name, L"enabledshadow") == 0) {
        SetEnabledShadow(IsTrueValue(value));
    } else if (wcscmp(name, L"gradientlength") == 0) {
        SetGradientLength(static_cast<int>(wcstol(value, nullptr, 10)));
    } else if (wcscmp(name, L"shadowoffset") == 0) {
        const SIZE offset = ReadSize(value);
        SetShadowOffset(offset.cx, offset.cy);
    } else if (wcscmp(name, L"textcolor1") == 0) {
        SetTextColor1(ReadHexColor(value));
    } else if (wcscmp(name, L"textshadowcolora") == 0) {
        SetTextShadowColorA(ReadHexColor(value));
    } else if (wcscmp(name, L"textshadowcolorb") == 0) {
        SetTextShadowColorB(ReadHexColor(value));
    } else if (wcscmp(name, L"strokecolor") == 0) {
        SetStrokeColor(ReadHexColor(value));
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

int CLabelUI::FontHeight() const
{
    if (m_manager == nullptr)
        return 0;
    return m_manager->GetFontRecord(m_font)->metrics.tmHeight;
}

RECT CLabelUI::MeasureIn(HDC dc, RECT rect, UINT style)
{
    // Without a window there is nothing to measure with: the text takes no room.
    if (dc == nullptr)
        return RECT{rect.left, rect.top, rect.left, rect.top};
    DrawLabelText(dc, rect, m_text, 0, style | DT_CALCRECT);
    return rect;
}

SIZE CLabelUI::GetDesiredSize(SIZE available)
{
    if (m_fixedSize.cx > 0 && m_fixedSize.cy > 0)
        return m_fixedSize;
    const bool singleLine = (m_textStyle & DT_SINGLELINE) != 0;
    if (!singleLine && (available.cx != m_lastAvailable.cx || available.cy != m_lastAvailable.cy))
        m_needsMeasure = true;
    if (!m_needsMeasure)
        return m_measured;

    m_measured = m_fixedSize;
    m_lastAvailable = available;
    m_needsMeasure = false;
    HDC dc = m_manager != nullptr ? m_manager->GetWindowDC() : nullptr;
    const UINT measureStyle = m_textStyle & ~(DT_CENTER | DT_RIGHT);
    const RECT& pad = m_textPadding;
    if (singleLine) {
        if (m_measured.cy == 0)
            m_measured.cy = FontHeight() + pad.top + pad.bottom + 8;
        if (m_measured.cx == 0) {
            const RECT rect = MeasureIn(dc, RECT{0, 0, 9999, m_measured.cy}, measureStyle);
            m_measured.cx = pad.left + pad.right + (rect.right - rect.left);
        }
    } else {
        if (m_measured.cx == 0)
            m_measured.cx = available.cx;
        const RECT rect =
            MeasureIn(dc, RECT{pad.left, 0, m_measured.cx - pad.right, 9999}, measureStyle);
        m_measured.cy = pad.top + pad.bottom + (rect.bottom - rect.top);
    }
    return m_measured;
}

void CLabelUI::ReplaceImage(ImageDrawInfoUI& image, const wchar_t* description)
{
    const wchar_t* text = description != nullptr ? description : L"";
    if (image.description == text && image.image != nullptr)
        return;
    image.Reset();
    image.description = text;
    Invalidate();
}

void CLabelUI::ResolveDefaultColors()
{
    if (m_manager == nullptr)
        return;
    if (m_textColor == 0)
        m_textColor = m_manager->GetDefaultTextColor();
    if (m_disabledTextColor == 0)
        m_disabledTextColor = m_manager->GetDisabledTextColor();
}

RECT CLabelUI::GetTextRect() const
{
    return RECT{m_position.left + m_textPadding.left, m_position.top + m_textPadding.top,
                m_position.right - m_textPadding.right, m_position.bottom - m_textPadding.bottom};
}

void CLabelUI::DrawLabelText(HDC dc, RECT& rect, const wchar_t* text, DWORD color, UINT style)
{
    if (m_showHtml) {
        int noLinks = 0;
        CRendererUI::DrawMarkupText(dc, m_manager, rect, text, color, nullptr, nullptr, noLinks,
                                    m_font, style);
    } else {
        CRendererUI::DrawPlainText(dc, m_manager, rect, text, color, m_font, style);
    }
}

void CLabelUI::PaintText(HDC dc)
{
    ResolveDefaultColors();
    RECT rect = GetTextRect();
    if (m_effect) {
        PaintEffectText(dc, rect);
        return;
    }
    if (m_text.IsEmpty())
        return;
    DrawLabelText(dc, rect, m_text, IsEnabled() ? m_textColor : m_disabledTextColor, m_textStyle);
}

}  // namespace SkinUI
