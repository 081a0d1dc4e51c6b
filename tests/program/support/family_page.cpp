#include "tests/program/support/family_page.h"

#include "tests/ui/support/control_walk.h"
#include "ui/controls/list.h"

#include <string>

namespace program_test {

FamilyPage::FamilyPage(const ProgramDriver& program, const wchar_t* family)
    : program_(program), family_(family), suffix_(L"_" + family_) {}

std::wstring FamilyPage::Name(const wchar_t* base, int number) const {
    return number > 0 ? Of(base) + L"_" + std::to_wstring(number) : Of(base);
}

bool FamilyPage::Click(const wchar_t* base, double xFraction) const {
    return program_.ClickAndWait(Name(base).c_str(), xFraction);
}

std::wstring FamilyPage::Text(const wchar_t* base, int number) const {
    return program_.Window().TextOf(Name(base, number).c_str());
}

bool FamilyPage::Selected(const wchar_t* base) const { return program_.Window().IsSelected(Name(base).c_str()); }

int FamilyPage::SliderValue(const wchar_t* base) const { return program_.Window().SliderValue(Name(base).c_str()); }

bool FamilyPage::MoveSlider(const wchar_t* base, int value) const {
    return program_.Window().MoveSlider(Name(base).c_str(), value) && program_.WaitIdle();
}

bool FamilyPage::AssignFromList(const std::wstring& button, const wchar_t* option, const wchar_t* list, int row) const {
    const std::wstring dialog = Of(L"KeyEdit");
    ModalScript assign({
        [&] { return UiWindow::OfClass(dialog.c_str()).Click(Of(option).c_str(), 0.05); },
        [&] { return UiWindow::OfClass(dialog.c_str()).ClickRow(Of(list).c_str(), row); },
        [&] { return UiWindow::OfClass(dialog.c_str()).Click(Of(L"btn_ok").c_str()); },
    });
    return program_.Window().Click(button.c_str()) && assign.Wait() && program_.WaitIdle();
}

DWORD FamilyPage::PickColour(const wchar_t* colourControl, double rainbowFraction) const {
    DWORD picked = 0;
    ModalScript pick({
        [&] { return UiWindow::OfClass(L"ColorPicker").Click(L"color_rainbow_control", rainbowFraction); },
        [&] {
            const UiWindow picker = UiWindow::OfClass(L"ColorPicker");
            picked = 0xFF000000u | std::stoul(picker.TextOf(L"r_edit")) << 16 |
                     std::stoul(picker.TextOf(L"g_edit")) << 8 | std::stoul(picker.TextOf(L"b_edit"));
            return picker.Click(L"okbtn");
        },
    });
    return program_.Window().Click(Name(colourControl).c_str()) && pick.Wait() && program_.WaitIdle() ? picked : 0;
}

int FamilyPage::RecordNewMacro(const wchar_t* name, std::initializer_list<WORD> keys,
                               const std::function<void()>& meanwhile) const {
    const UiWindow page = program_.Window();
    const std::wstring names = Of(L"listex");
    // The Kelvo driver's macros are named in the keyboard's editor.
    const std::wstring editorSuffix = family_ == L"Kelvo_Driver" ? L"" : suffix_;
    const std::wstring editor = L"MarcoEdit" + editorSuffix, value = L"result_value" + editorSuffix,
                       ok = L"btn_ok" + editorSuffix;
    if (!Click(L"marco_manager") || !page.RightClick(names.c_str())) return -1;
    ModalScript naming({
        [&] { return UiWindow::OfClass(editor.c_str()).TypeText(value.c_str(), name); },
        [&] { return UiWindow::OfClass(editor.c_str()).Click(ok.c_str()); },
    });
    if (!PumpUntil([] { return UiWindow::OfClass(L"MenuWnd").Click(L"menu_Name_New"); }, 2000) || !naming.Wait()) return -1;
    const int row = page.FindAs<SkinUI::CListUI>(names.c_str())->GetCount() - 1;
    const std::wstring record = Of(L"recordButton");
    if (!PumpUntil([&] { return page.ClickRow(names.c_str(), row); }) || !page.Click(record.c_str())) return -1;
    bool first = true;
    for (WORD key : keys) {
        SendKeyPress(key);
        Settle(60);
        if (first && meanwhile) meanwhile();
        first = false;
    }
    return page.Click(record.c_str()) ? row : -1;
}

bool FamilyPage::InChinese(const std::function<void()>& check) const {
    if (!program_.ClickAndWait(L"language_2")) return false;
    EXPECT_TRUE(SkinUI::test::LooksFinished(*program_.Window().Manager(), family_ + L" page in Chinese"));
    check();
    return program_.ClickAndWait(L"language_1");
}

}  // namespace program_test
