// Time from the start of the process until the screen shows its window's
// background, for the program, for a bare window started the same way and
// for the bare window after the platform work the program must do first.
#include "bench/startup/startup_runs.h"
#include "bench/support/bench_clock.h"

#include <cstdio>

namespace startup_bench {

namespace {

constexpr int kRuns = 7;
// The skin's tab column, on the left of every page, which the bare windows
// paint as their whole background.
constexpr DWORD kTabColumn = 0x1A1C22;

// -1 when the window or its paint did not come.
double TimeToFirstPaint(const std::wstring& exe, const wchar_t* windowClass)
{
    SkinUI::test::ScratchDir scratch(L"startup_bench_paint");
    const double start = bench::WallMs();
    program_test::ProgramProcess process(exe, scratch.path(), Environment(scratch, L"qiro,kelvo,wenk", L"0"));
    const HWND window = process.WaitForWindow(windowClass, 30000, kWindowPollMs);
    if (window == nullptr)
        return -1;
    // In the tab column, below its last button, on every page of the program.
    RECT rect;
    GetWindowRect(window, &rect);
    const int x = rect.left + 100, y = rect.bottom - 100;
    double painted = -1;
    while (bench::WallMs() < start + 30000) {
        if (program_test::ScreenPixel(x, y) == kTabColumn) {
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
    const std::wstring tools = program_test::BuildFolder() + L"bench\\tools\\";
    std::vector<double> program, bare, platform;
    for (int run = 0; run < kRuns; ++run) {
        program.push_back(TimeToFirstPaint(program_test::SimulatedProgram(), L"Vastemor"));
        bare.push_back(TimeToFirstPaint(tools + L"bare_window.exe", L"BareWindow"));
        platform.push_back(TimeToFirstPaint(tools + L"platform_window.exe", L"PlatformWindow"));
    }
    const double p = bench::Median(program), b = bench::Median(bare), f = bench::Median(platform);
    std::printf("start-up to first paint (median of %d): Vastemor %.0f ms, bare window %.0f ms, ratio %.2f\n", kRuns,
                p, b, b > 0 && p > 0 ? p / b : 0.0);
    std::printf("  platform floor: the bare window after what the program must do before its first paint (link "
                "the same system libraries, load rich edit, start COM and OLE, load the six device libraries, "
                "start GDI+ and decode the keyboard page's animated image, open the progress window over it) "
                "%.0f ms, ratio %.2f\n",
                f, f > 0 && p > 0 ? p / f : 0.0);
}

}  // namespace startup_bench
