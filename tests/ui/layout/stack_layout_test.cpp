#include <gtest/gtest.h>

#include "tests/ui/layout/layout_fixture.h"
#include "ui/core/scrollbar.h"
#include "ui/core/horizontal_layout.h"
#include "ui/core/vertical_layout.h"

using namespace SkinUI;
using SkinUI::test::FixedControl;
using SkinUI::test::RectIs;

namespace {

// Stacking layouts as the root of a window-less manager.
class StackLayoutTest : public ::testing::Test {
protected:
    template <typename Layout>
    Layout* Root()
    {
        Layout* layout = new Layout;
        manager.AttachRoot(layout);
        return layout;
    }

    CWindowManagerUI manager;
};

TEST_F(StackLayoutTest, VerticalSharesWhatTheFixedChildrenLeave)
{
    CVerticalLayoutUI* layout = Root<CVerticalLayoutUI>();
    layout->SetAttribute(L"childpadding", L"10");
    CControlUI* fixed = FixedControl(0, 50);
    CControlUI* first = new CControlUI;
    CControlUI* last = new CControlUI;
    layout->AddItem(fixed);
    layout->AddItem(first);
    layout->AddItem(last);

    layout->SetPosition(RECT{0, 0, 100, 300});
    EXPECT_TRUE(RectIs(fixed->GetPosition(), 0, 0, 100, 50));
    EXPECT_TRUE(RectIs(first->GetPosition(), 0, 60, 100, 175));
    EXPECT_TRUE(RectIs(last->GetPosition(), 0, 185, 100, 300));

    // The last adjustable child takes the odd pixel.
    layout->SetPosition(RECT{0, 0, 100, 301});
    EXPECT_EQ(115, first->GetHeight());
    EXPECT_EQ(116, last->GetHeight());
}

TEST_F(StackLayoutTest, VerticalClampsSharesAndAlignsAcross)
{
    CVerticalLayoutUI* layout = Root<CVerticalLayoutUI>();
    CControlUI* capped = new CControlUI;
    capped->SetMaxHeight(40);
    capped->SetMaxWidth(50);
    CControlUI* rest = new CControlUI;
    rest->SetMaxWidth(60);
    rest->SetPadding(RECT{0, 0, 5, 0});
    layout->AddItem(capped);
    layout->AddItem(rest);
    layout->SetPosition(RECT{0, 0, 200, 200});
    EXPECT_TRUE(RectIs(capped->GetPosition(), 0, 0, 50, 40));
    EXPECT_TRUE(RectIs(rest->GetPosition(), 0, 40, 60, 200));

    layout->SetAttribute(L"childalign", L"center");
    layout->SetPosition(RECT{0, 0, 200, 200});
    EXPECT_EQ(75, capped->GetX());
    layout->SetAttribute(L"childalign", L"right");
    layout->SetAttribute(L"childalign", L"sideways");
    layout->SetPosition(RECT{0, 0, 200, 200});
    EXPECT_EQ(150, capped->GetX());
    EXPECT_EQ(135, rest->GetX());
}

TEST_F(StackLayoutTest, FloatingChildrenTakeNoSpace)
{
    CVerticalLayoutUI* layout = Root<CVerticalLayoutUI>();
    CControlUI* badge = FixedControl(10, 10);
    badge->SetFloating(true);
    badge->SetFixedXY(SIZE{5, 5});
    CControlUI* body = new CControlUI;
    layout->AddItem(badge);
    layout->AddItem(body);
    layout->SetPosition(RECT{0, 0, 100, 100});
    EXPECT_TRUE(RectIs(body->GetPosition(), 0, 0, 100, 100));
    EXPECT_TRUE(RectIs(badge->GetPosition(), 5, 5, 15, 15));
}

TEST_F(StackLayoutTest, ChildBeyondItsShareOverflowsIntoTheVerticalBar)
{
    CVerticalLayoutUI* layout = Root<CVerticalLayoutUI>();
    layout->EnableScrollBars(true, false);
    CControlUI* tall = new CControlUI;
    tall->SetMinHeight(150);
    CControlUI* other = new CControlUI;
    layout->AddItem(tall);
    layout->AddItem(other);
    layout->SetPosition(RECT{0, 0, 100, 100});

    CScrollBarUI* bar = layout->GetVerticalScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(50, bar->GetScrollRange());
    EXPECT_TRUE(RectIs(tall->GetPosition(), 0, 0, 84, 150));
    EXPECT_TRUE(RectIs(bar->GetPosition(), 84, 0, 100, 100));
    layout->ScrollToBottom();
    EXPECT_EQ(-50, tall->GetY());
}

TEST_F(StackLayoutTest, HorizontalSharesWidthsAndAlignsVertically)
{
    CHorizontalLayoutUI* layout = Root<CHorizontalLayoutUI>();
    layout->SetAttribute(L"childpadding", L"10");
    CControlUI* fixed = FixedControl(50, 20);
    CControlUI* first = new CControlUI;
    CControlUI* last = new CControlUI;
    last->SetPadding(RECT{0, 0, 0, 5});
    last->SetMaxHeight(30);
    layout->AddItem(fixed);
    layout->AddItem(first);
    layout->AddItem(last);

    layout->SetPosition(RECT{0, 0, 301, 100});
    EXPECT_TRUE(RectIs(fixed->GetPosition(), 0, 0, 50, 20));
    EXPECT_TRUE(RectIs(first->GetPosition(), 60, 0, 175, 100));
    EXPECT_TRUE(RectIs(last->GetPosition(), 185, 0, 301, 30));

    layout->SetAttribute(L"childvalign", L"vcenter");
    layout->SetPosition(RECT{0, 0, 301, 100});
    EXPECT_EQ(40, fixed->GetY());
    layout->SetAttribute(L"childvalign", L"bottom");
    layout->SetPosition(RECT{0, 0, 301, 100});
    EXPECT_TRUE(RectIs(last->GetPosition(), 185, 65, 301, 95));
}

TEST_F(StackLayoutTest, HorizontalOverflowShowsTheHorizontalBar)
{
    CHorizontalLayoutUI* layout = Root<CHorizontalLayoutUI>();
    layout->SetAttribute(L"hscrollbar", L"true");
    layout->AddItem(FixedControl(120, 0));
    CControlUI* second = FixedControl(120, 0);
    layout->AddItem(second);
    layout->SetPosition(RECT{0, 0, 200, 100});

    CScrollBarUI* bar = layout->GetHorizontalScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_TRUE(bar->IsHorizontal());
    EXPECT_EQ(40, bar->GetScrollRange());
    EXPECT_TRUE(RectIs(bar->GetPosition(), 0, 84, 200, 100));
    EXPECT_TRUE(RectIs(second->GetPosition(), 120, 0, 240, 84));
    layout->ScrollToRight();
    EXPECT_EQ(80, second->GetX());
}

TEST_F(StackLayoutTest, HidingTheHorizontalBarOfTwoLaysTheChildrenOutAgain)
{
    CVerticalLayoutUI* layout = Root<CVerticalLayoutUI>();
    layout->EnableScrollBars(true, true);
    CControlUI* wide = FixedControl(300, 20);
    layout->AddItem(wide);
    layout->SetPosition(RECT{0, 0, 200, 100});
    CScrollBarUI* horizontal = layout->GetHorizontalScrollBar();
    ASSERT_TRUE(horizontal->IsVisible());
    EXPECT_FALSE(layout->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(100, horizontal->GetScrollRange());
    layout->SetScrollPosition(SIZE{60, 0});
    EXPECT_EQ(-60, wide->GetX());

    wide->SetFixedWidth(150);
    layout->SetPosition(RECT{0, 0, 200, 100});
    EXPECT_FALSE(horizontal->IsVisible());
    EXPECT_TRUE(RectIs(wide->GetPosition(), 0, 0, 150, 20));
}

TEST_F(StackLayoutTest, BothBarsAppearWhenBothDirectionsOverflow)
{
    CVerticalLayoutUI* layout = Root<CVerticalLayoutUI>();
    layout->EnableScrollBars(true, true);
    layout->AddItem(FixedControl(300, 80));
    layout->AddItem(FixedControl(300, 80));
    layout->SetPosition(RECT{0, 0, 200, 100});

    CScrollBarUI* vertical = layout->GetVerticalScrollBar();
    CScrollBarUI* horizontal = layout->GetHorizontalScrollBar();
    ASSERT_TRUE(vertical->IsVisible());
    ASSERT_TRUE(horizontal->IsVisible());
    EXPECT_EQ(76, vertical->GetScrollRange());
    EXPECT_EQ(116, horizontal->GetScrollRange());
    EXPECT_TRUE(RectIs(vertical->GetPosition(), 184, 0, 200, 84));
    EXPECT_TRUE(RectIs(horizontal->GetPosition(), 0, 84, 184, 100));
    EXPECT_TRUE(RectIs(layout->GetClientPosition(), 0, 0, 184, 84));
}

}  // namespace
