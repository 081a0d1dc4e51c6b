#include <cstring>

#include "ui/core/renderer.h"

namespace SkinUI {

namespace {

bool IsNeutral(short hue, short saturation, short lightness)
{
    return hue == 180 && saturation == 100 && lightness == 100;
}

double HueToChannel(double p, double q, double t)
{
    if (t < 0) t += 1;
    if (t > 1) t -= 1;
    if (t < 1.0 / 6) return p + (q - p) * 6 * t;
    if (t < 0.5) return q;
    if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

BYTE ToByte(double value)
{
    const double scaled = value * 255 + 0.5;
    return static_cast<BYTE>(scaled < 0 ? 0 : (scaled > 255 ? 255 : scaled));
}

}  // namespace

DWORD CRendererUI::AdjustColorHSL(DWORD color, short hue, short saturation, short lightness)
{
    if (IsNeutral(hue, saturation, lightness)) return color;
    const double r = ((color >> 16) & 0xFF) / 255.0;
    const double g = ((color >> 8) & 0xFF) / 255.0;
    const double b = (color & 0xFF) / 255.0;
    const double high = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const double low = r < g ? (r < b ? r : b) : (g < b ? g : b);
    double h = 0, s = 0, l = (high + low) / 2;
    if (high > low) {
        const double d = high - low;
        s = l > 0.5 ? d / (2 - high - low) : d / (high + low);
        if (high == r) h = (g - b) / d + (g < b ? 6 : 0);
        else if (high == g) h = (b - r) / d + 2;
        else h = (r - g) / d + 4;
        h *= 60;
    }
    h += hue - 180;
    if (h <= 0) h += 360;
    if (h > 360) h -= 360;
    s *= saturation / 100.0;
    l *= lightness / 100.0;
    if (s > 1) s = 1;
    if (l > 1) l = 1;

    double outR = l, outG = l, outB = l;
    if (s > 0) {
        const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
        const double p = 2 * l - q;
        const double t = h / 360;
        outR = HueToChannel(p, q, t + 1.0 / 3);
        outG = HueToChannel(p, q, t);
        outB = HueToChannel(p, q, t - 1.0 / 3);
    }
    return (color & 0xFF000000) | static_cast<DWORD>(ToByte(outR)) << 16 |
           static_cast<DWORD>(ToByte(outG)) << 8 | ToByte(outB);
}

void CRendererUI::AdjustImageHSL(bool useAdjustment, ImageRecordUI* image, short hue, short saturation,
                                 short lightness)
{
    if (!image || !image->adjust || !image->bitmap || !image->bits) return;
    const size_t size = static_cast<size_t>(image->width) * image->height * 4;
    if (image->unadjusted.size() != size) return;
    if (!useAdjustment || IsNeutral(hue, saturation, lightness)) {
        std::memcpy(image->bits, image->unadjusted.data(), size);
        return;
    }
    for (size_t i = 0; i < size; i += 4) {
        DWORD pixel;
        std::memcpy(&pixel, image->unadjusted.data() + i, 4);
        pixel = AdjustColorHSL(pixel, hue, saturation, lightness);
        // Premultiplied pixels never exceed their alpha.
        BYTE* out = image->bits + i;
        const BYTE alpha = static_cast<BYTE>(pixel >> 24);
        for (int c = 0; c < 3; ++c) {
            const BYTE value = static_cast<BYTE>(pixel >> (8 * c));
            out[c] = value > alpha ? alpha : value;
        }
        out[3] = alpha;
    }
}

}  // namespace SkinUI
