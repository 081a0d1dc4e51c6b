#pragma once
// Showing a page of the program in a process of its own: the program in the
// test's process shows where "device_combo" and the page's row are, and the
// same clicks posted to the other process's main window choose it there.

#include "tests/program/support/program_driver.h"
#include "tests/program/support/program_process.h"

#include <string>

namespace program_test {

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
