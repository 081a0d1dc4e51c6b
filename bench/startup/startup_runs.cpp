#include "bench/startup/startup_runs.h"

namespace startup_bench {

std::vector<std::pair<std::wstring, std::wstring>> Environment(const SkinUI::test::ScratchDir& scratch,
                                                                const wchar_t* devices, const wchar_t* latencyMs)
{
    const std::wstring trace = scratch.Sub(L"trace.txt");
    DeleteFileW(trace.c_str());
    return {{L"HIDSIM_DEVICES", devices},
            {L"HIDSIM_LATENCY_MS", latencyMs},
            {L"HIDSIM_TRACE", trace},
            {L"TMP", scratch.path()},
            {L"TEMP", scratch.path()}};
}

TraceCounts CountTransfers(const SkinUI::test::ScratchDir& scratch)
{
    TraceCounts counts;
    for (const std::string& line : program_test::FileLines(scratch.Sub(L"trace.txt"))) {
        counts.sets += line.compare(0, 4, "SET ") == 0 ? 1 : 0;
        counts.gets += line.compare(0, 4, "GET ") == 0 ? 1 : 0;
    }
    return counts;
}

void CloseAndWait(program_test::ProgramProcess& process, HWND window)
{
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    process.WaitForExit(5000, &code);
}

}  // namespace startup_bench
