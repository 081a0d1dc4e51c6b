// Pointer settings between the record, the registry texts and the system calls.
#include "app/core/pointer/pointer_settings.h"
#include "tests/app/support/settings_reset.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const wchar_t kMouse[] = L"Control Panel\\Mouse";
const wchar_t kDesktop[] = L"Control Panel\\Desktop";

// Registry keys and system parameters in memory; the system calls logged in order.
class FakePointerSystem : public PointerSystem {
public:
    bool GetMouse(int values[3]) override {
        std::copy(mouse, mouse + 3, values);
        return true;
    }
    bool GetMouseSpeed(int* value) override {
        *value = speed;
        return true;
    }
    TextRead ReadText(const wchar_t* key, const wchar_t* value, std::wstring* text) override {
        if (!registry.count(key)) return TextRead::NoKey;
        const auto& values = registry[key];
        if (!values.count(value)) return TextRead::NoValue;
        *text = values.at(value);
        return TextRead::Read;
    }
    bool WriteTexts(const wchar_t* key, const NamedTexts& values) override {
        if (!registry.count(key)) return false;
        for (const auto& [name, text] : values) registry[key][name] = text;
        return true;
    }
    void SetMouseSpeed(int value) override { Log(L"speed", value); }
    void SetMouse(const int values[3]) override { Log(L"mouse", values[0] * 10000 + values[1] * 100 + values[2]); }
    void SetDoubleClickTime(int ms) override { Log(L"double", ms); }
    void SetWheelScrollLines(int lines) override { Log(L"wheel", lines); }
    void Log(const wchar_t* call, int value) { calls.push_back(call + (L" " + std::to_wstring(value))); }

    int mouse[3] = {};
    int speed = 10;
    std::map<std::wstring, std::map<std::wstring, std::wstring>> registry{{kMouse, {}}, {kDesktop, {}}};
    std::vector<std::wstring> calls;
};

class PointerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAppSettings(); }
    void TearDown() override { ResetAppSettings(); }
    int DoubleClickLevelOf(const wchar_t* text) {
        system.registry[kMouse][L"DoubleClickSpeed"] = text;
        ReadPointerSettings(system);
        return PointerSettings.doubleClickLevel;
    }

    FakePointerSystem system;
};

TEST_F(PointerSettingsTest, LevelTablesBothWays) {
    EXPECT_EQ(DoubleClickLevelOf(L"500"), 7);
    EXPECT_EQ(DoubleClickLevelOf(L"270"), 10);
    EXPECT_EQ(DoubleClickLevelOf(L"200"), 11);
    EXPECT_EQ(DoubleClickLevelOf(L"-1"), 1) << "taken as unsigned";
    for (int level = 1; level <= 11; ++level) {
        PointerSettings.doubleClickLevel = PointerSettings.speedLevel = level;
        WritePointerSettings(system);
        system.speed = std::stoi(system.registry[kMouse][L"MouseSensitivity"]);
        PointerSettings = PointerSettingsRecord();
        ReadPointerSettings(system);
        EXPECT_EQ(PointerSettings.doubleClickLevel, level);
        EXPECT_EQ(PointerSettings.speedLevel, level);
    }
    EXPECT_EQ(system.registry[kMouse][L"DoubleClickSpeed"], L"200") << "level 11";
    system.speed = 10;
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.speedLevel, 6);
    system.speed = 21;
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.speedLevel, 6) << "an unknown speed leaves the level";
}

TEST_F(PointerSettingsTest, WheelLinesAndPageScrolling) {
    auto& lines = system.registry[kDesktop][L"WheelScrollLines"];
    lines = L"0";
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.wheelLines, 3);
    lines = L"4294967295";
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.scrollByPage, 1) << "-1 in the system's own form";
    system.registry.erase(kDesktop);
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.wheelLines, 6);
    EXPECT_EQ(PointerSettings.scrollByPage, 1) << "no key: the page flag stays";
    system.registry[kDesktop];
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.scrollByPage, 0) << "no value: six lines";

    PointerSettings.scrollByPage = 1;
    WritePointerSettings(system);
    EXPECT_EQ(system.registry[kDesktop][L"WheelScrollLines"], L"-1");
    EXPECT_EQ(system.calls.back(), L"wheel -1");
}

TEST_F(PointerSettingsTest, AccelerationAndSystemCallsEvenWithoutRegistry) {
    system.mouse[2] = 1;
    ReadPointerSettings(system);
    EXPECT_EQ(PointerSettings.accelerationOn, 1);
    PointerSettings.doubleClickLevel = 7;
    PointerSettings.wheelLines = 3;
    WritePointerSettings(system);
    EXPECT_EQ(system.registry[kMouse][L"MouseThreshold2"], L"10");
    PointerSettings.accelerationOn = 0;
    system.registry.clear();
    system.calls.clear();
    WritePointerSettings(system);
    EXPECT_EQ(system.calls, (std::vector<std::wstring>{L"speed 10", L"mouse 0", L"double 480", L"wheel 3"}));
    system.registry[kMouse];
    WritePointerSettings(system);
    for (const wchar_t* name : {L"MouseSpeed", L"MouseThreshold1", L"MouseThreshold2"}) {
        EXPECT_EQ(system.registry[kMouse][name], L"0") << name;
    }
}

}  // namespace
