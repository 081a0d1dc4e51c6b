// The colour model and the picker's arithmetic, without a window.
#include "app/core/settings/hsl_colors.h"
#include "app/dialogs/color/color_arithmetic.h"

#include <gtest/gtest.h>

TEST(ColourModel, PureRedIsHueZeroFullySaturatedAtHalfLightness) {
    float h = -1, s = -1, l = -1;
    RgbToHsl(RGB(255, 0, 0), &h, &s, &l);
    EXPECT_FLOAT_EQ(h, 0);
    EXPECT_FLOAT_EQ(s, 1);
    EXPECT_FLOAT_EQ(l, 0.5f);
    EXPECT_EQ(SliderValueForLightness(l), 127);
    DWORD word = 0x5A000000;
    HslToRgb(&word, h, s, l);
    EXPECT_EQ(word, 0x5AFF0000u);  // the top byte stays
}

TEST(PickerArithmetic, MarkerCentresOnTheHueAndSaturationPoint) {
    const SIZE area = {300, 200};
    const SIZE marker = {14, 14};
    POINT p = MarkerOffsetFor(0, 1, area, marker);  // red: top-left corner
    EXPECT_EQ(p.x, -7);
    EXPECT_EQ(p.y, -7);
    p = MarkerOffsetFor(0, 0, area, marker);  // black: bottom-left corner
    EXPECT_EQ(p.x, -7);
    EXPECT_EQ(p.y, 193);
    p = MarkerOffsetFor(180, 0.5f, area, SIZE{15, 15});  // odd sizes halve truncated
    EXPECT_EQ(p.x, 143);
    EXPECT_EQ(p.y, 93);
}

TEST(PickerArithmetic, PointsOutsideTheAreaAreClampedOntoItsEdge) {
    const RECT area = {10, 20, 310, 220};
    POINT inside = {100, 100};
    EXPECT_FALSE(ClampIntoRect(&inside, area));
    POINT right = {400, 100};
    EXPECT_TRUE(ClampIntoRect(&right, area));
    EXPECT_EQ(right.x, 310);
    POINT corner = {0, 500};
    EXPECT_TRUE(ClampIntoRect(&corner, area));
    EXPECT_EQ(corner.x, 10);
    EXPECT_EQ(corner.y, 220);

    float h = 0, s = 0;
    HueSaturationAt(right, area, &h, &s);
    EXPECT_FLOAT_EQ(h, 360);
    EXPECT_FLOAT_EQ(s, 0.6f);
    HueSaturationAt(POINT{10, 20}, area, &h, &s);
    EXPECT_FLOAT_EQ(h, 0);
    EXPECT_FLOAT_EQ(s, 1);
    HueSaturationAt(corner, area, &h, &s);
    EXPECT_FLOAT_EQ(s, 0);
}

TEST(PickerArithmetic, ChannelEditsAreLimitedTo255AndKeepTheLowByte) {
    bool limited = false;
    EXPECT_EQ(ChannelFromEditText(L"300", &limited), 255);
    EXPECT_TRUE(limited);
    EXPECT_EQ(ChannelFromEditText(L"255", &limited), 255);
    EXPECT_FALSE(limited);
    EXPECT_EQ(ChannelFromEditText(L"", &limited), 0);
    EXPECT_EQ(ChannelFromEditText(L"12abc", &limited), 12);
    EXPECT_EQ(ChannelFromEditText(L"-1", &limited), 255);  // below 0: the low byte
    EXPECT_FALSE(limited);
    EXPECT_EQ(ChannelFromEditText(L"99999999999", &limited), 255);
    EXPECT_TRUE(limited);
    EXPECT_EQ(OpaqueColour(0x112, 0x34, 0x56), 0xFF123456u);
}
