// The program's main window in this process, as the program builds it: the
// real skin, the libraries of the simulated build beside the test, input as
// mouse messages at the controls' places.
#include "app/main/frame/main_frame.h"
#include "app/windows/read_progress.h"
#include "app/windows/warrning_message.h"
#include "tests/program/support/program_driver.h"
#include "tests/ui/support/control_walk.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/core/control.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>
#include <vector>

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

// Notes whether the owner was enabled when a window of the class got
// WM_DESTROY, while it lives (one at a time).
class DestroyWatch {
public:
    DestroyWatch(const wchar_t* className, HWND owner)
        : className_(className), owner_(owner),
          hook_(SetWindowsHookExW(WH_CALLWNDPROC, &DestroyWatch::Hook, nullptr, GetCurrentThreadId()))
    {
        active_ = this;
    }
    ~DestroyWatch()
    {
        UnhookWindowsHookEx(hook_);
        active_ = nullptr;
    }
    DestroyWatch(const DestroyWatch&) = delete;
    DestroyWatch& operator=(const DestroyWatch&) = delete;

    int destroyed = 0;
    bool ownerEnabled = false;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        wchar_t name[128] = {};
        if (code == HC_ACTION && active_ != nullptr && sent->message == WM_DESTROY &&
            GetClassNameW(sent->hwnd, name, 128) > 0 && active_->className_ == name) {
            ++active_->destroyed;
            active_->ownerEnabled = IsWindowEnabled(active_->owner_) != FALSE;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static DestroyWatch* active_;
    std::wstring className_;
    HWND owner_;
    HHOOK hook_;
};

DestroyWatch* DestroyWatch::active_ = nullptr;

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

// The faces of a window's body fonts (0 to 6), as one text.
std::wstring BodyFaces(SkinUI::CWindowManagerUI& manager)
{
    std::wstring faces;
    for (int id = 0; id <= 6; ++id)
        faces += std::wstring(manager.GetFontRecord(id)->faceName.GetData()) + L";";
    return faces + manager.GetDefaultFontRecord()->faceName.GetData();
}

TEST_F(Program, TheMessageBoxProgressWindowAndMenusSpeakInTheMainWindowsFace)
{
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    ASSERT_TRUE(program_.ShowPage(MousePage(L"Kelvo")));
    for (const wchar_t* language : {L"language_1", L"language_2", L"language_1"}) {
        ASSERT_TRUE(program_.ClickAndWait(language));
        ASSERT_TRUE(program_.ClickAndWait(L"advanced_Settings_Kelvo"));
        ASSERT_TRUE(program_.ClickAndWait(L"marco_manager_Kelvo"));
        const std::wstring expected = BodyFaces(frame_->GetManager());
        const std::string name(language, language + wcslen(language));

        std::wstring box;
        ModalScript script({[&] {
            const UiWindow shown = UiWindow::OfClass(L"MessageBox");
            if (!shown.IsOpen())
                return false;
            box = BodyFaces(*shown.Manager());
            shown.PressKey(VK_ESCAPE);
            return true;
        }});
        frame_->Services().messages->Show(frame_, L"%{081}");
        ASSERT_TRUE(script.Wait());
        EXPECT_EQ(box, expected) << "message box, " << name;

        ReadProgress* progress = OpenReadProgress(frame_);
        ASSERT_NE(progress, nullptr);
        const HWND shown = progress->GetWindowHandle();
        EXPECT_EQ(BodyFaces(progress->GetManager()), expected) << "progress window, " << name;
        PostMessageW(shown, ReadProgress::kCloseMessage, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return !IsWindow(shown); }));

        for (const wchar_t* list : {L"listex_Kelvo", L"listex1_Kelvo"}) {
            ASSERT_TRUE(program_.Window().RightClick(list));
            ASSERT_TRUE(PumpUntil([] { return UiWindow::OfClass(L"MenuWnd").IsOpen(); }));
            const UiWindow menu = UiWindow::OfClass(L"MenuWnd");
            EXPECT_EQ(BodyFaces(*menu.Manager()), expected) << "menu of " << std::string(list, list + wcslen(list)) << ", " << name;
            SendMessageW(menu.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
            ASSERT_TRUE(PumpUntil([] { return !UiWindow::OfClass(L"MenuWnd").IsOpen(); }));
        }
    }
}

// Alt+F4 on a dialog: the main window is enabled again before the dialog
// goes (else the system activates another program's window as it goes), is
// the active window afterwards, and the dialog ends as its cancel does.
TEST_F(Program, ADialogClosedWithAltF4HandsTheMainWindowBackBeforeItGoes)
{
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    ASSERT_TRUE(program_.ShowPage(MousePage(L"Qiro")));
    const UiWindow page = program_.Window();
    const std::vector<uint8_t> memory = program_.ControllerMemory("qiro");
    const std::wstring assignment = page.TextOf(L"profile1_key_Qiro_2");

    const auto closeWithAltF4 = [&](const wchar_t* dialog, const std::function<void()>& open) {
        const std::string name(dialog, dialog + wcslen(dialog));
        DestroyWatch watch(dialog, hwnd_);
        ModalScript script({[dialog] {
            const UiWindow shown = UiWindow::OfClass(dialog);
            return shown.IsOpen() && PostMessageW(shown.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }});
        open();
        EXPECT_TRUE(script.Wait()) << name;
        EXPECT_TRUE(PumpUntil([&] { return watch.destroyed == 1; })) << name;
        EXPECT_TRUE(watch.ownerEnabled) << name;
        EXPECT_EQ(GetActiveWindow(), hwnd_) << name;
    };
    closeWithAltF4(L"KeyEdit_Qiro", [&] { EXPECT_TRUE(page.Click(L"profile1_key_Qiro_2")); });
    ASSERT_TRUE(program_.WaitIdle());
    EXPECT_EQ(page.TextOf(L"profile1_key_Qiro_2"), assignment);

    ASSERT_TRUE(program_.ClickAndWait(L"advanced_Settings_Qiro"));
    const DWORD colour = page.Find(L"result_DPI1_color_Qiro")->GetBackgroundColor();
    closeWithAltF4(L"ColorPicker", [&] { EXPECT_TRUE(page.Click(L"result_DPI1_color_Qiro")); });
    ASSERT_TRUE(program_.WaitIdle());
    EXPECT_EQ(page.Find(L"result_DPI1_color_Qiro")->GetBackgroundColor(), colour);

    closeWithAltF4(L"MessageBox", [&] { EXPECT_FALSE(frame_->Services().messages->Show(frame_, L"%{081}")); });
    EXPECT_EQ(program_.ControllerMemory("qiro"), memory);
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
