#include <gtest/gtest.h>

#include "ui/core/window_impl_base_frame.h"
#include "ui/core/window_wnd_geometry.h"

using namespace SkinUI;

namespace {

const RECT kClient = {0, 0, 400, 300};
const RECT kSizeBox = {4, 4, 4, 4};
const RECT kCaption = {0, 0, 0, 30};

UINT HitAt(LONG x, LONG y, bool maximized = false)
{
    return ClassifyFramePoint({x, y}, kClient, kSizeBox, kCaption, maximized);
}

TEST(FrameHitTest, SizeBoxCornersAndEdges)
{
    EXPECT_EQ(HTTOPLEFT, HitAt(0, 0));
    EXPECT_EQ(HTTOPRIGHT, HitAt(399, 3));
    EXPECT_EQ(HTTOP, HitAt(200, 3));
    EXPECT_EQ(HTBOTTOMLEFT, HitAt(3, 299));
    EXPECT_EQ(HTBOTTOMRIGHT, HitAt(399, 299));
    EXPECT_EQ(HTBOTTOM, HitAt(200, 297));
    EXPECT_EQ(HTLEFT, HitAt(3, 150));
    EXPECT_EQ(HTRIGHT, HitAt(397, 150));
    // The box's inner edges belong to the client.
    EXPECT_EQ(HTCLIENT, HitAt(4, 150));
    EXPECT_EQ(HTCLIENT, HitAt(396, 150));
    EXPECT_EQ(HTCLIENT, HitAt(200, 296));
}

TEST(FrameHitTest, CaptionBandIsHalfOpenAndMarginsCount)
{
    EXPECT_EQ(HTCAPTION, HitAt(200, 4));
    EXPECT_EQ(HTCAPTION, HitAt(200, 29));
    EXPECT_EQ(HTCLIENT, HitAt(200, 30));

    const RECT margins = {50, 0, 60, 30};
    EXPECT_EQ(HTCLIENT, ClassifyFramePoint({49, 10}, kClient, kSizeBox, margins, false));
    EXPECT_EQ(HTCAPTION, ClassifyFramePoint({50, 10}, kClient, kSizeBox, margins, false));
    EXPECT_EQ(HTCAPTION, ClassifyFramePoint({339, 10}, kClient, kSizeBox, margins, false));
    EXPECT_EQ(HTCLIENT, ClassifyFramePoint({340, 10}, kClient, kSizeBox, margins, false));
}

TEST(FrameHitTest, MaximizedWindowHasNoSizeBox)
{
    EXPECT_EQ(HTCAPTION, HitAt(0, 0, true));
    EXPECT_EQ(HTCLIENT, HitAt(399, 299, true));
}

TEST(FrameHitTest, ButtonsOptionsAndTextTakeCaptionClicks)
{
    EXPECT_TRUE(TakesCaptionClicks(L"Button"));
    EXPECT_TRUE(TakesCaptionClicks(L"option"));
    EXPECT_TRUE(TakesCaptionClicks(L"TEXT"));
    EXPECT_FALSE(TakesCaptionClicks(L"Label"));
    EXPECT_FALSE(TakesCaptionClicks(L"ButtonBar"));
    EXPECT_FALSE(TakesCaptionClicks(nullptr));
}

TEST(FrameLimits, MaximizedPositionAndTrackingFollowTheWorkArea)
{
    MINMAXINFO info = {};
    info.ptMaxSize = {1234, 567};
    const RECT monitor = {1920, 0, 3840, 1080};
    const RECT work = {1920, 40, 3840, 1040};
    FillMinMaxInfo(info, monitor, work, {300, 200});
    EXPECT_EQ(0, info.ptMaxPosition.x);
    EXPECT_EQ(40, info.ptMaxPosition.y);
    EXPECT_EQ(1920, info.ptMaxTrackSize.x);
    EXPECT_EQ(1000, info.ptMaxTrackSize.y);
    EXPECT_EQ(300, info.ptMinTrackSize.x);
    EXPECT_EQ(200, info.ptMinTrackSize.y);
    EXPECT_EQ(1234, info.ptMaxSize.x);

    const RECT client = MaximizedClientRect({-8, -8, 1928, 1088}, work);
    EXPECT_EQ(-8, client.left);
    EXPECT_EQ(-8, client.top);
    EXPECT_EQ(1912, client.right);
    EXPECT_EQ(992, client.bottom);
}

TEST(Centring, OverACentreRectangleInsideTheWorkArea)
{
    const RECT work = {0, 0, 1000, 800};
    POINT p = CenterRectOver({0, 0, 201, 101}, {100, 100, 501, 301}, work);
    EXPECT_EQ(300 - 100, p.x);  // (100 + 501) / 2 - 201 / 2
    EXPECT_EQ(200 - 50, p.y);

    // Near the edges the window moves back inside.
    p = CenterRectOver({0, 0, 400, 300}, {-100, -50, 100, 50}, work);
    EXPECT_EQ(0, p.x);
    EXPECT_EQ(0, p.y);
    p = CenterRectOver({0, 0, 400, 300}, {900, 700, 1000, 800}, work);
    EXPECT_EQ(600, p.x);
    EXPECT_EQ(500, p.y);
}

TEST(Centring, WindowLargerThanTheWorkAreaKeepsItsLeftAndTopEdges)
{
    const RECT work = {10, 20, 810, 620};
    const POINT p = CenterRectOver({0, 0, 1310, 749}, work, work);
    EXPECT_EQ(10, p.x);
    EXPECT_EQ(20, p.y);
}

}  // namespace
