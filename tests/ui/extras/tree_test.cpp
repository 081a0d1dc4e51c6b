#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/check_box.h"
#include "ui/controls/label.h"
#include "ui/controls/list_body.h"
#include "ui/controls/standard_controls.h"
#include "ui/controls/tree_node.h"
#include "ui/controls/tree_view.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::Send;

namespace {

typedef std::vector<std::wstring> Texts;

// Counts destroyed controls through their destroy event.
struct Destructions {
    bool Count(void*)
    {
        ++count;
        return true;
    }
    int count = 0;
};

// A tree view in a window-less manager; nodes are made by text.
class Tree : public ::testing::Test {
protected:
    void SetUp() override
    {
        view = new CTreeViewUI;
        view->SetManager(&manager, nullptr, true);
        // Removed rows go at once, so that a pointer left to one would dangle.
        view->GetBody()->SetDelayedDestroy(false);
        manager.AddNotifyReceiver(&receiver);
    }
    void TearDown() override
    {
        manager.RemoveNotifyReceiver(&receiver);
        view->Delete();
    }

    CTreeNodeUI* Node(const wchar_t* text)
    {
        CTreeNodeUI* node = new CTreeNodeUI;
        node->SetAttribute(L"text", text);
        node->OnDestroy.AddDelegate(MakeDelegate(&destroyed, &Destructions::Count));
        return node;
    }
    // The texts of the rows, in order; hidden rows in brackets.
    Texts Rows() const
    {
        Texts rows;
        for (int i = 0; i < view->GetCount(); ++i) {
            CTreeNodeUI* node = static_cast<CTreeNodeUI*>(view->GetItemAt(i));
            const std::wstring text = node->GetItemText().GetData();
            rows.push_back(node->IsVisible() ? text : L"(" + text + L")");
        }
        return rows;
    }
    // a { b { d }, c } in the view.
    void BuildSmallTree()
    {
        a = Node(L"a");
        b = Node(L"b");
        c = Node(L"c");
        d = Node(L"d");
        ASSERT_TRUE(view->AddItem(a));
        ASSERT_TRUE(a->AddChildNode(b));
        ASSERT_TRUE(a->AddChildNode(c));
        ASSERT_TRUE(b->AddChildNode(d));
    }

