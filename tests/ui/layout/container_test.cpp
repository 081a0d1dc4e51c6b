#include <gtest/gtest.h>

#include "tests/ui/layout/layout_fixture.h"
#include "ui/core/scrollbar.h"
#include "ui/core/container.h"
#include "ui/core/vertical_layout.h"

using namespace SkinUI;
using SkinUI::test::FixedControl;
using SkinUI::test::MakeEvent;
using SkinUI::test::ProbeControl;
using SkinUI::test::RectIs;

namespace {

// A window-less manager whose root is a container of 200 x 100.
class ContainerTest : public ::testing::Test {
protected:
    void SetUp() override { manager.AttachRoot(root); }
    void Layout() { root->SetPosition(RECT{0, 0, 200, 100}); }

    CWindowManagerUI manager;
    CContainerUI* root = new CContainerUI;
};

TEST_F(ContainerTest, ChildrenFillTheAreaInsideTheInsetWithinTheirLimits)
{
    root->SetAttribute(L"inset", L"10,10,10,10");
    CControlUI* free = new CControlUI;
    CControlUI* narrow = new CControlUI;
    narrow->SetMaxWidth(50);
    narrow->SetMinHeight(120);
    root->AddItem(free);
    root->AddItem(narrow);
    Layout();
    EXPECT_TRUE(RectIs(free->GetPosition(), 10, 10, 190, 90));
    EXPECT_TRUE(RectIs(narrow->GetPosition(), 10, 10, 60, 130));
    EXPECT_EQ(root, free->GetParent());
    EXPECT_EQ(&manager, free->GetManager());
}

TEST_F(ContainerTest, FloatingChildFollowsItsAnchors)
{
    CControlUI* badge = new CControlUI;
    badge->SetFloating(true);
    const double anchors[4] = {0.5, 0, 0.5, 0};
    badge->SetFloatPercent(anchors);
    badge->SetFixedXY(SIZE{-10, 5});
    badge->SetFixedWidth(20);
    badge->SetFixedHeight(10);
    root->AddItem(badge);
    root->SetPosition(RECT{100, 0, 300, 100});
    EXPECT_TRUE(RectIs(badge->GetPosition(), 190, 5, 210, 15));
}

TEST_F(ContainerTest, ItemOperationsRefuseBadArgumentsWithoutChange)
{
    CControlUI* a = new CControlUI;
    CControlUI* b = new CControlUI;
    CControlUI* c = new CControlUI;
    ASSERT_TRUE(root->AddItem(a));
    ASSERT_TRUE(root->AddItem(b));
    ASSERT_TRUE(root->AddItem(c));
    EXPECT_FALSE(root->AddItem(nullptr));

    CControlUI* stranger = new CControlUI;
    EXPECT_FALSE(root->InsertItemAt(stranger, 4));
    EXPECT_EQ(nullptr, stranger->GetManager());
    EXPECT_FALSE(root->RemoveItem(stranger));
    EXPECT_FALSE(root->RemoveItemAt(3));
    EXPECT_EQ(nullptr, root->GetItemAt(-1));
    EXPECT_EQ(-1, root->GetItemIndex(stranger));
    stranger->Delete();

    // A move to an index outside the items keeps the child where it was.
    EXPECT_FALSE(root->SetItemIndex(a, 3));
    EXPECT_FALSE(root->SetItemIndex(a, -1));
    EXPECT_EQ(0, root->GetItemIndex(a));
    EXPECT_EQ(3, root->GetCount());

    EXPECT_TRUE(root->SetItemIndex(a, 2));
    EXPECT_EQ(b, root->GetItemAt(0));
    EXPECT_EQ(a, root->GetItemAt(2));
}

TEST_F(ContainerTest, RangeMoveKeepsTheRunInOrder)
{
    CControlUI* items[5];
    for (CControlUI*& item : items) {
        item = new CControlUI;
        root->AddItem(item);
    }
    Layout();
    EXPECT_FALSE(root->SetItemRangeIndex(items[3], 3, 0));
    EXPECT_FALSE(root->SetItemRangeIndex(items[0], 2, 4));
    EXPECT_FALSE(root->SetItemRangeIndex(items[0], -1, 1));
    EXPECT_TRUE(root->SetItemRangeIndex(items[1], 2, 1));
    EXPECT_FALSE(root->IsLayoutNeeded());

    EXPECT_TRUE(root->SetItemRangeIndex(items[1], 2, 3));
    const CControlUI* expected[] = {items[0], items[3], items[4], items[1], items[2]};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(expected[i], root->GetItemAt(i)) << i;
    EXPECT_TRUE(root->IsLayoutNeeded());
}

TEST_F(ContainerTest, RemovedChildrenAreDestroyedByThePolicy)
{
    bool keptDeleted = false;
    bool directDeleted = false;
    bool delayedDeleted = false;
    ProbeControl* kept = new ProbeControl(&keptDeleted);
    ProbeControl* direct = new ProbeControl(&directDeleted);
    ProbeControl* delayed = new ProbeControl(&delayedDeleted);
    delayed->SetName(L"delayed");
    root->AddItem(kept);
    root->AddItem(direct);
    root->AddItem(delayed);

    EXPECT_TRUE(root->RemoveItem(kept, true));
    EXPECT_FALSE(keptDeleted);
    kept->Delete();

    root->SetDelayedDestroy(false);
    EXPECT_TRUE(root->RemoveItem(direct));
    EXPECT_TRUE(directDeleted);

    // Queued for the manager's clean-up, the child has already left the window.
    root->SetDelayedDestroy(true);
    EXPECT_TRUE(root->RemoveItem(delayed));
    EXPECT_FALSE(delayedDeleted);
    EXPECT_EQ(nullptr, delayed->GetManager());
    EXPECT_EQ(nullptr, manager.FindControlByName(L"delayed"));

    // Without auto-destroy even removing all keeps the children alive.
    bool lastDeleted = false;
    ProbeControl* last = new ProbeControl(&lastDeleted);
    root->AddItem(last);
    root->SetAutoDestroy(false);
    root->RemoveAllItems();
    EXPECT_EQ(0, root->GetCount());
    EXPECT_FALSE(lastDeleted);
    last->Delete();
}

TEST_F(ContainerTest, HidingKeepsTheChildrensOwnFlags)
{
    CContainerUI* inner = new CContainerUI;
    CControlUI* shown = new CControlUI;
    CControlUI* hidden = new CControlUI;
    hidden->SetVisible(false);
    inner->AddItem(shown);
    inner->AddItem(hidden);
    root->AddItem(inner);

    root->SetVisible(false);
    EXPECT_FALSE(shown->IsVisible());
    EXPECT_FALSE(hidden->IsVisible());
    root->SetVisible(true);
    EXPECT_TRUE(shown->IsVisible());
    EXPECT_FALSE(hidden->IsVisible());

    // A child added while hidden follows the container.
    root->SetVisible(false);
    CControlUI* late = new CControlUI;
    inner->AddItem(late);
    EXPECT_FALSE(late->IsVisible());
    root->SetVisible(true);
    EXPECT_TRUE(late->IsVisible());

    root->SetEnabled(false);
    EXPECT_FALSE(shown->IsEnabled());
}

TEST_F(ContainerTest, FindSelectableItemSkipsWhatCannotBeSelected)
{
    ProbeControl* rows[4];
    for (ProbeControl*& row : rows) {
        row = new ProbeControl;
        row->listItem = true;
        root->AddItem(row);
    }
    rows[1]->SetEnabled(false);
    rows[2]->SetVisible(false);
    EXPECT_EQ(3, root->FindSelectableItem(1, true));
    EXPECT_EQ(0, root->FindSelectableItem(2, false));
    EXPECT_EQ(3, root->FindSelectableItem(99, true));
    rows[0]->listItem = false;
    EXPECT_EQ(3, root->FindSelectableItem(2, false));
}

// A vertical layout of 200 x 100 whose top 20 pixels are inset, holding
// three 60-high children, scrolled down by 50 pixels.
class ScrolledLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.AttachRoot(layout);
        layout->SetAttribute(L"inset", L"0,20,0,0");
        layout->SetAttribute(L"vscrollbar", L"true");
        for (CControlUI*& row : rows) {
            row = FixedControl(0, 60);
            layout->AddItem(row);
        }
        layout->SetPosition(RECT{0, 0, 200, 100});
        layout->SetScrollPosition(SIZE{0, 50});
    }
    CControlUI* HitAt(int x, int y) { return manager.FindControlAt(POINT{x, y}); }
    // Without a window the default font may have no metrics yet.
    int LineStep() { return manager.GetDefaultFontRecord()->metrics.tmHeight + 8; }

    CWindowManagerUI manager;
    CVerticalLayoutUI* layout = new CVerticalLayoutUI;
    CControlUI* rows[3] = {};
};

