#include <gtest/gtest.h>

#include <vector>

#include "app/windows/menu/menu_wnd.h"
#include "tests/app/menus/skin_fixture.h"
#include "tests/ui/support/control_walk.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/list.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// A macro list in a window of its own opens the menu.
class MenuWindow : public ProgramSkin {
protected:
    void SetUp() override
    {
        ProgramSkin::SetUp();
        ASSERT_TRUE(SkinFileExists(L"XML\\MarcoNameMenu.xml"));
        m_list->SetName(L"listex_Qiro");
        m_host.manager().AttachRoot(m_list);
        m_host.manager().AddNotifyReceiver(&m_receiver);
        m_host.ShowAndPaint();
    }

    // Shows a menu for the list and paints it; its window, or null.
    HWND Open(const wchar_t* listName, int x, int y)
    {
        m_list->SetName(listName);
        m_menu = new CMenuWnd();
        m_menu->ShowAt(m_list, x, y);
        HWND menu = m_menu->GetWindowHandle();
        if (menu != nullptr) {
            m_shadow = m_menu->GetShadowWindow();
            UpdateWindow(menu);
            PumpMessages(60);
        }
        return menu;
    }

    // What the list's window heard from menus (its own window's notifications left out).
    std::vector<NotifyRecordUI> MenuReports() const
    {
        std::vector<NotifyRecordUI> reports;
        for (const NotifyRecordUI& record : m_receiver.records) {
            if (record.type.FindText(L"menu_") == 0)
                reports.push_back(record);
        }
        return reports;
    }

    static RECT WindowRect(HWND window)
    {
        RECT rect = {};
        GetWindowRect(window, &rect);
        return rect;
    }

    static RECT PrimaryWorkArea()
    {
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
        return info.rcWork;
    }

    // A left click in the middle of a menu item.
    void ClickItem(HWND menu, const wchar_t* name)
    {
        CControlUI* item = m_menu->GetManager().FindControlByName(name);
        ASSERT_NE(nullptr, item);
        const RECT& position = item->GetPosition();
        const LPARAM point = MAKELPARAM((position.left + position.right) / 2, (position.top + position.bottom) / 2);
        SendMessageW(menu, WM_MOUSEMOVE, 0, point);
        SendMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(menu, WM_LBUTTONUP, 0, point);
    }

    HostWindow m_host{400, 300};
    CListUI* m_list = new CListUI();
    RecordingReceiver m_receiver;
    CMenuWnd* m_menu = nullptr;  // deletes itself with its window
    HWND m_shadow = nullptr;
};

