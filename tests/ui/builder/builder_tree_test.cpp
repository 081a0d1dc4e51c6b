#include <gtest/gtest.h>

#include "tests/ui/builder/builder_fixtures.h"
#include "ui/core/control_registry.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

CControlUI* ItemAt(CControlUI* parent, int index)
{
    return Items(parent)->GetItemAt(index);
}

class LayoutBuild : public ::testing::Test {
protected:
    void SetUp() override { LiveTestControls() = 0; }
    void TearDown() override { EXPECT_EQ(0, LiveTestControls()) << "test controls left behind"; }

    CControlUI* Build(const wchar_t* xml, CControlUI* parent = nullptr, bool withManager = true)
    {
        CLayoutBuilderUI builder;
        return builder.Create(xml, nullptr, &callback, withManager ? &manager : nullptr, parent);
    }

    CWindowManagerUI manager;
    TagCallback callback = TagCallback::WithTestTags();
};

TEST_F(LayoutBuild, ChildrenInOrderFirstTopLevelReturnedAndAttributesApplied)
{
    ControlPtr parent(CControlRegistryUI::Create(L"HorizontalLayout"));
    CControlUI* first = Build(
        L"<Window><VBox name=\"left\" width=\"40\"><Control name=\"a\"/><HBox name=\"b\"/></VBox>"
        L"<Control name=\"right\"/></Window>",
        parent.get());
    ASSERT_NE(nullptr, first);
    EXPECT_STREQ(L"left", first->GetName());
    EXPECT_STREQ(L"VerticalLayout", first->GetClassName());
    EXPECT_EQ(40, first->GetFixedWidth());
    EXPECT_EQ(nullptr, first->GetManager());
    ASSERT_EQ(2, Items(parent.get())->GetCount());
    EXPECT_STREQ(L"right", ItemAt(parent.get(), 1)->GetName());
    ASSERT_EQ(2, Items(first)->GetCount());
    EXPECT_STREQ(L"HorizontalLayout", ItemAt(first, 1)->GetClassName());
    EXPECT_EQ(nullptr, ItemAt(first, 1)->GetManager());
}

TEST_F(LayoutBuild, WithoutParentOnlyTheFirstTopLevelControlIsKept)
{
    ControlPtr root(Build(L"<Window><CountedLeaf name=\"one\"/><CountedLeaf name=\"two\"/></Window>"));
    ASSERT_NE(nullptr, root);
    EXPECT_STREQ(L"one", root->GetName());
    EXPECT_EQ(1, LiveTestControls());
}

TEST_F(LayoutBuild, OwnAttributesOverrideClassDefaultsWhichNeedAManager)
{
    const wchar_t* xml =
        L"<Window><Default name=\"Control\" value=\"width=&quot;10&quot; height=&quot;20&quot;\"/>"
        L"<Control width=\"30\"/></Window>";
    ControlPtr managed(Build(xml));
    ASSERT_NE(nullptr, managed);
    EXPECT_EQ(30, managed->GetFixedWidth());
    EXPECT_EQ(20, managed->GetFixedHeight());
    EXPECT_STREQ(L"width=\"10\" height=\"20\"", manager.GetDefaultAttributes(L"Control"));

    CLayoutBuilderUI builder;
    ControlPtr bare(builder.Create(xml));
    ASSERT_NE(nullptr, bare);
    EXPECT_EQ(30, bare->GetFixedWidth());
    EXPECT_EQ(0, bare->GetFixedHeight());
}

TEST_F(LayoutBuild, IncludeBuildsItsLayoutCountTimesIntoTheCurrentParent)
{
    ControlPtr root(Build(
        L"<Window><VerticalLayout>"
        L"<Include count=\"3\" source=\"&lt;Window&gt;&lt;Control name=&quot;row&quot;/&gt;"
        L"&lt;CountedLeaf/&gt;&lt;/Window&gt;\"/>"
        L"<Include source=\"XML\\missing.xml\"/><Include/>"
        L"<Control name=\"last\"/></VerticalLayout></Window>"));
    ASSERT_NE(nullptr, root);
    ASSERT_EQ(7, Items(root.get())->GetCount());
    for (int i = 0; i < 6; i += 2)
        EXPECT_STREQ(L"row", ItemAt(root.get(), i)->GetName());
    EXPECT_STREQ(L"last", ItemAt(root.get(), 6)->GetName());
    EXPECT_EQ(3, LiveTestControls());
}

TEST_F(LayoutBuild, IncludedControlsAreNeverTheResult)
{
    EXPECT_EQ(nullptr, Build(L"<Window><Include source=\"&lt;Window&gt;&lt;CountedLeaf/&gt;&lt;/Window&gt;\"/>"
                             L"</Window>"));
}

