#pragma once
// What the whole-program fault tests share.

#include "tests/program/support/program_driver.h"

#include <string>
#include <vector>

namespace program_test {

// The trace lines after the first `from` that start with the prefix, e.g.
// "SET qiro 40 0e" (the Qiro's commits).
std::vector<std::string> TraceLinesFrom(const ProgramDriver& program, size_t from, const std::string& prefix);

}  // namespace program_test
