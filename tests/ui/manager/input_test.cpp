#include <gtest/gtest.h>

#include "tests/ui/support/host_window.h"
#include "tests/ui/support/recording_control.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/button.h"
#include "ui/controls/slider.h"
#include "ui/core/scrollbar.h"

using SkinUI::EventTypeUI;
using SkinUI::NotifyRecordUI;
using SkinUI::test::EventLog;
using SkinUI::test::HostWindow;
using SkinUI::test::RecordingControl;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::TestPanel;

namespace {

LPARAM At(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

TEST(WindowInit, SentOnceBeforeTheFirstDrawingAndAgainForANewRoot)
{
    HostWindow host;
    RecordingReceiver receiver;
    host.manager().AddNotifyReceiver(&receiver);
    TestPanel* root = new TestPanel;
    int paintsAtInit = -1;
    receiver.onNotify = [&](NotifyRecordUI& record) {
        if (record.type == L"windowinit") {
            paintsAtInit = root->paintCount;
            EXPECT_EQ(root, record.sender);
        }
    };
    host.manager().AttachRoot(root);
    host.ShowAndPaint();
    EXPECT_EQ(1, receiver.Count(L"windowinit"));
    EXPECT_EQ(0, paintsAtInit);
    EXPECT_GT(root->paintCount, 0);
    EXPECT_EQ(200, root->GetWidth());

    SetWindowPos(host.hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(host.hwnd());
    host.Pump(20);
    EXPECT_EQ(1, receiver.Count(L"windowinit"));
    EXPECT_EQ(300, root->GetWidth());

    receiver.onNotify = nullptr;
    host.manager().AttachRoot(new TestPanel(L"next"));
    InvalidateRect(host.hwnd(), nullptr, FALSE);
    UpdateWindow(host.hwnd());
    EXPECT_EQ(2, receiver.Count(L"windowinit"));
    host.manager().RemoveNotifyReceiver(&receiver);
}

// Three controls side by side in a 200 x 150 window; `listener` also hears
// every mouse-leave.
class MouseInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = new TestPanel;
        a = new RecordingControl(L"a", &log);
        b = new RecordingControl(L"b", &log);
        listener = new RecordingControl(L"listener", &log);
        root->AddChild(a, RECT{0, 0, 50, 50});
        root->AddChild(b, RECT{60, 0, 110, 50});
        root->AddChild(listener, RECT{120, 0, 170, 50});
        host.manager().AttachRoot(root);
        root->SetPosition(RECT{0, 0, 200, 150});
        host.manager().AddMouseLeaveListener(listener);
    }

    HostWindow host;
    EventLog log;
    TestPanel* root = nullptr;
    RecordingControl* a = nullptr;
    RecordingControl* b = nullptr;
    RecordingControl* listener = nullptr;
};

TEST_F(MouseInput, MovingBetweenControlsLeavesThenEntersThenMoves)
{
    host.Send(WM_MOUSEMOVE, 0, At(10, 10));
    EXPECT_EQ((EventLog{{a, EventTypeUI::MouseEnter}, {a, EventTypeUI::MouseMove}}), log);
    log.clear();
    host.Send(WM_MOUSEMOVE, 0, At(70, 10));
    EXPECT_EQ((EventLog{{listener, EventTypeUI::MouseLeave},
                        {a, EventTypeUI::MouseLeave},
                        {b, EventTypeUI::MouseEnter},
                        {b, EventTypeUI::MouseMove}}),
              log);
    EXPECT_EQ(b, host.manager().GetHoverControl());
    EXPECT_EQ(70, host.manager().GetLastMousePoint().x);
}

TEST_F(MouseInput, APressedControlKeepsTheMouseUntilRelease)
{
    host.Send(WM_MOUSEMOVE, 0, At(10, 10));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_TRUE(host.manager().IsMouseCaptured());
    EXPECT_EQ(a, host.manager().GetPressedControl());
    EXPECT_EQ(a, host.manager().GetFocusControl());
    ASSERT_EQ(1, a->Count(EventTypeUI::ButtonDown));
    EXPECT_EQ(MK_LBUTTON, a->events.back().keyState);

    log.clear();
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(70, 10));
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(-5, -7));
    EXPECT_EQ((EventLog{{a, EventTypeUI::MouseMove}, {a, EventTypeUI::MouseMove}}), log);
    EXPECT_EQ(-7, a->events.back().mousePoint.y);

    log.clear();
    host.Send(WM_LBUTTONUP, 0, At(70, 10));
    EXPECT_EQ((EventLog{{a, EventTypeUI::ButtonUp}}), log);
    EXPECT_FALSE(host.manager().IsMouseCaptured());
    EXPECT_EQ(nullptr, host.manager().GetPressedControl());

    log.clear();
    host.Send(WM_MOUSEMOVE, 0, At(70, 10));
    EXPECT_EQ(1, b->Count(EventTypeUI::MouseEnter));
}

