#include "tests/program/process/program_in_process.h"

namespace program_test {

std::vector<std::pair<std::wstring, std::wstring>> SimulatedEnvironment(const std::wstring& devices,
                                                                        const std::wstring& folder,
                                                                        const std::wstring& trace)
{
    return {{L"HIDSIM_DEVICES", devices}, {L"HIDSIM_STATE_DIR", folder}, {L"HIDSIM_TRACE", trace},
            {L"TMP", folder},             {L"TEMP", folder}};
}

HWND WaitForStartedWindow(const ProgramProcess& program)
{
    if (!program.Started())
        return nullptr;
    const HWND window = program.WaitForWindow(L"Vastemor", 30000);
    if (window == nullptr || !program.WaitWhileWindowsOfClassShow(L"ReadProgress", 500, 30000))
        return nullptr;
    return window;
}

bool ChoosePageNoting(const ProgramDriver& local, const std::wstring& pageRoot, PageChoice* choice)
{
    const int page = local.PageIndex(pageRoot);
    if (page < 0)
        return false;
    choice->needed = page > 0;
    if (!choice->needed)
        return true;
    return local.Window().CentreOf(L"device_combo", 0.5, &choice->combo) &&
           local.Window().ChooseComboItem(L"device_combo", page, &choice->row);
}

bool ChoosePageIn(const ProgramProcess& program, HWND window, const PageChoice& choice)
{
    if (!choice.needed)
        return true;
    PostClick(window, choice.combo);
    HWND drop = nullptr;
    if (!PumpUntil([&] { return (drop = program.FindWindowOfClass(L"ComboWnd")) != nullptr; }))
        return false;
    Settle(100);
    PostClick(drop, choice.row);
    return PumpUntil([&] { return program.FindWindowOfClass(L"ComboWnd") == nullptr; });
}

}  // namespace program_test
