#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/recording_control.h"
#include "ui/controls/datetime.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::HostWindow;
using SkinUI::test::RecordingControl;
using SkinUI::test::Send;
using SkinUI::test::TestPanel;

namespace {

SYSTEMTIME Date(WORD year, WORD month, WORD day)
{
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = 12;
    return time;
}

std::wstring Text(const SYSTEMTIME& time)
{
    wchar_t text[32] = {};
    swprintf(text, 32, L"%4d-%02d-%02d", time.wYear, time.wMonth, time.wDay);
    return text;
}

std::wstring Today()
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return Text(now);
}

SYSTEMTIME PickerDate(HWND picker)
{
    SYSTEMTIME time = {};
    SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

TEST(DateTimeText, NewControlShowsTodayAndAStoredDate)
{
    CDateTimeUI* control = new CDateTimeUI;
    EXPECT_EQ(Today(), control->GetText().GetData());
    EXPECT_EQ(kDateTimeKeep, control->GetUpdateMode());
    control->SetTime(Date(2026, 12, 7));
    EXPECT_STREQ(L"2026-12-07", control->GetText());
    control->Delete();
}

// A date-time control at 10,10 - 130,34 in a panel beside a tab stop, in a shown window.
class DatePicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        root = new TestPanel;
        control = new CDateTimeUI;
        control->SetTime(Date(2020, 1, 2));
        other = new RecordingControl(L"other");
        other->behaviorFlags = kBehaviorTabStop;
        root->AddChild(other, RECT{150, 10, 200, 34});
        root->AddChild(control, RECT{10, 10, 130, 34});
        host.manager().AttachRoot(root);
        host.ShowAndPaint();
        root->SetPosition(RECT{0, 0, 300, 200});
    }
    HWND Open()
    {
        control->SetFocus();
        return control->GetNativeWindow();
    }
    // Pumps until the picker is gone, for at most a second.
    bool WaitUntilClosed()
    {
        for (int i = 0; i < 50 && control->GetNativeWindow() != nullptr; ++i)
            host.Pump(20);
        return control->GetNativeWindow() == nullptr;
    }
    RECT PlacedRect(HWND window)
    {
        RECT placed;
        GetWindowRect(window, &placed);
        MapWindowPoints(HWND_DESKTOP, host.hwnd(), reinterpret_cast<POINT*>(&placed), 2);
        return placed;
    }

    HostWindow host{300, 200};
    TestPanel* root = nullptr;
    CDateTimeUI* control = nullptr;
    RecordingControl* other = nullptr;
};

TEST_F(DatePicker, OpensOverTheControlAndLosingTheFocusTakesItsDate)
{
    HWND picker = Open();
    ASSERT_NE(nullptr, picker);
    EXPECT_EQ(host.hwnd(), GetParent(picker));
    EXPECT_TRUE(IsWindowVisible(picker));
    EXPECT_EQ(picker, GetFocus());
    EXPECT_EQ((RECT{10, 10, 130, 34}), PlacedRect(picker));
    EXPECT_EQ(L"2020-01-02", Text(PickerDate(picker)));

    const SYSTEMTIME picked = Date(2031, 5, 6);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&picked));
    host.manager().SetFocusControl(other);
    ASSERT_TRUE(WaitUntilClosed());
    EXPECT_FALSE(IsWindow(picker));
    EXPECT_STREQ(L"2031-05-06", control->GetText());
}

TEST_F(DatePicker, EscapeKeepsTheTextBackspaceClearsItAndTheNextOpeningStartsToday)
{
    HWND picker = Open();
    ASSERT_NE(nullptr, picker);
    const SYSTEMTIME picked = Date(2031, 5, 6);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&picked));
    SendMessageW(picker, WM_KEYUP, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntilClosed());
    EXPECT_STREQ(L"2020-01-02", control->GetText());

    // Still focused: a press opens the picker again.
    Send(control, EventTypeUI::ButtonDown, 20, 20);
    picker = control->GetNativeWindow();
    ASSERT_NE(nullptr, picker);
    SendMessageW(picker, WM_KEYUP, VK_BACK, 0);
    EXPECT_STREQ(L"", control->GetText());
    ASSERT_TRUE(WaitUntilClosed());
    EXPECT_STREQ(L"", control->GetText());
    Send(control, EventTypeUI::ButtonDown, 20, 20);
    ASSERT_NE(nullptr, control->GetNativeWindow());
    EXPECT_EQ(Today(), Text(PickerDate(control->GetNativeWindow())));
}

TEST_F(DatePicker, PickerClippedAwayByAnAncestorIsHiddenNotMoved)
{
    HWND picker = Open();
    ASSERT_NE(nullptr, picker);
    root->SetPosition(RECT{0, 0, 8, 200});
    EXPECT_FALSE(IsWindowVisible(picker));
    EXPECT_EQ((RECT{10, 10, 130, 34}), PlacedRect(picker));

    // Partly inside again: the picker covers what is left.
    root->SetPosition(RECT{0, 0, 60, 200});
    EXPECT_TRUE(IsWindowVisible(picker));
    EXPECT_EQ((RECT{10, 10, 60, 34}), PlacedRect(picker));
}

TEST_F(DatePicker, DeletingAnOpenControlEndsItsPicker)
{
    HWND picker = Open();
    ASSERT_NE(nullptr, picker);
    root->ReleaseChild(control);
    control->Delete();
    control = nullptr;
    EXPECT_FALSE(IsWindow(picker));
    host.Pump(50);
}

TEST_F(DatePicker, DroppedDownCalendarKeepsThePickerOpenAndItsPickIsTaken)
{
    HWND picker = Open();
    ASSERT_NE(nullptr, picker);
    // A press on the drop-down button at the right end opens the calendar,
    // which takes the focus.
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(112, 12));
    SendMessageW(picker, WM_LBUTTONUP, 0, MAKELPARAM(112, 12));
    host.Pump(50);
    ASSERT_TRUE(IsWindow(picker));
    HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
    ASSERT_NE(nullptr, calendar);
    EXPECT_EQ(picker, control->GetNativeWindow());

    // A day in the middle of January 2020 ends the picking with that date.
    RECT area;
    GetClientRect(calendar, &area);
    const LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
    SendMessageW(calendar, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(calendar, WM_LBUTTONUP, 0, middle);
    ASSERT_TRUE(WaitUntilClosed());
    const std::wstring text = control->GetText().GetData();
    EXPECT_EQ(0u, text.find(L"2020-01-"));
    EXPECT_NE(L"2020-01-02", text);
}

}  // namespace
