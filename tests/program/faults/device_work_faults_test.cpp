// The program while device work runs, over controllers whose transfers cost a
// few milliseconds each (HIDSIM_LATENCY_MS, set for these cases): a Kelvo
// reset or read lasts seconds. What the user does meanwhile is neither lost
// nor kept waiting for it, and a close lets it end before the pages go.
#include "app/main/frame/main_frame.h"
#include "tests/program/faults/faults_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace program_test;

namespace {

constexpr size_t kQiroProfileByte = 164;  // the profile in the low nibble
constexpr int kKelvoReset = 1;            // the Kelvo page's reset command

// The transfers the Kelvo has seen so far.
size_t KelvoTransfers(const ProgramDriver& program) {
    const std::vector<std::string> trace = program.TraceLines();
    return static_cast<size_t>(std::count_if(trace.begin(), trace.end(), [](const std::string& line) {
        return line.find(" kelvo ") != std::string::npos;
    }));
}

// The Kelvo page's reset asked of the main window; true once it runs.
bool StartKelvoReset(const ProgramDriver& program) {
    program.Frame().GetManager().SendNotification(nullptr, L"WRITE_KelvoDATA", 0, kKelvoReset, true);
    return PumpUntil([&] { return program.Frame().IsProgressOpen(); }) &&
           PumpUntil([&] { return KelvoTransfers(program) > 0; });
}

}  // namespace

TEST(DeviceWorkFaults, QiroChoicesMadeDuringAKelvoResetNeitherWaitForItNorGetLost) {
    ProgramDriver program(L"qiro,kelvo");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Qiro")));
    ASSERT_TRUE(program.ClickAndWait(L"advanced_Settings_Qiro"));
    const std::vector<uint8_t> before = program.ControllerMemory("qiro");
    ASSERT_EQ(before.at(kQiroProfileByte) & 0x0F, 0);
    const int rate = ReportRateOption(before) % 4 + 1;

    ASSERT_TRUE(StartKelvoReset(program));
    ASSERT_TRUE(program.Window().Click(L"profile2_Qiro"));
    ASSERT_TRUE(program.Window().Click(L"advanced_Settings_Qiro"));
    ASSERT_TRUE(program.Window().Click(ReportRateName(rate, L"_Qiro").c_str(), 0.05));
    Settle(200);
    const size_t answered = KelvoTransfers(program);
    ASSERT_TRUE(program.WaitIdle(30000));
    EXPECT_GT(KelvoTransfers(program), answered + 100) << "the clicks were answered while the reset ran";

    // Each write sends the page's values when it runs: the profile write is
    // not replaced by the report rate's.
    const std::vector<uint8_t> after = program.ControllerMemory("qiro");
    EXPECT_EQ(after.at(kQiroProfileByte) & 0x0F, 1);
    EXPECT_EQ(ReportRateOption(after), rate);
    EXPECT_TRUE(IsWindowEnabled(program.Window().Handle()));
}

TEST(DeviceWorkFaults, ALanguageSwitchDuringAKelvoResetRelabelsThePageAtOnce) {
    ProgramDriver program(L"kelvo");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Kelvo")));
    const std::wstring english = program.Window().TextOf(L"profile_key_Kelvo_1");

    ASSERT_TRUE(StartKelvoReset(program));
    ASSERT_TRUE(program.Window().Click(L"language_2"));
    ASSERT_TRUE(PumpUntil([&] { return program.Window().TextOf(L"profile_key_Kelvo_1") != english; }));
    const size_t relabelled = KelvoTransfers(program);
    ASSERT_TRUE(program.WaitIdle(30000));
    EXPECT_GT(KelvoTransfers(program), relabelled + 100) << "the page was relabelled while the reset ran";
}

TEST(DeviceWorkFaults, AClosedProgramLetsItsKelvoReadEndBeforeThePagesGoAndEndsSoon) {
    ProgramDriver program(L"kelvo");
    ASSERT_TRUE(program.Open());
    ASSERT_TRUE(PumpUntil([&] { return KelvoTransfers(program) > 20; }, 10000));
    const ULONGLONG start = GetTickCount64();
    program.Close();
    const size_t closed = KelvoTransfers(program);
    EXPECT_LT(GetTickCount64() - start, 10000u) << "the rest of the read, and no more";
    Sleep(1500);
    EXPECT_EQ(KelvoTransfers(program), closed) << "a worker still read into the pages that went";
}
