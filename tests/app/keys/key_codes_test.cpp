// Virtual keys, device codes, key names and mouse button codes.
#include "app/core/keys/key_codes.h"
#include "app/core/keys/mouse_codes.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyCodes, ModifiersAndNames) {
    EXPECT_EQ(VirtualKeyToKeyCode(VK_RCONTROL), 0x91);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_LCONTROL), 0x81);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_CONTROL), 0x91);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_LMENU), 0);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_RMENU), 0);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_MENU), 0xE2);
    EXPECT_EQ(VirtualKeyToKeyCode('0'), 0x27);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_F24), 0x73);
    EXPECT_TRUE(GetKeyName(0x32).IsEmpty());
    EXPECT_TRUE(GetKeyName(0xE2).IsEmpty());
    EXPECT_STREQ(GetKeyName(0x98), L"Win");
    EXPECT_STREQ(GetKeyName(0x62), L"0 (numeric pad)");
    EXPECT_STREQ(GetMediaKeyName(163), L"Play/Pause ");
    EXPECT_TRUE(GetMediaKeyName(184).IsEmpty());
    EXPECT_EQ(ClearBit(0x1FF, 0), 0xFE);

    // Every key the hook reports names itself, but the generic Alt and the media keys.
    for (int vk = 0; vk < 256; ++vk) {
        const int code = VirtualKeyToKeyCode(vk);
        if (code == 0 || code == 0xE2 || code >= 0xC0) continue;
        EXPECT_FALSE(GetKeyName(code).IsEmpty()) << "virtual key " << vk;
    }
}

TEST(MouseCodes, SideButtonsAndTokens) {
    MSLLHOOKSTRUCT record = {};
    record.mouseData = XBUTTON1 << 16;
    EXPECT_EQ(MouseMessageToButtonBit(WM_XBUTTONDOWN, record), 16);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_XBUTTONDOWN, record), 0xB0);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_XBUTTONUP, record), 0x30);
    record.mouseData = XBUTTON2 << 16;
    EXPECT_EQ(MouseMessageToMacroEvent(WM_XBUTTONDOWN, record), 0xA8);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_RBUTTONUP, record), 0x22);
    EXPECT_EQ(MouseMessageToMacroEvent(WM_MOUSEMOVE, record), 0);

    EXPECT_STREQ(GetMouseButtonToken(2), L"%{055}");
    EXPECT_STREQ(GetMacroMouseEventToken(0xA2), L"%{055}");
    EXPECT_STREQ(GetMacroMouseEventToken(0x30), L"%{078}");
    EXPECT_TRUE(GetMacroMouseEventToken(0xA3).IsEmpty());
}

}  // namespace
