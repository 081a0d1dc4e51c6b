#pragma once
// The records the program keeps of every controller's settings.

#include "ui/core/ui_string.h"

#include <cstdint>
#include <memory>
#include <vector>

// One DPI level. For Dolv, Mesk and Qiro the value is an index into the
// family's DPI step list; the Kelvo families keep what their library gives.
struct CpiLevelEntry {
    int red = 0;
    int green = 0;
    int blue = 0;
    int value = 0;
};

// One Kelvo button: [type, code high byte, code low byte].
struct ButtonAssignmentEntry {
    uint8_t bytes[3] = {};
    int index = 0;
};

// One Dolv, Mesk or Qiro button: four bytes in the library's order.
struct MacroKeyEntry {
    uint8_t bytes[4] = {};
    int index = 0;  // from 0
};

struct FireRecordKelvo {
    int8_t yAxis = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    uint8_t steps[24] = {};
    uint8_t fireMacro[3] = {};
};

struct FireMacroRecord {
    static constexpr int kMaxSteps = 32;  // Mesk; Dolv and Qiro use the first 24

    int8_t xAdjust = 0;
    int8_t yAdjust = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    uint8_t steps[kMaxSteps] = {};
};

// One macro: its data is in the controller family's macro byte code.
struct MacroRecord {
    SkinUI::CUIString name;
    std::vector<uint8_t> data;
    int number = 0;  // device address or macro number when read from a device
};

// Shared: lists, caches, key records and dialogs refer to the same macro.
using MacroRef = std::shared_ptr<MacroRecord>;

// One key of the Wenk keyboard.
struct KeyAssignmentRecord {
    enum Type { Key = 0, Macro = 1, Multimedia = 2, MiscFunction = 4 };

    int defaultCode = 0;
    int currentCode = 0;  // its low byte is the key's byte in the profile block
    int type = Key;
    MacroRef macro;  // set only for type Macro
    SkinUI::CUIString name;
    SkinUI::CUIString defaultName;
};

struct WenkLedBlock {
    uint8_t type = 0;
    uint8_t speed = 0;
    uint8_t brightness = 0;
    uint8_t sync = 0;
};

// One rapid-fire key of a Dolv, Mesk or Qiro mouse.
struct FireKeyEntry {
    int code = 0;
    int value = 0;
    // Whether the fire key continues, as the last fire-key assignment text
    // naming this key found it; the device read does not fill it.
    uint8_t continueFlag = 0;
};
