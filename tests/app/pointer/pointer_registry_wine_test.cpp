// The pointer settings through the real registry and system parameters. Run
// only in a throwaway Wine prefix: it changes the session's mouse settings.
#include "app/core/pointer_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring RegistryText(const wchar_t* key, const wchar_t* value) {
    wchar_t text[64] = {};
    DWORD size = sizeof(text);
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS) return L"?";
    return type == REG_SZ ? std::wstring(text) : L"not REG_SZ";
}

void PutRegistryText(const wchar_t* key, const wchar_t* value, const wchar_t* text) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(opened, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
}

TEST(PointerRegistry, WrittenSettingsReachTheRegistryAndTheSystemAndReadBack) {
    PointerSettings = PointerSettingsRecord();
    PointerSettings.accelerationOn = 1;
    PointerSettings.doubleClickLevel = 7;
    PointerSettings.speedLevel = 11;
    PointerSettings.wheelLines = 4;
    WritePointerSettings();

    EXPECT_EQ(RegistryText(L"Control Panel\\Mouse", L"DoubleClickSpeed"), L"480");
    EXPECT_EQ(RegistryText(L"Control Panel\\Mouse", L"MouseSensitivity"), L"20");
    EXPECT_EQ(RegistryText(L"Control Panel\\Mouse", L"MouseSpeed"), L"1");
    EXPECT_EQ(RegistryText(L"Control Panel\\Mouse", L"MouseThreshold1"), L"6");
    EXPECT_EQ(RegistryText(L"Control Panel\\Mouse", L"MouseThreshold2"), L"10");
    EXPECT_EQ(RegistryText(L"Control Panel\\Desktop", L"WheelScrollLines"), L"4");

    int speed = 0;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0));
    EXPECT_EQ(speed, 20);
    EXPECT_EQ(GetDoubleClickTime(), 480u);
    UINT lines = 0;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(lines, 4u);

    PointerSettings = PointerSettingsRecord();
    ReadPointerSettings();
    EXPECT_EQ(PointerSettings.accelerationOn, 1);
    EXPECT_EQ(PointerSettings.doubleClickLevel, 7);
    EXPECT_EQ(PointerSettings.speedLevel, 11);
    EXPECT_EQ(PointerSettings.wheelLines, 4);
    EXPECT_EQ(PointerSettings.scrollByPage, 0);

    PutRegistryText(L"Control Panel\\Desktop", L"WheelScrollLines", L"-1");
    PutRegistryText(L"Control Panel\\Mouse", L"DoubleClickSpeed", L"270");
    ReadPointerSettings();
    EXPECT_EQ(PointerSettings.scrollByPage, 1);
    EXPECT_EQ(PointerSettings.doubleClickLevel, 10);

    PointerSettings.accelerationOn = 0;
    PointerSettings.speedLevel = 6;
    WritePointerSettings();
    EXPECT_EQ(RegistryText(L"Control Panel\\Mouse", L"MouseThreshold2"), L"0");
    int mouse[3] = {1, 1, 1};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0));
    EXPECT_EQ(mouse[0] | mouse[1] | mouse[2], 0);

    // The system stores the page setting in its own form; it still reads as a page.
    PointerSettings = PointerSettingsRecord();
    ReadPointerSettings();
    EXPECT_EQ(PointerSettings.scrollByPage, 1);
    EXPECT_EQ(PointerSettings.accelerationOn, 0);
    EXPECT_EQ(PointerSettings.speedLevel, 6);
}

}  // namespace
