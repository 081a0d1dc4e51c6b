#pragma once
// One family's page in the program and the dialogs it opens, by the base
// names of their controls: for the family "Dolv", "result_DPI2_slider" is
// "result_DPI2_slider_Dolv", button 2 of "profile_key" is
// "profile_key_Dolv_2", and its key-assignment dialog is "KeyEdit_Dolv".

#include "tests/program/support/program_driver.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace program_test {

class FamilyPage {
public:
    FamilyPage(const ProgramDriver& program, const wchar_t* family);

    std::wstring Name(const wchar_t* base, int number = 0) const;
    // A click whose device work has ended.
    bool Click(const wchar_t* base, double xFraction = 0.5) const;
    std::wstring Text(const wchar_t* base, int number = 0) const;
    bool Selected(const wchar_t* base) const;
    int SliderValue(const wchar_t* base) const;
    bool MoveSlider(const wchar_t* base, int value) const;

    // A click on the button, then in its key-assignment dialog the option,
    // the row of the list it shows and OK; true once the assignment's device
    // work has ended.
    bool AssignFromList(const std::wstring& button, const wchar_t* option, const wchar_t* list, int row) const;
    // The colour control's picker: a click at that fraction of the rainbow's
    // width, OK; the colour picked (0xFFRRGGBB), 0 when a step failed.
    DWORD PickColour(const wchar_t* colourControl, double rainbowFraction) const;
    // A new macro of that name through the macro tab's name-list menu,
    // recorded from the key presses, `meanwhile` run after the first; its
    // row, -1 when a step failed.
    int RecordNewMacro(const wchar_t* name, std::initializer_list<WORD> keys,
                       const std::function<void()>& meanwhile = {}) const;

    // The main window in Chinese (checked by the control walk), `check` run,
    // then in English again; false when a switch failed.
    bool InChinese(const std::function<void()>& check) const;

private:
    std::wstring Of(const wchar_t* base) const { return std::wstring(base) + suffix_; }

    const ProgramDriver& program_;
    std::wstring family_;
    std::wstring suffix_;
};

}  // namespace program_test
