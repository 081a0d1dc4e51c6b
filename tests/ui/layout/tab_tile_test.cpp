#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ui/layout/layout_fixture.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/core/scrollbar.h"
#include "ui/core/tab_layout.h"
#include "ui/core/tile_layout.h"

using namespace SkinUI;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::RectIs;

namespace {

// A tab layout of three pages in a window-less manager.
class TabLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.AttachRoot(tabs);
        manager.AddNotifyReceiver(&receiver);
        for (CControlUI*& page : pages) {
            page = new CControlUI;
            tabs->AddItem(page);
        }
    }
    // The indexes of the pages that show.
    std::vector<int> Shown() const
    {
        std::vector<int> shown;
        for (int i = 0; i < tabs->GetCount(); ++i)
            if (tabs->GetItemAt(i)->IsVisible())
                shown.push_back(i);
        return shown;
    }

    CWindowManagerUI manager;
    RecordingReceiver receiver;
    CTabLayoutUI* tabs = new CTabLayoutUI;
    CControlUI* pages[3] = {};
};

TEST_F(TabLayoutTest, FirstVisiblePageIsSelectedAndOnlyItIsPlaced)
{
    EXPECT_EQ(0, tabs->GetSelectedIndex());
    EXPECT_EQ(std::vector<int>{0}, Shown());
    tabs->SetAttribute(L"inset", L"5,5,5,5");
    tabs->SetPosition(RECT{0, 0, 100, 80});
    EXPECT_TRUE(RectIs(pages[0]->GetPosition(), 5, 5, 95, 75));
    EXPECT_TRUE(RectIs(pages[1]->GetPosition(), 0, 0, 0, 0));
}

TEST_F(TabLayoutTest, SelectingNotifiesOnlyOnChange)
{
    EXPECT_TRUE(tabs->SelectPage(2, true));
    EXPECT_EQ(std::vector<int>{2}, Shown());
    ASSERT_EQ(1, receiver.Count(L"tabselect"));
    const NotifyRecordUI& record = *std::find_if(
        receiver.records.begin(), receiver.records.end(),
        [](const NotifyRecordUI& r) { return r.type == L"tabselect"; });
    EXPECT_EQ(tabs, record.sender);
    EXPECT_EQ(2u, record.wParam);
    EXPECT_EQ(0, record.lParam);

    EXPECT_TRUE(tabs->SelectPage(2, true));
    EXPECT_FALSE(tabs->SelectPage(3, true));
    EXPECT_FALSE(tabs->SelectPage(-1, true));
    EXPECT_TRUE(tabs->SelectPage(1, false));
    EXPECT_EQ(1, receiver.Count(L"tabselect"));

    tabs->SetAttribute(L"selectedid", L"0");
    EXPECT_EQ(0, tabs->GetSelectedIndex());
    EXPECT_EQ(2, receiver.Count(L"tabselect"));
    EXPECT_STREQ(L"0", tabs->GetCustomAttribute(L"selectedid"));
}

TEST_F(TabLayoutTest, InsertedPagesNeverShowBesideTheSelectedOne)
{
    tabs->SelectPage(1, false);
    CControlUI* before = new CControlUI;
    EXPECT_TRUE(tabs->InsertItemAt(before, 1));
    EXPECT_EQ(2, tabs->GetSelectedIndex());
    EXPECT_EQ(pages[1], tabs->GetItemAt(tabs->GetSelectedIndex()));
    EXPECT_EQ(std::vector<int>{2}, Shown());

    EXPECT_TRUE(tabs->InsertItemAt(new CControlUI, 4));
    EXPECT_EQ(std::vector<int>{2}, Shown());
    CControlUI* stray = new CControlUI;
    EXPECT_FALSE(tabs->InsertItemAt(stray, 9));
    stray->Delete();
    EXPECT_EQ(2, tabs->GetSelectedIndex());
}

