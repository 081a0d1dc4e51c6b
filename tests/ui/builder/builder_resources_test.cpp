#include <gtest/gtest.h>

#include "tests/ui/builder/builder_fixtures.h"
#include "tests/ui/support/host_window.h"
#include "ui/core/control_registry.h"
#include "ui/core/image_record.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

CControlUI* ItemAt(CControlUI* parent, int index)
{
    return Items(parent)->GetItemAt(index);
}

TEST(LayoutResources, FontsImagesDefaultsAndTextsReachTheManager)
{
    CWindowManagerUI manager;
    CLayoutBuilderUI builder;
    ControlPtr root(builder.Create(
        L"<Window caption=\"0,0,0,30\">"
        L"<Font id=\"1\" name=\"Arial\" size=\"14\" bold=\"true\"/>"
        L"<FONT ID=\"2\" NAME=\"Courier New\" Default=\"TRUE\" italic=\"true\"/>"
        L"<Font name=\"No id\"/><Font id=\"3\"/>"
        L"<Image name=\"FF00FF00\" restype=\"*COLOR*\" shared=\"true\"/>"
        L"<Image name=\"FF0000FF\" restype=\"*COLOR*\"/><Image restype=\"*COLOR*\"/>"
        L"<Default name=\"Button\" value=\"height=&quot;24&quot;\"/>"
        L"<MultiLanguage id=\"088\" value=\"Vastemor\"/><MultiLanguage id=\"-1\" value=\"none\"/>"
        L"<multilanguage ID=\"901\" VALUE=\"any case\"/><MultiLanguage id=\"902\" value=\"\"/>"
        L"<Control/></Window>",
        nullptr, nullptr, &manager));
    ASSERT_NE(nullptr, root);

    EXPECT_EQ(2, manager.GetFontCount(false));
    EXPECT_EQ(14, manager.GetFontRecord(1)->size);
    EXPECT_TRUE(manager.GetFontRecord(1)->bold);
    EXPECT_STREQ(L"Courier New", manager.GetFontRecord(2)->faceName);
    EXPECT_EQ(12, manager.GetFontRecord(2)->size);
    EXPECT_TRUE(manager.GetFontRecord(2)->italic);
    EXPECT_STREQ(L"Courier New", manager.GetDefaultFontRecord()->faceName);

    // "shared" asks the manager to keep the unadjusted pixels; the image stays its own.
    ImageRecordUI* adjusted = manager.GetImage(L"FF00FF00");
    ASSERT_NE(nullptr, adjusted);
    EXPECT_TRUE(adjusted->adjust);
    ASSERT_NE(nullptr, manager.GetImage(L"FF0000FF"));
    EXPECT_FALSE(manager.GetImage(L"FF0000FF")->adjust);
    CWindowManagerUI other;
    EXPECT_EQ(nullptr, other.GetImage(L"FF00FF00"));

    EXPECT_STREQ(L"height=\"24\"", manager.GetDefaultAttributes(L"Button"));
    EXPECT_STREQ(L"Vastemor", CWindowManagerUI::GetLanguageText(88));
    EXPECT_STREQ(L"any case", CWindowManagerUI::GetLanguageText(901));
    EXPECT_EQ(nullptr, CWindowManagerUI::GetLanguageText(902));
    // A manager without a window takes no window attributes.
    EXPECT_EQ(0, manager.GetCaptionRect().bottom);
    CWindowManagerUI::RemoveAllLanguageTexts();
}

TEST(LayoutResources, WithoutManagerNothingButElementAttributesApplies)
{
    CLayoutBuilderUI builder;
    ControlPtr root(builder.Create(
        L"<Window><MultiLanguage id=\"903\" value=\"text\"/><Control width=\"5\"/></Window>"));
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(5, root->GetFixedWidth());
    EXPECT_EQ(nullptr, CWindowManagerUI::GetLanguageText(903));
}

TEST(LayoutResources, WindowAttributesArriveBeforeTheFirstControl)
{
    HostWindow host(200, 150);
    CWindowManagerUI& manager = host.manager();
    SIZE sizeSeen = {};
    RECT captionSeen = {};
    TagCallback callback;
    callback.makers[L"Probe"] = [&] {
        sizeSeen = manager.GetInitialSize();
        captionSeen = manager.GetCaptionRect();
        return new CountedLeaf;
    };
    CLayoutBuilderUI builder;
    ControlPtr root(builder.Create(
        L"<Window size=\"320,240\" caption=\"0,0,0,28\" mininfo=\"100,80\"><Probe/></Window>", nullptr,
        &callback, &manager));
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(320, sizeSeen.cx);
    EXPECT_EQ(240, sizeSeen.cy);
    EXPECT_EQ(28, captionSeen.bottom);
    EXPECT_EQ(80, manager.GetMinimumSize().cy);
    RECT window;
    GetWindowRect(host.hwnd(), &window);
    EXPECT_EQ(320, window.right - window.left);
    EXPECT_EQ(240, window.bottom - window.top);

    // Only a root named Window carries window attributes.
    CLayoutBuilderUI other;
    ControlPtr page(other.Create(L"<Page caption=\"0,0,0,99\"><Control/></Page>", nullptr, nullptr, &manager));
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(28, manager.GetCaptionRect().bottom);
}

class ResourceLayouts : public ::testing::Test {
protected:
    void SetUp() override { CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr)); }
};

TEST_F(ResourceLayouts, SelfIncludeStopsAtTheDepthLimit)
{
    ControlPtr parent(CControlRegistryUI::Create(L"VerticalLayout"));
    CLayoutBuilderUI builder;
    CControlUI* first = builder.Create(MAKEINTRESOURCEW(201), L"XML", nullptr, nullptr, parent.get());
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, ItemAt(parent.get(), 0));
    EXPECT_EQ(1 + CLayoutBuilderUI::MAX_INCLUDE_DEPTH, Items(parent.get())->GetCount());
}

TEST_F(ResourceLayouts, IncludeSourcesAreResourceIdsOfTheSameType)
{
    ControlPtr parent(CControlRegistryUI::Create(L"VerticalLayout"));
    CLayoutBuilderUI builder;
    CControlUI* first = builder.Create(MAKEINTRESOURCEW(202), L"XML", nullptr, nullptr, parent.get());
    ASSERT_NE(nullptr, first);
    EXPECT_STREQ(L"after", first->GetName());
    ASSERT_EQ(3, Items(parent.get())->GetCount());
    EXPECT_STREQ(L"included", ItemAt(parent.get(), 1)->GetName());

    CLayoutBuilderUI missing;
    EXPECT_EQ(nullptr, missing.Create(MAKEINTRESOURCEW(299), L"XML"));
    EXPECT_EQ(nullptr, missing.Create(MAKEINTRESOURCEW(201), L"OTHER"));
}

}  // namespace
