#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace SkinUI {
namespace test {

// Builds a layout (a skin file name below the current resource folder, or
// XML text) the way a window does, with a window manager that has no window.
// The custom tags that the program's own callbacks create are accepted as
// empty containers. Fails, naming each problem, on a file or parse error of
// the layout or of any include, on a tag that nothing creates, on an Image
// element whose image does not load, and on a layout with controls whose
// build makes none.
::testing::AssertionResult LintLayout(const std::wstring& layout,
                                      const std::vector<std::wstring>& customTags = {});

}  // namespace test
}  // namespace SkinUI
