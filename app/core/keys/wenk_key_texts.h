#pragma once
// Texts of the Wenk keyboard's macro keys (codes 192-197, macro slot = code -
// 192) and combination keys (codes 224-239, entry code - 224 of the
// combination area of the 216-byte profile block).

#include "app/core/binder/device_binder.h"
#include "app/core/settings/settings_records.h"
#include "ui/core/ui_string.h"

#include <cstdint>

constexpr int kFirstWenkMacroCode = 192;
constexpr int kFirstWenkCombinationCode = 224;

// The name of the macro in the keyboard's slot, read from the keyboard. The
// macro becomes the record's macro and entry `slot` of WenkDeviceMacroList,
// which keeps list index = slot: the macro already there when it has that
// name, else the macro window's of that name (WenkMacroList) that no other
// slot plays, else the macro as read; slots below it that the list lacks are
// read as well. Empty, with nothing changed, for other codes or when a read
// fails.
SkinUI::CUIString GetMacroNameByCode(int code, KeyAssignmentRecord& record,
                                     DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance());

// Every key and function button of both sets that plays the macro shows its
// name.
void NameMacroKeys(const MacroRef& macro);

// The text of a combination entry [first byte, key code]: modifiers
// "Ctrl+" ... for a first byte 0x81-0x8F, else the first key's name and "+",
// then the key's name. Empty for other codes. A copy of the block goes to
// "GetMisKeyString_<first>_<key>.bin" in the macro folder for diagnosis.
SkinUI::CUIString GetMiscKeyText(int code, const uint8_t* profileBlock);
