#pragma once
// Applying a key-assignment choice to a keyboard key, and renumbering the
// shared tables every key of both sets refers to: the device macro slots
// (a macro key's code is 192 + its slot, at most 6 slots) and the
// combination table (a combination key's code is 224 + its entry, at most 16
// entries, each with its own 16-bit combination code).

#include "app/core/settings/settings_records.h"
#include "app/dialogs/keyboard/key_choice.h"

#include <optional>

struct MultimediaChoice {
    int code = 0;
    SkinUI::CUIString name;
};

struct KeyChoiceResult {
    int state = kNothingChosen;
    int capturedCode = 0;
    ModifierBoxes modifiers;
    MacroRef macro;                           // the selected macro row, if any
    std::optional<MultimediaChoice> multimedia;  // the selected multimedia row, if any
};

// Applies the choice to the record and renumbers the tables. A choice that
// needs a seventh macro slot or a seventeenth combination is refused: the
// record keeps its function, the tables are renumbered without it, and the
// result is false. A choice with nothing to apply keeps the record too.
bool ApplyKeyChoice(KeyAssignmentRecord& record, const KeyChoiceResult& choice);

// The combination code and text of a capture with the modifier boxes: high
// byte 0x80 | Ctrl 0x01, Shift 0x02, Alt 0x04, Win 0x08 with the key's code as
// low byte, or a chord's two codes without modifiers.
struct Combination {
    int code = 0;
    SkinUI::CUIString name;
};
Combination MakeCombination(int capturedCode, const ModifierBoxes& modifiers);
