// The simulated build of the program started as a user starts it, over one
// simulated controller whose transfers cost 1 ms each: the start-up read
// reaches the controller and changes nothing, and clicks posted where the
// same program in this process shows its controls leave the controller's
// saved memory as those clicks leave the memory of this process's controller.
#include "tests/program/process/program_in_process.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

using namespace program_test;

namespace {

struct Click {
    const wchar_t* control;
    double xFraction;
};

struct Run {
    const wchar_t* devices;  // one controller
    std::wstring state;      // the name of its saved memory ("kelvo-driver")
    std::wstring pageRoot;
    std::vector<Click> clicks;
    // How a transfer that changes the controller starts in the trace.
    std::string change;
};

size_t LinesStartingWith(const std::vector<std::string>& trace, const std::string& start) {
    size_t count = 0;
    for (const std::string& line : trace) count += line.compare(0, start.size(), start) == 0 ? 1 : 0;
    return count;
}

void RunInItsOwnProcess(const Run& run) {
    // Here first, noting where each click hits: another program's window in
    // front would close a drop-down list here.
    ProgramDriver local(run.devices);
    ASSERT_TRUE(local.Start());
    const std::vector<uint8_t> started = local.SavedMemory(run.state);
    PageChoice page;
    ASSERT_TRUE(ChoosePageNoting(local, run.pageRoot, &page));
    std::vector<POINT> clicks;
    for (const Click& click : run.clicks) {
        clicks.emplace_back();
        ASSERT_TRUE(local.Window().CentreOf(click.control, click.xFraction, &clicks.back()));
        ASSERT_TRUE(local.ClickAndWait(click.control, click.xFraction));
    }

    const std::wstring folder = local.StateFolder() + L"\\process";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring trace = folder + L"\\trace.txt";
    const std::wstring stateFile = folder + L"\\" + run.state + L".bin";
    // The memory as this process's controller holds it (the driver library
    // keeps its own in its state file).
    std::vector<uint8_t> expected = local.ControllerMemory(std::string(run.state.begin(), run.state.end()).c_str());
    if (expected.empty()) expected = local.SavedMemory(run.state);
    ASSERT_FALSE(expected.empty());
    auto environment = SimulatedEnvironment(run.devices, folder, trace);
    environment.push_back({L"HIDSIM_LATENCY_MS", L"1"});
    ProgramProcess program(SimulatedProgram(), BuildFolder() + L"bin-sim", environment);
    const HWND window = WaitForStartedWindow(program);
    ASSERT_NE(window, nullptr);

    // The start-up read reached the controller and changed nothing.
    const std::string family(run.devices, run.devices + wcslen(run.devices));
    const std::vector<std::string> read = FileLines(trace);
    EXPECT_GT(LinesStartingWith(read, "GET " + family), 0u);
    EXPECT_EQ(LinesStartingWith(read, run.change), 0u);
    EXPECT_EQ(FileBytes(stateFile), started);

    ASSERT_TRUE(ChoosePageIn(program, window, page));
    // The window takes no input while an earlier click's device work runs:
    // each click waits for the progress window of the one before.
    for (const POINT& at : clicks) {
        PostClick(window, at);
        Settle(100);
        ASSERT_TRUE(program.WaitWhileWindowsOfClassShow(L"ReadProgress", 200, 15000));
    }
    const bool changed = PumpUntil(
        [&] { return LinesStartingWith(FileLines(trace), run.change) > 0 || FileBytes(stateFile) == expected; },
        15000);
    if (!changed) SaveScreenCapture(window, L"program_process_" + run.state + L"_stalled");
    ASSERT_TRUE(changed) << FileLines(trace).size() << " transfers in the trace; the window as it stalled: "
                         << "program_process_" << std::string(run.state.begin(), run.state.end()) << "_stalled.png";
    ASSERT_TRUE(program.WaitWhileWindowsOfClassShow(L"ReadProgress", 300, 15000));
    EXPECT_TRUE(SaveScreenCapture(window, L"program_process_" + run.state));

    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(program.WaitForExit(5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    // A program ending is no power cycle: the next one finds the controller
    // as this one left it, whether it committed the change or not.
    EXPECT_EQ(FileBytes(stateFile), expected);
}

}  // namespace

TEST(ProcessRun, Qiro) {
    RunInItsOwnProcess({L"qiro", L"qiro", MousePage(L"Qiro"),
                        {{L"advanced_Settings_Qiro", 0.5}, {L"result_report_rate2_Qiro", 0.05}},
                        "SET qiro 40 05"});
}

TEST(ProcessRun, Dolv) {
    RunInItsOwnProcess({L"dolv", L"dolv", MousePage(L"Dolv"),
                        {{L"advanced_Settings_Dolv", 0.5}, {L"result_report_rate2_Dolv", 0.05}},
                        "SET dolv 40 05"});
}

TEST(ProcessRun, Mesk) {
    RunInItsOwnProcess({L"mesk", L"mesk", MousePage(L"Mesk"),
                        {{L"led_Settings_Mesk", 0.5}, {L"result_LED_mode_Random_Mesk", 0.05}},
                        "SET mesk 40 05"});
}

TEST(ProcessRun, Keyboard) {
    RunInItsOwnProcess({L"wenk", L"wenk", L"device_keyboard_page",
                        {{L"led_sync", 0.05}, {L"write_data_Wenk", 0.5}},
                        "SET wenk 08 06"});
}

TEST(ProcessRun, Kelvo) {
    RunInItsOwnProcess({L"kelvo", L"kelvo", MousePage(L"Kelvo"),
                        {{L"led_Settings_Kelvo", 0.5}, {L"result_LED_mode_random_sport_Kelvo", 0.05},
                         {L"write_data_Kelvo", 0.5}},
                        "SET kelvo 04 06"});
}

// The driver library keeps its mouse's memory itself: the trace holds the
// Kelvo page's transfers only.
TEST(ProcessRun, KelvoDriver) {
    RunInItsOwnProcess({L"kelvo", L"kelvo-driver", MousePage(L"Kelvo_Driver"),
                        {{L"led_Settings_Kelvo_Driver", 0.5}, {L"result_LED_mode_random_sport_Kelvo_Driver", 0.05},
                         {L"write_data_Kelvo_Driver", 0.5}},
                        "SET kelvo 04 06"});
}
