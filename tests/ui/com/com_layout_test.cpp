#include <gtest/gtest.h>

#include "tests/ui/com/fake_com_client.h"
#include "tests/ui/support/host_window.h"
#include "ui/controls/activex.h"
#include "ui/controls/richedit.h"
#include "ui/controls/standard_controls.h"
#include "ui/controls/webbrowser.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {
namespace {

const wchar_t kLayout[] =
    L"<Window><VerticalLayout>"
    L"<RichEdit name=\"notes\" text=\"from layout\" wantreturn=\"false\"/>"
    L"<ActiveX name=\"control\" modulename=\"fake_ole_control.dll\""
    L" clsid=\"{6C1E3F5A-2B7D-4E38-9A61-3D2C5B8E7F01}\"/>"
    L"<WebBrowser name=\"browser\" modulename=\"fake_ole_control.dll\" homepage=\"http://home.test/\""
    L" autonavi=\"true\"/>"
    L"</VerticalLayout></Window>";

// Layouts create the hosts by tag; controls get their window before they
// are created, so each one is activated in place at its laid-out position.
TEST(ComControlsLayout, LayoutsCreateAndActivateTheHosts)
{
    FakeComLibrary library;
    ASSERT_TRUE(library.IsLoaded());
    library.Configure();
    RegisterStandardControls();
    HostWindow window(300, 300);
    CLayoutBuilderUI builder;
    CControlUI* root = builder.Create(kLayout, nullptr, nullptr, &window.manager());
    ASSERT_NE(nullptr, root) << builder.GetLastErrorMessage();
    window.manager().AttachRoot(root);
    root->SetPosition(RECT{0, 0, 300, 300});

    CRichEditUI* notes = static_cast<CRichEditUI*>(window.manager().FindControlByName(L"notes"));
    ASSERT_NE(nullptr, notes);
    EXPECT_EQ(notes, notes->GetInterfaceByName(L"RichEdit"));
    EXPECT_FALSE(notes->IsWantReturn());
    EXPECT_STREQ(L"from layout", notes->GetText());

    CActiveXUI* control = static_cast<CActiveXUI*>(window.manager().FindControlByName(L"control"));
    ASSERT_NE(nullptr, control);
    EXPECT_TRUE(control->IsCreated());
    EXPECT_EQ(1, library.CountInLog(L"DoVerb:-5:0,100,300,200"));
    EXPECT_EQ(2, library.CountInLog(L"Activated:1:ok"));
    EXPECT_EQ(0, library.CountInLog(L"Close:1"));

    CWebBrowserUI* browser = static_cast<CWebBrowserUI*>(window.manager().FindControlByName(L"browser"));
    ASSERT_NE(nullptr, browser);
    EXPECT_NE(nullptr, browser->GetWebBrowser2());
    EXPECT_EQ(1, library.CountInLog(L"Navigate2:http://home.test/"));
}

}  // namespace
}  // namespace test
}  // namespace SkinUI
