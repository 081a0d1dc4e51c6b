// The program's start under Wine, over the simulated controllers: time to the
// main window's first paint beside a bare window started the same way, the
// start-up read of each family beside its floor, and the idle program's CPU
// time and working set.
#include "bench/startup/startup_runs.h"

#include <cstdio>

namespace startup_bench {

void IdleProgram()
{
    SkinUI::test::ScratchDir scratch(L"startup_bench_idle");
    program_test::ProgramProcess process(program_test::SimulatedProgram(), scratch.path(),
                                         Environment(scratch, L"qiro,kelvo,wenk", L"0"));
    const HWND window = process.WaitForWindow(L"Vastemor", 30000, kWindowPollMs);
    if (window == nullptr) {
        std::printf("idle program: the main window did not appear\n");
        return;
    }
    Sleep(3000);  // the start-up read and its window are over
    const size_t workingSet = process.WorkingSetBytes();
    const double cpuBefore = process.CpuMs();
    Sleep(10000);
    const double cpuMs = process.CpuMs() - cpuBefore;
    std::printf("idle program: %.0f ms of CPU time in 10 s (%.2f %%); working set after start %.1f MiB\n", cpuMs,
                cpuMs / 100.0, static_cast<double>(workingSet) / (1024.0 * 1024.0));
    CloseAndWait(process, window);
}

}  // namespace startup_bench

int main()
{
    startup_bench::FirstPaint();
    startup_bench::StartUpReads();
    startup_bench::IdleProgram();
    return 0;
}
