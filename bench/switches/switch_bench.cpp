// The main window in this process over the simulated controllers: a page
// switch and a language switch, each until the window is repainted, beside a
// repaint of the whole window alone.
#include "app/main/frame/languages.h"
#include "app/main/frame/main_frame.h"
#include "bench/support/bench_clock.h"
#include "ui/controls/combo.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/window_manager.h"

#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int kRuns = 9;

// Runs the message loop until nothing is queued and nothing is left to paint.
void Settle(HWND window)
{
    for (;;) {
        MSG msg;
        bool any = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            if (!SkinUI::CWindowManagerUI::PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        if (!any && !GetUpdateRect(window, nullptr, FALSE))
            return;
    }
}

// Median milliseconds from the change until the window is repainted; what
// comes before each change is not timed.
double Time(HWND window, const std::function<void(int)>& change, const std::function<void()>& before = [] {})
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        before();
        Settle(window);
        const double start = bench::WallMs();
        change(run);
        Settle(window);
        times.push_back(bench::WallMs() - start);
    }
    return bench::Median(times);
}

// A left click at a point of the client area, as the mouse gives it.
void ClickAt(HWND window, int x, int y)
{
    const LPARAM point = MAKELPARAM(x, y);
    PostMessageW(window, WM_MOUSEMOVE, 0, point);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(window, WM_LBUTTONUP, 0, point);
}

void Click(HWND window, SkinUI::CControlUI* control)
{
    const RECT& r = control->GetPosition();
    ClickAt(window, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void Print(const char* name, double ms, double repaintMs)
{
    std::printf("%-16s %8.1f ms, %5.2f x a whole repaint\n", name, ms, ms / repaintMs);
}

}  // namespace

int main()
{
    using SkinUI::CWindowManagerUI;
    _wputenv(L"HIDSIM_DEVICES=qiro,kelvo,wenk");
    CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
    CWindowManagerUI::SetResourceFolder(CWindowManagerUI::GetInstanceFolder() + L"res\\Skin\\");
    SkinUI::RegisterStandardControls();
    AppRunning = 1;
    auto* frame = new MainFrame();
    const HWND window = frame->Create(nullptr, L"Vastemor", 0x10CF0000, 0x60000, 0, 0, 1310, 749);
    if (window == nullptr) {
        std::printf("switches: the main window could not be made\n");
        return 1;
    }
    const double readEnd = bench::WallMs() + 10000;
    while (frame->IsProgressOpen() && bench::WallMs() < readEnd)
        Settle(window);
    Settle(window);

    SkinUI::CWindowManagerUI& manager = frame->GetManager();
    auto* pages = dynamic_cast<SkinUI::CComboUI*>(manager.FindControlByName(L"device_combo"));
    SkinUI::CControlUI* english = manager.FindControlByName(L"language_1");
    SkinUI::CControlUI* chinese = manager.FindControlByName(L"language_2");
    if (pages == nullptr || pages->GetCount() < 2 || english == nullptr || chinese == nullptr) {
        std::printf("switches: the window has no device combo or language buttons\n");
        DestroyWindow(window);
        return 1;
    }
    const auto repaintWhole = [&](int) { InvalidateRect(window, nullptr, FALSE); };
    std::printf("main window switches, median of %d, over the simulated controllers\n", kRuns);
    // A switch to each page beside a repaint of the window showing it.
    for (int target = 0; target < pages->GetCount(); ++target) {
        const int other = (target + 1) % pages->GetCount();
        pages->SelectItem(target);
        Settle(window);
        const double shown = Time(window, repaintWhole);
        std::vector<double> selects;
        const double page = Time(
            window,
            [&](int) {
                const double start = bench::WallMs();
                pages->SelectItem(target);
                selects.push_back(bench::WallMs() - start);
            },
            [&] { pages->SelectItem(other); });
        SkinUI::CUIString name = pages->GetItemAt(target)->GetText();
        CWindowManagerUI::ReplaceLanguageTokens(name);
        std::printf("page switch to %-24ls %6.1f ms, %5.2f x its repaint (%.1f ms); the selection itself %.1f ms\n",
                    name.GetData(), page, page / shown, shown, bench::Median(selects));
    }
    std::printf("  the selection hides one page's controls and shows the other's and moves the focus to the page's "
                "first tab stop; the repaint after it also lays the window out and redraws the device combo\n");
    const double repaint = Time(window, repaintWhole);
    const std::wstring englishTitle = CWindowManagerUI::GetLanguageText(301);
    const double language = Time(window, [&](int run) { Click(window, run % 2 == 0 ? chinese : english); });
    const bool switched = englishTitle != CWindowManagerUI::GetLanguageText(301);
    // Each switch reads its language file again; the texts end as they were.
    const double file = Time(window, [&](int) { ReadLanguageFile(english->GetUserData()); });
    // A click in the tab column's empty part changes nothing; with a whole
    // repaint it is what any switch by mouse costs at the least.
    RECT client;
    GetClientRect(window, &client);
    const double click = Time(window, [&](int) {
        ClickAt(window, 100, client.bottom - 100);
        InvalidateRect(window, nullptr, FALSE);
    });
    Print("whole repaint", repaint, repaint);
    Print(switched ? "language switch" : "language (none)", language, repaint);
    std::printf("  a switch reads its language file (%.1f ms); a click that changes nothing and a whole repaint take "
                "%.1f ms: the switch is %.2f x those two\n",
                file, click, language / (click + file));
    DestroyWindow(window);
    return 0;
}
