// The program's main window in this process, as the program builds it: the
// real skin, the libraries of the simulated build beside the test, input as
// mouse messages at the controls' places.
#include "app/main/frame/main_frame.h"
#include "app/windows/warrning_message.h"
#include "tests/program/support/program_driver.h"
#include "tests/ui/support/control_walk.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/core/control.h"

#include <gtest/gtest.h>

#include <string>

using namespace program_test;

namespace {

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

class Program : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program_.Open());
        frame_ = &program_.Frame();
        hwnd_ = program_.Window().Handle();
        frame_->GetManager().AddNotifyReceiver(&received_);
    }
    void TearDown() override
    {
        if (program_.IsOpen())
            frame_->GetManager().RemoveNotifyReceiver(&received_);
    }
    bool Idle() { return !frame_->IsProgressOpen() && ProgressOf(hwnd_) == nullptr; }

    ProgramDriver program_{L"qiro,kelvo,wenk"};
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

    ASSERT_TRUE(program_.Window().Click(L"language_2"));
    ASSERT_TRUE(PumpUntil([&] { return received_.Count(L"Change_Language_Profile") == 1; }));
    EXPECT_NE(std::wstring(SkinUI::CWindowManagerUI::GetLanguageText(301)), english);
    const std::wstring chineseFace = manager.GetFontRecord(chineseItemFont)->faceName.GetData();
    EXPECT_EQ(manager.GetFontRecord(0)->faceName.GetData(), chineseFace);
    EXPECT_EQ(manager.GetFontRecord(2)->faceName.GetData(), chineseFace);
    EXPECT_EQ(manager.GetFontRecord(englishItemFont)->faceName, L"Segoe UI");
    EXPECT_EQ(Title(hwnd_), L"Vastemor");

    ASSERT_TRUE(program_.Window().Click(L"language_1"));
    ASSERT_TRUE(PumpUntil([&] { return received_.Count(L"Change_Language_Profile") == 2; }));
    EXPECT_EQ(std::wstring(SkinUI::CWindowManagerUI::GetLanguageText(301)), english);
    EXPECT_EQ(manager.GetFontRecord(0)->faceName, L"Segoe UI");
    EXPECT_EQ(manager.GetFontRecord(chineseItemFont)->faceName.GetData(), chineseFace);
}

TEST_F(Program, TheMessageBoxShowsItsTextOverTheMainWindow)
{
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    bool checked = false;
    ModalScript script({
        [&] { return UiWindow::OfClass(L"MessageBox").IsOpen(); },
        [&] {
            const UiWindow box = UiWindow::OfClass(L"MessageBox");
            UpdateWindow(box.Handle());
            EXPECT_TRUE(SkinUI::test::LooksFinished(*box.Manager(), L"message box"));
            checked = true;
            box.PressKey(VK_ESCAPE);
            return true;
        },
    });
    EXPECT_FALSE(frame_->Services().messages->Show(frame_, L"%{081}"));
    EXPECT_TRUE(script.Wait());
    EXPECT_TRUE(checked);
}

TEST_F(Program, TheCloseButtonEndsTheProgramPromptly)
{
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    frame_->GetManager().RemoveNotifyReceiver(&received_);
    TakeQuitSeen();
    const ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(program_.Window().Click(L"closebtn"));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(hwnd_); }));
    EXPECT_LT(GetTickCount64() - start, 2000u);
    EXPECT_EQ(AppRunning.load(), 0);
    MSG quit;
    EXPECT_TRUE(TakeQuitSeen() || PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
