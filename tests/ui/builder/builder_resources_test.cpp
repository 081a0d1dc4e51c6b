#include <gtest/gtest.h>

#include "tests/ui/builder/builder_fixtures.h"
#include "tests/ui/support/host_window.h"
#include "ui/core/control_registry.h"
#include "ui/core/image_record.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

TEST(LayoutResources, FontsImagesDefaultsAndTextsReachTheManager)
{
    CWindowManagerUI manager;
    CLayoutBuilderUI builder;
    ControlPtr root(builder.Create(
        L"<Window caption=\"0,0,0,30\">"
        L"<Font id=\"1\" name=\"Arial\" size=\"14\" bold=\"true\"/>"
        L"<FONT ID=\"2\" NAME=\"Courier New\" Default=\"TRUE\"/><Font name=\"No id\"/><Font id=\"3\"/>"
        L"<Image name=\"FF00FF00\" restype=\"*COLOR*\" shared=\"true\"/><Image name=\"FF0000FF\" restype=\"*COLOR*\"/>"
        L"<Default name=\"Button\" value=\"height=&quot;24&quot;\"/>"
        L"<MultiLanguage id=\"088\" value=\"Vastemor\"/><MultiLanguage id=\"-1\" value=\"none\"/>"
        L"<MultiLanguage id=\"902\" value=\"\"/><Control/></Window>",
        nullptr, nullptr, &manager));
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(2, manager.GetFontCount(false));
    EXPECT_EQ(14, manager.GetFontRecord(1)->size);
    EXPECT_TRUE(manager.GetFontRecord(1)->bold);
    EXPECT_EQ(12, manager.GetFontRecord(2)->size);
    EXPECT_STREQ(L"Courier New", manager.GetDefaultFontRecord()->faceName);
    // "shared" keeps the unadjusted pixels; the image stays the manager's own.
    EXPECT_TRUE(manager.GetImage(L"FF00FF00")->adjust);
    EXPECT_FALSE(manager.GetImage(L"FF0000FF")->adjust);
    EXPECT_EQ(nullptr, CWindowManagerUI().GetImage(L"FF00FF00"));
    EXPECT_STREQ(L"height=\"24\"", manager.GetDefaultAttributes(L"Button"));
    EXPECT_STREQ(L"Vastemor", CWindowManagerUI::GetLanguageText(88));
    EXPECT_EQ(nullptr, CWindowManagerUI::GetLanguageText(902));
    // Without a window there are no window attributes.
    EXPECT_EQ(0, manager.GetCaptionRect().bottom);
    CWindowManagerUI::RemoveAllLanguageTexts();

    CLayoutBuilderUI unmanaged;
    ControlPtr bare(unmanaged.Create(L"<Window><MultiLanguage id=\"903\" value=\"text\"/><Control/></Window>"));
    EXPECT_EQ(nullptr, CWindowManagerUI::GetLanguageText(903));
}

TEST(LayoutResources, WindowAttributesArriveBeforeTheFirstControl)
{
    HostWindow host(200, 150);
    CWindowManagerUI& manager = host.manager();
    SIZE sizeSeen = {};
    TagCallback callback;
    callback.makers[L"Probe"] = [&] {
        sizeSeen = manager.GetInitialSize();
        return new CountedLeaf;
    };
    CLayoutBuilderUI builder;
    ControlPtr root(builder.Create(L"<Window size=\"320,240\" caption=\"0,0,0,28\"><Probe/></Window>", nullptr,
                                   &callback, &manager));
    EXPECT_EQ(320, sizeSeen.cx);
    EXPECT_EQ(28, manager.GetCaptionRect().bottom);
    RECT window;
    GetWindowRect(host.hwnd(), &window);
    EXPECT_EQ(240, window.bottom - window.top);

    // Only a root named Window carries window attributes.
    CLayoutBuilderUI other;
    ControlPtr page(other.Create(L"<Page caption=\"0,0,0,99\"><Control/></Page>", nullptr, nullptr, &manager));
    EXPECT_EQ(28, manager.GetCaptionRect().bottom);
}

TEST(LayoutResources, ResourceLayoutIncludingItselfByIdStopsAtTheDepthLimit)
{
    CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
    ControlPtr levels(CControlRegistryUI::Create(L"VerticalLayout"));
    CLayoutBuilderUI builder;
    CControlUI* first = builder.Create(MAKEINTRESOURCEW(201), L"XML", nullptr, nullptr, levels.get());
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, ItemAt(levels.get(), 0));
    EXPECT_EQ(1 + CLayoutBuilderUI::MAX_INCLUDE_DEPTH, Items(levels.get())->GetCount());

    CLayoutBuilderUI missing;
    EXPECT_EQ(nullptr, missing.Create(MAKEINTRESOURCEW(299), L"XML"));
    EXPECT_EQ(nullptr, missing.Create(MAKEINTRESOURCEW(201), L"OTHER"));
}

}  // namespace
