#include "tests/ui/controls_b/list_fixture.h"
#include "ui/controls/list_body.h"
#include "ui/controls/list_container_element.h"
#include "ui/controls/list_header.h"
#include "ui/controls/list_header_item.h"
#include "ui/controls/list_text_element.h"
#include "ui/core/scrollbar.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

class ListExpansion : public ListFixture {
protected:
    CListContainerElementUI* AddExpandable()
    {
        CListContainerElementUI* row = new CListContainerElementUI;
        row->SetAttribute(L"expandable", L"true");
        list->AddItem(row);
        return row;
    }
    bool Expanded(int index) { return Row(index)->IsExpanded(); }
};

TEST_F(ListExpansion, OneRowIsExpandedAtATimeUnlessMultiExpanding)
{
    for (int i = 0; i < 3; ++i)
        AddExpandable();

    // From the list: the row's call back to the list ends at once.
    EXPECT_TRUE(list->ExpandItem(0));
    EXPECT_TRUE(Expanded(0));
    EXPECT_EQ(0, list->GetExpandedItem());
    EXPECT_EQ(1, receiver.Count(L"itemexpand"));

    // From the row: the other row collapses.
    EXPECT_TRUE(Row(1)->Expand(true));
    EXPECT_FALSE(Expanded(0));
    EXPECT_TRUE(Expanded(1));
    EXPECT_EQ(1, list->GetExpandedItem());
    EXPECT_EQ(1, receiver.Count(L"itemcollapse"));
    EXPECT_EQ(2, receiver.Count(L"itemexpand"));

    EXPECT_TRUE(list->ExpandItem(1, false));
    EXPECT_FALSE(Expanded(1));
    EXPECT_EQ(-1, list->GetExpandedItem());

    list->SetAttribute(L"multiexpanding", L"true");
    list->ExpandItem(0);
    list->ExpandItem(2);
    EXPECT_TRUE(Expanded(0));
    EXPECT_TRUE(Expanded(2));
}

TEST_F(ListExpansion, ExpandedIndexFollowsItsRow)
{
    for (int i = 0; i < 4; ++i)
        AddExpandable();
    CControlUI* expanded = list->GetItemAt(2);
    list->ExpandItem(2);

    list->InsertItemAt(new CListContainerElementUI, 0);
    EXPECT_EQ(3, list->GetExpandedItem());
    list->RemoveItemAt(0);
    EXPECT_EQ(2, list->GetExpandedItem());
    list->SetItemIndex(expanded, 0);
    EXPECT_EQ(0, list->GetExpandedItem());
    list->SetItemRangeIndex(list->GetItemAt(1), 2, 2);
    EXPECT_EQ(expanded, list->GetItemAt(list->GetExpandedItem()));

    // Expanding another row collapses the right one.
    list->ExpandItem(3);
    EXPECT_FALSE(AsListItem(expanded)->IsExpanded());
    EXPECT_TRUE(Expanded(3));

    // The expanded row removed: the index is cleared, no other row is touched.
    list->RemoveItemAt(3);
    EXPECT_EQ(-1, list->GetExpandedItem());
    list->ExpandItem(1);
    EXPECT_TRUE(Expanded(1));
    EXPECT_FALSE(Expanded(0));
    EXPECT_FALSE(Expanded(2));
    list->RemoveAllItems();
    EXPECT_EQ(-1, list->GetExpandedItem());
}

TEST_F(ListExpansion, RefusedExpansionKeepsTheFlagAndSendsNothing)
{
    CListContainerElementUI* hidden = AddExpandable();
    hidden->SetVisible(false);
    EXPECT_FALSE(hidden->Expand(true));
    EXPECT_TRUE(hidden->IsExpanded());
    EXPECT_EQ(0, receiver.Count(L"itemexpand"));
    EXPECT_EQ(-1, list->GetExpandedItem());

    // A row that is not expandable keeps its flag to itself.
    CListContainerElementUI* plain = new CListContainerElementUI;
    list->AddItem(plain);
    EXPECT_TRUE(plain->Expand(true));
    EXPECT_EQ(-1, list->GetExpandedItem());

    // Label rows never expand.
    CListLabelElementUI* label = AddRow(L"label");
    EXPECT_FALSE(label->Expand(true));
    EXPECT_FALSE(list->ExpandItem(label->GetIndex()));
}

class ListHeaders : public ListFixture {
protected:
    CListHeaderUI* HeaderWithItems(int count)
    {
        CListHeaderUI* header = new CListHeaderUI;
        for (int i = 0; i < count; ++i)
            header->AddItem(new CListHeaderItemUI);
        return header;
    }
    int OwnChildren() { return list->CContainerUI::GetCount(); }
};

