#include "ui/controls/gdiplus_compat.h"
#include "ui/controls/label.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

Gdiplus::StringAlignment LineAlignment(UINT style)
{
    if ((style & DT_VCENTER) != 0)
        return Gdiplus::StringAlignmentCenter;
    if ((style & DT_BOTTOM) != 0)
        return Gdiplus::StringAlignmentFar;
    return Gdiplus::StringAlignmentNear;
}

Gdiplus::StringAlignment Alignment(UINT style)
{
    if ((style & DT_CENTER) != 0)
        return Gdiplus::StringAlignmentCenter;
    if ((style & DT_RIGHT) != 0)
        return Gdiplus::StringAlignmentFar;
    return Gdiplus::StringAlignmentNear;
}

// A brush from (angle, 0) to (0, length) between two colours.
Gdiplus::LinearGradientBrush GradientBrush(int angle, float length, DWORD from, DWORD to)
{
    return Gdiplus::LinearGradientBrush(Gdiplus::PointF(static_cast<float>(angle), 0.0f),
                                        Gdiplus::PointF(0.0f, length), Gdiplus::Color(from),
                                        Gdiplus::Color(to));
}

}  // namespace

void CLabelUI::PaintEffectText(HDC dc, const RECT& rect)
{
    if (dc == nullptr || m_manager == nullptr || !m_gdiplus.IsStarted())
        return;
    CUIString shown = m_text;
    CWindowManagerUI::ReplaceLanguageTokens(shown);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (shown.IsEmpty() || width <= 0 || height <= 0)
        return;

    HFONT fontHandle = m_manager->GetFontHandle(m_font);
    if (fontHandle == nullptr)
        fontHandle = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
    LOGFONTW logFont = {};
    GetObjectW(fontHandle, sizeof(logFont), &logFont);
    Gdiplus::Font font(dc, &logFont);
    Gdiplus::Graphics graphics(dc);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    Gdiplus::StringFormat format;
    format.SetLineAlignment(LineAlignment(m_textStyle));
    format.SetAlignment(Alignment(m_textStyle));

    const Gdiplus::RectF layout(static_cast<float>(rect.left), static_cast<float>(rect.top),
                                static_cast<float>(width), static_cast<float>(height));
    const float gradient = static_cast<float>(m_gradientLength != 0 ? m_gradientLength : height);
    Gdiplus::LinearGradientBrush shadowBrush =
        GradientBrush(m_gradientAngle, gradient, m_shadowColorA,
                      m_shadowColorB == 0xFFFFFFFF ? m_shadowColorA : m_shadowColorB);
    Gdiplus::LinearGradientBrush textBrush =
        GradientBrush(m_gradientAngle, gradient, m_textColor,
                      m_textColor1 == 0xFFFFFFFF ? m_textColor : m_textColor1);

    if (m_luminous) {
        const int smallWidth = static_cast<int>(width / m_luminousFuzzy);
        const int smallHeight = static_cast<int>(height / m_luminousFuzzy);
        // A glow reduced below one pixel has nothing to show.
        if (smallWidth >= 1 && smallHeight >= 1) {
            Gdiplus::Bitmap glow(width, height, PixelFormat32bppARGB);
            {
                Gdiplus::Graphics canvas(&glow);
                canvas.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
                canvas.DrawString(shown, -1, &font,
                                  Gdiplus::RectF(0.0f, 0.0f, layout.Width, layout.Height), &format,
                                  &textBrush);
            }
            Gdiplus::Bitmap reduced(smallWidth, smallHeight, PixelFormat32bppARGB);
            {
                Gdiplus::Graphics canvas(&reduced);
                canvas.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
                canvas.DrawImage(&glow, 0, 0, smallWidth, smallHeight);
            }
            {
                Gdiplus::Graphics canvas(&glow);
                canvas.Clear(Gdiplus::Color(0, 0, 0, 0));
                canvas.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
                canvas.DrawImage(&reduced, m_shadowOffsetX, m_shadowOffsetY, layout.Width,
                                 layout.Height);
            }
            graphics.DrawImage(&glow, rect.left, rect.top, width, height);
        }
    }
    if (m_stroke && m_strokeColor != 0) {
        Gdiplus::LinearGradientBrush strokeBrush =
            GradientBrush(m_gradientAngle, gradient + 2.0f, m_strokeColor, m_strokeColor);
        static const float kShifts[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& shift : kShifts) {
            Gdiplus::RectF moved = layout;
            moved.Offset(shift[0], shift[1]);
            graphics.DrawString(shown, -1, &font, moved, &format, &strokeBrush);
        }
    }
    if (m_shadow && (m_shadowColorA != 0 || m_shadowColorB != 0xFFFFFFFF)) {
        Gdiplus::RectF moved = layout;
        moved.Offset(m_shadowOffsetX, m_shadowOffsetY);
        graphics.DrawString(shown, -1, &font, moved, &format, &shadowBrush);
    }
    graphics.DrawString(shown, -1, &font, layout, &format, &textBrush);
}

}  // namespace SkinUI
