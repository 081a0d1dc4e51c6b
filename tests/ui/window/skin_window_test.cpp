#include <gtest/gtest.h>

#include <string>

#include "tests/ui/support/scratch_dir.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/window/skin_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const char kDialogLayout[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<Window size=\"300,200\" caption=\"0,0,0,30\" sizebox=\"4,4,4,4\" roundcorner=\"6,6\">\n"
    "  <VerticalLayout name=\"root\">\n"
    "    <HorizontalLayout height=\"30\">\n"
    "      <CaptionLabel name=\"title\" width=\"100\"/>\n"
    "      <CaptionButton name=\"closebtn\" width=\"40\"/>\n"
    "    </HorizontalLayout>\n"
    "    <Control name=\"body\"/>\n"
    "  </VerticalLayout>\n"
    "</Window>\n";

class SkinWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        m_skin.MakeFolder(L"XML");
        ASSERT_TRUE(WriteBytes(m_skin.Sub(L"XML\\dialog.xml"),
                               std::vector<BYTE>(kDialogLayout, kDialogLayout + sizeof(kDialogLayout) - 1)));
        CWindowManagerUI::SetResourceFolder(m_skin.path().c_str());
    }
    void TearDown() override { CWindowManagerUI::SetResourceFolder(L""); }

    // The result of WM_NCHITTEST at a client point of the window.
    static LRESULT HitTest(HWND window, int x, int y)
    {
        POINT point = {x, y};
        ClientToScreen(window, &point);
        return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    }

private:
    ScratchDir m_skin{L"skin_windows"};
};

TEST_F(SkinWindows, BuildsTheSkinFileWhenCreated)
{
    SkinWindow window(L"XML\\dialog.xml");
    HWND hwnd = window.Create(nullptr, L"dialog", WS_POPUP | WS_CAPTION, 0, 0, 0, 100, 100);
    ASSERT_NE(nullptr, hwnd);
    EXPECT_EQ(1, window.initCount);
    CWindowManagerUI& manager = window.GetManager();
    ASSERT_NE(nullptr, manager.GetRoot());
    EXPECT_EQ(manager.GetRoot(), manager.FindControlByName(L"root"));

    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_EQ(0, style & WS_CAPTION);
    EXPECT_NE(0, style & WS_CLIPCHILDREN);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(300, rect.right - rect.left);
    EXPECT_EQ(200, rect.bottom - rect.top);
    GetClientRect(hwnd, &rect);
    EXPECT_EQ(300, rect.right);  // the whole window is client area

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(ERROR, GetWindowRgn(hwnd, region));  // round corners
    DeleteObject(region);

    DestroyWindow(hwnd);
    EXPECT_EQ(nullptr, window.GetWindowHandle());
    EXPECT_EQ(1, window.destroyedCount);
}

TEST_F(SkinWindows, CaptionBandDragsOverALabelButNotOverAButton)
{
    SkinWindow window(L"XML\\dialog.xml");
    HWND hwnd = window.Open();
    ASSERT_NE(nullptr, hwnd);
    UpdateWindow(hwnd);  // lays the controls out
    ASSERT_EQ(100, window.GetManager().FindControlByName(L"title")->GetWidth());

    EXPECT_EQ(HTCAPTION, HitTest(hwnd, 50, 15));
    EXPECT_EQ(HTCLIENT, HitTest(hwnd, 120, 15));
    EXPECT_EQ(HTCAPTION, HitTest(hwnd, 250, 15));  // the row itself, right of the buttons
    EXPECT_EQ(HTCLIENT, HitTest(hwnd, 50, 100));
    EXPECT_EQ(HTTOPLEFT, HitTest(hwnd, 1, 1));
}

int g_skinFailures = 0;

void CountSkinFailure()
{
    ++g_skinFailures;
}

TEST_F(SkinWindows, BrokenSkinGoesToTheFailureHandler)
{
    const SkinFailureHandlerUI previous = WindowImplBase::SetSkinFailureHandler(&CountSkinFailure);
    g_skinFailures = 0;
    for (const wchar_t* skin : {L"<Window><VerticalLayout></Window>", L"XML\\absent.xml",
                                L"<Window><Control><Control/></Control></Window>"}) {
        SkinWindow window(skin);
        HWND hwnd = window.Open();
        ASSERT_NE(nullptr, hwnd);
        EXPECT_EQ(nullptr, window.GetManager().GetRoot());
        EXPECT_EQ(0, window.initCount);
    }
    EXPECT_EQ(3, g_skinFailures);
    WindowImplBase::SetSkinFailureHandler(previous);
}

}  // namespace
