#pragma once

#include <windows.h>

#include <vector>

#include "ui/core/ui_string.h"

namespace SkinUI {

// One loaded image: a 32-bit top-down DIB section whose pixels are bytes
// blue, green, red, alpha with the colour already multiplied by alpha / 255,
// the form AlphaBlend takes. Made by CRendererUI::LoadImage, released by
// CRendererUI::FreeImage.
struct ImageRecordUI {
    HBITMAP bitmap = nullptr;  // owned
    LPBYTE bits = nullptr;     // the DIB's pixels, width x height x 4 bytes, top row first
    // Pixels before hue/saturation/lightness adjustment; kept only for images
    // loaded with the adjust flag (empty otherwise).
    std::vector<BYTE> unadjusted;
    int width = 0;
    int height = 0;
    bool alpha = false;   // some pixel is not fully opaque, or the mask cleared one
    bool adjust = false;  // set by the window manager
    CUIString resourceType;  // empty for skin files
    DWORD mask = 0;          // the colour that was made transparent
};

}  // namespace SkinUI
