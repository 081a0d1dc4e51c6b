#include <gtest/gtest.h>

#include "tests/ui/support/host_window.h"
#include "tests/ui/support/mem_canvas.h"
#include "tests/ui/support/recording_control.h"

using SkinUI::test::HostWindow;
using SkinUI::test::MemCanvas;
using SkinUI::test::RecordingControl;
using SkinUI::test::TestPanel;

namespace {

constexpr DWORD kBlue = 0x0000FF;
constexpr DWORD kRed = 0xFF0000;
constexpr DWORD kGreen = 0x00FF00;

// A blue window with a red box, a green-bordered box and a hidden yellow box.
class TreePaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = new TestPanel;
        root->SetBackgroundColor(0xFF0000FF);
        RecordingControl* red = new RecordingControl(L"red");
        red->SetBackgroundColor(0xFFFF0000);
        RecordingControl* framed = new RecordingControl(L"framed");
        framed->SetBorderColor(0xFF00FF00);
        framed->SetBorderSize(2);
        hidden = new RecordingControl(L"hidden");
        hidden->SetBackgroundColor(0xFFFFFF00);
        hidden->SetVisible(false);
        root->AddChild(red, RECT{10, 10, 60, 60});
        root->AddChild(framed, RECT{100, 10, 150, 60});
        root->AddChild(hidden, RECT{10, 80, 60, 130});
        host.manager().AttachRoot(root);
        root->SetPosition(RECT{0, 0, 200, 150});
    }

    HostWindow host;
    TestPanel* root = nullptr;
    RecordingControl* hidden = nullptr;
};

TEST_F(TreePaint, PrintClientPaintsTheWholeTree)
{
    MemCanvas canvas(200, 150, 0xFF000000);
    host.Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    GdiFlush();
    EXPECT_EQ(kBlue, canvas.Pixel(5, 5) & 0xFFFFFF);
    EXPECT_EQ(kRed, canvas.Pixel(30, 30) & 0xFFFFFF);
    EXPECT_EQ(kBlue, canvas.Pixel(30, 100) & 0xFFFFFF);
    EXPECT_EQ(kGreen, canvas.Pixel(100, 30) & 0xFFFFFF);
    EXPECT_EQ(kGreen, canvas.Pixel(125, 58) & 0xFFFFFF);
    EXPECT_EQ(kBlue, canvas.Pixel(125, 30) & 0xFFFFFF);
    EXPECT_EQ(0, hidden->paintCount);
}

TEST_F(TreePaint, LayeredWindowPaintsIntoItsOffscreenBitmapOnTheTimer)
{
    host.manager().SetLayered(true);
    ASSERT_TRUE(host.manager().IsLayered());
    host.ShowAndPaint();
    host.Send(WM_TIMER, 0x2000);
    HBITMAP bitmap = host.manager().GetOffscreenBitmap();
    ASSERT_NE(nullptr, bitmap);
    DIBSECTION dib = {};
    ASSERT_EQ(static_cast<int>(sizeof(dib)), GetObjectW(bitmap, sizeof(dib), &dib));
    ASSERT_EQ(200, dib.dsBm.bmWidth);
    GdiFlush();
    const DWORD* bits = static_cast<const DWORD*>(dib.dsBm.bmBits);
    auto pixel = [&](int x, int y) { return bits[(149 - y) * 200 + x] & 0xFFFFFF; };
    EXPECT_EQ(kRed, pixel(30, 30));
    EXPECT_EQ(kBlue, pixel(5, 5));

    const int painted = root->paintCount;
    host.Send(WM_TIMER, 0x2000);
    EXPECT_EQ(painted, root->paintCount);

    host.manager().SetLayered(false);
    EXPECT_FALSE(host.manager().IsLayered());
}

// Repeated requests inside an area already waiting are dropped; once a paint
// has taken the area, the same request must reach the window again, also when
// the paint's own layout asked for it.
TEST_F(TreePaint, AChangeAfterAPaintIsPaintedAgain)
{
    host.ShowAndPaint();
    RecordingControl* red = static_cast<RecordingControl*>(root->ChildAt(0));
    RECT waiting;
    auto redIsWaiting = [&] { return GetUpdateRect(host.hwnd(), &waiting, FALSE) && waiting.left <= 10; };

    root->Invalidate();
    red->Invalidate();
    EXPECT_TRUE(redIsWaiting());
    UpdateWindow(host.hwnd());
    ASSERT_FALSE(GetUpdateRect(host.hwnd(), nullptr, FALSE));

    const int painted = red->paintCount;
    red->Invalidate();
    EXPECT_TRUE(redIsWaiting());
    UpdateWindow(host.hwnd());
    EXPECT_GT(red->paintCount, painted);

    root->RequestLayout();
    UpdateWindow(host.hwnd());
    red->Invalidate();
    EXPECT_TRUE(redIsWaiting());
}

TEST_F(TreePaint, SetLayeredIsRefusedForChildWindows)
{
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, host.hwnd(), nullptr,
                                 nullptr, nullptr);
    SkinUI::CWindowManagerUI manager;
    manager.AttachWindow(child);
    manager.SetLayered(true);
    EXPECT_FALSE(manager.IsLayered());
    DestroyWindow(child);
}

}  // namespace
