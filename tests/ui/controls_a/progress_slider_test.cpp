#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/progress.h"
#include "ui/controls/slider.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::ControlPtr;
using SkinUI::test::Place;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::Send;

namespace {

typedef std::vector<std::wstring> Types;

TEST(Progress, ValueStaysWithinTheLimitsItWasSetUnder)
{
    ControlPtr<CProgressUI> progress(new CProgressUI);
    EXPECT_EQ(12, progress->GetFixedHeight());
    progress->SetAttribute(L"value", L"150");
    EXPECT_EQ(100, progress->GetValue());
    progress->SetAttribute(L"max", L"200");
    EXPECT_EQ(100, progress->GetValue());
    progress->SetValue(-5);
    EXPECT_EQ(0, progress->GetValue());

    // Limits are stored as given; the next paint puts them in order.
    progress->SetMinValue(40);
    progress->SetMaxValue(40);
    EXPECT_EQ(40, progress->GetMaxValue());
    progress->PaintStatusImage(nullptr);
    EXPECT_EQ(41, progress->GetMaxValue());
    EXPECT_EQ(40, progress->GetValue());

    progress->SetMinValue(INT_MAX);
    progress->PaintStatusImage(nullptr);
    EXPECT_LT(progress->GetMinValue(), progress->GetMaxValue());
}

// A slider 0..100 at 0,0 - 110,20 with the default 10 x 10 thumb.
class SliderInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.AddNotifyReceiver(&receiver);
        slider = Place<CSliderUI>(&manager, RECT{0, 0, 110, 20});
    }

    CWindowManagerUI manager;
    RecordingReceiver receiver;
    ControlPtr<CSliderUI> slider;
};

TEST_F(SliderInput, ValueFromPointMapsTheTrackBetweenTheThumbHalves)
{
    EXPECT_EQ(0, slider->ValueFromPoint(POINT{5, 10}));
    EXPECT_EQ(50, slider->ValueFromPoint(POINT{55, 10}));
    EXPECT_EQ(100, slider->ValueFromPoint(POINT{105, 10}));
    EXPECT_EQ(100, slider->ValueFromPoint(POINT{300, 10}));
    EXPECT_EQ(33, slider->ValueFromPoint(POINT{38, 10}));

    slider->SetValue(50);
    EXPECT_EQ(RECT({50, 5, 60, 15}), slider->GetThumbRect());

    // Vertical sliders grow upwards.
    slider->SetHorizontal(false);
    slider->SetPosition(RECT{0, 0, 20, 110});
    EXPECT_EQ(100, slider->ValueFromPoint(POINT{10, 5}));
    EXPECT_EQ(0, slider->ValueFromPoint(POINT{10, 105}));
    EXPECT_EQ(75, slider->ValueFromPoint(POINT{10, 30}));
    EXPECT_EQ(RECT({5, 50, 15, 60}), slider->GetThumbRect());
}

// 0..7 over 100 px of travel: 36 px past the low end is 2.52 steps, so 3.
TEST_F(SliderInput, APressOnTheTrackOfAShortRangeTakesTheNearestValue)
{
    slider->SetMaxValue(7);
    slider->SetValue(0);
    Send(slider.get(), EventTypeUI::ButtonDown, 41, 10);
    Send(slider.get(), EventTypeUI::ButtonUp, 41, 10);
    EXPECT_EQ(3, slider->GetValue()) << "horizontal";

    slider->SetHorizontal(false);
    slider->SetPosition(RECT{0, 0, 20, 110});
    slider->SetValue(0);
    Send(slider.get(), EventTypeUI::ButtonDown, 10, 69);
    Send(slider.get(), EventTypeUI::ButtonUp, 10, 69);
    EXPECT_EQ(3, slider->GetValue()) << "upright";
}

TEST_F(SliderInput, PressStoresReleaseNotifies)
{
    Send(slider.get(), EventTypeUI::ButtonDown, 55, 10);
    EXPECT_EQ(50, slider->GetValue());
    EXPECT_EQ(kStateCaptured, slider->GetThumbState());
    EXPECT_TRUE(receiver.records.empty());
    Send(slider.get(), EventTypeUI::ButtonUp, 55, 10);
    EXPECT_EQ(Types({L"valuechanged"}), receiver.Types());
    EXPECT_EQ(0u, slider->GetThumbState());

    // A press on the current value still captures; its release still notifies.
    Send(slider.get(), EventTypeUI::ButtonDown, 55, 10);
    Send(slider.get(), EventTypeUI::ButtonUp, 55, 10);
    EXPECT_EQ(2, receiver.Count(L"valuechanged"));

    // A release without a press is not the slider's.
    Send(slider.get(), EventTypeUI::ButtonUp, 5, 10);
    EXPECT_EQ(50, slider->GetValue());
    EXPECT_EQ(2u, receiver.records.size());
}

