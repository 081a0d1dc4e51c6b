#include <gtest/gtest.h>

#include "tests/ui/layout/layout_fixture.h"
#include "ui/core/scrollbar.h"
#include "ui/core/vertical_layout.h"

using namespace SkinUI;
using SkinUI::test::FixedControl;
using SkinUI::test::MakeEvent;
using SkinUI::test::RectIs;

namespace {

// A free vertical bar, 16 wide, owned by the test.
class ScrollBarTest : public ::testing::Test {
protected:
    void TearDown() override { bar->Delete(); }
    void Place(int height) { bar->SetPosition(RECT{0, 0, 16, height}); }
    void Send(EventTypeUI type, int x = 0, int y = 0, WPARAM wParam = 0)
    {
        EventRecordUI event = MakeEvent(type, POINT{x, y}, wParam);
        bar->HandleEvent(event);
    }
    void Tick() { Send(EventTypeUI::Timer, 0, 0, CScrollBarUI::kRepeatTimerId); }

    CScrollBarUI* bar = new CScrollBarUI;
};

TEST_F(ScrollBarTest, PositionIsClampedAndRoundedToTheUnit)
{
    bar->SetScrollPosition(3);
    bar->SetScrollPosition(-5);
    EXPECT_EQ(0, bar->GetScrollPosition());
    bar->SetScrollPosition(37);
    EXPECT_EQ(37, bar->GetScrollPosition());
    bar->SetScrollPosition(150);
    EXPECT_EQ(100, bar->GetScrollPosition());

    bar->SetScrollUnit(10);
    bar->SetScrollPosition(14);
    EXPECT_EQ(10, bar->GetScrollPosition());
    bar->SetScrollPosition(15);
    EXPECT_EQ(20, bar->GetScrollPosition());
    EXPECT_EQ(10, bar->GetLineStep());

    bar->SetScrollUnit(-3);
    bar->SetLineSize(-1);
    bar->SetScrollUnit(1);
    EXPECT_EQ(8, bar->GetLineStep());

    bar->SetScrollRange(12);
    EXPECT_EQ(12, bar->GetScrollPosition());
    bar->SetScrollRange(-4);
    EXPECT_EQ(0, bar->GetScrollRange());
    EXPECT_EQ(0, bar->GetScrollPosition());
}

TEST_F(ScrollBarTest, ShortBarsHaveNoThumbAndShrinkTheirButtons)
{
    Place(48);
    EXPECT_TRUE(RectIs(bar->GetButton1Rect(), 0, 0, 16, 16));
    EXPECT_TRUE(RectIs(bar->GetButton2Rect(), 0, 32, 16, 48));
    EXPECT_TRUE(RectIs(bar->GetThumbRect(), 0, 0, 0, 0));
    Place(20);
    EXPECT_TRUE(RectIs(bar->GetButton1Rect(), 0, 0, 16, 10));
    EXPECT_TRUE(RectIs(bar->GetButton2Rect(), 0, 10, 16, 20));
}

TEST_F(ScrollBarTest, ThumbLengthAndPlaceFollowRangeAndPosition)
{
    bar->SetScrollRange(0);
    Place(216);
    EXPECT_TRUE(RectIs(bar->GetThumbRect(), 0, 16, 16, 200));

    bar->SetScrollRange(100);
    bar->SetScrollPosition(50);
    EXPECT_TRUE(RectIs(bar->GetThumbRect(), 0, 45, 16, 170));
    bar->SetScrollPosition(100);
    EXPECT_TRUE(RectIs(bar->GetThumbRect(), 0, 75, 16, 200));

    bar->SetShowButton1(false);
    bar->SetScrollPosition(0);
    EXPECT_TRUE(RectIs(bar->GetButton1Rect(), 0, 0, 0, 0));
    EXPECT_TRUE(RectIs(bar->GetThumbRect(), 0, 0, 16, 136));

    // Long content: the products need more than 32 bits.
    bar->SetShowButton1(true);
    bar->SetScrollRange(2000000);
    bar->SetScrollPosition(1000000);
    Place(9000);
    EXPECT_TRUE(RectIs(bar->GetThumbRect(), 0, 4480, 16, 4520));
}

TEST_F(ScrollBarTest, HorizontalBarLaysItsPartsOutAcross)
{
    bar->SetAttribute(L"hor", L"true");
    EXPECT_EQ(0, bar->GetFixedWidth());
    EXPECT_EQ(16, bar->GetFixedHeight());
    bar->SetAttribute(L"range", L"0");
    bar->SetPosition(RECT{10, 50, 210, 66});
    EXPECT_TRUE(RectIs(bar->GetButton1Rect(), 10, 50, 26, 66));
    EXPECT_TRUE(RectIs(bar->GetButton2Rect(), 194, 50, 210, 66));
    EXPECT_TRUE(RectIs(bar->GetThumbRect(), 26, 50, 194, 66));
}

TEST_F(ScrollBarTest, HeldButtonRepeatsFromTheSixthTick)
{
    Place(216);
    Send(EventTypeUI::ButtonDown, 8, 210);
    EXPECT_EQ(8, bar->GetScrollPosition());
    EXPECT_EQ(kStatePushed, bar->GetButton2State() & kStatePushed);
    for (int i = 0; i < 5; ++i)
        Tick();
    EXPECT_EQ(8, bar->GetScrollPosition());
    Tick();
    EXPECT_EQ(16, bar->GetScrollPosition());
    Tick();
    EXPECT_EQ(24, bar->GetScrollPosition());
    Send(EventTypeUI::ButtonUp, 8, 210);
    EXPECT_EQ(0u, bar->GetButton2State() & kStatePushed);

    Send(EventTypeUI::ButtonDown, 8, 4);
    EXPECT_EQ(16, bar->GetScrollPosition());
    Send(EventTypeUI::ButtonUp, 8, 4);

    // A press on the track below the thumb pages by the bar's length.
    Send(EventTypeUI::ButtonDown, 8, 195);
    EXPECT_EQ(100, bar->GetScrollPosition());
    Send(EventTypeUI::ButtonUp, 8, 195);
}

TEST_F(ScrollBarTest, ThumbDragMovesOnTheNextTick)
{
    Place(216);
    Send(EventTypeUI::ButtonDown, 8, 50);
    EXPECT_EQ(kStatePushed | kStateCaptured, bar->GetThumbState());
    Send(EventTypeUI::MouseMove, 8, 80);
    EXPECT_EQ(0, bar->GetScrollPosition());
    Tick();
    EXPECT_EQ(50, bar->GetScrollPosition());
    Send(EventTypeUI::ButtonUp, 8, 80);
    EXPECT_EQ(0u, bar->GetThumbState());

    // A thumb as long as its track cannot move.
    bar->SetScrollRange(0);
    Send(EventTypeUI::ButtonDown, 8, 50);
    Send(EventTypeUI::MouseMove, 8, 90);
    Tick();
    EXPECT_EQ(0, bar->GetScrollPosition());
    Send(EventTypeUI::ButtonUp, 8, 90);
}

TEST_F(ScrollBarTest, DisabledBarIgnoresPressesAndDropsItsStates)
{
    Place(216);
    Send(EventTypeUI::MouseEnter, 8, 50);
    EXPECT_EQ(kStateHot, bar->GetThumbState());
    EXPECT_EQ(kStateHot, bar->GetButton1State());
    bar->SetEnabled(false);
    EXPECT_EQ(0u, bar->GetThumbState() | bar->GetButton1State() | bar->GetButton2State());
    Send(EventTypeUI::ButtonDown, 8, 210);
    EXPECT_EQ(0, bar->GetScrollPosition());
    EXPECT_EQ(0u, bar->GetButton2State());
}

TEST(OwnedScrollBar, StepsAndDragsScrollTheOwner)
{
    CWindowManagerUI manager;
    CVerticalLayoutUI* layout = new CVerticalLayoutUI;
    manager.AttachRoot(layout);
    layout->SetAttribute(L"vscrollbar", L"true");
    layout->GetVerticalScrollBar()->SetAttribute(L"scrollunit", L"10");
    CControlUI* row = FixedControl(0, 300);
    layout->AddItem(row);
    layout->SetPosition(RECT{0, 0, 100, 100});
    CScrollBarUI* bar = layout->GetVerticalScrollBar();
    ASSERT_EQ(200, bar->GetScrollRange());
    ASSERT_TRUE(RectIs(bar->GetPosition(), 84, 0, 100, 100));

    EventRecordUI press = MakeEvent(EventTypeUI::ButtonDown, POINT{90, 95});
    bar->HandleEvent(press);
    EXPECT_EQ(10, layout->GetScrollPosition().cy);
    EXPECT_EQ(-10, row->GetY());
    EventRecordUI release = MakeEvent(EventTypeUI::ButtonUp, POINT{90, 95});
    bar->HandleEvent(release);

    // Thumb: 100 * 68 / 300 = 22 long at 16 + 46 * 10 / 200 = 18; 46 pixels of travel.
    ASSERT_TRUE(RectIs(bar->GetThumbRect(), 84, 18, 100, 40));
    press.mousePoint = POINT{90, 20};
    bar->HandleEvent(press);
    EventRecordUI move = MakeEvent(EventTypeUI::MouseMove, POINT{90, 43});
    bar->HandleEvent(move);
    EventRecordUI tick = MakeEvent(EventTypeUI::Timer, POINT{0, 0}, CScrollBarUI::kRepeatTimerId);
    bar->HandleEvent(tick);
    EXPECT_EQ(110, layout->GetScrollPosition().cy);
    EXPECT_EQ(-110, row->GetY());
}

}  // namespace
