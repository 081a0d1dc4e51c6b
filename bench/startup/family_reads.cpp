// The start-up read of each controller family alone, with 1 ms per feature
// transfer: wall time from the progress window's appearance to its end beside
// the floor of the transfers and pauses the protocol requires of that read,
// and the program's own share (the wall time less what the simulated wire and
// the pauses, as slept here, took).
#include "bench/startup/startup_runs.h"
#include "bench/support/bench_clock.h"

#include <algorithm>
#include <cstdio>

namespace startup_bench {

namespace {

constexpr double kMsPerTransfer = 1.0;
constexpr unsigned kPauseMs = 5;

// A block read: one command report, then one data report per 7 bytes.
constexpr unsigned BlockTransfers(unsigned length) { return 1 + (length + 6) / 7; }

struct FamilyRead {
    const wchar_t* devices;  // HIDSIM_DEVICES
    const char* name;
    // Fixed floor of the read; zero for a family whose acknowledged commands
    // set it (one request, one poll and a 5 ms pause each).
    unsigned floorTransfers;
    double quietMs;  // less than the floor
};

// The three Nolx libraries each probe the shared product id with a status
// query (command and data report) before the owner reads its whole image;
// the keyboard reads its two profiles, its two lighting blocks and its
// profile index.
const FamilyRead kFamilies[] = {
    {L"qiro", "Qiro", 3 * 2 + BlockTransfers(2048), 280},
    {L"dolv", "Dolv", 3 * 2 + BlockTransfers(2048), 280},
    {L"mesk", "Mesk", 3 * 2 + BlockTransfers(2048), 280},
    {L"kelvo", "Kelvo", 0, 1700},  // a whole Kelvo read takes at least 1.7 s
    {L"wenk", "Wenk", 2 * BlockTransfers(217) + 3 * BlockTransfers(2), 60},
};

// From the progress window's appearance to its end; -1 when it did not
// appear. The watch stays quiet for the first quietMs, which the read cannot
// be over in: each check is a call to the window server, and calls from
// another process every millisecond lengthen the program's sleeps (a 5 ms
// pause of the Kelvo protocol by a third of a millisecond).
double ReadTime(const SkinUI::test::ScratchDir& scratch, const wchar_t* devices, double quietMs)
{
    program_test::ProgramProcess process(program_test::SimulatedProgram(), scratch.path(),
                                         Environment(scratch, devices, L"1"));
    const HWND progress = process.WaitForWindow(L"ReadProgress", 30000, kWindowPollMs);
    const double shown = bench::WallMs();
    Sleep(static_cast<DWORD>(quietMs));
    while (progress != nullptr && IsWindow(progress) && bench::WallMs() < shown + 60000)
        Sleep(1);
    const double readMs = bench::WallMs() - shown;
    const HWND window = process.WaitForWindow(L"Vastemor", 10000, kWindowPollMs);
    if (window != nullptr)
        CloseAndWait(process, window);
    return progress != nullptr ? readMs : -1;
}

// The program's share of the read, or -1.
double MeasureRead(const FamilyRead& family, double wireMs, double pauseMs)
{
    SkinUI::test::ScratchDir scratch(L"startup_bench_read");
    const double readMs = ReadTime(scratch, family.devices, family.quietMs);
    const TraceCounts counts = CountTransfers(scratch);
    if (readMs < 0 || counts.transfers() == 0) {
        std::printf("%-6s no page of the program reads it\n", family.name);
        return -1;
    }
    const unsigned floorTransfers = family.floorTransfers != 0 ? family.floorTransfers : 2 * counts.sets;
    const unsigned pauses = family.floorTransfers != 0 ? 0 : counts.sets;
    const double floorMs = floorTransfers * kMsPerTransfer + pauses * kPauseMs;
    const double programMs = readMs - counts.transfers() * wireMs - pauses * pauseMs;
    std::printf("%-6s %9u %6u %8.0f %8.0f %8.0f %6.2f\n", family.name, counts.transfers(), floorTransfers, readMs,
                floorMs, programMs, readMs / floorMs);
    return programMs;
}

}  // namespace

void StartUpReads()
{
    const double wireMs = bench::WireMsPerTransfer();
    const double pauseMs = bench::PauseMs(kPauseMs);
    std::printf("start-up read of each family alone, 1 ms per transfer (%.3f ms on this simulated wire), "
                "%u ms per pause (%.3f ms slept)\n", wireMs, kPauseMs, pauseMs);
    std::printf("%-6s %9s %6s %8s %8s %8s %6s\n", "family", "transfers", "floor", "read ms", "floor ms",
                "program", "ratio");
    std::vector<double> shares;
    for (const FamilyRead& family : kFamilies) {
        const double share = MeasureRead(family, wireMs, pauseMs);
        if (share >= 0)
            shares.push_back(share);
    }
    if (shares.empty())
        return;
    const double fixedMs = *std::min_element(shares.begin(), shares.end());
    std::printf("  every read pays at least %.0f ms of its own, however few its transfers (the progress window is "
                "painted before the main window's first paint starts the read, the first search for controllers "
                "loads the HID platform, the window ends through a posted close): above 1.2 for a floor under "
                "%.0f ms\n",
                fixedMs, 5 * fixedMs);
}

}  // namespace startup_bench