    CWindowManagerUI manager;
    RecordingReceiver receiver;
    Destructions destroyed;
    CTreeViewUI* view = nullptr;
    CTreeNodeUI* a = nullptr;
    CTreeNodeUI* b = nullptr;
    CTreeNodeUI* c = nullptr;
    CTreeNodeUI* d = nullptr;
};

TEST_F(Tree, DescendantsFollowTheirNodeIndentedOneStepPerLevel)
{
    BuildSmallTree();
    EXPECT_EQ(Texts({L"a", L"b", L"d", L"c"}), Rows());
    EXPECT_FALSE(a->GetDottedLine()->IsVisible());
    EXPECT_EQ(18, b->GetIndentWidth());
    EXPECT_EQ(34, d->GetIndentWidth());

    // Inserting before the first child puts the row right after the node.
    CTreeNodeUI* x = Node(L"x");
    ASSERT_TRUE(a->AddChildNodeAt(x, 0));
    EXPECT_EQ(Texts({L"a", L"x", L"b", L"d", L"c"}), Rows());
    // Past the end it goes after the last descendant.
    CTreeNodeUI* y = Node(L"y");
    ASSERT_TRUE(b->InsertItemAt(y, 7));
    EXPECT_EQ(Texts({L"a", L"x", L"b", L"d", L"y", L"c"}), Rows());
}

TEST_F(Tree, NodeBuiltOutsideTheViewJoinsWithItsWholeSubtree)
{
    BuildSmallTree();
    // Built bottom-up: h under f before f under e.
    CTreeNodeUI* e = Node(L"e");
    CTreeNodeUI* f = Node(L"f");
    CTreeNodeUI* g = Node(L"g");
    CTreeNodeUI* h = Node(L"h");
    ASSERT_TRUE(f->AddChildNode(h));
    ASSERT_TRUE(e->AddChildNode(f));
    ASSERT_TRUE(e->AddChildNode(g));
    ASSERT_TRUE(view->InsertItemAt(e, 1));
    EXPECT_EQ(Texts({L"a", L"e", L"f", L"h", L"g", L"b", L"d", L"c"}), Rows());
    EXPECT_EQ(34, h->GetIndentWidth());

    // Only tree nodes join the view; other controls join a node's own children.
    CLabelUI* label = new CLabelUI;
    EXPECT_FALSE(view->AddItem(label));
    EXPECT_TRUE(a->AddItem(label));
    EXPECT_EQ(8, view->GetCount());
}

TEST_F(Tree, CollapsedSubNodeKeepsItsChildrenHiddenWhenItsParentExpands)
{
    BuildSmallTree();
    b->GetFolderButton()->SetChecked(true);
    EXPECT_EQ(Texts({L"a", L"b", L"(d)", L"c"}), Rows());
    a->GetFolderButton()->SetChecked(true);
    EXPECT_EQ(Texts({L"a", L"(b)", L"(d)", L"(c)"}), Rows());
    a->GetFolderButton()->SetChecked(false);
    EXPECT_EQ(Texts({L"a", L"b", L"(d)", L"c"}), Rows());
    b->GetFolderButton()->SetChecked(false);
    EXPECT_EQ(Texts({L"a", L"b", L"d", L"c"}), Rows());

    // A double click on a node toggles its folder button.
    Send(a, EventTypeUI::DoubleClick);
    EXPECT_TRUE(a->GetFolderButton()->IsChecked());
    EXPECT_EQ(Texts({L"a", L"(b)", L"(d)", L"(c)"}), Rows());
    EXPECT_EQ(1, receiver.Count(L"itemdbclick"));
}

TEST_F(Tree, CheckingANodeChecksEveryDescendant)
{
    BuildSmallTree();
    a->GetCheckBox()->SetChecked(true);
    for (CTreeNodeUI* node : {b, c, d})
        EXPECT_TRUE(node->GetCheckBox()->IsChecked());
    b->GetCheckBox()->SetChecked(false);
    EXPECT_FALSE(d->GetCheckBox()->IsChecked());
    EXPECT_TRUE(a->GetCheckBox()->IsChecked());
    EXPECT_TRUE(c->GetCheckBox()->IsChecked());
}

TEST_F(Tree, RemovedNodeLeavesItsParentAndTakesItsDescendants)
{
    BuildSmallTree();
    ASSERT_TRUE(view->RemoveItem(b));
    EXPECT_EQ(Texts({L"a", L"c"}), Rows());
    ASSERT_EQ(1, a->GetChildCount());
    EXPECT_EQ(c, a->GetLastNode());

    // The parent goes on working without the removed rows.
    CTreeNodeUI* e = Node(L"e");
    ASSERT_TRUE(a->AddChildNode(e));
    EXPECT_EQ(Texts({L"a", L"c", L"e"}), Rows());
    a->GetFolderButton()->SetChecked(true);
    EXPECT_EQ(Texts({L"a", L"(c)", L"(e)"}), Rows());
    a->GetCheckBox()->SetChecked(true);
    EXPECT_TRUE(e->GetCheckBox()->IsChecked());

    ASSERT_TRUE(view->RemoveItemAt(2));
    EXPECT_EQ(1, a->GetChildCount());
    view->RemoveAllItems();
    EXPECT_EQ(0, view->GetCount());
    EXPECT_EQ(5, destroyed.count);
}

TEST_F(Tree, NodeKeptAliveKeepsItsSubtreeAndOwnsItOutsideTheView)
{
    BuildSmallTree();
    ASSERT_TRUE(view->RemoveItem(b, true));
    EXPECT_EQ(Texts({L"a", L"c"}), Rows());
    EXPECT_EQ(nullptr, b->GetParentNode());
    EXPECT_EQ(nullptr, d->GetTreeView());
    EXPECT_FALSE(view->RemoveItem(b));

    // Back in the view it brings its child along.
    ASSERT_TRUE(view->AddItem(b));
    EXPECT_EQ(Texts({L"a", L"c", L"b", L"d"}), Rows());
    ASSERT_TRUE(view->RemoveItem(b, true));

    // Outside a view, deleting a node deletes its children with it.
    b->Delete();
    EXPECT_EQ(2, destroyed.count);
}

TEST(TreeLayout, TagsBuildTreesAndTheOtherExtraControls)
{
    RegisterStandardControls();
    CWindowManagerUI manager;
    CLayoutBuilderUI builder;
    CControlUI* root = builder.Create(
        L"<Window><VerticalLayout>"
        L"<TreeView name=\"tree\" visiblecheckbtn=\"true\" visiblefolderbtn=\"false\" itemminwidth=\"300\">"
        L"<TreeNode text=\"a\" itemtextcolor=\" #FF112233\"><TreeNode text=\"b\"/></TreeNode>"
        L"<TreeNode text=\"c\"/></TreeView>"
        L"<Tree name=\"short\"/>"
        L"<DateTime name=\"date\"/>"
        L"<AnimationTabLayout name=\"tabs\" animation_direction=\"vertical\"/>"
        L"<AnimationButton name=\"marquee\" speed=\"35\"/>"
        L"</VerticalLayout></Window>",
        nullptr, nullptr, &manager);
    ASSERT_NE(nullptr, root) << builder.GetLastErrorMessage();
    manager.AttachRoot(root);

    CTreeViewUI* tree = static_cast<CTreeViewUI*>(manager.FindControlByName(L"tree"));
    ASSERT_NE(nullptr, tree);
    ASSERT_EQ(3, tree->GetCount());
    CTreeNodeUI* rows[3];
    for (int i = 0; i < 3; ++i) {
        rows[i] = static_cast<CTreeNodeUI*>(tree->GetItemAt(i)->GetInterfaceByName(L"TreeNode"));
        EXPECT_TRUE(rows[i]->GetVisibleCheckButton());
        EXPECT_FALSE(rows[i]->GetVisibleFolderButton());
        EXPECT_EQ(300, rows[i]->GetMinWidth());
    }
    EXPECT_EQ(rows[0], rows[1]->GetParentNode());
    EXPECT_EQ(L"c", rows[2]->GetItemText());
    EXPECT_EQ(0xFF112233u, rows[0]->GetItemTextColor());

    const wchar_t* const expected[][2] = {
        {L"short", L"TreeView"}, {L"date", L"DateTime"},
        {L"tabs", L"AnimationTabLayoutUI"}, {L"marquee", L"AnimationButton"}};
    for (const auto& pair : expected) {
        CControlUI* control = manager.FindControlByName(pair[0]);
        ASSERT_NE(nullptr, control) << pair[0];
        EXPECT_STREQ(pair[1], control->GetClassName());
    }
}

}  // namespace
