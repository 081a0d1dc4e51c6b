#include "tests/ui/controls_b/list_fixture.h"
#include "ui/controls/combo.h"
#include "ui/controls/combo_wnd.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

typedef std::vector<std::pair<int, int>> Pairs;

// A combo with label items at the root of a manager without a window.
class ComboLogic : public ::testing::Test {
protected:
    void SetUp() override
    {
        combo = new CComboUI;
        combo->SetAttribute(L"itemheight", L"20");
        manager.AttachRoot(combo);
        manager.AddNotifyReceiver(&receiver);
    }
    void AddItems(int count)
    {
        for (int i = 0; i < count; ++i) {
            CListLabelElementUI* item = new CListLabelElementUI;
            item->SetText(std::to_wstring(combo->GetCount()).c_str());
            combo->AddItem(item);
        }
    }
    IListItemUI* Item(int index) { return AsListItem(combo->GetItemAt(index)); }
    Pairs Selections() const { return test::Selections(receiver); }
    void Press(wchar_t key) { Dispatch(combo, EventTypeUI::KeyDown, POINT{0, 0}, key); }

    RecordingReceiver receiver;
    CWindowManagerUI manager;
    CComboUI* combo = nullptr;
};

TEST_F(ComboLogic, ItemsKeepOwnerIndexAndSelectionInStep)
{
    AddItems(4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(i, Item(i)->GetIndex());
        EXPECT_EQ(combo, dynamic_cast<CComboUI*>(Item(i)->GetOwner()));
    }
    CControlUI* selected = combo->GetItemAt(2);
    combo->SelectItem(2);
    EXPECT_EQ(L"2", combo->GetText());

    combo->InsertItemAt(new CListLabelElementUI, 1);
    EXPECT_EQ(3, combo->GetCurSel());
    combo->SetItemIndex(selected, 0);
    EXPECT_EQ(0, combo->GetCurSel());
    combo->SetItemRangeIndex(combo->GetItemAt(1), 3, 0);
    EXPECT_EQ(selected, combo->GetItemAt(combo->GetCurSel()));
    EXPECT_FALSE(combo->SetItemIndex(selected, 9));
    for (int i = 0; i < combo->GetCount(); ++i)
        EXPECT_EQ(i, Item(i)->GetIndex());

    // A lower item removed moves the selection down; the selected one
    // removed selects its neighbour and says so.
    combo->SetItemIndex(selected, 2);
    combo->RemoveItemAt(0);
    EXPECT_EQ(1, combo->GetCurSel());
    receiver.records.clear();
    combo->RemoveItem(selected);
    EXPECT_EQ(1, combo->GetCurSel());
    EXPECT_EQ((Pairs{{1, -1}}), Selections());

    receiver.records.clear();
    combo->RemoveAllItems();
    EXPECT_EQ(-1, combo->GetCurSel());
    EXPECT_TRUE(Selections().empty());
    EXPECT_EQ(L"", combo->GetText());
}

TEST_F(ComboLogic, SelectItemClampsAndClears)
{
    EXPECT_FALSE(combo->SelectItem(0));
    AddItems(3);
    EXPECT_TRUE(combo->SelectItem(8));
    EXPECT_EQ(2, combo->GetCurSel());
    EXPECT_TRUE(Item(2)->IsSelected());
    // Past the end again: the last item is selected already, nothing is sent.
    EXPECT_TRUE(combo->SelectItem(8));
    EXPECT_EQ((Pairs{{2, -1}}), Selections());

    EXPECT_FALSE(combo->SelectItem(-1));
    EXPECT_EQ(-1, combo->GetCurSel());
    EXPECT_FALSE(Item(2)->IsSelected());
    EXPECT_EQ(1u, Selections().size());

    combo->GetItemAt(1)->SetEnabled(false);
    EXPECT_FALSE(combo->SelectItem(1));
    EXPECT_TRUE(combo->SelectItem(0, false, false));
    EXPECT_EQ(1u, Selections().size());

    // The combo expands nothing.
    EXPECT_FALSE(combo->ExpandItem(0));
    EXPECT_EQ(-1, combo->GetExpandedItem());
}

