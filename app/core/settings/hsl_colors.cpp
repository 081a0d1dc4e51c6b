#include "app/core/settings/hsl_colors.h"

#include <algorithm>

namespace {

float HueToComponent(float p, float q, float t) {
    if (t < 0) t += 1;
    else if (t > 1) t -= 1;
    if (6 * t < 1) return p + (q - p) * 6 * t;
    if (2 * t < 1) return q;
    if (3 * t < 2) return p + (q - p) * (2.0f / 3 - t) * 6;
    return p;
}

DWORD ToByte(float component) {
    const float scaled = std::min(255.0f, std::max(0.0f, component * 255));
    return static_cast<DWORD>(scaled);
}

}  // namespace

void RgbToHsl(DWORD rgb, float* hue, float* saturation, float* lightness) {
    const float r = static_cast<float>(GetRValue(rgb)) / 255;
    const float g = static_cast<float>(GetGValue(rgb)) / 255;
    const float b = static_cast<float>(GetBValue(rgb)) / 255;
    const float mn = std::min({r, g, b});
    const float mx = std::max({r, g, b});
    *lightness = (mn + mx) / 2;
    if (mn == mx) {
        *hue = 0;
        *saturation = 0;
        return;
    }
    const float range = mx - mn;
    float h;
    if (mn == r) h = 3 - (g - b) / range;
    else if (mn == g) h = 5 - (b - r) / range;
    else h = 1 - (r - g) / range;
    if (h >= 6) h -= 6;
    *hue = h * 60;
    *saturation = *lightness <= 0.5f ? range / (mx + mn) : range / (2 - mx - mn);
}

void HslToRgb(DWORD* argb, float hue, float saturation, float lightness) {
    const float q = 2 * lightness < 1 ? lightness * (1 + saturation) : lightness + saturation - lightness * saturation;
    const float p = 2 * lightness - q;
    const float h = hue / 360;
    const DWORD red = ToByte(HueToComponent(p, q, h + 1.0f / 3));
    const DWORD green = ToByte(HueToComponent(p, q, h));
    const DWORD blue = ToByte(HueToComponent(p, q, h - 1.0f / 3));
    *argb = (*argb & 0xFF000000u) | (red << 16) | (green << 8) | blue;
}
