// The Qiro, Dolv and Mesk pages in the real program over their factory-fresh
// simulated mice, every tab in each language, saved for a person to look at;
// the fire values of the factory image all shown.
#include "app/main/windows/nolx_fire_state.h"
#include "tests/program/support/program_driver.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

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

// Every stage of every gun preset and every fire key of the factory image
// shows its values.
void ExpectFactoryFireValues(ProgramDriver& program, const std::wstring& family) {
    const bool qiro = family == L"Qiro";
    const wchar_t* const guns[] = {L"AKM", L"M16", L"M4", L"UMP9", L"SCAR-L", L"556mm_Fire", L"762mm_Fire"};
    const wchar_t* const values[] = {L"X_Value", L"X_Adjustment_Value", L"Y_Value", L"Y_Adjustment_Value",
                                     L"shoot_time_Value"};
    ASSERT_TRUE(program.Window().Click((L"fire_macro_Settings_" + family).c_str()));
    for (int preset = 0; preset < 7; ++preset) {
        ASSERT_TRUE(program.Window().Click((std::wstring(L"gun_") + guns[preset] + L"_" + family).c_str()));
        const int stages = qiro || preset < 5 ? 1 : preset - 3;
        for (int stage = 1; stage <= stages; ++stage) {
            const std::wstring digit = qiro ? L"" : std::to_wstring(stage);
            std::vector<std::wstring> names = {(qiro ? L"result_fire_count" : L"result_fire_gun_count") + digit};
            for (const wchar_t* value : values) names.push_back(std::wstring(L"result_fire_") + value + digit);
            for (const std::wstring& name : names) {
                EXPECT_FALSE(program.Window().TextOf((name + L"_" + family).c_str()).empty())
                    << std::string(name.begin(), name.end()) << " of preset " << preset;
            }
        }
    }
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_TRUE(program.Window().Screenshot(L"program_" + Lower(family) + L"_fire_762mm"));
    for (int key = 1; key <= 3; ++key) {
        const std::wstring time = L"result_fire_time" + std::to_wstring(key) + L"_" + family;
        EXPECT_NE(program.Window().TextOf(time.c_str()), L"0") << key;
    }
}

}  // namespace

TEST(NolxPageScreenshots, Qiro) {
    ProgramDriver program(L"qiro");
    ASSERT_TRUE(program.Start());
    ShootEveryTab(program, L"Qiro");
    ExpectFactoryFireValues(program, L"Qiro");
}

TEST(NolxPageScreenshots, Dolv) {
    ProgramDriver program(L"dolv");
    ASSERT_TRUE(program.Start());
    ShootEveryTab(program, L"Dolv");
    ExpectFactoryFireValues(program, L"Dolv");
}

TEST(NolxPageScreenshots, Mesk) {
    MeskFireMacroAvailable = false;
    ProgramDriver program(L"mesk");
    ASSERT_TRUE(program.Start());
    // The page offers its fire tab: its key-assignment dialog offers fire macros.
    EXPECT_TRUE(MeskFireMacroAvailable);
    ShootEveryTab(program, L"Mesk");
    ExpectFactoryFireValues(program, L"Mesk");
}
