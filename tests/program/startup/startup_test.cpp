// The simulated build of the program, started as a user starts it: its main
// window appears, the start-up read reaches every present controller that has
// a page, and WM_CLOSE ends the process.
#include "tests/program/support/program_process.h"
#include "tests/ui/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using program_test::ProgramProcess;

namespace {

// The simulated controllers plugged in, and of them the families whose page
// the program has (they are read at start); the others see no transfer.
const char* const kPluggedIn[] = {"qiro", "kelvo", "wenk"};
const std::set<std::string> kFamiliesWithPages = {"wenk", "kelvo", "qiro"};

std::string FamilyOf(const std::string& line)
{
    std::istringstream words(line);
    std::string kind, family;
    words >> kind >> family;
    return family;
}

TEST(ProgramStartUp, ShowsTheMainWindowReadsTheControllersAndClosesOnRequest)
{
    SkinUI::test::ScratchDir scratch(L"program_startup");
    const std::wstring trace = scratch.Sub(L"trace.txt");
    ProgramProcess program(program_test::SimulatedProgram(), scratch.path(),
                           {{L"HIDSIM_DEVICES", L"qiro,kelvo,wenk"},
                            {L"HIDSIM_TRACE", trace},
                            {L"TMP", scratch.path()},
                            {L"TEMP", scratch.path()}});
    ASSERT_TRUE(program.Started());

    const HWND window = program.WaitForWindow(L"Vastemor", 30000);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 1310);
    EXPECT_EQ(rect.bottom - rect.top, 749);

    // The start-up read ends with its progress window, which opens just after
    // the main window shows: none for half a second means it has come and gone.
    EXPECT_TRUE(program.WaitWhileWindowsOfClassShow(L"ReadProgress", 500, 20000));
    Sleep(300);
    EXPECT_TRUE(program_test::SaveScreenCapture(window, L"program_main_window"));

    // The macro folder is made in the user's temporary folder.
    EXPECT_NE(GetFileAttributesW(scratch.Sub(L"Korvane_MacroBin").c_str()), INVALID_FILE_ATTRIBUTES);

    std::set<std::string> read;
    for (const std::string& line : program_test::FileLines(trace))
        read.insert(FamilyOf(line));
    for (const char* family : kPluggedIn)
        EXPECT_EQ(read.count(family), kFamiliesWithPages.count(family)) << family;

    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(program.WaitForExit(5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