TEST_F(ScrolledLayout, ScrollingMovesTheChildrenAndHitTestsRespectTheClientArea)
{
    CScrollBarUI* bar = layout->GetVerticalScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(100, bar->GetScrollRange());
    EXPECT_EQ(50, layout->GetScrollPosition().cy);
    EXPECT_TRUE(RectIs(rows[0]->GetPosition(), 0, -30, 184, 30));

    EXPECT_EQ(rows[0], HitAt(10, 25));
    // Over the inset the first row is scrolled out of view.
    EXPECT_EQ(layout, HitAt(10, 10));
    EXPECT_EQ(bar, HitAt(190, 50));

    rows[0]->SetFloating(true);
    rows[0]->SetPosition(RECT{0, 0, 50, 30});
    EXPECT_EQ(rows[0], HitAt(10, 10));
}

TEST_F(ScrolledLayout, MouseChildOffYieldsTheContainer)
{
    layout->SetAttribute(L"mousechild", L"false");
    EXPECT_EQ(layout, HitAt(10, 50));
    layout->SetMouseEnabled(false);
    EXPECT_EQ(nullptr, HitAt(10, 50));
}

TEST_F(ScrolledLayout, KeysAndWheelScrollTheVerticalBar)
{
    auto key = [this](wchar_t code) {
        EventRecordUI event = MakeEvent(EventTypeUI::KeyDown, POINT{0, 0}, 0, code);
        layout->HandleEvent(event);
        return layout->GetScrollPosition().cy;
    };
    const int step = LineStep();
    EXPECT_EQ(50 + step, key(VK_DOWN));
    EXPECT_EQ(100, key(VK_END));
    // A page is the client height: 100 less the 20-pixel inset.
    EXPECT_EQ(20, key(VK_PRIOR));
    EXPECT_EQ(0, key(VK_HOME));
    EXPECT_EQ(80, key(VK_NEXT));

    EventRecordUI wheelUp = MakeEvent(EventTypeUI::ScrollWheel, POINT{10, 50}, 0);
    layout->HandleEvent(wheelUp);
    EXPECT_EQ(80 - step, layout->GetScrollPosition().cy);
    EXPECT_TRUE(RectIs(rows[0]->GetPosition(), 0, 20 - (80 - step), 184, 80 - (80 - step)));

    // A scroll unit above 1 is the line step.
    layout->GetVerticalScrollBar()->SetScrollUnit(30);
    layout->ScrollToTop();
    EventRecordUI wheelDown = MakeEvent(EventTypeUI::ScrollWheel, POINT{10, 50}, 1);
    layout->HandleEvent(wheelDown);
    EXPECT_EQ(30, layout->GetScrollPosition().cy);
}

