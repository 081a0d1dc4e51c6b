// The program's main window in this process, as the program builds it: the
// real skin, the libraries of the simulated build beside the test, input as
// mouse messages at the controls' places. Screenshots of each window go to
// the build's screenshots folder.
#include "app/main/frame/main_frame.h"
#include "app/main/windows/warrning_message.h"
#include "tests/ui/support/mem_canvas.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// This test runs in a folder below the test folder.
std::wstring ScreenshotPath(const std::wstring& name)
{
    wchar_t path[MAX_PATH];
    std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    for (int level = 0; level < 3; ++level)
        folder.erase(folder.find_last_of(L'\\'));
    folder += L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\" + name + L".png";
}

bool Screenshot(HWND window, const std::wstring& name)
{
    RECT client;
    GetClientRect(window, &client);
    SkinUI::test::MemCanvas canvas(client.right, client.bottom);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    return canvas.SavePng(ScreenshotPath(name));
}

// Set when the pump meets a WM_QUIT.
bool g_quitSeen = false;

bool PumpUntil(const std::function<bool()>& done, DWORD ms = 5000)
{
    const ULONGLONG end = GetTickCount64() + ms;
    while (!done()) {
        if (GetTickCount64() > end)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                g_quitSeen = true;
                continue;
            }
            if (!SkinUI::CWindowManagerUI::PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        Sleep(1);
    }
    return true;
}

void Settle(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

// A left click at the centre of the named control, as the mouse gives it.
void ClickControl(SkinUI::WindowImplBase& window, const wchar_t* name)
{
    SkinUI::CControlUI* control = window.GetManager().FindControlByName(name);
    ASSERT_NE(control, nullptr) << name;
    const RECT& r = control->GetPosition();
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const HWND hwnd = window.GetWindowHandle();
    PostMessageW(hwnd, WM_MOUSEMOVE, 0, point);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, point);
}

HWND ProgressOf(HWND owner)
{
    const HWND progress = FindWindowW(L"ReadProgress", nullptr);
    return progress != nullptr && GetWindow(progress, GW_OWNER) == owner ? progress : nullptr;
}

std::wstring Title(HWND window)
{
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

// From inside the message box's modal loop: a screenshot, then Escape.
bool g_boxShot = false;
int g_boxTicks = 0;
void CALLBACK ShootAndEscape(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND box = FindWindowW(L"MessageBox", nullptr);
    if (box == nullptr || !IsWindowVisible(box) || ++g_boxTicks < 4)
        return;
    KillTimer(nullptr, id);
    g_boxShot = Screenshot(box, L"message_box");
    PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
}

class Program : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        using SkinUI::CWindowManagerUI;
        CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        CWindowManagerUI::SetResourceFolder(CWindowManagerUI::GetInstanceFolder() + L"res\\Skin\\");
        SkinUI::RegisterStandardControls();
    }
    void SetUp() override
    {
        AppRunning = 1;
        frame_ = new MainFrame();
        hwnd_ = frame_->Create(nullptr, L"Vastemor", 0x10CF0000, 0x60000, 0, 0, 1310, 749);
        ASSERT_NE(hwnd_, nullptr);
        frame_->GetManager().AddNotifyReceiver(&received_);
    }
    void TearDown() override
    {
        if (IsWindow(hwnd_)) {
            frame_->GetManager().RemoveNotifyReceiver(&received_);
            DestroyWindow(hwnd_);
        }
        AppRunning = 1;
    }
    bool Idle() { return !frame_->IsProgressOpen() && ProgressOf(hwnd_) == nullptr; }

    SkinUI::test::RecordingReceiver received_;
    MainFrame* frame_ = nullptr;
    HWND hwnd_ = nullptr;
};

