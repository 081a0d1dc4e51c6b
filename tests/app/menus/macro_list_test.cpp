#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/macro/list/marco_list.h"
#include "ui/controls/button.h"
#include "ui/controls/list_label_element.h"
#include "ui/controls/list_text_element.h"

using namespace SkinUI;

namespace {

// A list without a window, as the macro managers fill it.
class MacroList : public ::testing::Test {
protected:
    ~MacroList() override { m_list->Delete(); }

    std::wstring RowText(int index) const { return m_list->GetItemAt(index)->GetText().GetData(); }

    // Every child of the root shows in the row of its own index.
    void ExpectRowsMatchRootChildren() const
    {
        MacroStepNode* root = m_list->GetRoot();
        ASSERT_EQ(static_cast<int>(root->children.size()), m_list->GetCount());
        for (int i = 0; i < m_list->GetCount(); ++i) {
            EXPECT_EQ(m_list->GetItemAt(i), root->children[static_cast<size_t>(i)]->row) << i;
            EXPECT_EQ(reinterpret_cast<UINT_PTR>(root->children[static_cast<size_t>(i)].get()),
                      m_list->GetItemAt(i)->GetTag());
        }
    }

    std::vector<std::wstring> ChildTexts() const
    {
        std::vector<std::wstring> texts;
        for (const auto& child : m_list->GetRoot()->children)
            texts.push_back(child->text.GetData());
        return texts;
    }

