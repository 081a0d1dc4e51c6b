#include "tests/ui/controls_b/list_fixture.h"
#include "ui/controls/list_body.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

typedef std::vector<std::pair<int, int>> Pairs;

class ListSelection : public ListFixture {};

TEST_F(ListSelection, SelectItemRules)
{
    AddRows(4);
    EXPECT_TRUE(list->SelectItem(1));
    EXPECT_TRUE(Row(1)->IsSelected());
    EXPECT_EQ((Pairs{{1, -1}}), Selections());

    // The current index again: true and nothing sent.
    EXPECT_TRUE(list->SelectItem(1));
    EXPECT_EQ(1u, Selections().size());

    EXPECT_TRUE(list->SelectItem(2));
    EXPECT_FALSE(Row(1)->IsSelected());
    EXPECT_EQ((Pairs{{1, -1}, {2, 1}}), Selections());

    // A hidden or disabled target fails and leaves nothing selected.
    list->GetItemAt(3)->SetEnabled(false);
    EXPECT_FALSE(list->SelectItem(3));
    EXPECT_EQ(-1, list->GetCurSel());
    EXPECT_FALSE(Row(2)->IsSelected());
    list->SelectItem(2);
    list->GetItemAt(0)->SetVisible(false);
    EXPECT_FALSE(list->SelectItem(0));
    EXPECT_EQ(-1, list->GetCurSel());

    // -1 deselects and answers false; out of range fails.
    list->SelectItem(2);
    EXPECT_FALSE(list->SelectItem(-1));
    EXPECT_EQ(-1, list->GetCurSel());
    EXPECT_FALSE(Row(2)->IsSelected());
    EXPECT_FALSE(list->SelectItem(9));

    // Without notification nothing is sent.
    const size_t sent = Selections().size();
    EXPECT_TRUE(list->SelectItem(1, false, false));
    EXPECT_EQ(sent, Selections().size());
}

TEST_F(ListSelection, HidingTheSelectedRowDeselectsItInTheList)
{
    AddRows(3);
    list->SelectItem(1);
    list->GetItemAt(1)->SetVisible(false);
    EXPECT_EQ(-1, list->GetCurSel());
    EXPECT_FALSE(Row(1)->IsSelected());
}

TEST_F(ListSelection, RemovingTheSelectedRowReselectsAndNotifies)
{
    AddRows(4);
    list->SelectItem(1);
    receiver.records.clear();

    // The row that moves into the removed place is the nearest selectable one.
    ASSERT_TRUE(list->RemoveItemAt(1));
    EXPECT_EQ(1, list->GetCurSel());
    EXPECT_EQ(L"2", list->GetItemAt(1)->GetText());
    EXPECT_EQ((Pairs{{1, -1}}), Selections());
    for (int i = 0; i < list->GetCount(); ++i)
        EXPECT_EQ(i, Row(i)->GetIndex());

    // At the end the search goes backwards.
    list->SelectItem(2);
    receiver.records.clear();
    list->RemoveItemAt(2);
    EXPECT_EQ((Pairs{{1, -1}}), Selections());

    // A disabled neighbour before is skipped; the search then goes forward from 0.
    list->GetItemAt(0)->SetEnabled(false);
    receiver.records.clear();
    list->RemoveItemAt(1);
    EXPECT_EQ(-1, list->GetCurSel());
    EXPECT_TRUE(Selections().empty());

    // A removal before the selection shifts it; the last row goes silently.
    list->GetItemAt(0)->SetEnabled(true);
    AddRow(L"x");
    list->SelectItem(1);
    list->RemoveItemAt(0);
    EXPECT_EQ(0, list->GetCurSel());
    receiver.records.clear();
    list->RemoveItemAt(0);
    EXPECT_EQ(-1, list->GetCurSel());
    EXPECT_TRUE(Selections().empty());
    EXPECT_EQ(0, list->GetCount());
}

