#include "ui/core/render_dib.h"

#include "ui/core/render_api.h"

namespace SkinUI {

HBITMAP CreateDib32(HDC hDC, int width, int height, bool topDown, LPBYTE* bits)
{
    if (bits) *bits = nullptr;
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = topDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap) return nullptr;
    if (bits) *bits = static_cast<LPBYTE>(pixels);
    return bitmap;
}

namespace {

// The source is premultiplied, so its colour is scaled by the constant alpha
// alone and the destination keeps (1 - source alpha x constant alpha).
void BlendPixels(LPBYTE dst, const BYTE* src, int count, BYTE constantAlpha)
{
    for (int i = 0; i < count; ++i, dst += 4, src += 4) {
        const unsigned coverage = src[3] * constantAlpha / 255u;
        for (int c = 0; c < 4; ++c) {
            const unsigned value = src[c] * constantAlpha / 255u + dst[c] * (255u - coverage) / 255u;
            dst[c] = static_cast<BYTE>(value > 255 ? 255 : value);
        }
    }
}

void SoftwareBlend(HDC hDst, const RECT& rcDst, HDC hSrc, const RECT& rcSrc, BYTE constantAlpha)
{
    const int width = rcDst.right - rcDst.left;
    const int height = rcDst.bottom - rcDst.top;
    LPBYTE srcBits = nullptr;
    LPBYTE dstBits = nullptr;
    HBITMAP srcCopy = CreateDib32(hDst, width, height, true, &srcBits);
    HBITMAP dstCopy = CreateDib32(hDst, width, height, true, &dstBits);
    HDC work = CreateCompatibleDC(hDst);
    if (srcCopy && dstCopy && work) {
        HGDIOBJ old = SelectObject(work, srcCopy);
        SetStretchBltMode(work, COLORONCOLOR);
        StretchBlt(work, 0, 0, width, height, hSrc, rcSrc.left, rcSrc.top, rcSrc.right - rcSrc.left,
                   rcSrc.bottom - rcSrc.top, SRCCOPY);
        SelectObject(work, dstCopy);
        BitBlt(work, 0, 0, width, height, hDst, rcDst.left, rcDst.top, SRCCOPY);
        GdiFlush();
        BlendPixels(dstBits, srcBits, width * height, constantAlpha);
        BitBlt(hDst, rcDst.left, rcDst.top, width, height, work, 0, 0, SRCCOPY);
        SelectObject(work, old);
    }
    if (work) DeleteDC(work);
    if (srcCopy) DeleteObject(srcCopy);
    if (dstCopy) DeleteObject(dstCopy);
}

}  // namespace

void BlendBitmapPart(HDC hDst, const RECT& rcDst, HDC hSrc, const RECT& rcSrc, BYTE constantAlpha)
{
    if (rcDst.right <= rcDst.left || rcDst.bottom <= rcDst.top) return;
    if (rcSrc.right <= rcSrc.left || rcSrc.bottom <= rcSrc.top) return;
    if (auto alphaBlend = RenderApiUI::Get().alphaBlend) {
        const BLENDFUNCTION blend = {AC_SRC_OVER, 0, constantAlpha, AC_SRC_ALPHA};
        alphaBlend(hDst, rcDst.left, rcDst.top, rcDst.right - rcDst.left, rcDst.bottom - rcDst.top, hSrc,
                   rcSrc.left, rcSrc.top, rcSrc.right - rcSrc.left, rcSrc.bottom - rcSrc.top, blend);
        return;
    }
    SoftwareBlend(hDst, rcDst, hSrc, rcSrc, constantAlpha);
}

}  // namespace SkinUI
