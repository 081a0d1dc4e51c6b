#include <gtest/gtest.h>

#include <thread>

#include "tests/ui/support/host_window.h"
#include "tests/ui/window/skin_window.h"
#include "ui/core/modal_loops.h"
#include "ui/core/window_disable.h"
#include "ui/core/window_wnd_geometry.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const WPARAM kTimedOut = 99;

// Ends a message loop that runs too long with WM_QUIT(kTimedOut).
class LoopBound {
public:
    LoopBound() : m_timer(SetTimer(nullptr, 0, 5000, &LoopBound::Expire)) {}
    ~LoopBound() { KillTimer(nullptr, m_timer); }

private:
    static void CALLBACK Expire(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(kTimedOut); }
    UINT_PTR m_timer;
};

// Runs once inside the modal loop: notes whether the owner is disabled, then
// closes the dialog with 5.
HWND g_owner = nullptr;
CWindowWnd* g_dialog = nullptr;
bool g_ownerEnabledInLoop = true;

void CALLBACK CloseFromInsideTheLoop(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_ownerEnabledInLoop = IsWindowEnabled(g_owner) != FALSE;
    g_dialog->Close(5);
}

// A progress window's hold of the thread's shown windows comes and goes
// inside the modal loop, then the dialog closes as above.
void CALLBACK HoldThreadWindowsInsideTheLoop(HWND window, UINT message, UINT_PTR id, DWORD time)
{
    ReleaseWindowsDisabled(HoldThreadWindowsDisabled(g_owner, nullptr));
    CloseFromInsideTheLoop(window, message, id, time);
}

void CALLBACK DestroyFromInsideTheLoop(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    DestroyWindow(g_dialog->GetWindowHandle());
}

// Nested loops over g_owner: the outer one runs the inner one, inside which
// the owner closes; notes what the outer loop's handler sees afterwards.
CWindowWnd* g_inner = nullptr;
UINT g_innerResult = 99;
int g_depthInInner = 0;
bool g_toldBeforeTheOuterReturned = true;
const UINT kClosingMessage = WM_APP + 7;

void CALLBACK CloseTheOwnerUnderTheLoops(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_depthInInner = ModalLoopDepth();
    // The dialog was about to end with OK.
    g_inner->Close(1);
    EndModalLoops(g_owner, kClosingMessage);
}

void CALLBACK RunTheInnerLoop(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    SetTimer(nullptr, 0, 1, &CloseTheOwnerUnderTheLoops);
    g_innerResult = g_inner->RunModal();
    MSG told;
    g_toldBeforeTheOuterReturned = PeekMessageW(&told, g_owner, kClosingMessage, kClosingMessage, PM_NOREMOVE);
}

// A window that ends the thread's modal loops when another thread sends it
// kEndLoopsMessage: the loop is waiting for messages then.
const UINT kEndLoopsMessage = WM_APP + 8;

LRESULT CALLBACK EndLoopsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kEndLoopsMessage)
        return DefWindowProcW(window, message, wParam, lParam);
    EndModalLoops(window, kClosingMessage);
    return 0;
}

