// The start-up read of each controller family alone, with 1 ms per feature
// transfer: wall time from the progress window's appearance to its end beside
// the floor of the transfers and pauses the protocol requires of that read,
// and the program's own share (the wall time less what the simulated wire and
// the pauses took).
#include "bench/startup/startup_runs.h"
#include "bench/support/bench_clock.h"

#include <cstdio>

namespace startup_bench {

namespace {

constexpr double kMsPerTransfer = 1.0;

// A block read: one command report, then one data report per 7 bytes.
constexpr unsigned BlockTransfers(unsigned length) { return 1 + (length + 6) / 7; }

struct FamilyRead {
    const wchar_t* devices;  // HIDSIM_DEVICES
    const char* name;
    // Fixed floor of the read; zero for a family whose acknowledged commands
    // set it (one request, one poll and a 5 ms pause each).
    unsigned floorTransfers;
};

// The three Nolx libraries each probe the shared product id with a status
// query (command and data report) before the owner reads its whole image;
// the keyboard reads its two profiles, its two lighting blocks and its
// profile index.
const FamilyRead kFamilies[] = {
    {L"qiro", "Qiro", 3 * 2 + BlockTransfers(2048)},
    {L"dolv", "Dolv", 3 * 2 + BlockTransfers(2048)},
    {L"mesk", "Mesk", 3 * 2 + BlockTransfers(2048)},
    {L"kelvo", "Kelvo", 0},
    {L"wenk", "Wenk", 2 * BlockTransfers(217) + 3 * BlockTransfers(2)},
};

void MeasureRead(const FamilyRead& family, double wireMs)
{
    SkinUI::test::ScratchDir scratch(L"startup_bench_read");
    program_test::ProgramProcess process(program_test::SimulatedProgram(), scratch.path(),
                                         Environment(scratch, family.devices, L"1"));
    const HWND progress = WaitForVisibleWindow(process, L"ReadProgress", 30000);
    const double shown = bench::WallMs();
    while (progress != nullptr && IsWindow(progress) && bench::WallMs() < shown + 60000)
        Sleep(1);
    const double readMs = bench::WallMs() - shown;
    const HWND window = WaitForVisibleWindow(process, L"Vastemor", 10000);
    if (window != nullptr)
        CloseAndWait(process, window);
    const TraceCounts counts = CountTransfers(scratch);
    if (progress == nullptr || counts.transfers() == 0) {
        std::printf("%-6s no page of the program reads it\n", family.name);
        return;
    }
    const unsigned floorTransfers = family.floorTransfers != 0 ? family.floorTransfers : 2 * counts.sets;
    const unsigned pauseMs = family.floorTransfers != 0 ? 0 : 5 * counts.sets;
    const double floorMs = floorTransfers * kMsPerTransfer + pauseMs;
    std::printf("%-6s %9u %6u %8.0f %8.0f %8.0f %6.2f\n", family.name, counts.transfers(), floorTransfers, readMs,
                floorMs, readMs - counts.transfers() * wireMs - pauseMs, readMs / floorMs);
}

}  // namespace

void StartUpReads()
{
    const double wireMs = bench::WireMsPerTransfer();
    std::printf("start-up read of each family alone, 1 ms per transfer (%.3f ms on this simulated wire)\n", wireMs);
    std::printf("%-6s %9s %6s %8s %8s %8s %6s\n", "family", "transfers", "floor", "read ms", "floor ms",
                "program", "ratio");
    for (const FamilyRead& family : kFamilies)
        MeasureRead(family, wireMs);
}

}  // namespace startup_bench