TEST_F(ListSelection, InsertsAndMovesKeepTheSameRowSelected)
{
    AddRows(5);
    CControlUI* selected = list->GetItemAt(2);
    list->SelectItem(2);
    receiver.records.clear();

    CListLabelElementUI* inserted = new CListLabelElementUI;
    ASSERT_TRUE(list->InsertItemAt(inserted, 2));
    EXPECT_EQ(3, list->GetCurSel());
    EXPECT_EQ(2, AsListItem(inserted)->GetIndex());
    EXPECT_EQ(list, dynamic_cast<CListUI*>(AsListItem(inserted)->GetOwner()));
    for (int i = 0; i < list->GetCount(); ++i)
        EXPECT_EQ(i, Row(i)->GetIndex());

    // Inserting after it changes nothing.
    list->InsertItemAt(new CListLabelElementUI, 5);
    EXPECT_EQ(3, list->GetCurSel());

    ASSERT_TRUE(list->SetItemIndex(selected, 0));
    EXPECT_EQ(0, list->GetCurSel());
    ASSERT_TRUE(list->SetItemIndex(list->GetItemAt(4), 0));
    EXPECT_EQ(1, list->GetCurSel());
    EXPECT_EQ(selected, list->GetItemAt(list->GetCurSel()));

    // A run of three rows moved past the selected one.
    ASSERT_TRUE(list->SetItemRangeIndex(list->GetItemAt(2), 3, 0));
    EXPECT_EQ(selected, list->GetItemAt(list->GetCurSel()));
    for (int i = 0; i < list->GetCount(); ++i)
        EXPECT_EQ(i, Row(i)->GetIndex());

    // Targets outside the rows fail without losing a row.
    const int count = list->GetCount();
    EXPECT_FALSE(list->SetItemRangeIndex(list->GetItemAt(5), 3, 0));
    EXPECT_FALSE(list->SetItemRangeIndex(list->GetItemAt(0), 2, count - 1));
    EXPECT_FALSE(list->SetItemRangeIndex(list->GetItemAt(0), -1, 0));
    EXPECT_FALSE(list->SetItemIndex(selected, count));
    EXPECT_EQ(count, list->GetCount());
    EXPECT_TRUE(Selections().empty());
}

// A row that agrees to every selection, whatever its state.
class AgreeableRow : public CListLabelElementUI {
public:
    bool Select(bool, bool) override { return true; }
};

TEST_F(ListSelection, SearchesStepOverDisabledRowsAndMovesMayEndAtTheLastRow)
{
    // The list refuses a disabled row even when the row would agree; a disabled row refuses itself.
    AgreeableRow* agreeable = new AgreeableRow;
    list->AddItem(agreeable);
    agreeable->SetEnabled(false);
    EXPECT_FALSE(list->SelectItem(0));
    EXPECT_EQ(-1, list->GetCurSel());
    list->RemoveItemAt(0);

    AddRows(5);
    auto press = [this](wchar_t key) { Dispatch(list, EventTypeUI::KeyDown, POINT{0, 0}, key); };
    list->SelectItem(0);
    list->GetItemAt(1)->SetEnabled(false);
    press(VK_DOWN);
    EXPECT_EQ(2, list->GetCurSel());
    press(VK_UP);
    EXPECT_EQ(0, list->GetCurSel());
    list->GetItemAt(0)->SetEnabled(false);
    press(VK_HOME);  // none at or before the first row: the first selectable one after it
    EXPECT_EQ(2, list->GetCurSel());
    EXPECT_FALSE(Row(0)->IsSelected()) << "the row disabled while selected let go";
    EXPECT_FALSE(Row(0)->Select(true));
    EXPECT_FALSE(Row(0)->IsSelected());

    // The selected last row removed: the nearest enabled row before it, past a disabled one.
    list->GetItemAt(0)->SetEnabled(true);
    list->GetItemAt(3)->SetEnabled(false);
    list->SelectItem(4);
    list->RemoveItemAt(4);
    EXPECT_EQ(2, list->GetCurSel());

    // A run moved so that it ends at the last row, and a row moved to the last place.
    CControlUI* first = list->GetItemAt(0);
    CControlUI* selected = list->GetItemAt(2);
    ASSERT_TRUE(list->SetItemRangeIndex(first, 2, 2));
    EXPECT_EQ(first, list->GetItemAt(2));
    EXPECT_EQ(selected, list->GetItemAt(list->GetCurSel()));
    ASSERT_TRUE(list->SetItemIndex(selected, list->GetCount() - 1));
    EXPECT_EQ(list->GetCount() - 1, list->GetCurSel());
    for (int i = 0; i < list->GetCount(); ++i)
        EXPECT_EQ(i, Row(i)->GetIndex());
}

TEST_F(ListSelection, ClicksOnRows)
{
    AddRows(3);
    Layout();
    CControlUI* second = list->GetItemAt(1);
    Dispatch(second, EventTypeUI::ButtonDown, CenterOf(second));
    std::vector<NotifyRecordUI> items;
    for (const NotifyRecordUI& record : receiver.records) {
        if (record.type == L"itemclick" || record.type == L"itemselect")
            items.push_back(record);
    }
    ASSERT_EQ(2u, items.size());
    EXPECT_EQ(L"itemclick", items[0].type);
    EXPECT_EQ(second, items[0].sender);
    EXPECT_EQ(L"itemselect", items[1].type);
    EXPECT_EQ(list, items[1].sender);
    EXPECT_EQ(1, list->GetCurSel());

    // A disabled row sends nothing and is not selected.
    receiver.records.clear();
    CControlUI* third = list->GetItemAt(2);
    third->SetEnabled(false);
    Dispatch(third, EventTypeUI::ButtonDown, CenterOf(third));
    EXPECT_EQ(0, receiver.Count(L"itemclick"));
    EXPECT_TRUE(Selections().empty());
    EXPECT_EQ(1, list->GetCurSel());

    // Double-click and Return activate.
    Dispatch(second, EventTypeUI::DoubleClick, CenterOf(second));
    Dispatch(list, EventTypeUI::KeyDown, POINT{0, 0}, VK_RETURN);
    EXPECT_EQ(2, receiver.Count(L"itemactivate"));

    // "selected" selects whatever its value.
    list->GetItemAt(0)->SetAttribute(L"selected", L"false");
    EXPECT_EQ(0, list->GetCurSel());
}

