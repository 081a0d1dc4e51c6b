#pragma once
// One run of a program of the build under the simulated controllers, for the
// start-up benchmark: its environment and its transfer trace.

#include "tests/program/support/program_process.h"
#include "tests/ui/support/scratch_dir.h"

#include <string>
#include <utility>
#include <vector>

namespace startup_bench {

// The controllers plugged in and the cost of one transfer; the trace goes to
// the scratch folder, which is also the temporary folder.
std::vector<std::pair<std::wstring, std::wstring>> Environment(const SkinUI::test::ScratchDir& scratch,
                                                                const wchar_t* devices, const wchar_t* latencyMs);

struct TraceCounts {
    unsigned sets = 0;
    unsigned gets = 0;
    unsigned transfers() const { return sets + gets; }
};
TraceCounts CountTransfers(const SkinUI::test::ScratchDir& scratch);

// Polls every millisecond: the start-up times are read from it.
constexpr DWORD kWindowPollMs = 1;

// Asks the window to close and waits for the process.
void CloseAndWait(program_test::ProgramProcess& process, HWND window);

void FirstPaint();
void StartUpReads();
void IdleProgram();

}  // namespace startup_bench
