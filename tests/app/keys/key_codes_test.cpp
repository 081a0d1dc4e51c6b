// Virtual keys, device codes, key names and mouse button codes.
#include "app/core/key_codes.h"
#include "app/core/mouse_codes.h"
#include "ui/core/window_manager.h"

#include <gtest/gtest.h>

namespace {

MSLLHOOKSTRUCT HookRecord(WORD highWord) {
    MSLLHOOKSTRUCT record = {};
    record.mouseData = static_cast<DWORD>(highWord) << 16;
    return record;
}

TEST(KeyCodes, ModifiersAndSpecialKeys) {
    EXPECT_EQ(VirtualKeyToKeyCode(VK_RCONTROL), 0x91);
    EXPECT_STREQ(GetKeyName(0x91), L"Right Ctrl");
    EXPECT_EQ(VirtualKeyToKeyCode(VK_LCONTROL), 0x81);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_CONTROL), 0x91);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_LMENU), 0);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_RMENU), 0);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_SHIFT), 0);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_MENU), 0xE2);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_LSHIFT), 0x82);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_RWIN), 0x98);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_CLEAR), 0x9C);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_OEM_PLUS), 0x2E);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_LAUNCH_MEDIA_SELECT), 0xD1);
    EXPECT_EQ(VirtualKeyToKeyCode(0xFF), 0);
    EXPECT_EQ(VirtualKeyToKeyCode(-1), 0);
}

TEST(KeyCodes, RunsOfLettersDigitsFunctionAndNumpadKeys) {
    EXPECT_EQ(VirtualKeyToKeyCode('A'), 0x04);
    EXPECT_EQ(VirtualKeyToKeyCode('Z'), 0x1D);
    EXPECT_EQ(VirtualKeyToKeyCode('1'), 0x1E);
    EXPECT_EQ(VirtualKeyToKeyCode('9'), 0x26);
    EXPECT_EQ(VirtualKeyToKeyCode('0'), 0x27);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_F12), 0x45);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_F13), 0x68);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_F24), 0x73);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_NUMPAD1), 0x59);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_NUMPAD0), 0x62);

    EXPECT_STREQ(GetKeyName(0x04), L"A");
    EXPECT_STREQ(GetKeyName(0x26), L"9");
    EXPECT_STREQ(GetKeyName(0x27), L"0");
    EXPECT_STREQ(GetKeyName(0x45), L"F12");
    EXPECT_STREQ(GetKeyName(0x68), L"F13");
    EXPECT_STREQ(GetKeyName(0x73), L"F24");
    EXPECT_STREQ(GetKeyName(0x59), L"1 (numeric pad)");
    EXPECT_STREQ(GetKeyName(0x61), L"9 (numeric pad)");
    EXPECT_STREQ(GetKeyName(0x62), L"0 (numeric pad)");
}

TEST(KeyCodes, NamesOnlyWhereTheTableHasThem) {
    EXPECT_TRUE(GetKeyName(0x32).IsEmpty());
    EXPECT_TRUE(GetKeyName(0xE2).IsEmpty());
    EXPECT_TRUE(GetKeyName(0x00).IsEmpty());
    EXPECT_TRUE(GetKeyName(0x03).IsEmpty());
    EXPECT_TRUE(GetKeyName(0x9D).IsEmpty());
    EXPECT_TRUE(GetKeyName(-5).IsEmpty());
    EXPECT_STREQ(GetKeyName(0x88), L"Win");
    EXPECT_STREQ(GetKeyName(0x98), L"Win");
    EXPECT_STREQ(GetKeyName(0x2C), L"Space bar");
    EXPECT_STREQ(GetKeyName(0x7F), L"UKB_LED");

    // Every key the hook can report names itself, except the generic Alt and the media keys.
    for (int vk = 0; vk < 256; ++vk) {
        const int code = VirtualKeyToKeyCode(vk);
        if (code == 0 || code == 0xE2 || (code >= 0xC0 && code <= 0xD1)) continue;
        EXPECT_FALSE(GetKeyName(code).IsEmpty()) << "virtual key " << vk << " code " << code;
    }
}

TEST(KeyCodes, MediaNamesAndBits) {
    EXPECT_STREQ(GetMediaKeyName(160), L"Scan Next Track");
    EXPECT_STREQ(GetMediaKeyName(163), L"Play/Pause ");
    EXPECT_STREQ(GetMediaKeyName(183), L"WWW Favorites");
    EXPECT_TRUE(GetMediaKeyName(184).IsEmpty());
    EXPECT_TRUE(GetMediaKeyName(159).IsEmpty());

    EXPECT_EQ(ClearBit(0x1FF, 0), 0xFE);
    EXPECT_EQ(ClearBit(0x0F, 3), 0x07);
    EXPECT_EQ(SetBit(0x01, 4), 0x11);
    EXPECT_EQ(SetBit(0x01, 40), 0x01) << "no such bit";
    EXPECT_EQ(ClearBit(0x1F1, -1), 0xF1);
}

TEST(MouseCodes, ButtonsEventsAndSideButtons) {
    const MSLLHOOKSTRUCT plain = HookRecord(0);
    EXPECT_EQ(MouseMessageToButtonBit(WM_LBUTTONDOWN, plain), 1);
    EXPECT_EQ(MouseMessageToButtonBit(WM_RBUTTONUP, plain), 2);
    EXPECT_EQ(MouseMessageToButtonBit(WM_MBUTTONDOWN, plain), 4);
    EXPECT_EQ(MouseMessageToButtonBit(WM_MOUSEMOVE, plain), 0);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_LBUTTONDOWN, plain), 0xA1);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_LBUTTONUP, plain), 0x21);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_RBUTTONDOWN, plain), 0xA2);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_MBUTTONUP, plain), 0x24);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_MOUSEWHEEL, plain), 0);

    const MSLLHOOKSTRUCT first = HookRecord(XBUTTON1);
    EXPECT_EQ(MouseMessageToButtonBit(WM_XBUTTONDOWN, first), 16);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_XBUTTONDOWN, first), 0xB0);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_XBUTTONUP, first), 0x30);
    const MSLLHOOKSTRUCT second = HookRecord(XBUTTON2);
    EXPECT_EQ(MouseMessageToButtonBit(WM_XBUTTONUP, second), 8);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_XBUTTONDOWN, second), 0xA8);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_XBUTTONUP, second), 0x28);
}

TEST(MouseCodes, TokensWithTheLanguageTextsReplaced) {
    EXPECT_STREQ(GetMouseButtonToken(1), L"%{054}") << "no language loaded";
    EXPECT_STREQ(GetMouseButtonToken(8), L"%{078}");
    EXPECT_STREQ(GetMouseButtonToken(16), L"%{079}");
    EXPECT_TRUE(GetMouseButtonToken(3).IsEmpty());
    EXPECT_STREQ(GetMacroMouseEventToken(0xA8), L"%{078}");
    EXPECT_STREQ(GetMacroMouseEventToken(0x30), L"%{079}");
    EXPECT_TRUE(GetMacroMouseEventToken(0xA3).IsEmpty());
    EXPECT_TRUE(GetMacroMouseEventToken(0x41).IsEmpty());
    EXPECT_TRUE(GetMacroMouseEventToken(0x1A1).IsEmpty());

    SkinUI::CWindowManagerUI::AddLanguageText(55, L"Right button");
    EXPECT_STREQ(GetMouseButtonToken(2), L"Right button");
    EXPECT_STREQ(GetMacroMouseEventToken(0x22), L"Right button");
    SkinUI::CWindowManagerUI::RemoveAllLanguageTexts();
}

}  // namespace
