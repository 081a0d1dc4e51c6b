#pragma once
// The colour picker's conversions. An RGB colour is a COLORREF (red in bits
// 0-7, blue in 16-23); an ARGB colour is the framework's (blue in bits 0-7,
// alpha in 24-31). Hue in degrees 0 to below 360, saturation and lightness 0-1.

#include <windows.h>

void RgbToHsl(DWORD rgb, float* hue, float* saturation, float* lightness);

// Replaces red, green and blue of the colour; its alpha byte stays.
void HslToRgb(DWORD* argb, float hue, float saturation, float lightness);
