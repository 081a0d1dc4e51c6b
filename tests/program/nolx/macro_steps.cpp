#include "tests/program/nolx/macro_steps.h"

#include "ui/controls/list.h"

namespace program_test {

int RecordNewMacro(const ProgramDriver& program, const std::wstring& suffix, const wchar_t* name,
                   std::initializer_list<WORD> keys) {
    const UiWindow page = program.Window();
    const std::wstring names = L"listex" + suffix, editor = L"MarcoEdit" + suffix;
    if (!program.ClickAndWait((L"marco_manager" + suffix).c_str()) || !page.RightClick(names.c_str())) return -1;
    ModalScript naming({
        [&] { return UiWindow::OfClass(editor.c_str()).TypeText((L"result_value" + suffix).c_str(), name); },
        [&] { return UiWindow::OfClass(editor.c_str()).Click((L"btn_ok" + suffix).c_str()); },
    });
    if (!PumpUntil([] { return UiWindow::OfClass(L"MenuWnd").Click(L"menu_Name_New"); }, 2000) || !naming.Wait()) return -1;
    const int row = page.FindAs<SkinUI::CListUI>(names.c_str())->GetCount() - 1;
    const std::wstring record = L"recordButton" + suffix;
    if (!PumpUntil([&] { return page.ClickRow(names.c_str(), row); }) || !page.Click(record.c_str())) return -1;
    for (WORD key : keys) {
        SendKeyPress(key);
        Settle(60);
    }
    return page.Click(record.c_str()) ? row : -1;
}

bool AssignMacro(const ProgramDriver& program, const std::wstring& suffix, const std::wstring& button, int row) {
    const std::wstring dialog = L"KeyEdit" + suffix;
    ModalScript assign({
        [&] { return UiWindow::OfClass(dialog.c_str()).Click((L"base_macro_setting" + suffix).c_str(), 0.05); },
        [&] { return UiWindow::OfClass(dialog.c_str()).ClickRow((L"result_marco_value" + suffix).c_str(), row); },
        [&] { return UiWindow::OfClass(dialog.c_str()).Click((L"btn_ok" + suffix).c_str()); },
    });
    return program.Window().Click(button.c_str()) && assign.Wait() && program.WaitIdle();
}

}  // namespace program_test
