// Pointer settings between the record, the registry texts and the system calls.
#include "app/core/pointer_settings.h"
#include "tests/app/support/settings_reset.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// The registry keys and system parameters, in memory; logs the system calls in order.
class FakePointerSystem : public PointerSystem {
public:
    bool GetMouse(int values[3]) override {
        std::copy(mouse, mouse + 3, values);
        return true;
    }
    bool GetMouseSpeed(int* value) override {
        *value = speed;
        return speedReadable;
    }
    TextRead ReadText(const wchar_t* key, const wchar_t* value, std::wstring* text) override {
        const auto found = registry.find(key);
        if (found == registry.end()) return TextRead::NoKey;
        const auto entry = found->second.find(value);
        if (entry == found->second.end()) return TextRead::NoValue;
        *text = entry->second;
        return TextRead::Read;
    }
    bool WriteTexts(const wchar_t* key, const NamedTexts& values) override {
        const auto found = registry.find(key);
        if (found == registry.end()) return false;
        for (const auto& [name, text] : values) found->second[name] = text;
        return true;
    }
    void SetMouseSpeed(int value) override { calls.push_back(L"speed " + std::to_wstring(value)); }
    void SetMouse(const int values[3]) override {
        calls.push_back(L"mouse " + std::to_wstring(values[0]) + L"," + std::to_wstring(values[1]) + L"," +
                        std::to_wstring(values[2]));
    }
    void SetDoubleClickTime(int ms) override { calls.push_back(L"double " + std::to_wstring(ms)); }
    void SetWheelScrollLines(int lines) override { calls.push_back(L"wheel " + std::to_wstring(lines)); }

    std::wstring& Text(const wchar_t* key, const wchar_t* value) { return registry[key][value]; }

    int mouse[3] = {};
    int speed = 10;
    bool speedReadable = true;
    std::map<std::wstring, std::map<std::wstring, std::wstring>> registry{{L"Control Panel\\Mouse", {}},
                                                                         {L"Control Panel\\Desktop", {}}};
    std::vector<std::wstring> calls;
};

class PointerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAppSettings(); }
    void TearDown() override { ResetAppSettings(); }

    int DoubleClickLevelOf(const wchar_t* text) {
        system.Text(L"Control Panel\\Mouse", L"DoubleClickSpeed") = text;
        ReadPointerSettings(system);
        return PointerSettings.doubleClickLevel;
    }

    FakePointerSystem system;
};

TEST_F(PointerSettingsTest, LevelTablesBothWays) {
    EXPECT_EQ(DoubleClickLevelOf(L"500"), 7);
    EXPECT_EQ(DoubleClickLevelOf(L"270"), 10);
    EXPECT_EQ(DoubleClickLevelOf(L"200"), 11);
    EXPECT_EQ(DoubleClickLevelOf(L"900"), 1);
    EXPECT_EQ(DoubleClickLevelOf(L"899"), 2);
    EXPECT_EQ(DoubleClickLevelOf(L"-1"), 1) << "taken as unsigned";
    EXPECT_EQ(DoubleClickLevelOf(L"junk"), 11);

    for (int level = 1; level <= 11; ++level) {
        PointerSettings.doubleClickLevel = level;
        PointerSettings.speedLevel = level;
        WritePointerSettings(system);
        system.speed = _wtoi(system.Text(L"Control Panel\\Mouse", L"MouseSensitivity").c_str());
        PointerSettingsRecord written = PointerSettings;
        PointerSettings = PointerSettingsRecord();
        ReadPointerSettings(system);
        EXPECT_EQ(PointerSettings.doubleClickLevel, written.doubleClickLevel) << level;
        EXPECT_EQ(PointerSettings.speedLevel, written.speedLevel) << level;
    }
    EXPECT_EQ(system.Text(L"Control Panel\\Mouse", L"DoubleClickSpeed"), L"200") << "level 11";
    EXPECT_EQ(system.Text(L"Control Panel\\Mouse", L"MouseSensitivity"), L"20");

    PointerSettings.speedLevel = 6;
    WritePointerSettings(system);
    EXPECT_EQ(system.Text(L"Control Panel\\Mouse", L"MouseSensitivity"), L"10");
    PointerSettings.speedLevel = 40;
    PointerSettings.doubleClickLevel = 0;
    WritePointerSettings(system);
    EXPECT_EQ(system.Text(L"Control Panel\\Mouse", L"MouseSensitivity"), L"20") << "nearest level";
    EXPECT_EQ(system.Text(L"Control Panel\\Mouse", L"DoubleClickSpeed"), L"900");
}

