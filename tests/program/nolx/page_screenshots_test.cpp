// The Qiro, Dolv and Mesk pages in the real program over their simulated
// mice, every tab in each language, saved for a person to look at.
#include "app/main/windows/nolx_fire_state.h"
#include "tests/program/support/program_driver.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

using namespace program_test;

namespace {

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
    return text;
}

void ShootEveryTab(ProgramDriver& program, const std::wstring& family) {
    const std::wstring lower = Lower(family);
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

TEST(NolxPageScreenshots, Qiro) {
    ProgramDriver program(L"qiro");
    ASSERT_TRUE(program.Start());
    ShootEveryTab(program, L"Qiro");
}

TEST(NolxPageScreenshots, Dolv) {
    ProgramDriver program(L"dolv");
    ASSERT_TRUE(program.Start());
    ShootEveryTab(program, L"Dolv");
}

TEST(NolxPageScreenshots, Mesk) {
    MeskFireMacroAvailable = false;
    ProgramDriver program(L"mesk");
    ASSERT_TRUE(program.Start());
    // The page offers its fire tab: its key-assignment dialog offers fire macros.
    EXPECT_TRUE(MeskFireMacroAvailable);
    ShootEveryTab(program, L"Mesk");
}
