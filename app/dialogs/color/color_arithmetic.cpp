#include "app/dialogs/color/color_arithmetic.h"

#include "app/windows/text_numbers.h"

DWORD OpaqueColour(int red, int green, int blue) {
    return 0xFF000000u | (static_cast<DWORD>(red & 0xFF) << 16) | (static_cast<DWORD>(green & 0xFF) << 8) |
           static_cast<DWORD>(blue & 0xFF);
}

POINT MarkerOffsetFor(float hue, float saturation, SIZE area, SIZE marker) {
    const float w = static_cast<float>(area.cx);
    const float h = static_cast<float>(area.cy);
    POINT offset;
    offset.x = static_cast<LONG>(w * hue / 360) - marker.cx / 2;
    offset.y = static_cast<LONG>(h - h * saturation - static_cast<float>(marker.cy / 2));
    return offset;
}

bool ClampIntoRect(POINT* point, const RECT& rect) {
    const POINT before = *point;
    if (point->x < rect.left) point->x = rect.left;
    if (point->x > rect.right) point->x = rect.right;
    if (point->y < rect.top) point->y = rect.top;
    if (point->y > rect.bottom) point->y = rect.bottom;
    return point->x != before.x || point->y != before.y;
}

void HueSaturationAt(POINT point, const RECT& area, float* hue, float* saturation) {
    const float width = static_cast<float>(area.right - area.left);
    const float height = static_cast<float>(area.bottom - area.top);
    *hue = width > 0 ? static_cast<float>(point.x - area.left) / width * 360 : 0;
    *saturation = height > 0 ? (height - static_cast<float>(point.y - area.top)) / height : 0;
}

int SliderValueForLightness(float lightness) { return static_cast<int>(lightness * 255); }

BYTE ChannelFromEditText(const wchar_t* text, bool* limited) {
    int value = LeadingInteger(text);
    *limited = value > 255;
    if (*limited) value = 255;
    return static_cast<BYTE>(value & 0xFF);
}
