#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace SkinUI {

class CWindowManagerUI;

namespace test {

// Walks every visible control of a window as it is laid out now and lists,
// one line per fault naming the control, what a user would see as
// unfinished:
// - a text or tooltip that still holds "%{" once the language replaced its
//   tokens;
// - an image of a control (background, fore, state, thumb and row images)
//   that the skin does not have;
// - a text that does not fit where its control draws it, measured by the
//   renderer in the control's font: the width of a one-line text, the height
//   (and the longest word) of a multi-line one; a combo box's shown item and
//   every item of its drop-down list, the rows of lists;
// - a control whose rectangle leaves the window's client area, or the part
//   of its parent that clips it (scrolled content excepted).
std::vector<std::wstring> UnfinishedControls(CWindowManagerUI& manager);

// Succeeds when UnfinishedControls finds nothing; the failure lists what it
// found under the name of the window.
::testing::AssertionResult LooksFinished(CWindowManagerUI& manager, const std::wstring& window);

}  // namespace test
}  // namespace SkinUI