TEST_F(Program, StartsWithTheReadBehindTheProgressWindowThatClosesWhenItEnds)
{
    const HWND progress = ProgressOf(hwnd_);
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(IsWindowVisible(progress));
    EXPECT_EQ(Title(hwnd_), L"Vastemor");
    RECT main, box;
    GetWindowRect(hwnd_, &main);
    GetWindowRect(progress, &box);
    EXPECT_EQ(box.left, main.left + (1310 - 544) / 2);
    EXPECT_EQ(box.top, main.top + (749 - 394) / 2);

    ASSERT_TRUE(PumpUntil([&] { return Idle() && received_.Count(L"Update_Profile") == 1; }));
    Settle(200);
    EXPECT_TRUE(Screenshot(hwnd_, L"main_window_english"));

    // The start-up read is over before its window is drawn: one more, to look at.
    ReadProgress* another = OpenReadProgress(frame_);
    ASSERT_NE(another, nullptr);
    const HWND shown = another->GetWindowHandle();
    Settle(300);
    EXPECT_TRUE(Screenshot(shown, L"progress_window"));
    PostMessageW(shown, ReadProgress::kCloseMessage, 0, 100);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(shown); }));
}

TEST_F(Program, ADeviceChangeRunsBehindAProgressWindowOfItsOwn)
{
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    SendMessageW(hwnd_, WM_DEVICECHANGE, 7, 0);
    EXPECT_TRUE(frame_->IsProgressOpen());
    EXPECT_NE(ProgressOf(hwnd_), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return Idle() && received_.Count(L"Update_Profile") == 2; }));
}

TEST_F(Program, TheLanguageMenuSwitchesTextsAndFontsButNotTheTitle)
{
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    SkinUI::CWindowManagerUI& manager = frame_->GetManager();
    const std::wstring english = SkinUI::CWindowManagerUI::GetLanguageText(301);
    const int chineseItemFont = 8, englishItemFont = 7;

    ClickControl(*frame_, L"language_2");
    ASSERT_TRUE(PumpUntil([&] { return received_.Count(L"Change_Language_Profile") == 1; }));
    EXPECT_NE(std::wstring(SkinUI::CWindowManagerUI::GetLanguageText(301)), english);
    const std::wstring chineseFace = manager.GetFontRecord(chineseItemFont)->faceName.GetData();
    EXPECT_EQ(manager.GetFontRecord(0)->faceName.GetData(), chineseFace);
    EXPECT_EQ(manager.GetFontRecord(2)->faceName.GetData(), chineseFace);
    EXPECT_EQ(manager.GetFontRecord(englishItemFont)->faceName, L"Segoe UI");
    EXPECT_EQ(Title(hwnd_), L"Vastemor");
    Settle(200);
    EXPECT_TRUE(Screenshot(hwnd_, L"main_window_chinese"));

    ClickControl(*frame_, L"language_1");
    ASSERT_TRUE(PumpUntil([&] { return received_.Count(L"Change_Language_Profile") == 2; }));
    EXPECT_EQ(std::wstring(SkinUI::CWindowManagerUI::GetLanguageText(301)), english);
    EXPECT_EQ(manager.GetFontRecord(0)->faceName, L"Segoe UI");
    EXPECT_EQ(manager.GetFontRecord(chineseItemFont)->faceName.GetData(), chineseFace);
}

TEST_F(Program, TheMessageBoxShowsItsTextOverTheMainWindow)
{
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    g_boxShot = false;
    g_boxTicks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &ShootAndEscape);
    EXPECT_FALSE(frame_->Services().messages->Show(frame_, L"%{081}"));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_boxShot);
}

TEST_F(Program, TheCloseButtonEndsTheProgramPromptly)
{
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    frame_->GetManager().RemoveNotifyReceiver(&received_);
    g_quitSeen = false;
    const ULONGLONG start = GetTickCount64();
    ClickControl(*frame_, L"closebtn");
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(hwnd_); }));
    EXPECT_LT(GetTickCount64() - start, 2000u);
    EXPECT_EQ(AppRunning.load(), 0);
    MSG quit;
    EXPECT_TRUE(g_quitSeen || PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
