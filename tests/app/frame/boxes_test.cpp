// The progress window and the message box: where they open, how they close
// and what the message box answers.
#include "app/windows/read_progress.h"
#include "app/windows/warrning_message.h"
#include "tests/app/frame/test_skin.h"
#include "ui/core/control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// An owner window for the boxes: a plain framework-less popup.
class Owner : public SkinUI::CWindowWnd {
public:
    Owner() { Create(nullptr, L"owner", WS_POPUP | WS_VISIBLE, 0, 100, 80, 900, 600); }
    ~Owner() override
    {
        if (GetWindowHandle() != nullptr)
            DestroyWindow(GetWindowHandle());
    }

protected:
    const wchar_t* GetWindowClassName() const override { return L"FrameTestOwner"; }
};

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Dispatches messages until the window is gone or `ms` passed.
void Pump(HWND window, DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    while (IsWindow(window) && GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(1);
    }
}

// What the running box does once it is up, from inside its modal loop.
std::function<void(WarrningMessage*, HWND)> g_action;
WarrningMessage* g_box = nullptr;
std::wstring g_label;
RECT g_boxRect = {};

void CALLBACK ActOnTheBox(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND box = FindWindowW(L"MessageBox", nullptr);
    if (box == nullptr || !IsWindowVisible(box))
        return;
    KillTimer(nullptr, id);
    g_boxRect = WindowRect(box);
    if (SkinUI::CControlUI* label = g_box->GetManager().FindControlByName(L"label_display"))
        g_label = label->GetText().GetData();
    g_action(g_box, box);
}

void Click(WarrningMessage* box, HWND window, const wchar_t* name)
{
    SkinUI::CControlUI* control = box->GetManager().FindControlByName(name);
    ASSERT_NE(control, nullptr) << name;
    const RECT& r = control->GetPosition();
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(window, WM_MOUSEMOVE, 0, point);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(window, WM_LBUTTONUP, 0, point);
}

bool RunBox(Owner& owner, const wchar_t* text, std::function<void(WarrningMessage*, HWND)> action)
{
    g_action = std::move(action);
    g_label.clear();
    g_box = new WarrningMessage(&owner, text);
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &ActOnTheBox);
    const bool result = g_box->RunDialog();
    KillTimer(nullptr, timer);
    return result;
}

class Boxes : public testing::Test {
protected:
    frame_test::TestSkin skin;
    Owner owner;
};

TEST_F(Boxes, OnlyOkAnswersTrue)
{
    EXPECT_TRUE(RunBox(owner, L"%{083}", [](WarrningMessage* box, HWND w) { Click(box, w, L"btn_ok"); }));
    EXPECT_EQ(g_label, L"%{083}");  // no text 83 loaded: shown as it stands
    EXPECT_EQ(FindWindowW(L"MessageBox", nullptr), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.GetWindowHandle()));

    EXPECT_FALSE(RunBox(owner, L"a", [](WarrningMessage* box, HWND w) { Click(box, w, L"btn_cancel"); }));
    EXPECT_FALSE(RunBox(owner, L"b", [](WarrningMessage* box, HWND w) { Click(box, w, L"btn_colse"); }));
    EXPECT_FALSE(RunBox(owner, L"c", [](WarrningMessage*, HWND w) {
        PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0);
    }));
    EXPECT_FALSE(RunBox(owner, L"d", [](WarrningMessage*, HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }));
}

TEST_F(Boxes, OtherControlsOfTheBoxDoNothing)
{
    EXPECT_TRUE(RunBox(owner, L"x", [](WarrningMessage* box, HWND w) {
        Click(box, w, L"other");
        Click(box, w, L"label_display");
        EXPECT_TRUE(IsWindow(w));
        Click(box, w, L"btn_ok");
    }));
}

TEST_F(Boxes, TheBoxOpensCentredOnItsOwnerAtItsLayoutSize)
{
    RunBox(owner, L"x", [](WarrningMessage* box, HWND w) { Click(box, w, L"btn_ok"); });
    EXPECT_EQ(g_boxRect.right - g_boxRect.left, 400);
    EXPECT_EQ(g_boxRect.bottom - g_boxRect.top, 200);
    EXPECT_EQ(g_boxRect.left, 100 + (900 - 400) / 2);
    EXPECT_EQ(g_boxRect.top, 80 + (600 - 200) / 2);
}

TEST_F(Boxes, TheProgressWindowOpensCentredAndClosesOn1002AloneWhoeverKeepsIt)
{
    ReadProgress* progress = OpenReadProgress(&owner);
    ASSERT_NE(progress, nullptr);
    const HWND window = progress->GetWindowHandle();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner.GetWindowHandle());
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const RECT r = WindowRect(window);
    EXPECT_EQ(r.right - r.left, 544);
    EXPECT_EQ(r.bottom - r.top, 394);
    EXPECT_EQ(r.left, 100 + (900 - 544) / 2);
    EXPECT_EQ(r.top, 80 + (600 - 394) / 2);

    // Alt+F4: the work it stands for goes on, and so does the window.
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump(window, 200);
    EXPECT_TRUE(IsWindow(window));

    PostMessageW(window, ReadProgress::kCloseMessage, 0, 100);
    Pump(window, 3000);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