TEST_F(ComboLogic, TheItemCountSelectsTheLastItemAndMovesMayEndThere)
{
    AddItems(4);
    EXPECT_TRUE(combo->SelectItem(combo->GetCount()));
    EXPECT_EQ(3, combo->GetCurSel());
    CControlUI* selected = combo->GetItemAt(3);
    CControlUI* first = combo->GetItemAt(0);
    ASSERT_TRUE(combo->SetItemRangeIndex(first, 2, 2));
    EXPECT_EQ(first, combo->GetItemAt(2));
    EXPECT_EQ(selected, combo->GetItemAt(combo->GetCurSel()));
    ASSERT_TRUE(combo->SetItemIndex(selected, 3));
    EXPECT_EQ(3, combo->GetCurSel());
    for (int i = 0; i < combo->GetCount(); ++i)
        EXPECT_EQ(i, Item(i)->GetIndex());
}

TEST_F(ComboLogic, KeysAndWheelSelectNeighbours)
{
    AddItems(4);
    combo->GetItemAt(0)->SetEnabled(false);
    combo->SelectItem(1);
    receiver.records.clear();

    Press(VK_UP);  // at the first selectable item
    EXPECT_EQ(1, combo->GetCurSel());
    EXPECT_TRUE(Selections().empty());
    Press(VK_DOWN);
    EXPECT_EQ(2, combo->GetCurSel());
    Press(VK_END);
    EXPECT_EQ(3, combo->GetCurSel());
    Press(VK_HOME);
    EXPECT_EQ(1, combo->GetCurSel());
    Press(VK_NEXT);
    EXPECT_EQ(2, combo->GetCurSel());

    Dispatch(combo, EventTypeUI::ScrollWheel, POINT{0, 0}, 0, MAKEWPARAM(SB_LINEDOWN, 0));
    EXPECT_EQ(3, combo->GetCurSel());
    Dispatch(combo, EventTypeUI::ScrollWheel, POINT{0, 0}, 0, MAKEWPARAM(SB_LINEUP, 0));
    EXPECT_EQ(2, combo->GetCurSel());
    EXPECT_EQ((Pairs{{2, 1}, {3, 2}, {1, 3}, {2, 1}, {3, 2}, {2, 3}}), Selections());

    // Disabled, the combo ignores them.
    combo->SetEnabled(false);
    EXPECT_EQ(0u, combo->GetButtonState());
    Press(VK_DOWN);
    EXPECT_EQ(2, combo->GetCurSel());
}

TEST_F(ComboLogic, AttributesAndSize)
{
    combo->SetAttribute(L"dropboxsize", L"120,200");
    combo->SetAttribute(L"dropbox", L"bkcolor=\"#FF00FF00\"");
    combo->SetAttribute(L"itemalign", L"center right");
    combo->SetAttribute(L"itemtextcolor", L"#FF112233");
    combo->SetAttribute(L"showtext", L"false");
    EXPECT_EQ(120, combo->GetDropBoxSize().cx);
    EXPECT_EQ(200, combo->GetDropBoxSize().cy);
    EXPECT_EQ(L"bkcolor=\"#FF00FF00\"", combo->GetDropBoxAttributeList());
    EXPECT_EQ(static_cast<UINT>(DT_RIGHT | DT_VCENTER | DT_SINGLELINE), combo->GetItemStyle()->textStyle);
    EXPECT_EQ(0xFF112233u, combo->GetItemStyle()->textColor);
    EXPECT_FALSE(combo->IsShowText());
    combo->SetFixedHeight(30);
    EXPECT_EQ(30, combo->GetDesiredSize(SIZE{100, 100}).cy);

    // Without a window the pop-up cannot open.
    EXPECT_FALSE(combo->Activate());
    EXPECT_EQ(nullptr, combo->GetDropWindow());
}

TEST(ComboPlacement, PopUpGoesAboveWhenItWouldPassTheWorkArea)
{
    const RECT work = {0, 0, 800, 600};
    const RECT below = CComboWnd::PlaceDropRect(RECT{10, 100, 110, 124}, 150, 64, work);
    EXPECT_EQ(124, below.top);
    EXPECT_EQ(188, below.bottom);
    EXPECT_EQ(160, below.right);
    const RECT above = CComboWnd::PlaceDropRect(RECT{10, 560, 110, 584}, 100, 64, work);
    EXPECT_EQ(496, above.top);
    EXPECT_EQ(560, above.bottom);
}

TEST_F(ComboLogic, DropHeightIsTheItemsPlusTheBorderUpToTheDropBox)
{
    EXPECT_EQ(4, CComboWnd::DropHeight(*combo, 100));
    AddItems(3);
    EXPECT_EQ(64, CComboWnd::DropHeight(*combo, 100));
    combo->GetItemAt(0)->SetVisible(false);
    EXPECT_EQ(44, CComboWnd::DropHeight(*combo, 100));
    AddItems(8);
    EXPECT_EQ(150, CComboWnd::DropHeight(*combo, 100));
}

}  // namespace
