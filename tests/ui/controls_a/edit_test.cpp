#include <gtest/gtest.h>

#include <string>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/recording_control.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/edit.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::HostWindow;
using SkinUI::test::RecordingControl;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::Send;
using SkinUI::test::TestPanel;

namespace {

typedef std::vector<std::wstring> Types;

std::wstring NativeText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

void Type(HWND window, const wchar_t* text)
{
    for (const wchar_t* p = text; *p != L'\0'; ++p)
        SendMessageW(window, WM_CHAR, *p, 1);
}

// An edit at 10,10 - 110,40 beside a tab stop, in a shown window.
class NativeEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        host.manager().AddFont(1, L"Arial", 16, false, false, false);
        root = new TestPanel;
        edit = new CEditUI;
        edit->SetName(L"edit");
        edit->SetAttribute(L"font", L"1");
        other = new RecordingControl(L"other");
        other->behaviorFlags = kBehaviorTabStop;
        // The first tab stop takes the focus when the window starts.
        root->AddChild(other, RECT{150, 10, 200, 40});
        root->AddChild(edit, RECT{10, 10, 110, 40});
        host.manager().AttachRoot(root);
        host.manager().AddNotifyReceiver(&receiver);
        host.ShowAndPaint();
        root->SetPosition(RECT{0, 0, 300, 200});
    }

    HWND Open()
    {
        edit->SetFocus();
        return edit->GetNativeWindow();
    }
    // Pumps until the native control is gone, for at most a second.
    bool WaitUntilClosed()
    {
        for (int i = 0; i < 50 && edit->GetNativeWindow() != nullptr; ++i)
            host.Pump(20);
        return edit->GetNativeWindow() == nullptr;
    }

    HostWindow host{300, 200};
    RecordingReceiver receiver;
    TestPanel* root = nullptr;
    CEditUI* edit = nullptr;
    RecordingControl* other = nullptr;
};

