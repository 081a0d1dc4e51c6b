#include "ui/core/render_api.h"
#include "ui/core/render_color.h"
#include "ui/core/render_dib.h"
#include "ui/core/renderer.h"

namespace SkinUI {

namespace {

void FillSolid(HDC hDC, const RECT& rc, COLORREF color)
{
    const COLORREF old = SetBkColor(hDC, color);
    ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    SetBkColor(hDC, old);
}

int BandCount(int steps)
{
    int bands = 2;
    while (bands < 64 && steps >= bands * 2) bands *= 2;
    return bands;
}

// Solid bands, band i holding (colour 2 x (N - i) + colour 1 x i) / N and lying
// i-th from the bottom (vertical) or the right.
void FillBands(HDC hDC, const RECT& rc, DWORD color1, DWORD color2, bool vertical, int steps)
{
    const int bands = BandCount(steps);
    const int length = vertical ? rc.bottom - rc.top : rc.right - rc.left;
    for (int i = 0; i < bands; ++i) {
        auto mix = [&](BYTE c1, BYTE c2) { return static_cast<BYTE>((c2 * (bands - i) + c1 * i) / bands); };
        const COLORREF color = RGB(mix(ArgbRed(color1), ArgbRed(color2)), mix(ArgbGreen(color1), ArgbGreen(color2)),
                                   mix(ArgbBlue(color1), ArgbBlue(color2)));
        RECT band = rc;
        if (vertical) {
            band.bottom = rc.bottom - length * i / bands;
            band.top = rc.bottom - length * (i + 1) / bands;
        } else {
            band.right = rc.right - length * i / bands;
            band.left = rc.right - length * (i + 1) / bands;
        }
        FillSolid(hDC, band, color);
    }
}

void FillGradient(HDC hDC, const RECT& rc, DWORD color1, DWORD color2, bool vertical, int steps)
{
    auto gradientFill = RenderApiUI::Get().gradientFill;
    if (!gradientFill) {
        FillBands(hDC, rc, color1, color2, vertical, steps);
        return;
    }
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rc.left;
    vertices[0].y = rc.top;
    vertices[0].Red = static_cast<COLOR16>(ArgbRed(color1) << 8);
    vertices[0].Green = static_cast<COLOR16>(ArgbGreen(color1) << 8);
    vertices[0].Blue = static_cast<COLOR16>(ArgbBlue(color1) << 8);
    vertices[0].Alpha = 0xFF00;
    vertices[1].x = rc.right;
    vertices[1].y = rc.bottom;
    vertices[1].Red = static_cast<COLOR16>(ArgbRed(color2) << 8);
    vertices[1].Green = static_cast<COLOR16>(ArgbGreen(color2) << 8);
    vertices[1].Blue = static_cast<COLOR16>(ArgbBlue(color2) << 8);
    vertices[1].Alpha = 0xFF00;
    GRADIENT_RECT index = {0, 1};
    gradientFill(hDC, vertices, 2, &index, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

HPEN CreateFramePen(int size, DWORD color, int style)
{
    return CreatePen(style | PS_INSIDEFRAME, size, ArgbToColorRef(color));
}

}  // namespace

void CRendererUI::FillColor(HDC hDC, const RECT& rc, DWORD color)
{
    const BYTE alpha = ArgbAlpha(color);
    if (!hDC || alpha == 0) return;
    if (alpha == 0xFF) {
        FillSolid(hDC, rc, ArgbToColorRef(color));
        return;
    }
    LPBYTE bits = nullptr;
    HBITMAP pixel = CreateDib32(hDC, 1, 1, true, &bits);
    if (!pixel) return;
    // Premultiplied, as loaded images are: AlphaBlend expects it.
    bits[0] = static_cast<BYTE>(ArgbBlue(color) * alpha / 255);
    bits[1] = static_cast<BYTE>(ArgbGreen(color) * alpha / 255);
    bits[2] = static_cast<BYTE>(ArgbRed(color) * alpha / 255);
    bits[3] = alpha;
    const RECT whole = {0, 0, 1, 1};
    const RECT none = {0, 0, 0, 0};
    DrawImage(hDC, pixel, rc, rc, whole, none, true, 255);
    DeleteObject(pixel);
}

void CRendererUI::DrawGradient(HDC hDC, const RECT& rc, DWORD color1, DWORD color2, bool vertical,
                               int steps)
{
    const int alpha = (ArgbAlpha(color1) + ArgbAlpha(color2)) / 2;
    if (!hDC || alpha == 0) return;
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0) return;
    if (alpha == 255) {
        FillGradient(hDC, rc, color1, color2, vertical, steps);
        return;
    }
    LPBYTE bits = nullptr;
    HBITMAP bitmap = CreateDib32(hDC, width, height, true, &bits);
    HDC work = bitmap ? CreateCompatibleDC(hDC) : nullptr;
    if (work) {
        HGDIOBJ old = SelectObject(work, bitmap);
        const RECT local = {0, 0, width, height};
        FillGradient(work, local, color1, color2, vertical, steps);
        GdiFlush();
        // GDI leaves the alpha bytes 0; the gradient itself is opaque.
        for (int i = 0; i < width * height; ++i) bits[i * 4 + 3] = 0xFF;
        BlendBitmapPart(hDC, rc, work, local, static_cast<BYTE>(alpha));
        SelectObject(work, old);
        DeleteDC(work);
    }
    if (bitmap) DeleteObject(bitmap);
}

void CRendererUI::DrawLine(HDC hDC, const RECT& rc, int size, DWORD color, int style)
{
    if (!hDC) return;
    LOGPEN logPen = {static_cast<UINT>(style), {size, 0}, ArgbToColorRef(color)};
    HPEN pen = CreatePenIndirect(&logPen);
    if (!pen) return;
    HGDIOBJ oldPen = SelectObject(hDC, pen);
    POINT previous;
    MoveToEx(hDC, rc.left, rc.top, &previous);
    LineTo(hDC, rc.right, rc.bottom);
    MoveToEx(hDC, previous.x, previous.y, nullptr);
    SelectObject(hDC, oldPen);
    DeleteObject(pen);
}

void CRendererUI::DrawRect(HDC hDC, const RECT& rc, int size, DWORD color, int style)
{
    if (!hDC) return;
    HPEN pen = CreateFramePen(size, color, style);
    if (!pen) return;
    HGDIOBJ oldPen = SelectObject(hDC, pen);
    HGDIOBJ oldBrush = SelectObject(hDC, GetStockObject(NULL_BRUSH));
    Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom);
    SelectObject(hDC, oldBrush);
    SelectObject(hDC, oldPen);
    DeleteObject(pen);
}

void CRendererUI::DrawRoundRect(HDC hDC, const RECT& rc, int size, int width, int height, DWORD color,
                                int style)
{
    if (!hDC) return;
    HPEN pen = CreateFramePen(size, color, style);
    if (!pen) return;
    HGDIOBJ oldPen = SelectObject(hDC, pen);
    HGDIOBJ oldBrush = SelectObject(hDC, GetStockObject(NULL_BRUSH));
    RoundRect(hDC, rc.left, rc.top, rc.right, rc.bottom, width, height);
    SelectObject(hDC, oldBrush);
    SelectObject(hDC, oldPen);
    DeleteObject(pen);
}

}  // namespace SkinUI
