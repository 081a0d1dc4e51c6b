#pragma once
// The simulated program in a process of its own: started over its
// controllers, and shown a page; the program in the test's process shows
// where "device_combo" and the page's row are, and the same clicks posted to
// the other process's main window choose it there.

#include "tests/program/support/program_driver.h"
#include "tests/program/support/program_process.h"

#include <string>
#include <utility>
#include <vector>

namespace program_test {

// What the program is given: the controllers (HIDSIM_DEVICES), a folder for
// their memory and its temporary files, and the file of their transfer
// trace (none when empty).
std::vector<std::pair<std::wstring, std::wstring>> SimulatedEnvironment(const std::wstring& devices,
                                                                        const std::wstring& folder,
                                                                        const std::wstring& trace = L"");

// The program's main window once its start-up read has ended; null when the
// program did not start or either did not come in time.
HWND WaitForStartedWindow(const ProgramProcess& program);

struct PageChoice {
    bool needed = false;  // the first page shows from the start
    POINT combo = {};     // in the main window
    POINT row = {};       // in the drop-down list
};

// Chooses the page in the test's own program, noting the clicks; false when
// it has no such page.
bool ChoosePageNoting(const ProgramDriver& local, const std::wstring& pageRoot, PageChoice* choice);

// The noted clicks posted to the other process's main window; true once its
// drop-down list has closed.
bool ChoosePageIn(const ProgramProcess& program, HWND window, const PageChoice& choice);

}  // namespace program_test
