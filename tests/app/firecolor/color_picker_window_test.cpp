// The colour picker as a modal window, driven by mouse messages and edits.
#include "app/core/settings/hsl_colors.h"
#include "app/dialogs/color/color_picker.h"
#include "tests/app/firecolor/picker_driver.h"
#include "tests/app/firecolor/test_skin.h"
#include "ui/controls/slider.h"

#include <gtest/gtest.h>

using namespace SkinUI;
using namespace firecolor_test;

namespace {

class ColorPickerWindow : public ::testing::Test {
protected:
    void SetUp() override { UseTestSkin(); }
    void TearDown() override { CWindowManagerUI::SetResourceFolder(L""); }

    // Runs a picker over the owner with `step` driving it; false when it was cancelled.
    bool Pick(DWORD* colour, void (*step)()) {
        RunDuringModalLoop(step);
        return (new ColorPicker(&owner))->PickColor(colour);
    }

    OwnerWindow owner{100, 100, 800, 600};
};

DWORD Hsl(float h, float s, float l) {
    DWORD colour = 0xFF000000;
    HslToRgb(&colour, h, s, l);
    return colour;
}

std::wstring Channel(DWORD colour, int shift) { return std::to_wstring((colour >> shift) & 0xFF); }

SIZE MarkerOffset(const PickerView& view) { return view.Control(L"color_location_control")->GetFixedXY(); }

}  // namespace

TEST_F(ColorPickerWindow, ShowsTheCallersColourInAllThreeFormsAndOkKeepsIt) {
    DWORD colour = 0x12FF0000;
    EXPECT_TRUE(Pick(&colour, [] {
        const PickerView view = OpenPicker();
        ASSERT_NE(view.hwnd, nullptr);
        RECT rect;
        GetWindowRect(view.hwnd, &rect);
        const SIZE size = view.manager->GetInitialSize();
        EXPECT_EQ(rect.left, 100 + (800 - size.cx) / 2);
        EXPECT_EQ(rect.top, 100 + (600 - size.cy) / 2);
        EXPECT_EQ(size.cx, 576);
        EXPECT_EQ(rect.right - rect.left, size.cx);
        EXPECT_EQ(view.Text(L"r_edit"), L"255");
        EXPECT_EQ(view.Text(L"g_edit"), L"0");
        EXPECT_EQ(view.Text(L"b_edit"), L"0");
        EXPECT_EQ(static_cast<CSliderUI*>(view.Control(L"color_lightness_slider"))->GetValue(), 127);
        EXPECT_EQ(MarkerOffset(view).cx, -7);
        EXPECT_EQ(MarkerOffset(view).cy, -7);
        EXPECT_EQ(view.Control(L"color_lightness_control")->GetBackgroundColor2(), 0xFFFF0000u);
        EXPECT_EQ(view.Control(L"current_color_control")->GetBackgroundColor(), 0xFFFF0000u);
        view.Click(L"okbtn");
    }));
    EXPECT_EQ(colour, 0x12FF0000u);
}

TEST_F(ColorPickerWindow, CancelAndCloseLeaveTheWordUntouched) {
    DWORD colour = 0xFF000000;
    EXPECT_FALSE(Pick(&colour, [] {
        const PickerView view = OpenPicker();
        ASSERT_NE(view.hwnd, nullptr);
        // Black: the marker centred on the bottom-left corner.
        const CControlUI* area = view.Control(L"color_rainbow_control");
        EXPECT_EQ(MarkerOffset(view).cx, -7);
        EXPECT_EQ(MarkerOffset(view).cy, area->GetFixedHeight() - 7);
        view.Type(L"r_edit", L"40");
        view.Click(L"cancelbtn");
    }));
    EXPECT_EQ(colour, 0xFF000000u);
    EXPECT_FALSE(Pick(&colour, [] {
        const PickerView view = OpenPicker();
        ASSERT_NE(view.hwnd, nullptr);
        view.Type(L"b_edit", L"40");
        view.Click(L"closebtn");
    }));
    EXPECT_EQ(colour, 0xFF000000u);
}

TEST_F(ColorPickerWindow, DraggingOnTheRainbowTakesHueAndSaturationAndStopsAtItsEdge) {
    DWORD colour = 0xFFFF0000;
    EXPECT_TRUE(Pick(&colour, [] {
        const PickerView view = OpenPicker();
        ASSERT_NE(view.hwnd, nullptr);
        CControlUI* marker = view.Control(L"color_location_control");
        const RECT area = view.Control(L"color_rainbow_control")->GetPosition();
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;

        view.Press(POINT{area.left + width / 2, area.top});
        EXPECT_FALSE(marker->IsVisible());
        const DWORD cyan = Hsl(180, 1, 0.5f);
        EXPECT_EQ(view.Text(L"g_edit"), Channel(cyan, 8));
        EXPECT_EQ(view.Text(L"b_edit"), Channel(cyan, 0));
        EXPECT_EQ(view.Control(L"current_color_control")->GetBackgroundColor(), cyan);

        // Beyond the right edge: the cursor is held on the edge, hue 360.
        const POINT outside = {area.right + 60, area.top + height / 2};
        view.Move(outside);
        POINT cursor;
        GetCursorPos(&cursor);
        POINT edge = {area.right, outside.y};
        ClientToScreen(view.hwnd, &edge);
        EXPECT_EQ(cursor.x, edge.x);
        EXPECT_EQ(cursor.y, edge.y);
        const DWORD expected = Hsl(360, 0.5f, 0.5f);
        EXPECT_EQ(view.Text(L"r_edit"), Channel(expected, 16));
        EXPECT_EQ(view.Text(L"g_edit"), Channel(expected, 8));
        EXPECT_EQ(view.Control(L"color_lightness_control")->GetBackgroundColor2(), expected);

        view.Release(outside);
        EXPECT_TRUE(marker->IsVisible());
        EXPECT_EQ(marker->GetFixedXY().cx, width - marker->GetFixedWidth() / 2);
        EXPECT_EQ(marker->GetFixedXY().cy, height / 2 - marker->GetFixedHeight() / 2);
        // A move without the button pressed in the area takes nothing.
        view.Move(POINT{area.left + 5, area.top + 5});
        EXPECT_EQ(view.Text(L"r_edit"), Channel(expected, 16));
        view.Click(L"okbtn");
    }));
    const DWORD expected = Hsl(360, 0.5f, 0.5f);
    EXPECT_EQ(colour, expected);
}

