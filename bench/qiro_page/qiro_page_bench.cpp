// The Qiro page's commands from RunDeviceCommand down to the simulated wire,
// 1 ms per transfer: transfers and wall time beside the floor the protocol
// requires of each command, and the page's and library's own share (the wall
// time less what the simulated wire and the pauses took).
#include "app/main/pages/qiro/dialog_mouse_qiro_setting.h"
#include "bench/support/bench_clock.h"
#include "tests/app/pages/fake_page_services.h"
#include "tests/app/pages/simulated_nolx.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kRuns = 5;
constexpr double kMsPerTransfer = 1.0;
// A commit waits 500 ms before its command.
constexpr unsigned kCommitPauseMs = 500;

constexpr unsigned BlockTransfers(unsigned length) { return 1 + (length + 6) / 7; }

struct Floor {
    unsigned transfers;
    unsigned pauseMs;
};

double g_wireMs = 1.0;

void Measure(const char* name, Floor floor, const std::function<bool()>& command)
{
    TraceReader trace;
    std::vector<double> wall;
    size_t transfers = 0;
    bool ok = true;
    for (int run = 0; run < kRuns; ++run) {
        const double start = bench::WallMs();
        ok = command() && ok;
        wall.push_back(bench::WallMs() - start);
        transfers += trace.Take().size();
    }
    const double perRun = static_cast<double>(transfers) / kRuns;
    const double floorMs = floor.transfers * kMsPerTransfer + floor.pauseMs;
    const double ms = bench::Median(wall);
    std::printf("%-16s %9.0f %6u %8.0f %8.0f %8.1f %6.2f%s\n", name, perRun, floor.transfers, ms, floorMs,
                ms - perRun * g_wireMs - floor.pauseMs, ms / floorMs, ok ? "" : "  FAILED");
}

}  // namespace

int main()
{
    _wputenv(L"HIDSIM_DEVICES=qiro");
    _wputenv(L"HIDSIM_LATENCY_MS=1");
    _wputenv(L"HIDSIM_TRACE=qiro_page_trace.txt");
    ForgetEarlierRuns();
    FakePageServices fakes;
    CDialogMouseQiroSetting page(fakes.services);

    g_wireMs = bench::WireMsPerTransfer();
    std::printf("Qiro page over the simulated Qiro, 1 ms per transfer (%.3f ms on this simulated wire), median of %d\n",
                g_wireMs, kRuns);
    std::printf("%-16s %9s %6s %8s %8s %8s %6s\n", "command", "transfers", "floor", "wall ms", "floor ms",
                "own ms", "ratio");
    // A status query (command and data report), then the whole image.
    Measure("whole read", {2 + BlockTransfers(2048), 0}, [&] { return page.ConnectAndRead(); });
    // Level, level count, then per level of 7 its value (three set-bytes) and
    // its colour (a set-bytes and the 164-byte block). Before each value the
    // library reads the mouse's own level back (a command and one report),
    // which the floor leaves out.
    Measure("one DPI change", {2 + 7 * (3 + 1 + BlockTransfers(164)), 0}, [&] {
        DeviceSettings.QiroActiveCpiLevel = DeviceSettings.QiroActiveCpiLevel % std::max(DeviceSettings.QiroCpiLevelCount, 1) + 1;
        return page.RunDeviceCommand(kWriteCpiSettings);
    });
    // The rate's byte and the commit.
    Measure("one report rate", {2, kCommitPauseMs}, [&] {
        DeviceSettings.QiroReportRate = DeviceSettings.QiroReportRate == 2 ? 1 : 2;
        return page.RunDeviceCommand(kWriteReportRate);
    });
    return 0;
}