TEST_F(PointerSettingsTest, PointerSpeedReadsAsLevel) {
    const std::pair<int, int> speeds[] = {{0, 1}, {1, 1}, {2, 2}, {10, 6}, {19, 10}, {20, 11}};
    for (const auto& [speed, level] : speeds) {
        system.speed = speed;
        ReadPointerSettings(system);
        EXPECT_EQ(PointerSettings.speedLevel, level) << speed;
    }
    system.speed = 21;
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.speedLevel, 11) << "an unknown speed leaves the level";
    system.speed = 4;
    system.speedReadable = false;
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.speedLevel, 11);
}

TEST_F(PointerSettingsTest, WheelLinesAndPageScrolling) {
    system.Text(L"Control Panel\\Desktop", L"WheelScrollLines") = L"0";
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.wheelLines, 3);
    EXPECT_EQ(PointerSettings.scrollByPage, 0);

    system.Text(L"Control Panel\\Desktop", L"WheelScrollLines") = L"-1";
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.wheelLines, -1);
    EXPECT_EQ(PointerSettings.scrollByPage, 1);
    system.Text(L"Control Panel\\Desktop", L"WheelScrollLines") = L"4294967295";
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.scrollByPage, 1) << "the same 32-bit value";

    system.registry.erase(L"Control Panel\\Desktop");
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.wheelLines, 6) << "no key: defaults";
    EXPECT_EQ(PointerSettings.scrollByPage, 1) << "no key: page flag unchanged";
    EXPECT_EQ(PointerSettings.doubleClickLevel, 6);

    system.registry[L"Control Panel\\Desktop"];
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.wheelLines, 6);
    EXPECT_EQ(PointerSettings.scrollByPage, 0) << "no value: six lines, no paging";

    PointerSettings.scrollByPage = 1;
    PointerSettings.wheelLines = 4;
    WritePointerSettings(system);
    EXPECT_EQ(system.Text(L"Control Panel\\Desktop", L"WheelScrollLines"), L"-1");
    EXPECT_EQ(system.calls.back(), L"wheel -1");
    PointerSettings.scrollByPage = 0;
    WritePointerSettings(system);
    EXPECT_EQ(system.Text(L"Control Panel\\Desktop", L"WheelScrollLines"), L"4");
}

TEST_F(PointerSettingsTest, AccelerationTextsAndSystemCallsInOrder) {
    system.mouse[2] = 1;
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.accelerationOn, 1);
    system.mouse[2] = 0;
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.accelerationOn, 0);

    PointerSettings.doubleClickLevel = 7;
    PointerSettings.speedLevel = 6;
    PointerSettings.wheelLines = 3;
    WritePointerSettings(system);
    for (const wchar_t* name : {L"MouseSpeed", L"MouseThreshold1", L"MouseThreshold2"}) {
        EXPECT_EQ(system.Text(L"Control Panel\\Mouse", name), L"0") << name;
    }
    EXPECT_EQ(system.calls, (std::vector<std::wstring>{L"speed 10", L"mouse 0,0,0", L"double 480", L"wheel 3"}));

    PointerSettings.accelerationOn = 1;
    system.registry.clear();
    system.calls.clear();
    WritePointerSettings(system);
    EXPECT_TRUE(system.registry.empty()) << "keys that cannot be opened are skipped";
    EXPECT_EQ(system.calls, (std::vector<std::wstring>{L"speed 10", L"mouse 6,10,1", L"double 480", L"wheel 3"}))
        << "the running system is set all the same";

    system.registry[L"Control Panel\\Mouse"];
    WritePointerSettings(system);
    EXPECT_EQ(system.Text(L"Control Panel\\Mouse", L"MouseSpeed"), L"1");
    EXPECT_EQ(system.Text(L"Control Panel\\Mouse", L"MouseThreshold1"), L"6");
    EXPECT_EQ(system.Text(L"Control Panel\\Mouse", L"MouseThreshold2"), L"10");
}

}  // namespace
