// The simulated build of the program in a process of its own, closed or its
// session ended while one of its modal dialogs is open, a choice made in it:
// the program ends with status 0, the window gone before the session's end
// returns, and the controller's memory as it was before the dialog opened.
#include "app/main/frame/close_wait.h"
#include "tests/program/process/program_in_process.h"
#include "tests/ui/support/image_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

using namespace program_test;

namespace {

enum class Ending {
    PostedClose,      // taskkill without /f, an installer closing programs
    TaskbarClose,     // SC_CLOSE
    SentClose,        // handled inside the dialog's wait for messages
    SessionEnd,       // log-off: WM_QUERYENDSESSION, then WM_ENDSESSION
};

// A click on a control of the window of that class.
struct Click {
    const wchar_t* windowClass;
    const wchar_t* control;
    double xFraction;
};

constexpr wchar_t kMainWindow[] = L"Vastemor";

struct DialogRun {
    const wchar_t* device;  // the one controller, as its state file is named
    std::wstring pageRoot;
    std::vector<Click> path;  // the last click opens the dialog
    const wchar_t* dialogClass;
    // Made in the dialog before the end; no window class for none.
    Click choice;
};

constexpr DWORD kMessageWaitMs = 5000;

// Where the click hits, once its window is open and laid out.
bool PointOf(const Click& click, POINT* at)
{
    return PumpUntil([&] { return UiWindow::OfClass(click.windowClass).CentreOf(click.control, click.xFraction, at); });
}

// Where the path's clicks and the choice hit, in the test's own program:
// the dialog is opened there and closed again.
bool NoteClicks(const ProgramDriver& local, const DialogRun& run, std::vector<POINT>* path, POINT* choice)
{
    for (const Click& click : run.path) {
        path->emplace_back();
        if (!PointOf(click, &path->back()))
            return false;
        if (&click != &run.path.back() && !(UiWindow::OfClass(click.windowClass).Click(click.control) && local.WaitIdle()))
            return false;
    }
    if (run.choice.windowClass == nullptr)
        return true;
    ModalScript script({
        [&] { return UiWindow::OfClass(run.dialogClass).CentreOf(run.choice.control, run.choice.xFraction, choice); },
        [&] { return PostMessageW(UiWindow::OfClass(run.dialogClass).Handle(), WM_CLOSE, 0, 0) != FALSE; },
    });
    const Click& opener = run.path.back();
    return UiWindow::OfClass(opener.windowClass).Click(opener.control) && script.Wait() && local.WaitIdle();
}

void End(HWND window, Ending ending)
{
    switch (ending) {
    case Ending::PostedClose:
        PostMessageW(window, WM_CLOSE, 0, 0);
        break;
    case Ending::TaskbarClose:
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Ending::SentClose:
        SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_BLOCK, kMessageWaitMs, nullptr);
        break;
    case Ending::SessionEnd: {
        DWORD_PTR mayEnd = 0;
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK,
                                        kMessageWaitMs, &mayEnd));
        EXPECT_TRUE(mayEnd);
        SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, kCloseWaitMs, nullptr);
        EXPECT_FALSE(IsWindow(window)) << "the window outlived the session's end";
        break;
    }
    }
}

