#include <gtest/gtest.h>

#include "tests/ui/builder/builder_fixtures.h"
#include "ui/core/control_registry.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

class LayoutBuild : public ::testing::Test {
protected:
    void SetUp() override { LiveTestControls() = 0; }
    void TearDown() override { EXPECT_EQ(0, LiveTestControls()) << "test controls left behind"; }

    CControlUI* Build(const wchar_t* xml, CControlUI* parent = nullptr)
    {
        CLayoutBuilderUI builder;
        return builder.Create(xml, nullptr, &callback, &manager, parent);
    }

    CWindowManagerUI manager;
    TagCallback callback = TagCallback::WithTestTags();
};

TEST_F(LayoutBuild, ChildrenInOrderAndTheFirstTopLevelControlReturned)
{
    ControlPtr parent(CControlRegistryUI::Create(L"HorizontalLayout"));
    CControlUI* first = Build(L"<Window><VBox name=\"left\" width=\"40\"><Control/><HBox/></VBox>"
                              L"<Control name=\"right\"/></Window>",
                              parent.get());
    ASSERT_NE(nullptr, first);
    EXPECT_STREQ(L"VerticalLayout", first->GetClassName());
    EXPECT_EQ(40, first->GetFixedWidth());
    EXPECT_STREQ(L"right", ItemAt(parent.get(), 1)->GetName());
    EXPECT_STREQ(L"HorizontalLayout", ItemAt(first, 1)->GetClassName());
    // The tree waits for its caller to attach it.
    EXPECT_EQ(nullptr, first->GetManager());
    EXPECT_EQ(nullptr, ItemAt(first, 1)->GetManager());

    // Without a parent nothing would own the second top-level control.
    ControlPtr root(Build(L"<Window><CountedLeaf name=\"one\"/><CountedLeaf/></Window>"));
    EXPECT_STREQ(L"one", root->GetName());
    EXPECT_EQ(1, LiveTestControls());
}

TEST_F(LayoutBuild, OwnAttributesOverrideClassDefaultsWhichNeedAManager)
{
    const wchar_t* xml = L"<Window><Default name=\"Control\" value=\"width=&quot;10&quot; height=&quot;20&quot;\"/>"
                         L"<Control width=\"30\"/></Window>";
    ControlPtr managed(Build(xml));
    EXPECT_EQ(30, managed->GetFixedWidth());
    EXPECT_EQ(20, managed->GetFixedHeight());
    CLayoutBuilderUI builder;
    ControlPtr bare(builder.Create(xml));
    EXPECT_EQ(30, bare->GetFixedWidth());
    EXPECT_EQ(0, bare->GetFixedHeight());
}

TEST_F(LayoutBuild, IncludeBuildsItsLayoutCountTimesIntoTheCurrentParent)
{
    ControlPtr root(Build(L"<Window><VerticalLayout>"
                          L"<Include count=\"3\" source=\"&lt;Window&gt;&lt;Control name=&quot;row&quot;/&gt;"
                          L"&lt;CountedLeaf/&gt;&lt;/Window&gt;\"/>"
                          L"<Include source=\"XML\\missing.xml\"/><Control name=\"last\"/></VerticalLayout></Window>"));
    ASSERT_EQ(7, Items(root.get())->GetCount());
    EXPECT_STREQ(L"row", ItemAt(root.get(), 4)->GetName());
    EXPECT_STREQ(L"last", ItemAt(root.get(), 6)->GetName());
    EXPECT_EQ(3, LiveTestControls());
    // What an include makes is never the result.
    EXPECT_EQ(nullptr, Build(L"<Window><Include source=\"&lt;Window&gt;&lt;CountedLeaf/&gt;&lt;/Window&gt;\"/></Window>"));
}

TEST_F(LayoutBuild, CoverTrueExactlyBecomesTheParentsCover)
{
    ControlPtr root(Build(L"<Window><Container><Control name=\"shade\" cover=\"true\"/>"
                          L"<Control name=\"item\" cover=\"TRUE\"/></Container></Window>"));
    ASSERT_NE(nullptr, root->GetCover());
    EXPECT_STREQ(L"shade", root->GetCover()->GetName());
    ASSERT_EQ(1, Items(root.get())->GetCount());
    EXPECT_STREQ(L"item", ItemAt(root.get(), 0)->GetName());
}

CControlUI* MakeWidget(const wchar_t* tag)
{
    return wcscmp(tag, L"Widget") == 0 ? new CountedLeaf : nullptr;
}

TEST_F(LayoutBuild, UnknownTagsGoToPluginsThenTheCallbackAndSkipTheirSubtree)
{
    CPtrArrayUI* plugins = CWindowManagerUI::GetPlugins();
    plugins->Add(reinterpret_cast<void*>(&MakeWidget));
    ControlPtr root(Build(L"<Window><VerticalLayout><Mystery><CountedLeaf/></Mystery><Widget/><CountedLeaf/>"
                          L"<verticallayout/></VerticalLayout></Window>"));
    plugins->Clear();
    EXPECT_EQ((std::vector<std::wstring>{L"Mystery", L"CountedLeaf"}), callback.asked);
    ASSERT_EQ(3, Items(root.get())->GetCount());
    EXPECT_STREQ(L"VerticalLayout", ItemAt(root.get(), 2)->GetClassName());
}

TEST_F(LayoutBuild, ParentWithoutItemsEndsTheBuildAndFreesWhatItMade)
{
    EXPECT_EQ(nullptr, Build(L"<Window><CountedBox><CountedLeaf/><CountedLeaf><CountedLeaf/></CountedLeaf>"
                             L"<CountedLeaf/></CountedBox><CountedLeaf/></Window>"));
    EXPECT_EQ(4u, callback.asked.size());  // nothing after the failure is made

    // Siblings already given to the caller's parent stay there.
    ControlPtr parent(new CountedBox);
    EXPECT_EQ(nullptr, Build(L"<Window><CountedLeaf/><CountedLeaf><CountedLeaf/></CountedLeaf></Window>", parent.get()));
    EXPECT_EQ(1, Items(parent.get())->GetCount());
    EXPECT_EQ(2, LiveTestControls());
}

TEST_F(LayoutBuild, TreeNodesNestAndJoinTheViewWithTheirChildren)
{
    ControlPtr view(Build(L"<Window><TreeView><TreeNode name=\"top\"><TreeNode name=\"inner\"/><Control/>"
                          L"</TreeNode><TreeNode/></TreeView></Window>"));
    EXPECT_EQ((std::vector<int>{2, 0}), static_cast<FakeTreeView*>(view.get())->childrenWhenAdded);
    CControlUI* top = ItemAt(view.get(), 0);
    EXPECT_STREQ(L"top", top->GetName());
    EXPECT_STREQ(L"inner", ItemAt(top, 0)->GetName());

    // Outside a view a node ends the build; a view that refuses it frees it.
    EXPECT_EQ(nullptr, Build(L"<Window><CountedLeaf/><TreeNode><CountedLeaf/></TreeNode></Window>"));
    EXPECT_EQ(nullptr, Build(L"<Window><CountedBox><TreeNode/></CountedBox></Window>"));
    static_cast<FakeTreeView*>(view.get())->refuse = true;
    Build(L"<Window><TreeNode><CountedLeaf/></TreeNode></Window>", view.get());
    EXPECT_EQ(2, Items(view.get())->GetCount());
}

}  // namespace