HWND CreateEndLoopsWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &EndLoopsProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"EndLoopsWindow";
    RegisterClassW(&wc);
    return CreateWindowExW(0, L"EndLoopsWindow", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void CALLBACK SendEndLoopsFromAnotherThread(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    std::thread([window = g_owner] { SendMessageW(window, kEndLoopsMessage, 0, 0); }).detach();
}

// Ends the loops as the dialog's OK is fetched from the queue.
HWND g_okDialog = nullptr;

LRESULT CALLBACK EndLoopsAsOkArrives(int code, WPARAM removing, LPARAM param)
{
    const MSG* msg = reinterpret_cast<const MSG*>(param);
    if (code == HC_ACTION && removing == PM_REMOVE && msg->hwnd == g_okDialog && msg->message == WM_CLOSE)
        EndModalLoops(g_owner, kClosingMessage);
    return CallNextHookEx(nullptr, code, removing, param);
}

RECT WindowRect(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

RECT WorkAreaOf(HWND window)
{
    MONITORINFO monitor = {sizeof(monitor)};
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

class Windows : public ::testing::Test {
protected:
    void SetUp() override { CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr)); }
};

TEST_F(Windows, ModalLoopDisablesItsOwnerAndReturnsTheCloseResult)
{
    HostWindow owner(400, 300);
    SkinWindow dialog(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, dialog.Create(owner.hwnd(), L"dialog", WS_POPUP, 0));

    {
        // A quit ends the loop without a result and is posted again.
        LoopBound bound;
        PostQuitMessage(7);
        EXPECT_EQ(0u, dialog.RunModal());
    }
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, quit.wParam);
    EXPECT_TRUE(IsWindow(dialog.GetWindowHandle()));
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));

    {
        LoopBound bound;
        g_owner = owner.hwnd();
        g_dialog = &dialog;
        SetTimer(nullptr, 0, 1, &CloseFromInsideTheLoop);
        EXPECT_EQ(5u, dialog.RunModal());
    }
    EXPECT_FALSE(g_ownerEnabledInLoop);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_EQ(nullptr, dialog.GetWindowHandle());
    EXPECT_EQ(1, dialog.destroyedCount);

    // Another window holding the owner disabled (a progress window) keeps it
    // so past the dialog's end; the owner comes back with the last hold.
    SkinWindow second(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, second.Create(owner.hwnd(), L"dialog", WS_POPUP, 0));
    HoldWindowDisabled(owner.hwnd());
    {
        LoopBound bound;
        g_dialog = &second;
        SetTimer(nullptr, 0, 1, &CloseFromInsideTheLoop);
        EXPECT_EQ(5u, second.RunModal());
    }
    EXPECT_FALSE(IsWindowEnabled(owner.hwnd()));
    EXPECT_TRUE(ReleaseWindowDisabled(owner.hwnd()));
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));

    // Destroyed with no close message, the dialog still hands its owner back.
    SkinWindow third(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, third.Create(owner.hwnd(), L"dialog", WS_POPUP, 0));
    {
        LoopBound bound;
        g_dialog = &third;
        SetTimer(nullptr, 0, 1, &DestroyFromInsideTheLoop);
        EXPECT_EQ(0u, third.RunModal());
    }
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));

    // A hold of the thread's windows that ends inside the loop leaves the
    // owner to the dialog's hold.
    SkinWindow fourth(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, fourth.Create(owner.hwnd(), L"dialog", WS_POPUP, 0));
    {
        LoopBound bound;
        g_dialog = &fourth;
        g_ownerEnabledInLoop = true;
        SetTimer(nullptr, 0, 1, &HoldThreadWindowsInsideTheLoop);
        EXPECT_EQ(5u, fourth.RunModal());
    }
    EXPECT_FALSE(g_ownerEnabledInLoop);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
}

// A window closing while modal loops run inside its handlers ends them all
// cancelled, takes no new one while it lives, and hears its message once,
// after the outermost loop has returned.
TEST_F(Windows, LoopsEndedForAClosingWindowReturnCancelledAndTellItOnceAllHaveReturned)
{
    HostWindow owner(400, 300);
    SkinWindow outer(L"<Window size=\"200,100\"><Control/></Window>");
    SkinWindow inner(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, outer.Create(owner.hwnd(), L"outer", WS_POPUP, 0));
    ASSERT_NE(nullptr, inner.Create(outer.GetWindowHandle(), L"inner", WS_POPUP, 0));
    g_owner = owner.hwnd();
    g_inner = &inner;
    {
        LoopBound bound;
        SetTimer(nullptr, 0, 1, &RunTheInnerLoop);
        EXPECT_EQ(0u, outer.RunModal());
    }
    EXPECT_EQ(2, g_depthInInner);
    EXPECT_EQ(0u, g_innerResult);
    EXPECT_FALSE(g_toldBeforeTheOuterReturned);
    EXPECT_EQ(0, ModalLoopDepth());
    EXPECT_EQ(1, inner.destroyedCount);
    EXPECT_EQ(1, outer.destroyedCount);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    MSG told;
    EXPECT_TRUE(PeekMessageW(&told, owner.hwnd(), kClosingMessage, kClosingMessage, PM_REMOVE));
    EXPECT_FALSE(PeekMessageW(&told, owner.hwnd(), kClosingMessage, kClosingMessage, PM_REMOVE));

    SkinWindow late(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, late.Create(owner.hwnd(), L"late", WS_POPUP, 0));
    {
        LoopBound bound;
        EXPECT_EQ(0u, late.RunModal());
    }
    EXPECT_EQ(1, late.destroyedCount);
    EXPECT_TRUE(ModalLoopsEnded());
    DestroyWindow(owner.hwnd());
    EXPECT_FALSE(ModalLoopsEnded());

    // Ended from a message sent while the loop waits, it wakes at once.
    g_owner = CreateEndLoopsWindow();
    ASSERT_NE(nullptr, g_owner);
    SkinWindow waiting(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, waiting.Create(g_owner, L"waiting", WS_POPUP, 0));
    const ULONGLONG start = GetTickCount64();
    {
        LoopBound bound;
        SetTimer(nullptr, 0, 1, &SendEndLoopsFromAnotherThread);
        EXPECT_EQ(0u, waiting.RunModal());
    }
    EXPECT_LT(GetTickCount64() - start, 2000u);
    EXPECT_EQ(1, waiting.destroyedCount);
    EXPECT_TRUE(PeekMessageW(&told, g_owner, kClosingMessage, kClosingMessage, PM_REMOVE));
    DestroyWindow(g_owner);

    // Ended as the dialog's OK arrives, the loop returns cancelled all the same.
    g_owner = CreateEndLoopsWindow();
    SkinWindow confirmed(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, g_okDialog = confirmed.Create(g_owner, L"confirmed", WS_POPUP, 0));
    const HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &EndLoopsAsOkArrives, nullptr, GetCurrentThreadId());
    confirmed.Close(1);
    {
        LoopBound bound;
        EXPECT_EQ(0u, confirmed.RunModal());
    }
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(1, confirmed.destroyedCount);
    DestroyWindow(g_owner);
}

