#pragma once
// What the whole-program fault tests share.

#include "tests/program/support/program_driver.h"

#include <string>
#include <vector>

namespace program_test {

// A folder where no file can be made, as the test's fixture left it
// (VASTEMOR_UNWRITABLE_FOLDER, a host path); empty without one.
std::wstring UnwritableFolder();

// Chooses the item of the pop-up menu that a right click on the control
// opened; false when either did not happen.
bool ChooseFromMenu(const UiWindow& window, const wchar_t* control, const wchar_t* item);

// The trace lines after the first `from` that start with the prefix, e.g.
// "SET qiro 40 0e" (the Qiro's commits).
std::vector<std::string> TraceLinesFrom(const ProgramDriver& program, size_t from, const std::string& prefix);

}  // namespace program_test