TEST_F(ListHeaders, LayoutHeaderReplacesTheEmptyOne)
{
    CListHeaderUI* header = HeaderWithItems(2);
    ASSERT_TRUE(list->AddItem(header));
    EXPECT_EQ(header, list->GetHeader());
    EXPECT_EQ(header, list->CContainerUI::GetItemAt(0));
    EXPECT_EQ(2, OwnChildren());
    EXPECT_EQ(2, list->GetItemStyle()->columnCount);
    EXPECT_EQ(0, list->GetCount());

    // A header while the current one has items is an extra child, not used.
    CListHeaderUI* extra = HeaderWithItems(1);
    list->AddItem(extra);
    EXPECT_EQ(header, list->GetHeader());
    EXPECT_EQ(3, OwnChildren());
    EXPECT_EQ(2, list->GetItemStyle()->columnCount);

    // Header items go to the header; only 64 become columns.
    for (int i = 0; i < 63; ++i)
        list->AddItem(new CListHeaderItemUI);
    EXPECT_EQ(65, header->GetCount());
    EXPECT_EQ(64, list->GetItemStyle()->columnCount);
    EXPECT_EQ(0, list->GetCount());
    EXPECT_TRUE(list->RemoveItem(header->GetItemAt(0)));
    EXPECT_EQ(64, header->GetCount());
    EXPECT_EQ(64, list->GetItemStyle()->columnCount);
    Layout();
}

TEST_F(ListHeaders, RemovingTheOwnHeaderLeavesAnEmptyOneInItsPlace)
{
    list->AddItem(HeaderWithItems(3));
    list->SetAttribute(L"header", L"hidden");
    CListHeaderUI* removed = list->GetHeader();
    ASSERT_TRUE(list->RemoveItem(removed, true));
    CListHeaderUI* replacement = list->GetHeader();
    ASSERT_NE(nullptr, replacement);
    EXPECT_NE(removed, replacement);
    EXPECT_EQ(0, replacement->GetCount());
    EXPECT_FALSE(replacement->IsVisible());
    EXPECT_EQ(0, list->GetItemStyle()->columnCount);
    removed->Delete();

    Layout();
    list->AddItem(new CListHeaderItemUI);
    EXPECT_EQ(1, replacement->GetCount());
    list->RemoveItem(replacement);
    list->AddItem(new CListHeaderItemUI);
    EXPECT_EQ(1, list->GetHeader()->GetCount());
}

class ListLayout : public ListFixture {};

TEST_F(ListLayout, RowsStackWithTheirLinesAndChildPadding)
{
    AddRows(10);
    list->SetAttribute(L"itemhlinesize", L"1");
    list->SetAttribute(L"vscrollbar", L"true");
    Layout(100);
    EXPECT_EQ(189, list->GetItemAt(9)->GetPosition().top);
    EXPECT_EQ(209, list->GetItemAt(9)->GetPosition().bottom);
    EXPECT_EQ(209 - 100, list->GetScrollRange().cy);
    ASSERT_NE(nullptr, list->GetVerticalScrollBar());
    EXPECT_EQ(list->GetBody()->GetVerticalScrollBar(), list->GetVerticalScrollBar());

    list->SetAttribute(L"childpadding", L"2");
    Layout(300);
    EXPECT_EQ(2, list->GetChildPadding());
    EXPECT_EQ(23, list->GetItemAt(1)->GetPosition().top);
    EXPECT_EQ(200, list->GetItemAt(1)->GetPosition().right);
}

// A header of two items 50 and 70 wide over a list 100 wide.
class ListColumns : public ListFixture {
protected:
    void SetUp() override
    {
        ListFixture::SetUp();
        list->SetAttribute(L"header", L"shown");
        for (int width : {50, 70}) {
            CListHeaderItemUI* item = new CListHeaderItemUI;
            item->SetFixedWidth(width);
            item->SetFixedHeight(20);
            list->AddItem(item);
        }
    }
    const RECT& Column(int i) { return list->GetItemStyle()->columns[i]; }
};

