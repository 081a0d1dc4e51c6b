// The Kelvo and Kelvo driver pages in the real program over the factory-fresh
// simulated Kelvo mouse, every tab in each language, saved for a person to
// look at; every stage of the factory gun presets shown.
#include "tests/program/support/program_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace program_test;

namespace {

void ShootEveryTab(ProgramDriver& program, const std::wstring& family, const std::wstring& shotName,
                   const std::vector<std::wstring>& tabs) {
    ASSERT_TRUE(program.ShowPage(MousePage(family.c_str())));
    const struct {
        const wchar_t* language;
        const wchar_t* suffix;
    } languages[] = {{L"language_1", L""}, {L"language_2", L"_zh"}};
    for (const auto& language : languages) {
        ASSERT_TRUE(program.Window().Click(language.language));
        for (const std::wstring& tab : tabs) {
            ASSERT_TRUE(program.Window().Click((tab + L"_" + family).c_str())) << std::string(tab.begin(), tab.end());
            ASSERT_TRUE(program.WaitIdle());
            const std::wstring shot = L"program_" + shotName + L"_" + tab + language.suffix;
            EXPECT_TRUE(program.Window().Screenshot(shot)) << std::string(shot.begin(), shot.end());
        }
    }
}

void ExpectFactoryFireValues(ProgramDriver& program) {
    const wchar_t* const guns[] = {L"AKM", L"M16", L"M4", L"UMP9", L"SCAR-L", L"556mm_Fire", L"762mm_Fire"};
    ASSERT_TRUE(program.Window().Click(L"fire_macro_Settings_Kelvo"));
    for (int preset = 0; preset < 7; ++preset) {
        ASSERT_TRUE(program.Window().Click((std::wstring(L"gun_") + guns[preset] + L"_Kelvo").c_str()));
        const int stages = preset < 5 ? 1 : preset - 3;
        for (int stage = 1; stage <= stages; ++stage) {
            for (const wchar_t* value : {L"count", L"Y-Axis", L"Y-Axis_offset", L"delay_times"}) {
                const std::wstring name = std::wstring(L"result_fire_") + value + std::to_wstring(stage) + L"_Kelvo";
                EXPECT_FALSE(program.Window().TextOf(name.c_str()).empty())
                    << std::string(name.begin(), name.end()) << " of preset " << preset;
            }
        }
    }
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_TRUE(program.Window().Screenshot(L"program_kelvo_fire_762mm"));
}

}  // namespace

TEST(KelvoPageScreenshots, Kelvo) {
    ProgramDriver program(L"kelvo");
    ASSERT_TRUE(program.Start());
    ShootEveryTab(program, L"Kelvo", L"kelvo",
                  {L"profile1", L"profile2", L"marco_manager", L"advanced_Settings", L"led_Settings",
                   L"fire_macro_Settings"});
    ExpectFactoryFireValues(program);
}

TEST(KelvoPageScreenshots, KelvoDriver) {
    ProgramDriver program(L"kelvo");
    ASSERT_TRUE(program.Start());
    ShootEveryTab(program, L"Kelvo_Driver", L"kelvo_driver",
                  {L"profile1", L"profile2", L"marco_manager", L"advanced_Settings", L"led_Settings"});
}
