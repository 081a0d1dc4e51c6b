#pragma once
// What the whole-program fault tests share.

#include "tests/program/support/program_driver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace program_test {

// A folder where no file can be made, as the test's fixture left it
// (VASTEMOR_UNWRITABLE_FOLDER, a host path); empty without one.
std::wstring UnwritableFolder();
// A temporary folder whose macro folder holds a Qiro and a keyboard macro
// file of one record each and takes no file, as the test's fixture left it
// (VASTEMOR_UNWRITABLE_MACRO_TEMP, a host path); empty without one.
std::wstring TemporaryFolderOfUnwritableMacros();

// Closes the program and starts it again with that temporary folder (TMP,
// TEMP); false for an empty folder or a start that fails.
bool RestartWithTemporaryFolder(ProgramDriver& program, const std::wstring& folder);

// Whether the control (a page's root) is there and enabled; a page is
// disabled while its controller is not connected.
bool IsEnabled(const ProgramDriver& program, const std::wstring& name);
// Whether the option or check box is there and selected.
bool IsSelected(const ProgramDriver& program, const std::wstring& name);

// The report-rate option (1..4) a Nolx-family image selects.
int ReportRateOption(const std::vector<uint8_t>& image);
// The name of a report-rate option of a Nolx-family page ("_Qiro", ...).
std::wstring ReportRateName(int option, const wchar_t* suffix);
// Chooses the next report-rate option on a Nolx-family page and waits until
// the controller holds it; the option, 0 when it did not get there.
int ChooseOtherReportRate(const ProgramDriver& program, const char* family, const wchar_t* suffix);

// Clicks the button that asks for a file, answers the file dialog with the
// path and waits until the request the button made has ended.
bool UseFile(const ProgramDriver& program, const wchar_t* button, const std::wstring& path);

// Chooses the item of the pop-up menu that a right click on the control
// opened; false when either did not happen.
bool ChooseFromMenu(const UiWindow& window, const wchar_t* control, const wchar_t* item);

// The trace lines after the first `from` that start with the prefix, e.g.
// "SET qiro 40 0e" (the Qiro's commits).
std::vector<std::string> TraceLinesFrom(const ProgramDriver& program, size_t from, const std::string& prefix);

}  // namespace program_test