    MarcoListUI* m_list = new MarcoListUI();
};

TEST_F(MacroList, StepsAddedUnderTheRootAppendRowsThatReadTheirText)
{
    EXPECT_TRUE(m_list->IsItemShowHtml());
    MacroStepNode* first = m_list->AddNode(L"{x 4}{i Image\\macroicons.png 18 0}{x 4}50 ms");
    ASSERT_NE(nullptr, first);
    m_list->AddNode(L"B");
    m_list->AddNode(L"C");
    EXPECT_EQ(3, m_list->GetCount());
    EXPECT_EQ(L"<x 6>{x 4}{i Image\\macroicons.png 18 0}{x 4}50 ms", RowText(0));
    EXPECT_EQ(L"<x 6>C", RowText(2));
    EXPECT_EQ(0, first->level);
    EXPECT_TRUE(first->expanded);
    EXPECT_EQ(m_list->GetRoot(), first->parent);
    EXPECT_EQ(0, first->type);
    EXPECT_EQ(0, first->value);
    ExpectRowsMatchRootChildren();
}

TEST_F(MacroList, NestedNodesFollowTheirParentsLastDescendantIndentedAndHiddenWhenCollapsed)
{
    MacroStepNode* a = m_list->AddNode(L"A");
    m_list->AddNode(L"B");
    MacroStepNode* a1 = m_list->AddNode(L"A1", a);
    MacroStepNode* a1x = m_list->AddNode(L"A1x", a1);
    MacroStepNode* a2 = m_list->AddNode(L"A2", a);
    ASSERT_NE(nullptr, a2);
    EXPECT_EQ(5, m_list->GetCount());
    EXPECT_EQ(L"<x 6>A", RowText(0));
    EXPECT_EQ(L"<x 6><x 24>A1", RowText(1));
    EXPECT_EQ(L"<x 6><x 24><x 24>A1x", RowText(2));
    EXPECT_EQ(L"<x 6><x 24>A2", RowText(3));
    EXPECT_EQ(L"<x 6>B", RowText(4));
    EXPECT_EQ(1, a1->level);
    EXPECT_FALSE(a1->expanded);
    EXPECT_TRUE(a1->row->IsVisible());    // under an expanded level-0 node
    EXPECT_FALSE(a1x->row->IsVisible());  // under a collapsed level-1 node
    EXPECT_EQ(a, a2->parent);
    ASSERT_EQ(2u, a->children.size());
    EXPECT_EQ(a2, a->children[1].get());
}

TEST_F(MacroList, InsertedStepsTakeTheSameRowAndChildIndex)
{
    m_list->AddNode(L"A");
    m_list->AddNode(L"B");
    m_list->AddNode(L"C");
    MacroStepNode* front = m_list->InsertNodeAt(L"front", 0);
    ASSERT_NE(nullptr, front);
    EXPECT_EQ(front, m_list->GetRoot()->children[0].get());
    m_list->InsertNodeAt(L"middle", 2);
    m_list->InsertNodeAt(L"end", 5);
    // Outside the rows nothing changes.
    EXPECT_EQ(nullptr, m_list->InsertNodeAt(L"far", 7));
    EXPECT_EQ(nullptr, m_list->InsertNodeAt(L"negative", -1));
    EXPECT_EQ((std::vector<std::wstring>{L"front", L"A", L"middle", L"B", L"C", L"end"}), ChildTexts());
    ExpectRowsMatchRootChildren();
}

TEST_F(MacroList, RemovingRowsRemovesTheirNodesAndKeepsRowsAndChildrenInStep)
{
    for (const wchar_t* text : {L"A", L"B", L"C", L"D", L"E"})
        m_list->AddNode(text);
    EXPECT_TRUE(m_list->RemoveItemAt(1));
    EXPECT_TRUE(m_list->RemoveItem(m_list->GetItemAt(2)));
    EXPECT_TRUE(m_list->RemoveNode(m_list->GetRoot()->children[0].get()));
    EXPECT_EQ((std::vector<std::wstring>{L"C", L"E"}), ChildTexts());
    ExpectRowsMatchRootChildren();
    m_list->InsertNodeAt(L"X", 1);
    EXPECT_EQ((std::vector<std::wstring>{L"C", L"X", L"E"}), ChildTexts());
    ExpectRowsMatchRootChildren();
    EXPECT_FALSE(m_list->RemoveItemAt(3));
}

TEST_F(MacroList, RemovingANodeTakesItsWholeSubtreeWithItsRows)
{
    MacroStepNode* a = m_list->AddNode(L"A");
    MacroStepNode* a1 = m_list->AddNode(L"A1", a);
    m_list->AddNode(L"A1x", a1);
    m_list->AddNode(L"A2", a);
    m_list->AddNode(L"B");
    EXPECT_TRUE(m_list->RemoveNode(a));
    EXPECT_EQ(1, m_list->GetCount());
    EXPECT_EQ(L"<x 6>B", RowText(0));
    ExpectRowsMatchRootChildren();
}

TEST_F(MacroList, TheRootNoneAndForeignNodesAreNotRemoved)
{
    m_list->AddNode(L"A");
    MacroStepNode foreign;
    foreign.level = 0;
    EXPECT_FALSE(m_list->RemoveNode(nullptr));
    EXPECT_FALSE(m_list->RemoveNode(m_list->GetRoot()));
    EXPECT_FALSE(m_list->RemoveNode(&foreign));
    EXPECT_EQ(nullptr, m_list->AddNode(L"orphan", &foreign));
    EXPECT_EQ(1, m_list->GetCount());
    ExpectRowsMatchRootChildren();
}

TEST_F(MacroList, RemoveAllStartsAgainFromAnEmptyRoot)
{
    MacroStepNode* a = m_list->AddNode(L"A");
    m_list->AddNode(L"A1", a);
    m_list->AddNode(L"B");
    m_list->SelectItem(2, false, false);
    m_list->RemoveAllItems();
    EXPECT_EQ(0, m_list->GetCount());
    EXPECT_EQ(-1, m_list->GetCurSel());
    EXPECT_TRUE(m_list->GetRoot()->children.empty());
    EXPECT_EQ(-1, m_list->GetRoot()->level);
    m_list->AddNode(L"again");
    EXPECT_EQ(L"<x 6>again", RowText(0));
    ExpectRowsMatchRootChildren();
}

TEST_F(MacroList, OnlyLabelRowsCanBeAddedDirectlyAndTheyCarryNoNode)
{
    CControlUI* text = new CListTextElementUI();
    CControlUI* button = new CButtonUI();
    EXPECT_FALSE(m_list->AddItem(text));
    EXPECT_FALSE(m_list->InsertItemAt(button, 0));
    EXPECT_FALSE(m_list->AddItem(nullptr));
    EXPECT_EQ(0, m_list->GetCount());
    text->Delete();
    button->Delete();

    m_list->AddNode(L"A");
    auto* plain = new CListLabelElementUI();
    plain->SetText(L"plain");
    EXPECT_TRUE(m_list->InsertItemAt(plain, 0));
    EXPECT_EQ(2, m_list->GetCount());
    EXPECT_EQ(1u, m_list->GetRoot()->children.size());
    EXPECT_TRUE(m_list->RemoveItem(plain));
    ExpectRowsMatchRootChildren();
}

TEST(MacroListTag, OnlyTheMarcoListTagMakesAList)
{
    for (const wchar_t* tag : {L"MarcoList", L"marcolist", L"MARCOLIST"}) {
        CControlUI* control = CreateMacroListControl(tag);
        ASSERT_NE(nullptr, control) << tag;
        EXPECT_NE(nullptr, dynamic_cast<MarcoListUI*>(control));
        control->Delete();
    }
    for (const wchar_t* tag : {L"MacroList", L"List", L"", L"MarcoList2"})
        EXPECT_EQ(nullptr, CreateMacroListControl(tag)) << tag;
    EXPECT_EQ(nullptr, CreateMacroListControl(nullptr));
}

}  // namespace
