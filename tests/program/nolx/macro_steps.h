#pragma once
// A Nolx page's macro tab and key-assignment dialog as a user takes them;
// `suffix` is the family's ("_Qiro").

#include "tests/program/support/program_driver.h"

#include <initializer_list>
#include <string>

namespace program_test {

// A new macro of that name through the name list's menu, recorded from the
// key presses; its row in the name list, -1 when a step failed. The macro
// tab is shown.
int RecordNewMacro(const ProgramDriver& program, const std::wstring& suffix, const wchar_t* name,
                   std::initializer_list<WORD> keys);
// The macro of that row for the button, chosen in its key-assignment
// dialog; true once the assignment's device work has ended.
bool AssignMacro(const ProgramDriver& program, const std::wstring& suffix, const std::wstring& button, int row);

}  // namespace program_test