void EndDuringTheDialog(const DialogRun& run, Ending ending)
{
    ProgramDriver local(run.device);
    ASSERT_TRUE(local.Start());
    PageChoice page;
    ASSERT_TRUE(ChoosePageNoting(local, run.pageRoot, &page));
    std::vector<POINT> path;
    POINT choice = {};
    ASSERT_TRUE(NoteClicks(local, run, &path, &choice));

    const std::wstring folder = local.StateFolder() + L"\\process";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    // The controller starts as the one here holds it.
    const std::wstring stateFile = folder + L"\\" + run.device + L".bin";
    const std::string family(run.device, run.device + wcslen(run.device));
    const std::vector<uint8_t> before = local.ControllerMemory(family.c_str());
    ASSERT_FALSE(before.empty());
    ASSERT_TRUE(SkinUI::test::WriteBytes(stateFile, before));
    ProgramProcess program(SimulatedProgram(), BuildFolder() + L"bin-sim", SimulatedEnvironment(run.device, folder));
    const HWND window = WaitForStartedWindow(program);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ChoosePageIn(program, window, page));
    for (size_t n = 0; n < path.size(); ++n) {
        const HWND target = program.WaitForWindow(run.path[n].windowClass, 15000);
        ASSERT_NE(target, nullptr);
        PostClick(target, path[n]);
        Settle(100);
        if (n + 1 < path.size()) {
            ASSERT_TRUE(program.WaitWhileWindowsOfClassShow(L"ReadProgress", 200, 15000));
        }
    }
    const HWND dialog = program.WaitForWindow(run.dialogClass, 15000);
    ASSERT_NE(dialog, nullptr);
    if (run.choice.windowClass != nullptr)
        PostClick(dialog, choice);
    Settle(300);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    EXPECT_TRUE(SaveScreenCapture(dialog, L"program_dialog_close_" + std::wstring(test->name(), test->name() + strlen(test->name()))));
    End(window, ending);
    DWORD exitCode = 99;
    ASSERT_TRUE(program.WaitForExit(kCloseWaitMs, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(FileBytes(stateFile), before);
}

const DialogRun kQiroKeyAssignment = {L"qiro", MousePage(L"Qiro"), {{kMainWindow, L"profile1_key_Qiro_2", 0.5}},
                                      L"KeyEdit_Qiro", {L"KeyEdit_Qiro", L"multimedia_setting_Qiro", 0.05}};
const DialogRun kQiroColourPicker = {
    L"qiro", MousePage(L"Qiro"),
    {{kMainWindow, L"advanced_Settings_Qiro", 0.5}, {kMainWindow, L"result_DPI1_color_Qiro", 0.5}},
    L"ColorPicker", {L"ColorPicker", L"color_rainbow_control", 0.3}};

}  // namespace

TEST(DialogClose, QiroKeyAssignment)
{
    EndDuringTheDialog(kQiroKeyAssignment, Ending::PostedClose);
}

TEST(DialogClose, QiroColourPicker)
{
    EndDuringTheDialog(kQiroColourPicker, Ending::PostedClose);
}

TEST(DialogClose, QiroExportFileDialog)
{
    EndDuringTheDialog({L"qiro", MousePage(L"Qiro"), {{kMainWindow, L"save_data_Qiro", 0.5}}, L"#32770", {}},
                       Ending::PostedClose);
}

TEST(DialogClose, KelvoKeyAssignment)
{
    EndDuringTheDialog({L"kelvo", MousePage(L"Kelvo"), {{kMainWindow, L"profile_key_Kelvo_2", 0.5}}, L"KeyEdit_Kelvo",
                        {L"KeyEdit_Kelvo", L"multimedia_setting_Kelvo", 0.05}},
                       Ending::TaskbarClose);
}

TEST(DialogClose, KeyboardKey)
{
    EndDuringTheDialog({L"wenk", L"device_keyboard_page", {{kMainWindow, L"KB_3C", 0.5}}, L"KeyEdit",
                        {L"KeyEdit", L"key_setting", 0.05}},
                       Ending::SentClose);
}

// The name dialog of the keyboard's macro window, which the main window owns.
TEST(DialogClose, KeyboardMacroName)
{
    EndDuringTheDialog({L"wenk", L"device_keyboard_page",
                        {{kMainWindow, L"marco_manager", 0.5}, {L"MarcoManagerPage", L"AddMarcoButton", 0.5}},
                        L"MarcoEdit", {}},
                       Ending::PostedClose);
}

TEST(DialogClose, SessionEndDuringQiroKeyAssignment)
{
    EndDuringTheDialog(kQiroKeyAssignment, Ending::SessionEnd);
}

TEST(DialogClose, SessionEndDuringQiroColourPicker)
{
    EndDuringTheDialog(kQiroColourPicker, Ending::SessionEnd);
}