TEST_F(Windows, CloseButtonClickEndsTheModalLoopWithOne)
{
    SkinWindow dialog(L"<Window><VerticalLayout><CaptionButton name=\"closebtn\"/></VerticalLayout></Window>");
    ASSERT_NE(nullptr, dialog.Create(nullptr, L"dialog", WS_POPUP, 0));
    CWindowManagerUI& manager = dialog.GetManager();
    manager.SendNotification(manager.FindControlByName(L"closebtn"), L"click");
    LoopBound bound;
    EXPECT_EQ(1u, dialog.RunModal());
}

TEST_F(Windows, CentresOverItsOwnerOrOverTheWorkArea)
{
    HostWindow owner(400, 300);
    SetWindowPos(owner.hwnd(), nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SkinWindow owned(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, owned.Create(owner.hwnd(), L"owned", WS_POPUP, 0));
    owned.CenterWindow();
    RECT rect = WindowRect(owned.GetWindowHandle());
    EXPECT_EQ(200, rect.left);  // (100 + 500) / 2 - 100
    EXPECT_EQ(150, rect.top);   // (50 + 350) / 2 - 50

    // A minimised owner gives way to the work area, as no owner does.
    const RECT work = WorkAreaOf(owner.hwnd());
    const POINT centred = CenterRectOver(rect, work, work);
    ShowWindow(owner.hwnd(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(owner.hwnd()));
    owned.CenterWindow();
    rect = WindowRect(owned.GetWindowHandle());
    EXPECT_EQ(centred.x, rect.left);
    EXPECT_EQ(centred.y, rect.top);

    SkinWindow alone(L"<Window size=\"200,100\"><Control/></Window>");
    ASSERT_NE(nullptr, alone.Create(nullptr, L"alone", WS_POPUP, 0));
    alone.CenterWindow();
    EXPECT_EQ(centred.x, WindowRect(alone.GetWindowHandle()).left);
}

// An edit control of its own class that keeps the edit's behaviour.
class SuperclassedEdit : public CWindowWnd {
public:
    int textMessages = 0;
    HWND finalWindow = nullptr;

protected:
    const wchar_t* GetWindowClassName() const override { return L"SkinUITestEdit"; }
    const wchar_t* GetSuperClassName() const override { return L"EDIT"; }
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETTEXT)
            ++textMessages;
        return CWindowWnd::ProcessMessage(message, wParam, lParam);
    }
    void OnFinalMessage(HWND formerWindow) override { finalWindow = formerWindow; }
};

TEST_F(Windows, SuperclassRoutesThroughTheObjectToTheSourceClass)
{
    HostWindow parent;
    SuperclassedEdit edit;
    HWND hwnd = edit.Create(parent.hwnd(), L"", WS_CHILD, 0, 0, 0, 80, 20);
    ASSERT_NE(nullptr, hwnd);
    const int before = edit.textMessages;
    SetWindowTextW(hwnd, L"typed");
    EXPECT_EQ(before + 1, edit.textMessages);
    wchar_t text[16] = L"";
    GetWindowTextW(hwnd, text, 16);
    EXPECT_STREQ(L"typed", text);

    DestroyWindow(hwnd);
    EXPECT_EQ(hwnd, edit.finalWindow);
    EXPECT_EQ(nullptr, edit.GetWindowHandle());
}

// A window that refuses to be made in its WM_CREATE, as one does whose skin or
// display is missing.
class RefusedWindow : public CWindowWnd {
public:
    int finalMessages = 0;

protected:
    const wchar_t* GetWindowClassName() const override { return L"SkinUITestRefused"; }
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return message == WM_CREATE ? -1 : CWindowWnd::ProcessMessage(message, wParam, lParam);
    }
    void OnFinalMessage(HWND) override { ++finalMessages; }
};

// The object of a window that could not be made stays its creator's: a final
// message that deleted it would leave the creator a freed object.
TEST_F(Windows, AWindowRefusedAtItsCreationGetsNoFinalMessage)
{
    RefusedWindow refused;
    EXPECT_EQ(nullptr, refused.Create(nullptr, L"refused", WS_POPUP, 0));
    EXPECT_EQ(nullptr, refused.GetWindowHandle());
    EXPECT_EQ(0, refused.finalMessages);

    SuperclassedEdit edit;
    HostWindow parent;
    ASSERT_NE(nullptr, edit.Create(parent.hwnd(), L"", WS_CHILD, 0, 0, 0, 80, 20));
    DestroyWindow(edit.GetWindowHandle());
    EXPECT_NE(nullptr, edit.finalWindow);
}

}  // namespace