TEST_F(ListColumns, RowsSpanTheColumnsAndHBoxChildrenFillThem)
{
    CListTextElementUI* text = new CListTextElementUI;
    list->AddItem(text);
    CListHBoxElementUI* box = new CListHBoxElementUI;
    CControlUI* cells[3] = {new CControlUI, new CControlUI, new CControlUI};
    for (CControlUI* cell : cells)
        box->AddItem(cell);
    list->AddItem(box);
    list->SetAttribute(L"itemvlinesize", L"2");
    list->SetPosition(RECT{0, 0, 200, 100});

    EXPECT_EQ(0, Column(0).left);
    EXPECT_EQ(50, Column(0).right);
    EXPECT_EQ(120, Column(1).right);
    EXPECT_EQ(20, Column(0).bottom);
    EXPECT_EQ(20, text->GetPosition().top);
    EXPECT_EQ(120, text->GetPosition().right);
    EXPECT_EQ(120, text->GetDesiredSize(SIZE{200, 100}).cx);

    // The line between the columns is taken from the first cell; the cell
    // past the last column is not placed.
    EXPECT_EQ(48, cells[0]->GetPosition().right);
    EXPECT_EQ(50, cells[1]->GetPosition().left);
    EXPECT_EQ(120, cells[1]->GetPosition().right);
    EXPECT_EQ(0, cells[2]->GetPosition().right);

    // A hidden header still gives the columns.
    list->SetAttribute(L"header", L"hidden");
    list->SetPosition(RECT{0, 0, 200, 100});
    EXPECT_EQ(120, Column(1).right);
    EXPECT_EQ(0, text->GetPosition().top);
}

TEST_F(ListColumns, HorizontalScrollingMovesTheColumns)
{
    AddRow(L"row");
    list->SetAttribute(L"hscrollbar", L"true");
    list->SetPosition(RECT{0, 0, 100, 100});
    ASSERT_EQ(20, list->GetScrollRange().cx);

    list->SetScrollPosition(SIZE{10, 0});
    EXPECT_EQ(-10, Column(0).left);
    EXPECT_EQ(110, Column(1).right);
    EXPECT_EQ(-10, list->GetHeader()->GetItemAt(0)->GetPosition().left);
    EXPECT_EQ(-10, list->GetItemAt(0)->GetPosition().left);

    // A new layout keeps them scrolled.
    list->SetPosition(RECT{0, 0, 100, 100});
    EXPECT_EQ(-10, Column(0).left);
    list->LineLeft();
    EXPECT_EQ(2, list->GetScrollPosition().cx);
    list->ScrollToLeft();
    EXPECT_EQ(0, list->GetScrollPosition().cx);
    EXPECT_EQ(0, Column(0).left);
}

TEST_F(ListColumns, SeparatorDragResizesAColumnDownToItsMinimum)
{
    list->SetPosition(RECT{0, 0, 200, 100});
    CListHeaderItemUI* item = static_cast<CListHeaderItemUI*>(list->GetHeader()->GetItemAt(0));
    EXPECT_EQ(kBehaviorSetCursor, item->GetBehaviorFlags());

    // Outside the separator: a click.
    Dispatch(item, EventTypeUI::ButtonDown, POINT{10, 10});
    EXPECT_EQ(1, receiver.Count(L"headerclick"));
    EXPECT_NE(0u, item->GetButtonState() & kStatePushed);
    Dispatch(item, EventTypeUI::ButtonUp, POINT{10, 10});
    EXPECT_EQ(0u, item->GetButtonState() & kStatePushed);

    Dispatch(item, EventTypeUI::ButtonDown, POINT{48, 10});
    EXPECT_EQ(1, receiver.Count(L"headerclick"));
    Dispatch(item, EventTypeUI::MouseMove, POINT{20, 10});
    EXPECT_EQ(22, item->GetFixedWidth());
    list->SetPosition(RECT{0, 0, 200, 100});
    EXPECT_EQ(22, Column(0).right);

    // Below the minimum width of 16 nothing changes.
    Dispatch(item, EventTypeUI::MouseMove, POINT{5, 10});
    EXPECT_EQ(22, item->GetFixedWidth());
    Dispatch(item, EventTypeUI::ButtonUp, POINT{5, 10});
    Dispatch(item, EventTypeUI::MouseMove, POINT{60, 10});
    EXPECT_EQ(22, item->GetFixedWidth());

    // A separator on the left edge moves the left edge.
    item->SetSepWidth(-4);
    EXPECT_EQ(0, item->GetSeparatorRect().left);
    EXPECT_EQ(4, item->GetSeparatorRect().right);
    Dispatch(item, EventTypeUI::ButtonDown, POINT{2, 10});
    Dispatch(item, EventTypeUI::MouseMove, POINT{-8, 10});
    EXPECT_EQ(32, item->GetFixedWidth());

    // Not draggable: pressing the separator starts nothing.
    Dispatch(item, EventTypeUI::ButtonUp, POINT{-8, 10});
    item->SetAttribute(L"dragable", L"false");
    Dispatch(item, EventTypeUI::ButtonDown, POINT{2, 10});
    Dispatch(item, EventTypeUI::MouseMove, POINT{40, 10});
    EXPECT_EQ(32, item->GetFixedWidth());
}

}  // namespace
