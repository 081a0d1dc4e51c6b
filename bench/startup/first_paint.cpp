// Time from the start of the process until the screen shows its window's
// background, for the program, for a bare window started the same way and
// for the bare window after the platform work the program must do first; the
// program's own share is its first paint less that floor.
#include "bench/startup/startup_runs.h"
#include "bench/support/bench_clock.h"

#include <cstdio>

namespace startup_bench {

namespace {

// The three programs take turns, so that a busy spell of the machine falls
// on all of them alike.
constexpr int kRuns = 15;
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

void AddTime(std::vector<double>& times, double ms)
{
    if (ms >= 0)
        times.push_back(ms);
}

void PrintTimes(const char* what, const std::vector<double>& times)
{
    std::printf("  %-16s %5.0f / %5.0f ms\n", what, bench::Minimum(times), bench::Median(times));
}

}  // namespace

void FirstPaint()
{
    const std::wstring tools = program_test::BuildFolder() + L"bench\\tools\\";
    std::vector<double> program, bare, platform;
    for (int run = 0; run < kRuns; ++run) {
        AddTime(program, TimeToFirstPaint(program_test::SimulatedProgram(), L"Vastemor"));
        AddTime(bare, TimeToFirstPaint(tools + L"bare_window.exe", L"BareWindow"));
        AddTime(platform, TimeToFirstPaint(tools + L"platform_window.exe", L"PlatformWindow"));
    }
    if (program.empty() || platform.empty()) {
        std::printf("start-up to first paint: the program's or the floor's window did not paint\n");
        return;
    }
    std::printf("start-up to first paint, %d runs each (minimum / median):\n", kRuns);
    PrintTimes("Vastemor", program);
    PrintTimes("bare window", bare);
    PrintTimes("platform floor", platform);
    std::printf("  %-16s %5.0f / %5.0f ms (first paint less the floor)\n", "program's share",
                bench::Minimum(program) - bench::Minimum(platform), bench::Median(program) - bench::Median(platform));
    std::printf("  the floor: the bare window after what the program must do before its first paint (link the same "
                "system libraries, load rich edit, start COM and OLE, load the six device libraries, start GDI+ and "
                "decode the keyboard page's animated image, open the progress window over it)\n");
}

}  // namespace startup_bench
