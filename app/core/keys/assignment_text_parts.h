#pragma once
// Pieces shared by the assignment texts of all families.

#include "ui/core/ui_string.h"

// The token of a type-1 mouse button (8 and 16 are the side buttons), or null.
const wchar_t* AssignmentButtonToken(int button);

// The token of a 16-bit consumer control code, or null.
const wchar_t* ConsumerControlToken(int code);

// "Ctrl+", "Shift+", "Alt+", "Win+" for the bits 0 to 3 of the value, in that order.
SkinUI::CUIString ModifierPrefix(int bits);

// "Ctrl", "Shift", "Alt", "Win" for the bits 0 to 3 of the value, in that order.
template <class Visit>
void ForEachModifierName(int bits, Visit visit) {
    static const wchar_t* const kNames[] = {L"Ctrl", L"Shift", L"Alt", L"Win"};
    for (int bit = 0; bit < 4; ++bit) {
        if (bits & (1 << bit)) visit(kNames[bit]);
    }
}
