#pragma once
// The colour picker's arithmetic, apart from its window: where the marker
// sits for a hue and saturation, which hue and saturation a point of the
// rainbow area stands for, and the limits of the red, green and blue edits.

#include <windows.h>

// 0xFF000000 | red << 16 | green << 8 | blue, each channel cut to its byte.
DWORD OpaqueColour(int red, int green, int blue);

// The marker's top-left corner, relative to the area's top-left corner, that
// centres a marker of `marker` size on the point of (hue, saturation): hue
// 0..360 left to right, saturation 0..1 bottom to top.
POINT MarkerOffsetFor(float hue, float saturation, SIZE area, SIZE marker);

// The point moved into the rectangle (right and bottom included); true when
// it had to be moved.
bool ClampIntoRect(POINT* point, const RECT& rect);

// Hue and saturation of a point inside the area.
void HueSaturationAt(POINT point, const RECT& area, float* hue, float* saturation);

// The slider position of a lightness 0..1 on the slider's 0..255 range.
int SliderValueForLightness(float lightness);

// A red, green or blue typed into its edit: the leading decimal integer,
// limited to 255 above (`limited` tells whether the edit must show "255");
// the low byte of what remains.
BYTE ChannelFromEditText(const wchar_t* text, bool* limited);
