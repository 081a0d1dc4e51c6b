#pragma once

#include <windows.h>

namespace SkinUI {

// A 32-bit BI_RGB DIB section, rows top-down or bottom-up; null on failure.
HBITMAP CreateDib32(HDC hDC, int width, int height, bool topDown, LPBYTE* bits);

// Draws a part of the bitmap selected in hSrc onto hDst with per-pixel alpha
// (premultiplied source) times the constant alpha, through AlphaBlend or,
// where the system has none, a software blend of the same result.
void BlendBitmapPart(HDC hDst, const RECT& rcDst, HDC hSrc, const RECT& rcSrc, BYTE constantAlpha);

}  // namespace SkinUI
