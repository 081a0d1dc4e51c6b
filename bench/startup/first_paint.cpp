// Time from the start of the process until the screen shows its window's
// background, for the program and for a bare window started the same way.
#include "bench/startup/startup_runs.h"
#include "bench/support/bench_clock.h"

#include <cstdio>

namespace startup_bench {

namespace {

constexpr int kRuns = 5;
// The window background of the skin, which the bare window paints as well.
constexpr DWORD kWindowBackground = 0x15171C;

// -1 when the window or its paint did not come.
double TimeToFirstPaint(const std::wstring& exe, const wchar_t* windowClass)
{
    SkinUI::test::ScratchDir scratch(L"startup_bench_paint");
    const double start = bench::WallMs();
    program_test::ProgramProcess process(exe, scratch.path(), Environment(scratch, L"qiro,kelvo,wenk", L"0"));
    const HWND window = WaitForVisibleWindow(process, windowClass, 30000);
    if (window == nullptr)
        return -1;
    // Beside the left column, below the last of its buttons: background in
    // every page of the program.
    RECT rect;
    GetWindowRect(window, &rect);
    const int x = rect.left + 100, y = rect.bottom - 100;
    double painted = -1;
    while (bench::WallMs() < start + 30000) {
        if (program_test::ScreenPixel(x, y) == kWindowBackground) {
            painted = bench::WallMs() - start;
            break;
        }
        Sleep(1);
    }
    CloseAndWait(process, window);
    Sleep(200);  // the screen returns to the empty root
    return painted;
}

}  // namespace

void FirstPaint()
{
    std::vector<double> program, bare;
    for (int run = 0; run < kRuns; ++run) {
        program.push_back(TimeToFirstPaint(program_test::SimulatedProgram(), L"Vastemor"));
        bare.push_back(TimeToFirstPaint(program_test::BuildFolder() + L"bench\\tools\\bare_window.exe", L"BareWindow"));
    }
    const double p = bench::Median(program), b = bench::Median(bare);
    std::printf("start-up to first paint (median of %d): Vastemor %.0f ms, bare window %.0f ms, ratio %.2f\n", kRuns,
                p, b, b > 0 && p > 0 ? p / b : 0.0);
}

}  // namespace startup_bench