TEST_F(TabLayoutTest, RemovalKeepsASelectionWhilePagesRemain)
{
    tabs->SelectPage(2, false);
    EXPECT_TRUE(tabs->RemoveItem(pages[0]));
    EXPECT_EQ(1, tabs->GetSelectedIndex());
    EXPECT_EQ(pages[2], tabs->GetItemAt(1));

    EXPECT_TRUE(tabs->RemoveItem(pages[2]));
    EXPECT_EQ(0, tabs->GetSelectedIndex());
    EXPECT_EQ(std::vector<int>{0}, Shown());

    EXPECT_FALSE(tabs->RemoveItem(nullptr));
    tabs->RemoveAllItems();
    EXPECT_EQ(-1, tabs->GetSelectedIndex());
    CControlUI* fresh = new CControlUI;
    tabs->AddItem(fresh);
    EXPECT_EQ(0, tabs->GetSelectedIndex());
    EXPECT_TRUE(fresh->IsVisible());
}

// A tile layout of 250 x 100 in a window-less manager.
class TileLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { manager.AttachRoot(tiles); }
    void Fill(int count)
    {
        for (int i = 0; i < count; ++i)
            tiles->AddItem(new CControlUI);
    }
    void Layout() { tiles->SetPosition(RECT{0, 0, 250, 100}); }
    const RECT& Cell(int index) { return tiles->GetItemAt(index)->GetPosition(); }

    CWindowManagerUI manager;
    CTileLayoutUI* tiles = new CTileLayoutUI;
};

TEST_F(TileLayoutTest, AutomaticColumnsSpreadTheSpareWidth)
{
    tiles->SetAttribute(L"itemsize", L"80,40");
    Fill(5);
    tiles->GetItemAt(1)->SetVisible(false);
    Layout();
    EXPECT_EQ(3, tiles->GetColumns());
    EXPECT_EQ(2, tiles->GetRows());
    EXPECT_TRUE(RectIs(Cell(0), 0, 0, 80, 40));
    // The hidden child keeps its cell empty.
    EXPECT_TRUE(RectIs(Cell(2), 170, 0, 250, 40));
    EXPECT_TRUE(RectIs(Cell(4), 85, 40, 165, 80));
}

TEST_F(TileLayoutTest, FixedColumnsAndCellAlignment)
{
    tiles->SetAttribute(L"itemsize", L"80,40");
    tiles->SetAttribute(L"columns", L"2");
    tiles->SetAttribute(L"childvpadding", L"6");
    Fill(3);
    CControlUI* small = tiles->GetItemAt(2);
    small->SetMaxWidth(20);
    small->SetMaxHeight(10);
    Layout();
    EXPECT_TRUE(RectIs(Cell(1), 170, 0, 250, 40));
    EXPECT_TRUE(RectIs(Cell(2), 0, 46, 20, 56));

    tiles->SetAttribute(L"childalign", L"right");
    tiles->SetAttribute(L"childvalign", L"bottom");
    Layout();
    EXPECT_TRUE(RectIs(Cell(2), 60, 76, 80, 86));
}

TEST_F(TileLayoutTest, EmptyItemSizeDoesNotDivideByZero)
{
    tiles->SetAttribute(L"itemsize", L"0,0");
    Fill(3);
    Layout();
    EXPECT_GE(tiles->GetColumns(), 1);
    EXPECT_EQ(1, tiles->GetRows());
    tiles->SetItemSize(SIZE{-5, 10});
    tiles->SetAttribute(L"columns", L"2");
    Layout();
    EXPECT_EQ(2, tiles->GetRows());
}

TEST_F(TileLayoutTest, OverflowingRowsShowTheBarAndRecountColumns)
{
    tiles->SetAttribute(L"itemsize", L"80,40");
    tiles->SetAttribute(L"vscrollbar", L"true");
    Fill(7);
    Layout();
    CScrollBarUI* bar = tiles->GetVerticalScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(2, tiles->GetColumns());
    EXPECT_EQ(4, tiles->GetRows());
    EXPECT_EQ(60, bar->GetScrollRange());
    tiles->ScrollToBottom();
    EXPECT_EQ(60, Cell(6).top);
}

}  // namespace
