#include <gtest/gtest.h>

#include <climits>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/controls/button.h"
#include "ui/controls/option.h"
#include "ui/controls/progress.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::ControlPtr;
using SkinUI::test::MemCanvas;
using SkinUI::test::Place;
using SkinUI::test::ResourceFolderScope;
using SkinUI::test::RgbNear;
using SkinUI::test::Send;
using SkinUI::test::TempFile;

namespace {

const DWORD kRed = 0xFFFF0000;
const DWORD kGreen = 0xFF00FF00;
const DWORD kBlue = 0xFF0000FF;
const DWORD kYellow = 0xFFFFFF00;
const DWORD kGrey = 0xFF808080;
const DWORD kWhite = 0xFFFFFFFF;

CUIString Solid(DWORD argb)
{
    CUIString description;
    description.Format(L"color='#%08X'", static_cast<unsigned>(argb));
    return description;
}

// Controls painted into a white 200 x 200 memory DC by a window-less manager.
class StatePaint : public ::testing::Test {
protected:
    DWORD PaintAndRead(CControlUI* control, int x, int y)
    {
        canvas.Fill(kWhite);
        control->Paint(canvas.dc(), RECT{0, 0, 200, 200}, nullptr);
        return canvas.Pixel(x, y);
    }

    CWindowManagerUI manager;
    MemCanvas canvas{200, 200};
};

TEST_F(StatePaint, ButtonShowsTheImageOfItsState)
{
    ControlPtr<CButtonUI> button = Place<CButtonUI>(&manager, RECT{10, 10, 60, 40});
    button->SetNormalImage(Solid(kRed));
    button->SetHotImage(Solid(kGreen));
    button->SetPushedImage(Solid(kBlue));
    button->SetDisabledImage(Solid(kGrey));
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 30, 30), kRed));
    EXPECT_TRUE(RgbNear(canvas.Pixel(5, 5), kWhite));
    Send(button.get(), EventTypeUI::MouseEnter, 30, 30);
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 30, 30), kGreen));
    Send(button.get(), EventTypeUI::ButtonDown, 30, 30);
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 30, 30), kBlue));
    Send(button.get(), EventTypeUI::ButtonUp, 30, 30);
    button->SetEnabled(false);
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 30, 30), kGrey));

    // Without a disabled image a disabled button shows its normal one.
    button->SetDisabledImage(L"");
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 30, 30), kRed));

    // Half way through a fade both images show; the descriptions keep their own fade.
    button->SetEnabled(true);
    button->SetAttribute(L"fadedelta", L"128");
    Send(button.get(), EventTypeUI::MouseEnter, 30, 30);
    Send(button.get(), EventTypeUI::Timer, 30, 30, kButtonFadeTimerId);
    const DWORD mixed = PaintAndRead(button.get(), 30, 30);
    EXPECT_GT((mixed >> 16) & 0xFF, 0x40u);
    EXPECT_GT((mixed >> 8) & 0xFF, 0x40u);
    Send(button.get(), EventTypeUI::Timer, 30, 30, kButtonFadeTimerId);
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 30, 30), kGreen, 4));
}

TEST_F(StatePaint, FiveStatusImageCutsOneImageIntoStrips)
{
    // 250 x 10: red, green, blue, yellow and grey strips of 50 pixels.
    const DWORD strips[5] = {kRed, kGreen, kBlue, kYellow, kGrey};
    std::vector<BYTE> rgba = test::SolidRgba(250, 10, kWhite);
    for (int x = 0; x < 250; ++x) {
        for (int y = 0; y < 10; ++y)
            test::SetRgbaPixel(rgba, 250, x, y, strips[x / 50]);
    }
    TempFile file(L"five_status.png", test::EncodePng(250, 10, rgba));
    ResourceFolderScope skin(file.folder());

    ControlPtr<CButtonUI> button = Place<CButtonUI>(&manager, RECT{0, 0, 50, 10});
    button->SetAttribute(L"float", L"true");
    button->SetAttribute(L"fivestatusimage", L"five_status.png");
    EXPECT_EQ(50, button->GetFixedWidth());
    EXPECT_EQ(10, button->GetFixedHeight());
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 25, 5), kRed));
    Send(button.get(), EventTypeUI::SetFocus);
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 25, 5), kYellow));
    Send(button.get(), EventTypeUI::MouseEnter, 25, 5);
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 25, 5), kBlue));
    Send(button.get(), EventTypeUI::ButtonDown, 25, 5);
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 25, 5), kGreen));
    button->SetEnabled(false);
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 25, 5), kGrey));

    // A missing image leaves the button blank.
    button->SetFiveStatusImage(L"no_such_strip.png");
    EXPECT_TRUE(RgbNear(PaintAndRead(button.get(), 25, 5), kWhite));
}

TEST_F(StatePaint, SelectedOptionUsesItsOwnLookAndNeverThePushedImage)
{
    ControlPtr<COptionUI> option = Place<COptionUI>(&manager, RECT{10, 10, 60, 40});
    option->SetNormalImage(Solid(kRed));
    option->SetPushedImage(Solid(kGrey));
    option->SetAttribute(L"selectedimage", Solid(kBlue));
    option->SetAttribute(L"selectedhotimage", Solid(kYellow));
    option->SetAttribute(L"foreimage", L"color='#FF00FF00' dest='0,0,5,5'");
    Send(option.get(), EventTypeUI::ButtonDown, 30, 30);
    EXPECT_TRUE(RgbNear(PaintAndRead(option.get(), 30, 30), kRed));
    EXPECT_TRUE(RgbNear(canvas.Pixel(12, 12), kGreen));
    Send(option.get(), EventTypeUI::ButtonUp, 30, 30);
    EXPECT_TRUE(option->IsSelected());
    EXPECT_TRUE(RgbNear(PaintAndRead(option.get(), 30, 30), kBlue));
    Send(option.get(), EventTypeUI::MouseEnter, 30, 30);
    EXPECT_TRUE(RgbNear(PaintAndRead(option.get(), 30, 30), kYellow));
    EXPECT_TRUE(RgbNear(canvas.Pixel(12, 12), kGreen));
}

TEST_F(StatePaint, ProgressFillsItsShareFromTheLeftOrTheBottom)
{
    ControlPtr<CProgressUI> progress = Place<CProgressUI>(&manager, RECT{0, 0, 200, 12});
    progress->SetAttribute(L"foreimage", Solid(kRed));
    progress->SetAttribute(L"value", L"50");
    EXPECT_TRUE(RgbNear(PaintAndRead(progress.get(), 99, 6), kRed));
    EXPECT_TRUE(RgbNear(canvas.Pixel(100, 6), kWhite));

    progress->SetAttribute(L"hor", L"false");
    progress->SetPosition(RECT{0, 0, 12, 200});
    EXPECT_TRUE(RgbNear(PaintAndRead(progress.get(), 6, 100), kRed));
    EXPECT_TRUE(RgbNear(canvas.Pixel(6, 99), kWhite));

    // The widest range still gives half for the middle value.
    progress->SetMinValue(INT_MIN);
    progress->SetMaxValue(INT_MAX);
    progress->SetValue(0);
    EXPECT_TRUE(RgbNear(PaintAndRead(progress.get(), 6, 101), kRed));
    EXPECT_TRUE(RgbNear(canvas.Pixel(6, 98), kWhite));
}

}  // namespace
