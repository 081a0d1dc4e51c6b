#pragma once
// A small skin for the main window's tests: a main layout with the language
// menu, both combos and two pages, the progress and message box layouts, and
// two language files.

#include "tests/ui/support/scratch_dir.h"

#include <string>

namespace frame_test {

class TestSkin {
public:
    // The main layout without its language menu when withLanguages is false.
    explicit TestSkin(bool withLanguages = true);
    ~TestSkin();
    TestSkin(const TestSkin&) = delete;
    TestSkin& operator=(const TestSkin&) = delete;

    void Write(const wchar_t* relative, const std::string& utf8) const;

private:
    SkinUI::test::ScratchDir dir_;
};

}  // namespace frame_test