TEST_F(ColorPickerWindow, ALostCaptureEndsTheDragKeepingTheColourLastTaken) {
    DWORD colour = 0xFFFF0000;
    EXPECT_TRUE(Pick(&colour, [] {
        const PickerView view = OpenPicker();
        ASSERT_NE(view.hwnd, nullptr);
        CControlUI* marker = view.Control(L"color_location_control");
        const RECT area = view.Control(L"color_rainbow_control")->GetPosition();
        const int width = area.right - area.left;
        const POINT cyanTop = {area.left + width / 2, area.top};
        const POINT elsewhere = {area.left + width / 6, area.top + 5};
        const DWORD cyan = Hsl(180, 1, 0.5f);

        // Another window takes the capture.
        view.Press(cyanTop);
        ReleaseCapture();
        view.Move(elsewhere);
        EXPECT_EQ(view.Text(L"r_edit"), Channel(cyan, 16));
        EXPECT_EQ(view.Text(L"g_edit"), Channel(cyan, 8));
        EXPECT_EQ(view.Control(L"current_color_control")->GetBackgroundColor(), cyan);
        EXPECT_TRUE(marker->IsVisible());
        EXPECT_EQ(marker->GetFixedXY().cx, width / 2 - marker->GetFixedWidth() / 2);

        // The system cancels the press.
        view.Press(cyanTop);
        SendMessageW(view.hwnd, WM_CANCELMODE, 0, 0);
        view.Move(elsewhere);
        EXPECT_EQ(view.Text(L"r_edit"), Channel(cyan, 16));
        EXPECT_TRUE(marker->IsVisible());
        view.Click(L"okbtn");
    }));
    EXPECT_EQ(colour, Hsl(180, 1, 0.5f));
}

TEST_F(ColorPickerWindow, TheSliderSetsTheLightness) {
    DWORD colour = 0x80FF0000;
    EXPECT_TRUE(Pick(&colour, [] {
        const PickerView view = OpenPicker();
        ASSERT_NE(view.hwnd, nullptr);
        const RECT slider = view.Control(L"color_lightness_slider")->GetPosition();
        const POINT top = {(slider.left + slider.right) / 2, slider.top};
        view.Press(top);
        view.Release(top);
        EXPECT_EQ(static_cast<CSliderUI*>(view.Control(L"color_lightness_slider"))->GetValue(), 255);
        EXPECT_EQ(view.Text(L"r_edit"), L"255");
        EXPECT_EQ(view.Text(L"g_edit"), L"255");
        EXPECT_EQ(view.Text(L"b_edit"), L"255");
        const POINT bottom = {top.x, slider.bottom - 1};
        view.Press(bottom);
        view.Release(bottom);
        EXPECT_EQ(view.Text(L"r_edit"), L"0");
        EXPECT_EQ(view.Control(L"current_color_control")->GetBackgroundColor(), 0xFF000000u);
        view.Click(L"okbtn");
    }));
    EXPECT_EQ(colour, 0x80000000u);
}

TEST_F(ColorPickerWindow, TypedChannelsAreLimitedAndMoveTheOtherForms) {
    DWORD colour = 0xFFFF0000;
    EXPECT_TRUE(Pick(&colour, [] {
        const PickerView view = OpenPicker();
        ASSERT_NE(view.hwnd, nullptr);
        view.Type(L"g_edit", L"300");
        EXPECT_EQ(view.Text(L"g_edit"), L"255");
        EXPECT_EQ(view.Control(L"current_color_control")->GetBackgroundColor(), 0xFFFFFF00u);
        // Yellow: hue 60 of 360, full saturation at the top of the area.
        const int width = view.Control(L"color_rainbow_control")->GetFixedWidth();
        EXPECT_EQ(view.Control(L"color_location_control")->GetFixedXY().cx, width / 6 - 7);
        EXPECT_EQ(view.Control(L"color_lightness_control")->GetBackgroundColor2(), 0xFFFFFF00u);
        view.Type(L"r_edit", L"16");
        view.Click(L"okbtn");
    }));
    EXPECT_EQ(colour, 0xFF10FF00u);
}