TEST_F(LayoutBuild, CoverTrueExactlyBecomesTheParentsCover)
{
    ControlPtr root(Build(
        L"<Window><Container><Control name=\"shade\" cover=\"true\"/><Control name=\"item\" cover=\"TRUE\"/>"
        L"</Container></Window>"));
    ASSERT_NE(nullptr, root);
    ASSERT_NE(nullptr, root->GetCover());
    EXPECT_STREQ(L"shade", root->GetCover()->GetName());
    ASSERT_EQ(1, Items(root.get())->GetCount());
    EXPECT_STREQ(L"item", ItemAt(root.get(), 0)->GetName());
}

CControlUI* PluginForWidget(const wchar_t* tag)
{
    return wcscmp(tag, L"Widget") == 0 ? new CountedLeaf : nullptr;
}

TEST_F(LayoutBuild, UnknownTagsGoToPluginsThenTheCallbackAndSkipTheirSubtree)
{
    CPtrArrayUI* plugins = CWindowManagerUI::GetPlugins();
    plugins->Add(reinterpret_cast<void*>(&PluginForWidget));
    ControlPtr root(Build(
        L"<Window><VerticalLayout><Mystery><CountedLeaf/></Mystery><Widget/><CountedLeaf/>"
        L"<verticallayout/></VerticalLayout></Window>"));
    plugins->RemoveRange(plugins->Find(reinterpret_cast<void*>(&PluginForWidget)), 1);
    ASSERT_NE(nullptr, root);
    EXPECT_EQ((std::vector<std::wstring>{L"Mystery", L"CountedLeaf"}), callback.asked);
    ASSERT_EQ(3, Items(root.get())->GetCount());
    EXPECT_STREQ(L"VerticalLayout", ItemAt(root.get(), 2)->GetClassName());
}

TEST_F(LayoutBuild, ParentWithoutItemsEndsTheBuildAndFreesWhatItMade)
{
    EXPECT_EQ(nullptr, Build(L"<Window><CountedBox><CountedLeaf/><CountedLeaf><CountedLeaf/></CountedLeaf>"
                             L"<CountedLeaf/></CountedBox><CountedLeaf/></Window>"));
    EXPECT_EQ((std::vector<std::wstring>{L"CountedBox", L"CountedLeaf", L"CountedLeaf", L"CountedLeaf"}),
              callback.asked);
}

TEST_F(LayoutBuild, AbortedBuildLeavesEarlierSiblingsWithTheGivenParent)
{
    ControlPtr parent(new CountedBox);
    EXPECT_EQ(nullptr,
              Build(L"<Window><CountedLeaf/><CountedLeaf><CountedLeaf/></CountedLeaf></Window>", parent.get()));
    EXPECT_EQ(1, Items(parent.get())->GetCount());
    EXPECT_EQ(2, LiveTestControls());
}

TEST_F(LayoutBuild, TreeNodesNestAndJoinTheViewWithTheirChildren)
{
    ControlPtr view(Build(
        L"<Window><TreeView><TreeNode name=\"top\"><TreeNode name=\"inner\"/><Control name=\"row\"/>"
        L"</TreeNode><TreeNode name=\"second\"/></TreeView></Window>"));
    ASSERT_NE(nullptr, view);
    FakeTreeView* fake = static_cast<FakeTreeView*>(view.get());
    EXPECT_EQ((std::vector<int>{2, 0}), fake->childrenWhenAdded);
    CControlUI* top = ItemAt(view.get(), 0);
    EXPECT_STREQ(L"top", top->GetName());
    ASSERT_EQ(2, Items(top)->GetCount());
    EXPECT_STREQ(L"inner", ItemAt(top, 0)->GetName());
    EXPECT_STREQ(L"row", ItemAt(top, 1)->GetName());
}

TEST_F(LayoutBuild, TreeNodeOutsideAViewEndsTheBuild)
{
    EXPECT_EQ(nullptr, Build(L"<Window><CountedLeaf/><TreeNode><CountedLeaf/></TreeNode></Window>"));
    ControlPtr box(Build(L"<Window><CountedBox><TreeNode/></CountedBox></Window>"));
    EXPECT_EQ(nullptr, box);
}

TEST_F(LayoutBuild, RefusedItemsAreDeletedAndTheBuildGoesOn)
{
    callback.makers[L"TreeView"] = [] {
        FakeTreeView* view = new FakeTreeView;
        view->refuse = true;
        return view;
    };
    ControlPtr view(Build(L"<Window><TreeView><TreeNode><CountedLeaf/></TreeNode></TreeView></Window>"));
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(0, Items(view.get())->GetCount());
    EXPECT_EQ(1, LiveTestControls());
}

}  // namespace