TEST_F(SliderInput, DragSendsChangingAndWithImmediateNotifyChangedFirst)
{
    Send(slider.get(), EventTypeUI::MouseMove, 30, 10);
    EXPECT_TRUE(receiver.records.empty());
    Send(slider.get(), EventTypeUI::ButtonDown, 5, 10);
    Send(slider.get(), EventTypeUI::MouseMove, 30, 10);
    EXPECT_EQ(25, slider->GetValue());
    EXPECT_EQ(Types({L"valuechanging"}), receiver.Types());

    slider->SetAttribute(L"imm", L"true");
    receiver.records.clear();
    Send(slider.get(), EventTypeUI::MouseMove, 40, 10);
    Send(slider.get(), EventTypeUI::ButtonUp, 40, 10);
    EXPECT_EQ(Types({L"valuechanged", L"valuechanging", L"valuechanged"}), receiver.Types());
    EXPECT_EQ(35, slider->GetValue());
}

// Every geometry the shipped skin gives its sliders: 14 x 14 thumbs over the
// pages' ranges at any width a layout may give them, and the colour picker's
// upright 0..255 slider at any height.
TEST(SliderThumb, APressAndReleaseAnywhereOnTheThumbKeepsTheValue)
{
    struct Geometry {
        bool horizontal;
        int min;
        int max;
    };
    const Geometry geometries[] = {{true, 0, 7},  {true, 0, 11}, {true, 0, 14},
                                   {true, 1, 10}, {true, 1, 11}, {false, 0, 255}};
    CWindowManagerUI manager;
    ControlPtr<CSliderUI> slider = Place<CSliderUI>(&manager, RECT{0, 0, 20, 20});
    slider->SetThumbSize(14, 14);
    int moved = 0;
    std::string first;
    for (const Geometry& geometry : geometries) {
        slider->SetHorizontal(geometry.horizontal);
        slider->SetMinValue(geometry.min);
        slider->SetMaxValue(geometry.max);
        for (int length = 20; length <= 600; ++length) {
            slider->SetPosition(geometry.horizontal ? RECT{0, 0, length, 20}
                                                    : RECT{0, 0, 20, length});
            for (int value = geometry.min; value <= geometry.max; ++value) {
                slider->SetValue(value);
                const RECT thumb = slider->GetThumbRect();
                const POINT centre = {(thumb.left + thumb.right) / 2,
                                      (thumb.top + thumb.bottom) / 2};
                const POINT points[] = {{thumb.left, thumb.top}, centre,
                                        {thumb.right - 1, thumb.bottom - 1}};
                for (const POINT& point : points) {
                    Send(slider.get(), EventTypeUI::ButtonDown, point.x, point.y);
                    Send(slider.get(), EventTypeUI::ButtonUp, point.x, point.y);
                    if (slider->GetValue() == value)
                        continue;
                    if (moved++ == 0)
                        first = "length " + std::to_string(length) + ", value " +
                                std::to_string(value) + " became " +
                                std::to_string(slider->GetValue());
                    slider->SetValue(value);
                }
            }
        }
    }
    EXPECT_EQ(0, moved) << "first: " << first;
}

TEST_F(SliderInput, WheelStepsClampAndAlwaysNotify)
{
    slider->SetAttribute(L"step", L"30");
    slider->SetValue(80);
    Send(slider.get(), EventTypeUI::ScrollWheel, 50, 10, 0);
    EXPECT_EQ(100, slider->GetValue());
    Send(slider.get(), EventTypeUI::ScrollWheel, 50, 10, 0);
    EXPECT_EQ(100, slider->GetValue());
    Send(slider.get(), EventTypeUI::ScrollWheel, 50, 10, 1);
    EXPECT_EQ(70, slider->GetValue());
    EXPECT_EQ(3, receiver.Count(L"valuechanged"));
}

TEST_F(SliderInput, EmptyAndWideRangesNeitherDivideByZeroNorOverflow)
{
    slider->SetMinValue(5);
    slider->SetMaxValue(5);
    slider->SetValue(5);
    Send(slider.get(), EventTypeUI::ButtonDown, 55, 10);
    EXPECT_EQ(5, slider->GetValue());
    EXPECT_EQ(0, slider->GetThumbRect().left);

    slider->SetMinValue(INT_MIN);
    slider->SetMaxValue(INT_MAX);
    slider->SetValue(0);
    EXPECT_EQ(50, slider->GetThumbRect().left);
    EXPECT_EQ(INT_MAX, slider->ValueFromPoint(POINT{105, 10}));
    const int middle = slider->ValueFromPoint(POINT{55, 10});
    EXPECT_LE(middle, 0);
    EXPECT_GT(middle, INT_MIN / 2);
}

}  // namespace
