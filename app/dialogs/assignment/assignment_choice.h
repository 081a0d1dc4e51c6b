#pragma once
// The state of a key-assignment dialog's controls when it closed with OK or
// reset: what the encodings need, so that they run after the window is gone.

#include "ui/core/ui_string.h"

enum class AssignmentOption {
    None,
    StandardMouseKey,
    SpecialKey,
    Multimedia,
    Web,
    Pc,
    UserDefined,
    Macro,
    FireMacro,
};

struct AssignmentChoice {
    AssignmentOption option = AssignmentOption::None;
    // The selected row of the option's list, -1 for none; its user data and text.
    int row = -1;
    SkinUI::CUIString itemData;
    SkinUI::CUIString itemText;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;
    int capturedKeyCode = 0;  // Dolv, Mesk, Qiro: first * 256 + second for a chord
    int gun6Count = 0;        // Dolv and Mesk: the counts chosen for fire presets 6 and 7
    int gun7Count = 0;

    bool HasRow() const { return row >= 0; }
    // The item's code: its user data as a signed decimal.
    int ItemCode() const;
    // Ctrl 0x01, Shift 0x02, Alt 0x04, Win 0x08.
    int ModifierBits() const;
};

// What became of the choice.
enum class AssignmentOutcome {
    Applied,           // the entry holds the encoded choice
    Unchanged,         // nothing to encode (no row, failed upload)
    LeftClickRefused,  // the mouse would lose its last left-click button
    MacroDoesNotFit,   // Kelvo: the macro is too large for the controller's memory
};