TEST_F(ListSelection, KeysMoveTheSelection)
{
    AddRows(4);
    auto press = [this](wchar_t key) { Dispatch(list, EventTypeUI::KeyDown, POINT{0, 0}, key); };

    press(VK_DOWN);
    EXPECT_EQ(0, list->GetCurSel());
    press(VK_UP);  // at the first row: found again, nothing sent
    EXPECT_EQ(0, list->GetCurSel());
    EXPECT_EQ(1u, Selections().size());
    press(VK_END);
    EXPECT_EQ(3, list->GetCurSel());
    press(VK_HOME);
    EXPECT_EQ(0, list->GetCurSel());
    press(VK_DOWN);
    EXPECT_EQ(1, list->GetCurSel());

    // Forward onto disabled rows only: the row is deselected.
    list->GetItemAt(2)->SetEnabled(false);
    list->GetItemAt(3)->SetEnabled(false);
    press(VK_DOWN);
    EXPECT_EQ(-1, list->GetCurSel());

    // Keys over a row act on the list.
    CControlUI* first = list->GetItemAt(0);
    Dispatch(first, EventTypeUI::KeyDown, POINT{0, 0}, VK_DOWN);
    EXPECT_EQ(0, list->GetCurSel());

    // A list that is disabled or ignores the keyboard does nothing.
    list->SetKeyboardEnabled(false);
    press(VK_END);
    EXPECT_EQ(0, list->GetCurSel());
}

TEST_F(ListSelection, WheelSelectsOrScrolls)
{
    AddRows(10);
    list->EnableScrollBars(true, false);
    Layout(100);
    auto wheel = [this](WORD direction) {
        Dispatch(list, EventTypeUI::ScrollWheel, POINT{10, 10}, 0, MAKEWPARAM(direction, 0));
    };

    wheel(SB_LINEDOWN);
    EXPECT_EQ(-1, list->GetCurSel());
    EXPECT_GT(list->GetScrollPosition().cy, 0);
    wheel(SB_LINEUP);
    EXPECT_EQ(0, list->GetScrollPosition().cy);

    list->SetAttribute(L"scrollselect", L"true");
    wheel(SB_LINEDOWN);
    wheel(SB_LINEDOWN);
    EXPECT_EQ(1, list->GetCurSel());
    wheel(SB_LINEUP);
    EXPECT_EQ(0, list->GetCurSel());
    EXPECT_EQ((Pairs{{0, -1}, {1, 0}, {0, 1}}), Selections());
}

TEST_F(ListSelection, SelectingScrollsTheRowIntoView)
{
    AddRows(10);
    list->EnableScrollBars(true, false);
    Layout(100);
    list->SelectItem(9);
    const RECT body = list->GetBody()->GetPosition();
    const RECT row = list->GetItemAt(9)->GetPosition();
    EXPECT_LE(row.bottom, body.bottom);
    EXPECT_GE(row.top, body.top);
    list->SelectItem(0);
    EXPECT_EQ(0, list->GetScrollPosition().cy);
}

// A list that shows only its first rows, as a filtering subclass does, and
// counts the events that reach its handler.
class ShortList : public CListUI {
public:
    CControlUI* GetItemAt(int index) const override
    {
        return index < shown ? CListUI::GetItemAt(index) : nullptr;
    }
    int GetCount() const override
    {
        const int count = CListUI::GetCount();
        return count < shown ? count : shown;
    }
    void HandleEvent(EventRecordUI& event) override
    {
        if (event.type == EventTypeUI::KeyDown)
            ++keysHandled;
        CListUI::HandleEvent(event);
    }

    int shown = 2;
    int keysHandled = 0;
};

TEST(ListSubclass, SearchAndForwardingGoThroughTheVirtualOperations)
{
    CWindowManagerUI manager;
    ShortList* list = new ShortList;
    manager.AttachRoot(list);
    for (int i = 0; i < 4; ++i)
        list->AddItem(new CListLabelElementUI);

    EventRecordUI end = MakeEvent(EventTypeUI::KeyDown, POINT{0, 0}, VK_END);
    list->DispatchEvent(end);
    EXPECT_EQ(1, list->GetCurSel());

    // Rows and the body hand their events to the subclass's handler.
    const int before = list->keysHandled;
    EventRecordUI key = MakeEvent(EventTypeUI::KeyDown, POINT{0, 0}, VK_HOME);
    list->CListUI::GetItemAt(3)->DispatchEvent(key);
    list->GetBody()->DispatchEvent(key);
    EXPECT_EQ(before + 2, list->keysHandled);
}

}  // namespace