TEST_F(ScrolledLayout, WheelWithoutBarsReachesTheParent)
{
    CVerticalLayoutUI* inner = new CVerticalLayoutUI;
    layout->RemoveItem(rows[2]);
    layout->AddItem(inner);
    layout->SetPosition(RECT{0, 0, 200, 100});
    const int before = layout->GetScrollPosition().cy;
    EventRecordUI wheelDown = MakeEvent(EventTypeUI::ScrollWheel, POINT{10, 50}, 1);
    inner->HandleEvent(wheelDown);
    EXPECT_EQ(before + LineStep(), layout->GetScrollPosition().cy);
}

TEST_F(ScrolledLayout, HiddenBarReportsNoScrollPosition)
{
    CScrollBarUI* bar = layout->GetVerticalScrollBar();
    bar->SetVisible(false);
    EXPECT_EQ(50, bar->GetScrollPosition());
    EXPECT_EQ(0, layout->GetScrollPosition().cy);
    EXPECT_EQ(0, layout->GetScrollRange().cy);
    layout->SetScrollPosition(SIZE{0, 10});
    EXPECT_EQ(50, bar->GetScrollPosition());
}

TEST_F(ScrolledLayout, ContentThatFitsAgainHidesTheBar)
{
    for (CControlUI* row : rows)
        row->SetFixedHeight(20);
    layout->SetPosition(RECT{0, 0, 200, 100});
    CScrollBarUI* bar = layout->GetVerticalScrollBar();
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(0, bar->GetScrollPosition());
    EXPECT_TRUE(RectIs(rows[0]->GetPosition(), 0, 20, 200, 40));

    // One pixel more than the 80 of the client area shows the bar with a range of 1.
    rows[2]->SetFixedHeight(41);
    layout->SetPosition(RECT{0, 0, 200, 100});
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(1, bar->GetScrollRange());
    EXPECT_TRUE(RectIs(bar->GetPosition(), 184, 20, 200, 100));
}

}  // namespace
