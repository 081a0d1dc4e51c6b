// The pointer settings through the real registry and system parameters. Run
// only in a throwaway Wine prefix: it changes the session's mouse settings.
#include "app/core/pointer/pointer_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring RegistryText(const wchar_t* key, const wchar_t* value) {
    wchar_t text[64] = {};
    DWORD size = sizeof(text);
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, text, &size);
    return status == ERROR_SUCCESS ? text : L"?";
}

TEST(PointerRegistry, WrittenSettingsReachRegistryAndSystemAndReadBack) {
    PointerSettings.accelerationOn = 1;
    PointerSettings.doubleClickLevel = 7;
    PointerSettings.speedLevel = 11;
    PointerSettings.wheelLines = 4;
    WritePointerSettings();
    EXPECT_EQ(RegistryText(L"Control Panel\\Mouse", L"DoubleClickSpeed"), L"480");
    EXPECT_EQ(RegistryText(L"Control Panel\\Mouse", L"MouseSensitivity"), L"20");
    EXPECT_EQ(RegistryText(L"Control Panel\\Mouse", L"MouseThreshold1"), L"6");
    EXPECT_EQ(RegistryText(L"Control Panel\\Desktop", L"WheelScrollLines"), L"4");
    EXPECT_EQ(GetDoubleClickTime(), 480u);

    PointerSettings = PointerSettingsRecord();
    ReadPointerSettings();
    EXPECT_EQ(PointerSettings.accelerationOn, 1);
    EXPECT_EQ(PointerSettings.doubleClickLevel, 7);
    EXPECT_EQ(PointerSettings.speedLevel, 11);
    EXPECT_EQ(PointerSettings.wheelLines, 4);

    PointerSettings.accelerationOn = 0;
    PointerSettings.scrollByPage = 1;
    WritePointerSettings();
    PointerSettings = PointerSettingsRecord();
    ReadPointerSettings();
    EXPECT_EQ(PointerSettings.accelerationOn, 0);
    EXPECT_EQ(PointerSettings.scrollByPage, 1);
}

}  // namespace
