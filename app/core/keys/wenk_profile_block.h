#pragma once
// The Wenk keyboard's 216-byte profile block, one per key set, and its codec
// with the key maps:
//   0 .. 151    the low byte of the current code of key "KB_%02X"(i)
//   152 .. 183  16 big-endian combination words [first byte, key code]
//   184 .. 195  the low byte of the current code of function button i + 1
//   196 .. 215  zero

#include "app/core/binder/device_binder.h"
#include "app/core/settings/settings_containers.h"
#include "ui/core/ui_string.h"

#include <array>
#include <cstddef>
#include <cstdint>

constexpr size_t kWenkProfileBlockSize = 216;
constexpr size_t kWenkProfileKeys = 152;
constexpr size_t kWenkCombinationOffset = 152;
constexpr size_t kWenkCombinationAreaSize = 32;
constexpr size_t kWenkFunctionButtonOffset = 184;
constexpr size_t kWenkFunctionButtons = 12;

using WenkCombinationArea = std::array<uint8_t, kWenkCombinationAreaSize>;

// The combination area of set 0 and set 1 as last read from the keyboard. A
// write gives it back unchanged while WenkProfileWords is empty, so writing a
// set the user has made no combinations for keeps the keyboard's own.
extern std::array<WenkCombinationArea, 2> WenkCombinationAreas;

// Keeps the set's combination area of a block read from the keyboard. Words
// of WenkProfileWords that would write another area are not this keyboard's
// (another was plugged in, or the read undid edits not written): they go with
// their names, and each set's writes give back the area it was read with. A
// read keeps both sets' areas before it decodes either set.
void KeepCombinationArea(int set, const uint8_t* profileBlock);

// The key map name of key i: "KB_%02X".
SkinUI::CUIString WenkKeyName(int index);

// Gives the record the code and the name and type it stands for: a key name
// (type 0), a combination (4), a macro slot (1, the record takes the macro)
// or a multimedia key (2). A code that names nothing keeps name and type.
void NameKeyCode(KeyAssignmentRecord& record, int code, const uint8_t* profileBlock,
                 DeviceLibraryBinder& binder);

// Names the keys and function buttons of the maps after the block. A function
// button whose byte is its default code is not touched, unless it names a
// combination slot while WenkProfileWords is empty (the keyboard's area is
// the one written then).
void DecodeWenkProfile(const uint8_t* profileBlock, KeyMap& keys, KeyMap& functionButtons,
                       DeviceLibraryBinder& binder);

// The block of the maps: keys, function buttons, and the combination words of
// WenkProfileWords, or the given area while that list is empty.
void EncodeWenkProfile(const KeyMap& keys, const KeyMap& functionButtons, const WenkCombinationArea& keptArea,
                       uint8_t* profileBlock);
