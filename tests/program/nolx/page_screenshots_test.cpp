// The Qiro, Dolv and Mesk pages in the real program over their simulated
// mice, every tab in each language, saved for a person to look at.
#include "tests/program/support/program_driver.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

using namespace program_test;

namespace {

void ShootEveryTab(const std::wstring& family) {
    std::wstring lower = family;
    for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
    ProgramDriver program(lower);
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(family.c_str())));
    const struct {
        const wchar_t* language;
        const wchar_t* suffix;
    } languages[] = {{L"language_1", L""}, {L"language_2", L"_zh"}};
    const struct {
        const wchar_t* button;
        const wchar_t* name;
    } tabs[] = {{L"profile1", L"buttons"}, {L"marco_manager", L"macros"}, {L"advanced_Settings", L"advanced"},
                {L"led_Settings", L"lighting"}, {L"fire_macro_Settings", L"fire"}};
    for (const auto& language : languages) {
        ASSERT_TRUE(program.Window().Click(language.language));
        for (const auto& tab : tabs) {
            ASSERT_TRUE(program.Window().Click((std::wstring(tab.button) + L"_" + family).c_str())) << tab.button;
            ASSERT_TRUE(program.WaitIdle());
            const std::wstring shot = L"program_" + lower + L"_" + tab.name + language.suffix;
            EXPECT_TRUE(program.Window().Screenshot(shot)) << std::string(shot.begin(), shot.end());
        }
    }
}

}  // namespace

TEST(NolxPageScreenshots, Qiro) { ShootEveryTab(L"Qiro"); }
TEST(NolxPageScreenshots, Dolv) { ShootEveryTab(L"Dolv"); }
TEST(NolxPageScreenshots, Mesk) { ShootEveryTab(L"Mesk"); }
