#pragma once

#include <windows.h>

namespace SkinUI {

// Channels of an ARGB colour (alpha in the top byte).
inline BYTE ArgbAlpha(DWORD argb) { return static_cast<BYTE>(argb >> 24); }
inline BYTE ArgbRed(DWORD argb) { return static_cast<BYTE>(argb >> 16); }
inline BYTE ArgbGreen(DWORD argb) { return static_cast<BYTE>(argb >> 8); }
inline BYTE ArgbBlue(DWORD argb) { return static_cast<BYTE>(argb); }
// GDI's COLORREF of the colour, alpha dropped.
inline COLORREF ArgbToColorRef(DWORD argb) { return RGB(ArgbRed(argb), ArgbGreen(argb), ArgbBlue(argb)); }

}  // namespace SkinUI
