// The program while device work runs, over controllers whose transfers cost a
// few milliseconds each (HIDSIM_LATENCY_MS, set for these cases): a Kelvo
// reset or read lasts seconds. What reaches the pages meanwhile is neither
// lost nor kept waiting for it, the program's other windows take no input,
// and a close lets the page operation under way end before the pages go,
// starting no other.
#include "app/main/frame/main_frame.h"
#include "tests/program/faults/faults_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace program_test;

namespace {

constexpr size_t kQiroProfileByte = 164;  // the profile in the low nibble
constexpr int kKelvoReset = 1;            // the Kelvo page's reset command
// A Kelvo read: the window of memory it reads is opened.
const char kKelvoReadWindow[] = "SET kelvo 04 04";
const char kQiroRead[] = "SET qiro 40 09";  // a read of the Qiro's memory

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

// A click sent to the main window's control even while the window takes no
// input.
bool ClickRegardless(const ProgramDriver& program, const wchar_t* name, double xFraction = 0.5) {
    SkinUI::CControlUI* control = program.Window().Find(name);
    if (control == nullptr || !control->IsVisible()) return false;
    const RECT r = control->GetPosition();
    program.Window().ClickAt({r.left + static_cast<LONG>((r.right - r.left) * xFraction), (r.top + r.bottom) / 2});
    return true;
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

    // No user can click the window while it takes no input: these clicks
    // stand for the requests that reach the pages meanwhile all the same.
    ASSERT_TRUE(StartKelvoReset(program));
    ASSERT_FALSE(program.Window().Click(L"profile2_Qiro"));
    ASSERT_TRUE(ClickRegardless(program, L"profile2_Qiro"));
    ASSERT_TRUE(ClickRegardless(program, L"advanced_Settings_Qiro"));
    ASSERT_TRUE(ClickRegardless(program, ReportRateName(rate, L"_Qiro").c_str(), 0.05));
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

TEST(DeviceWorkFaults, TheKeyboardsMacroWindowTakesNoInputWhileAKelvoResetRuns) {
    ProgramDriver program(L"kelvo,wenk");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(L"device_keyboard_page"));
    ASSERT_TRUE(program.Window().Click(L"marco_manager"));
    ASSERT_TRUE(PumpUntil([] { return UiWindow::OfClass(L"MarcoManagerPage").IsOpen(); }));
    const HWND macros = UiWindow::OfClass(L"MarcoManagerPage").Handle();

    // Its macro changes would wait for the keyboard's lock behind the reset.
    ASSERT_TRUE(StartKelvoReset(program));
    EXPECT_FALSE(IsWindowEnabled(macros));
    ASSERT_TRUE(program.WaitIdle(30000));
    EXPECT_TRUE(IsWindowEnabled(macros));
}

// Stands for a platform that takes seconds to take a shown window down
// (Wine on a display without a window manager): the main window's WM_DESTROY
// waits until the Kelvo has been quiet for a moment.
class SlowWindowTakedown {
public:
    SlowWindowTakedown(const ProgramDriver& program)
        : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &OnMessage, nullptr, GetCurrentThreadId())) {
        program_ = &program;
    }
    ~SlowWindowTakedown() { UnhookWindowsHookEx(hook_); }
    SlowWindowTakedown(const SlowWindowTakedown&) = delete;
    SlowWindowTakedown& operator=(const SlowWindowTakedown&) = delete;

private:
    static LRESULT CALLBACK OnMessage(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_DESTROY && message->hwnd == program_->Window().Handle()) {
            size_t seen = KelvoTransfers(*program_);
            const ULONGLONG end = GetTickCount64() + 20000;
            do {
                Sleep(700);
            } while (std::exchange(seen, KelvoTransfers(*program_)) != seen && GetTickCount64() < end);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static const ProgramDriver* program_;
    HHOOK hook_;
};

const ProgramDriver* SlowWindowTakedown::program_ = nullptr;

// Closes the program during Kelvo work as the taskbar does: from that moment
// no page is read or written but for the rest of the page operation under
// way, which the close waits for, however long the window takes to go (the
// close opens the mice once more, which ends their change polls).
void CloseDuringKelvoWork(ProgramDriver& program, const char* work) {
    const size_t closing = program.TraceLines().size();
    const ULONGLONG start = GetTickCount64();
    {
        const SlowWindowTakedown slow(program);
        program.Close();
    }
    const size_t kelvo = KelvoTransfers(program);
    EXPECT_LT(GetTickCount64() - start, 15000u) << work;
    Sleep(1500);
    EXPECT_EQ(KelvoTransfers(program), kelvo) << work << ": a worker still used the pages that went";
    EXPECT_TRUE(TraceLinesFrom(program, closing, kQiroRead).empty()) << work << ": the Qiro was read after the close";
}

TEST(DeviceWorkFaults, AClosedProgramLetsItsKelvoWorkEndBeforeThePagesGoAndStartsNoOtherWork) {
    // The Qiro is read after the Kelvo, at start and after a device change.
    ProgramDriver program(L"kelvo,qiro");
    ASSERT_TRUE(program.Open());
    ASSERT_TRUE(PumpUntil([&] { return KelvoTransfers(program) > 20; }, 10000));
    CloseDuringKelvoWork(program, "the start-up read");

    // A reset reads the Kelvo's image again, unless the program has closed.
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(StartKelvoReset(program));
    const size_t reset = program.TraceLines().size();
    CloseDuringKelvoWork(program, "a reset");
    EXPECT_TRUE(TraceLinesFrom(program, reset, kKelvoReadWindow).empty()) << "the image was read again";

    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.PlugDevice("kelvo", false));
    ASSERT_TRUE(program.PlugDevice("qiro", false));
    ASSERT_TRUE(program.ClearControllerFaults("kelvo"));
    ASSERT_TRUE(program.ClearControllerFaults("qiro"));
    const size_t plugged = KelvoTransfers(program);
    program.DeviceChanged();
    ASSERT_TRUE(PumpUntil([&] { return KelvoTransfers(program) > plugged + 20; }, 10000));
    CloseDuringKelvoWork(program, "the read after a device change");
}