// A free scroll bar, a slider and a button whose presses lose the capture
// to another window or to the system's cancel: each ends its press as a
// release would, without a click, and later moves go to what they pass over.
TEST(LostCapture, EndsThePressWithoutAClickAndFreesTheMouse)
{
    HostWindow host(200, 150);
    RecordingReceiver receiver;
    host.manager().AddNotifyReceiver(&receiver);
    TestPanel* root = new TestPanel;
    auto* bar = new SkinUI::CScrollBarUI;
    auto* slider = new SkinUI::CSliderUI;
    auto* button = new SkinUI::CButtonUI;
    root->AddChild(bar, RECT{0, 0, 16, 150});
    root->AddChild(slider, RECT{40, 0, 150, 20});
    root->AddChild(button, RECT{40, 50, 140, 80});
    host.manager().AttachRoot(root);
    root->SetPosition(RECT{0, 0, 200, 150});

    // The bar's down arrow steps once at the press and would repeat after 250 ms.
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(8, 142));
    ASSERT_EQ(host.hwnd(), GetCapture());
    EXPECT_EQ(8, bar->GetScrollPosition());
    ReleaseCapture();
    host.Pump(450);
    host.Send(WM_MOUSEMOVE, 0, At(8, 142));
    EXPECT_EQ(8, bar->GetScrollPosition());
    EXPECT_EQ(0u, bar->GetButton2State() & SkinUI::kStatePushed);
    EXPECT_EQ(nullptr, host.manager().GetPressedControl());
    EXPECT_FALSE(host.manager().IsMouseCaptured());

    // The slider keeps the value it shows and reports it as on a release.
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(95, 10));
    EXPECT_EQ(50, slider->GetValue());
    ReleaseCapture();
    host.Send(WM_MOUSEMOVE, 0, At(60, 10));
    EXPECT_EQ(50, slider->GetValue());
    EXPECT_EQ(0u, slider->GetThumbState() & SkinUI::kStateCaptured);
    EXPECT_EQ(1, receiver.Count(L"valuechanged"));

    // The button is drawn normal again and its release there clicks nothing.
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(90, 65));
    host.Send(WM_CANCELMODE);
    EXPECT_EQ(0u, button->GetButtonState() & (SkinUI::kStatePushed | SkinUI::kStateCaptured));
    host.Send(WM_MOUSEMOVE, 0, At(91, 65));
    host.Send(WM_LBUTTONUP, 0, At(91, 65));
    EXPECT_EQ(0, receiver.Count(L"click"));
    EXPECT_FALSE(host.manager().IsMouseCaptured());
    host.manager().RemoveNotifyReceiver(&receiver);
}

