#include "tests/program/process/page_in_process.h"

namespace program_test {

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