TEST_F(NativeEdit, OpensOverTheTextAreaOnFocusAndTypingFlowsBack)
{
    edit->SetText(L"12");
    HWND native = Open();
    ASSERT_NE(nullptr, native);
    EXPECT_EQ(host.hwnd(), GetParent(native));
    EXPECT_EQ(L"12", NativeText(native));
    EXPECT_EQ(0, receiver.Count(L"textchanged"));

    // Position less padding 4,3,4,3, shrunk to the font height and centred.
    const int font = host.manager().GetFontRecord(1)->metrics.tmHeight;
    const int top = 13 + (24 - font) / 2;
    EXPECT_EQ(RECT({14, top, 106, top + font}), edit->GetNativeRect());
    RECT placed;
    GetWindowRect(native, &placed);
    MapWindowPoints(HWND_DESKTOP, host.hwnd(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(edit->GetNativeRect(), placed);

    Type(native, L"3");
    EXPECT_STREQ(L"123", edit->GetText());
    EXPECT_EQ(1, receiver.Count(L"textchanged"));

    SendMessageW(native, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(L"return", receiver.Types().back());
    EXPECT_STREQ(L"123", edit->GetText());

    // Text set while open reaches the native control and is reported again.
    edit->SetText(L"7");
    EXPECT_EQ(L"7", NativeText(native));
    EXPECT_EQ(L"textchanged", receiver.Types().back());
}

TEST_F(NativeEdit, LosingTheFocusClosesTheNativeControl)
{
    HWND native = Open();
    ASSERT_NE(nullptr, native);
    Type(native, L"ab");
    host.manager().SetFocusControl(other);
    ASSERT_TRUE(WaitUntilClosed());
    EXPECT_FALSE(IsWindow(native));
    EXPECT_STREQ(L"ab", edit->GetText());
    int editLostFocus = 0;
    for (const NotifyRecordUI& record : receiver.records)
        editLostFocus += record.type == L"killfocus" && record.sender == edit ? 1 : 0;
    EXPECT_EQ(1, editLostFocus);

    // A focus moved by the framework alone ends it too.
    edit->SetFocus();
    ASSERT_NE(nullptr, edit->GetNativeWindow());
    other->SetFocus();
    ASSERT_TRUE(WaitUntilClosed());

    // A press on the focused, closed edit opens it again.
    edit->SetFocus();
    SendMessageW(edit->GetNativeWindow(), WM_KILLFOCUS, 0, 0);
    ASSERT_TRUE(WaitUntilClosed());
    Send(edit, EventTypeUI::ButtonDown, 20, 20);
    EXPECT_NE(nullptr, edit->GetNativeWindow());
}

TEST_F(NativeEdit, DeletingOrHidingAnOpenEditEndsItsNativeControl)
{
    HWND native = Open();
    ASSERT_NE(nullptr, native);
    edit->SetInternalVisible(false);
    EXPECT_EQ(nullptr, edit->GetNativeWindow());
    EXPECT_FALSE(IsWindow(native));
    EXPECT_EQ(nullptr, host.manager().GetFocusControl());

    edit->SetInternalVisible(true);
    native = Open();
    ASSERT_NE(nullptr, native);
    Type(native, L"x");
    root->ReleaseChild(edit);
    edit->Delete();
    edit = nullptr;
    EXPECT_FALSE(IsWindow(native));
    host.Pump(50);
    SendMessageW(host.hwnd(), WM_COMMAND, MAKEWPARAM(0, EN_CHANGE),
                 reinterpret_cast<LPARAM>(native));
    EXPECT_EQ(0, receiver.Count(L"return"));
}

// A page greys its fields while the device is away: what is typed there
// then changes nothing and is not reported.
TEST_F(NativeEdit, DisablingAnOpenEditEndsTypingIntoIt)
{
    HWND native = Open();
    ASSERT_NE(nullptr, native);
    Type(native, L"12");
    ASSERT_EQ(2, receiver.Count(L"textchanged"));

    edit->SetEnabled(false);
    Type(native, L"3");
    EXPECT_STREQ(L"12", edit->GetText());
    EXPECT_EQ(2, receiver.Count(L"textchanged"));
}

TEST_F(NativeEdit, StyleChangesApplyAtTheNextOpening)
{
    edit->SetNumberOnly(true);
    HWND native = Open();
    ASSERT_NE(nullptr, native);
    Type(native, L"4x2");
    EXPECT_STREQ(L"42", edit->GetText());

    edit->SetNumberOnly(false);
    edit->SetPasswordMode(true);
    Type(native, L"y");
    EXPECT_STREQ(L"42", edit->GetText());

    host.manager().SetFocusControl(other);
    ASSERT_TRUE(WaitUntilClosed());
    native = Open();
    ASSERT_NE(nullptr, native);
    EXPECT_EQ(L'*', SendMessageW(native, EM_GETPASSWORDCHAR, 0, 0));
    Type(native, L"y");
    EXPECT_STREQ(L"42y", edit->GetText());
}

TEST_F(NativeEdit, MaxCharsLimitsTypingOnly)
{
    edit->SetMaxChars(3);
    HWND native = Open();
    ASSERT_NE(nullptr, native);
    Type(native, L"abcdef");
    EXPECT_STREQ(L"abc", edit->GetText());
    edit->SetText(L"longer than three");
    EXPECT_STREQ(L"longer than three", edit->GetText());
    EXPECT_EQ(L"longer than three", NativeText(native));
}

TEST_F(NativeEdit, NativeBackgroundColourPaintsTheNativeControl)
{
    HWND native = Open();
    ASSERT_NE(nullptr, native);
    HDC dc = GetDC(native);
    const WPARAM dcParam = reinterpret_cast<WPARAM>(dc);
    const LPARAM from = reinterpret_cast<LPARAM>(native);
    EXPECT_EQ(0, host.Send(WM_CTLCOLOREDIT, dcParam, from));

    edit->SetAttribute(L"textcolor", L"#FF405060");
    edit->SetAttribute(L"nativebkcolor", L"#FF102030");
    HBRUSH solid = reinterpret_cast<HBRUSH>(host.Send(WM_CTLCOLOREDIT, dcParam, from));
    ASSERT_NE(nullptr, solid);
    LOGBRUSH info = {};
    GetObjectW(solid, sizeof(info), &info);
    EXPECT_EQ(UINT(BS_SOLID), info.lbStyle);
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), info.lbColor);
    EXPECT_EQ(RGB(0x40, 0x50, 0x60), GetTextColor(dc));

    // A translucent colour lays the framework's image under the control.
    edit->SetNativeBkColor(0x80102030);
    HBRUSH pattern = reinterpret_cast<HBRUSH>(host.Send(WM_CTLCOLOREDIT, dcParam, from));
    ASSERT_NE(nullptr, pattern);
    GetObjectW(pattern, sizeof(info), &info);
    EXPECT_EQ(UINT(BS_PATTERN), info.lbStyle);
    ReleaseDC(native, dc);
}

}  // namespace