TEST_F(MouseInput, WheelDirectionAndDoubleClick)
{
    POINT screen = {10, 10};
    ClientToScreen(host.hwnd(), &screen);
    host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), At(screen.x, screen.y));
    host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(screen.x, screen.y));
    std::vector<WPARAM> wheel;
    for (const auto& event : a->events)
        if (event.type == EventTypeUI::ScrollWheel)
            wheel.push_back(event.wParam);
    EXPECT_EQ((std::vector<WPARAM>{1, 0}), wheel);

    host.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(70, 10));
    EXPECT_EQ(1, b->Count(EventTypeUI::DoubleClick));
    EXPECT_EQ(b, host.manager().GetPressedControl());
    EXPECT_NE(b, host.manager().GetFocusControl());
    host.Send(WM_LBUTTONUP, 0, At(70, 10));
}

TEST_F(MouseInput, HoverShowsTheTooltipWithLanguageTexts)
{
    SkinUI::CWindowManagerUI::AddLanguageText(5, L"Polling rate");
    b->SetToolTip(L"%{5}");
    host.Send(WM_MOUSEMOVE, 0, At(70, 10));
    LRESULT result = 1;
    EXPECT_TRUE(host.manager().HandleWindowMessage(WM_MOUSEHOVER, 0, At(70, 10), result));
    EXPECT_EQ(1, b->Count(EventTypeUI::MouseHover));
    EXPECT_NE(nullptr, host.manager().GetTooltipWindow());
    SkinUI::CWindowManagerUI::RemoveAllLanguageTexts();
}

LRESULT CALLBACK ReflectTarget(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == 0x2000 + WM_COMMAND)
        return 77;
    if (message == 0x2000 + WM_NOTIFY)
        return 78;
    if (message == 0x2000 + WM_CTLCOLOREDIT)
        return 79;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(ChildMessages, AreReflectedToTheChildWindow)
{
    HostWindow host;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ReflectTarget;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ReflectTarget";
    RegisterClassW(&wc);
    HWND child = CreateWindowExW(0, L"ReflectTarget", L"", WS_CHILD, 0, 0, 10, 10, host.hwnd(),
                                 nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, child);
    LRESULT result = 0;
    EXPECT_TRUE(host.manager().HandleWindowMessage(WM_COMMAND, 1, reinterpret_cast<LPARAM>(child), result));
    EXPECT_EQ(77, result);
    NMHDR header = {child, 1, 0};
    EXPECT_TRUE(host.manager().HandleWindowMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header), result));
    EXPECT_EQ(78, result);
    EXPECT_TRUE(host.manager().HandleWindowMessage(WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(child), result));
    EXPECT_EQ(79, result);
    EXPECT_FALSE(host.manager().HandleWindowMessage(WM_COMMAND, 1, 0, result));
    DestroyWindow(child);
}

TEST(ChildMessages, AManagerWithoutAWindowHandlesNothing)
{
    SkinUI::CWindowManagerUI manager;
    LRESULT result = 0;
    EXPECT_FALSE(manager.HandleWindowMessage(WM_ERASEBKGND, 0, 0, result));
    manager.InvalidateAll();
    manager.InvalidateArea(RECT{0, 0, 10, 10});
}

}  // namespace

namespace {

TEST(AttachWindow, MovingToASecondWindowKeepsOneEntryPerManager)
{
    HWND first = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    HWND second = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    {
        SkinUI::CWindowManagerUI manager;
        manager.AttachWindow(first, L"moving");
        ASSERT_NE(nullptr, manager.GetWindowDC());
        manager.AttachWindow(second, L"moving");
        EXPECT_EQ(second, manager.GetWindowHandle());
        EXPECT_NE(nullptr, manager.GetWindowDC());
        MSG tab = {second, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
        EXPECT_TRUE(SkinUI::CWindowManagerUI::PreTranslateMessage(&tab));
    }
    // Once destroyed, no entry of the manager is left to pre-translate with.
    MSG tab = {second, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_FALSE(SkinUI::CWindowManagerUI::PreTranslateMessage(&tab));
    DestroyWindow(first);
    DestroyWindow(second);
}

}  // namespace
