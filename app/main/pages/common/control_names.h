#pragma once
// Control names of a device page: each ends in the family's suffix ("_Qiro",
// "_Kelvo"), and a numbered one carries "%d" for its number.

#include "ui/core/ui_string.h"

// base + suffix, "%d" replaced by the number.
SkinUI::CUIString SuffixedName(const wchar_t* base, const wchar_t* suffix, int number = 0);

// Control names and notification types match without regard to case.
inline bool SameName(const SkinUI::CUIString& a, const SkinUI::CUIString& b) { return a.CompareNoCase(b) == 0; }
