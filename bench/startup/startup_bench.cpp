// The program's start under Wine, over the simulated controllers: time to the
// main window's first paint beside a bare window started the same way, the
// start-up read with 1 ms per transfer beside its floor, and the CPU time the
// idle program uses.
#include "tests/program/support/program_process.h"
#include "tests/ui/support/scratch_dir.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using program_test::ProgramProcess;

namespace {

constexpr int kRuns = 5;
constexpr double kMsPerTransfer = 1.0;
// The window background of the skin, which the bare window paints as well.
constexpr DWORD kWindowBackground = 0x15171C;

double WallMs()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

std::vector<std::pair<std::wstring, std::wstring>> Environment(const SkinUI::test::ScratchDir& scratch,
                                                                const wchar_t* latency)
{
    return {{L"HIDSIM_DEVICES", L"qiro,kelvo,wenk"},
            {L"HIDSIM_LATENCY_MS", latency},
            {L"HIDSIM_TRACE", scratch.Sub(L"trace.txt")},
            {L"TMP", scratch.path()},
            {L"TEMP", scratch.path()}};
}

// Milliseconds from the start of the process until the screen shows the
// window background near the bottom of its window; -1 when it did not.
double TimeToFirstPaint(const std::wstring& exe, const wchar_t* windowClass, const SkinUI::test::ScratchDir& scratch)
{
    const double start = WallMs();
    ProgramProcess process(exe, scratch.path(), Environment(scratch, L"0"));
    const HWND window = process.WaitForWindow(windowClass, 30000);
    if (window == nullptr)
        return -1;
    RECT rect;
    GetWindowRect(window, &rect);
    const int x = (rect.left + rect.right) / 2, y = rect.bottom - 10;
    const double end = start + 30000;
    double painted = -1;
    while (WallMs() < end) {
        if (program_test::ScreenPixel(x, y) == kWindowBackground) {
            painted = WallMs() - start;
            break;
        }
        Sleep(1);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    process.WaitForExit(5000, &code);
    Sleep(200);  // the screen returns to the empty root
    return painted;
}

void FirstPaint()
{
    SkinUI::test::ScratchDir scratch(L"startup_bench");
    std::vector<double> program, bare;
    for (int run = 0; run < kRuns; ++run) {
        program.push_back(TimeToFirstPaint(program_test::SimulatedProgram(), L"Vastemor", scratch));
        bare.push_back(TimeToFirstPaint(program_test::BuildFolder() + L"bench\\tools\\bare_window.exe", L"BareWindow",
                                        scratch));
    }
    const double p = Median(program), b = Median(bare);
    std::printf("start-up to first paint (median of %d): Vastemor %.0f ms, bare window %.0f ms, ratio %.2f\n",
                kRuns, p, b, b > 0 ? p / b : 0.0);
}

void StartUpReadAndIdle()
{
    SkinUI::test::ScratchDir scratch(L"startup_bench_read");
    ProgramProcess process(program_test::SimulatedProgram(), scratch.path(), Environment(scratch, L"1"));
    const HWND window = process.WaitForWindow(L"Vastemor", 30000);
    if (window == nullptr) {
        std::printf("start-up read: the main window did not appear\n");
        return;
    }
    // From the progress window's appearance to its end.
    const HWND progress = process.WaitForWindow(L"ReadProgress", 10000);
    const double shown = WallMs();
    while (progress != nullptr && IsWindow(progress) && WallMs() < shown + 60000)
        Sleep(1);
    const double read = WallMs() - shown;
    unsigned transfers = 0;
    for (const std::string& line : program_test::FileLines(scratch.Sub(L"trace.txt")))
        transfers += line.compare(0, 3, "SET") == 0 || line.compare(0, 3, "GET") == 0 ? 1 : 0;
    const double floor = transfers * kMsPerTransfer;
    std::printf("start-up read, 1 ms per transfer: %.0f ms for %u transfers, floor %.0f ms, program %.0f ms\n",
                read, transfers, floor, read - floor);

    const double cpuBefore = process.CpuMs();
    Sleep(10000);
    const double cpuAfter = process.CpuMs();
    std::printf("idle program: %.0f ms of CPU time in 10 s (%.2f %%)\n", cpuAfter - cpuBefore,
                (cpuAfter - cpuBefore) / 100.0);
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    process.WaitForExit(5000, &code);
}

}  // namespace

int main()
{
    FirstPaint();
    StartUpReadAndIdle();
    return 0;
}
