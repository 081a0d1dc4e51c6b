#include <gtest/gtest.h>

#include "ui/core/window_impl_base_frame.h"
#include "ui/core/window_wnd_geometry.h"

using namespace SkinUI;

namespace {

UINT HitAt(LONG x, LONG y, bool maximized = false, RECT caption = {0, 0, 0, 30})
{
    return ClassifyFramePoint({x, y}, {0, 0, 400, 300}, {4, 4, 4, 4}, caption, maximized);
}

TEST(FrameHitTest, SizeBoxFirstThenTheHalfOpenCaptionBand)
{
    EXPECT_EQ(HTTOPLEFT, HitAt(0, 0));
    EXPECT_EQ(HTTOPRIGHT, HitAt(399, 3));
    EXPECT_EQ(HTBOTTOM, HitAt(200, 297));
    EXPECT_EQ(HTBOTTOMLEFT, HitAt(3, 299));
    EXPECT_EQ(HTLEFT, HitAt(3, 150));
    EXPECT_EQ(HTRIGHT, HitAt(397, 150));
    EXPECT_EQ(HTCLIENT, HitAt(396, 296));  // inner edges of the box are client

    EXPECT_EQ(HTCAPTION, HitAt(200, 29));
    EXPECT_EQ(HTCLIENT, HitAt(200, 30));
    EXPECT_EQ(HTCLIENT, HitAt(49, 10, false, {50, 0, 60, 30}));
    EXPECT_EQ(HTCAPTION, HitAt(50, 10, false, {50, 0, 60, 30}));
    EXPECT_EQ(HTCLIENT, HitAt(340, 10, false, {50, 0, 60, 30}));

    // A maximised window has no size box.
    EXPECT_EQ(HTCAPTION, HitAt(0, 0, true));
    EXPECT_EQ(HTCLIENT, HitAt(399, 299, true));

    EXPECT_TRUE(TakesCaptionClicks(L"option"));
    EXPECT_FALSE(TakesCaptionClicks(L"Label"));
}

TEST(FrameLimits, MaximisedWindowFollowsTheWorkAreaOfItsMonitor)
{
    MINMAXINFO info = {};
    const RECT work = {1920, 40, 3840, 1040};
    FillMinMaxInfo(info, {1920, 0, 3840, 1080}, work, {300, 200});
    EXPECT_EQ(0, info.ptMaxPosition.x);
    EXPECT_EQ(40, info.ptMaxPosition.y);
    EXPECT_EQ(1000, info.ptMaxTrackSize.y);
    EXPECT_EQ(300, info.ptMinTrackSize.x);

    const RECT client = MaximizedClientRect({-8, -8, 1928, 1088}, work);
    EXPECT_EQ(-8, client.left);
    EXPECT_EQ(1912, client.right);
    EXPECT_EQ(992, client.bottom);
}

TEST(Centring, CentredThenKeptInsideTheWorkAreaLeftAndTopFirst)
{
    const RECT work = {0, 0, 1000, 800};
    POINT p = CenterRectOver({0, 0, 201, 101}, {100, 100, 501, 301}, work);
    EXPECT_EQ(200, p.x);
    EXPECT_EQ(150, p.y);
    p = CenterRectOver({0, 0, 400, 300}, {-100, -50, 100, 50}, work);
    EXPECT_EQ(0, p.x);
    EXPECT_EQ(0, p.y);
    p = CenterRectOver({0, 0, 400, 300}, {900, 700, 1000, 800}, work);
    EXPECT_EQ(600, p.x);
    EXPECT_EQ(500, p.y);
    p = CenterRectOver({0, 0, 1310, 749}, {10, 20, 810, 620}, {10, 20, 810, 620});
    EXPECT_EQ(10, p.x);
    EXPECT_EQ(20, p.y);
}

}  // namespace
