#pragma once
// Device key codes: keyboard usage ids for ordinary keys, 0x81/0x82/0x84/0x88
// for left Ctrl/Shift/Alt/Win and 0x91/0x92/0x94/0x98 for the right ones,
// 0xE2 for the generic Alt key, 0x9C Clear, 0xC0-0xD1 media keys.

#include "ui/core/ui_string.h"

// The device code of a low-level keyboard hook's virtual key, 0 when the key
// has none (VK_SHIFT, VK_LMENU and VK_RMENU among them).
int VirtualKeyToKeyCode(int virtualKey);

// The English name of a device code, empty for codes without one.
SkinUI::CUIString GetKeyName(int code);

// The name of a multimedia code 160-183, else empty.
SkinUI::CUIString GetMediaKeyName(int code);

// The value with the bit set.
int SetBit(int value, int bit);
// The value with the bit and every bit above bit 7 cleared.
int ClearBit(int value, int bit);