TEST_F(MenuWindow, AMenuOpenedNearTheBottomRightCornerTouchesTheWorkAreaEdgesWithItsShadowBehind)
{
    const RECT work = PrimaryWorkArea();
    HWND menu = Open(L"listex_Qiro", work.right - 10, work.bottom - 10);
    ASSERT_NE(nullptr, menu);
    const RECT rect = WindowRect(menu);
    EXPECT_EQ(188, rect.right - rect.left);
    EXPECT_EQ(184, rect.bottom - rect.top);
    EXPECT_EQ(work.right, rect.right);
    EXPECT_EQ(work.bottom, rect.bottom);
    EXPECT_NE(nullptr, m_menu->GetManager().FindControlByName(L"menu_Name_Import"));

    RECT region = {};
    ASSERT_NE(ERROR, GetWindowRgnBox(menu, &region));
    EXPECT_EQ(8, region.left);
    EXPECT_EQ(8, region.top);
    EXPECT_EQ(180, region.right);
    EXPECT_EQ(176, region.bottom);

    ASSERT_TRUE(IsWindow(m_shadow));
    EXPECT_NE(0, GetWindowLongW(m_shadow, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_NE(0, GetWindowLongW(m_shadow, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    const RECT shadow = WindowRect(m_shadow);
    EXPECT_TRUE(EqualRect(&rect, &shadow));

    SetWindowPos(menu, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT moved = WindowRect(m_shadow);
    EXPECT_EQ(40, moved.left);
    EXPECT_EQ(50, moved.top);
    EXPECT_EQ(188, moved.right - moved.left);

    EXPECT_TRUE(LooksFinished(m_menu->GetManager(), L"name menu in English"));
    LoadLanguage(L"Languages\\Chinese.xml");
    EXPECT_TRUE(LooksFinished(m_menu->GetManager(), L"name menu in Chinese"));
    LoadLanguage(L"Languages\\English.xml");
    PostMessageW(menu, WM_CLOSE, 1, 0);
    PumpMessages(60);
    EXPECT_FALSE(IsWindow(menu));
    EXPECT_FALSE(IsWindow(m_shadow));
}

TEST_F(MenuWindow, ShowingAnOpenMenuAgainMovesItsOneWindow)
{
    HWND menu = Open(L"listex_Qiro", 120, 140);
    ASSERT_NE(nullptr, menu);
    m_menu->ShowAt(m_list, 200, 90);
    EXPECT_EQ(menu, m_menu->GetWindowHandle());
    EXPECT_EQ(200, WindowRect(menu).left);
    EXPECT_EQ(90, WindowRect(m_shadow).top);
    PostMessageW(menu, WM_CLOSE, 1, 0);
    PumpMessages(60);
    EXPECT_FALSE(IsWindow(menu));
}

TEST_F(MenuWindow, ClickingAnItemReportsItOnceToTheListAndClosesTheMenu)
{
    HWND menu = Open(L"listex_Qiro", 120, 140);
    ASSERT_NE(nullptr, menu);
    ClickItem(menu, L"menu_Name_Delete");
    PumpMessages(100);
    EXPECT_EQ(1, m_receiver.Count(L"menu_Name_Delete"));
    const std::vector<NotifyRecordUI> reports = MenuReports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(m_list, reports[0].sender);
    EXPECT_EQ(0u, reports[0].wParam);
    EXPECT_EQ(0, reports[0].lParam);
    EXPECT_FALSE(IsWindow(menu));
    EXPECT_FALSE(IsWindow(m_shadow));
}

TEST_F(MenuWindow, AStepListGetsTheContentMenuWhateverTheLetterCase)
{
    HWND menu = Open(L"LISTEX1_qiro", 120, 140);
    ASSERT_NE(nullptr, menu);
    EXPECT_NE(nullptr, m_menu->GetManager().FindControlByName(L"menu_Content_Edit"));
    EXPECT_EQ(nullptr, m_menu->GetManager().FindControlByName(L"menu_Name_New"));
    EXPECT_TRUE(LooksFinished(m_menu->GetManager(), L"content menu in English"));
    LoadLanguage(L"Languages\\Chinese.xml");
    EXPECT_TRUE(LooksFinished(m_menu->GetManager(), L"content menu in Chinese"));
    LoadLanguage(L"Languages\\English.xml");
    ClickItem(menu, L"menu_Content_Edit");
    PumpMessages(100);
    EXPECT_EQ(1, m_receiver.Count(L"menu_Content_Edit"));
    EXPECT_FALSE(IsWindow(menu));
}

TEST_F(MenuWindow, OnlyClicksOnItemsNamedExactlyAreReported)
{
    HWND menu = Open(L"listex_Qiro", 120, 140);
    ASSERT_NE(nullptr, menu);
    CControlUI* item = m_menu->GetManager().FindControlByName(L"menu_Name_New");
    ASSERT_NE(nullptr, item);
    item->SetName(L"menu_name_new");
    NotifyRecordUI click;
    click.type = L"itemclick";
    click.sender = item;
    m_menu->Notify(click);
    click.sender = m_menu->GetManager().FindControlByName(L"menu_list");
    m_menu->Notify(click);
    NotifyRecordUI other;
    other.type = L"click";
    other.sender = m_menu->GetManager().FindControlByName(L"menu_Name_Export");
    m_menu->Notify(other);
    PumpMessages(60);
    EXPECT_TRUE(MenuReports().empty());
    EXPECT_TRUE(IsWindow(menu));
    PostMessageW(menu, WM_CLOSE, 1, 0);
    PumpMessages(60);
}

TEST_F(MenuWindow, EscapeClosesWhileOtherKeysAndTheWheelDoNothing)
{
    HWND menu = Open(L"listex_Qiro", 120, 140);
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(0, SendMessageW(menu, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(130, 150)));
    EXPECT_EQ(0, SendMessageW(menu, WM_KEYDOWN, 'A', 0));
    EXPECT_EQ(0, SendMessageW(menu, WM_KEYDOWN, VK_DOWN, 0));
    PumpMessages(60);
    EXPECT_TRUE(IsWindow(menu));
    EXPECT_EQ(0, SendMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0));
    PumpMessages(60);
    EXPECT_FALSE(IsWindow(menu));
    EXPECT_FALSE(IsWindow(m_shadow));
    EXPECT_TRUE(MenuReports().empty());
}

TEST_F(MenuWindow, FocusGoingToTheShadowKeepsTheMenuOpenAndFocusGoingElsewhereClosesIt)
{
    HWND menu = Open(L"listex_Qiro", 120, 140);
    ASSERT_NE(nullptr, menu);
    SendMessageW(menu, WM_KILLFOCUS, reinterpret_cast<WPARAM>(m_shadow), 0);
    SendMessageW(menu, WM_KILLFOCUS, reinterpret_cast<WPARAM>(menu), 0);
    PumpMessages(60);
    EXPECT_TRUE(IsWindow(menu));
    SendMessageW(menu, WM_KILLFOCUS, reinterpret_cast<WPARAM>(m_host.hwnd()), 0);
    PumpMessages(60);
    EXPECT_FALSE(IsWindow(menu));
    EXPECT_FALSE(IsWindow(m_shadow));
}

TEST_F(MenuWindow, AListWithAnotherNameGetsAnEmptyMenuThatClosesOnFocusLoss)
{
    HWND menu = Open(L"listex_Wenk", 120, 140);
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(nullptr, m_menu->GetManager().GetRoot());
    SendMessageW(menu, WM_KILLFOCUS, 0, 0);
    PumpMessages(60);
    EXPECT_FALSE(IsWindow(menu));
}

}  // namespace
