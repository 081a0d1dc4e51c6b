#include <gtest/gtest.h>

#include "tests/ui/support/host_window.h"
#include "tests/ui/support/mem_canvas.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/richedit.h"
#include "ui/controls/txt_host.h"
#include "ui/core/container.h"
#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {
namespace {

// The rich edit over the platform's own text services.
class RichEditSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = new CContainerUI;
        window.manager().AttachRoot(root);
        window.manager().AddNotifyReceiver(&receiver);
        edit = new CRichEditUI;
        edit->SetAttribute(L"bkcolor", L"#FFFFFFFF");
        edit->SetAttribute(L"textcolor", L"#FF000000");
        edit->SetText(L"Hello");
        root->AddItem(edit);
        root->SetPosition(RECT{0, 0, 300, 200});
        ASSERT_NE(nullptr, edit->GetTextHost()) << "msftedit.dll text services missing";
    }

    void TearDown() override { window.manager().RemoveNotifyReceiver(&receiver); }

    void Type(wchar_t ch)
    {
        window.Send(WM_KEYDOWN, ch, 0);
        window.Send(WM_CHAR, ch, 0);
        window.Send(WM_KEYUP, ch, 0);
    }

    HostWindow window{300, 200};
    CContainerUI* root = nullptr;
    CRichEditUI* edit = nullptr;
    RecordingReceiver receiver;
};

TEST_F(RichEditSystemTest, TextSetBeforeAndAfterInitialisationRoundTrips)
{
    EXPECT_STREQ(L"Hello", edit->GetText());
    edit->SetText(L"Second text, a little longer than the first");
    EXPECT_STREQ(L"Second text, a little longer than the first", edit->GetText());
    edit->SetText(L"");
    EXPECT_STREQ(L"", edit->GetText());
}

TEST_F(RichEditSystemTest, DrawsItsTextIntoTheDeviceContext)
{
    MemCanvas canvas(300, 200, 0xFFFFFFFF);
    edit->SetText(L"WWWWWWWW");
    edit->Paint(canvas.dc(), RECT{0, 0, 300, 200}, nullptr);
    int dark = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 150; ++x)
            dark += RgbNear(canvas.Pixel(x, y), 0x000000, 100) ? 1 : 0;
    }
    EXPECT_GT(dark, 20);
    EXPECT_TRUE(RgbNear(canvas.Pixel(250, 150), 0xFFFFFF));
}

TEST_F(RichEditSystemTest, TypingChangesTheTextAndKeepsTab)
{
    edit->SetFocus();
    edit->SetText(L"");
    receiver.records.clear();
    Type(L'a');
    MSG tab = {window.hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_FALSE(CWindowManagerUI::PreTranslateMessage(&tab));
    Type(L'\t');
    Type(L'b');
    EXPECT_STREQ(L"a\tb", edit->GetText());
    EXPECT_GE(receiver.Count(L"textchanged"), 3);
}

TEST_F(RichEditSystemTest, BlockedReturnSendsReturnAndKeepsOneLine)
{
    edit->SetWantReturn(false);
    edit->SetFocus();
    edit->SetText(L"x");
    window.Send(WM_KEYDOWN, VK_RETURN, 0);
    window.Send(WM_CHAR, L'\r', 0);
    window.Send(WM_KEYUP, VK_RETURN, 0);
    EXPECT_EQ(1, receiver.Count(L"return"));
    EXPECT_STREQ(L"x", edit->GetText());
    edit->SetWantReturn(true);
    window.Send(WM_KEYDOWN, VK_RETURN, 0);
    window.Send(WM_CHAR, L'\r', 0);
    window.Send(WM_KEYUP, VK_RETURN, 0);
    EXPECT_STREQ(L"x\r", edit->GetText());
}

}  // namespace
}  // namespace test
}  // namespace SkinUI
