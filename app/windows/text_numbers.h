#pragma once
// Numbers typed into the dialogs' edit boxes.

#include <windows.h>

// The leading decimal integer of the text (an optional sign, then digits;
// blanks before it are skipped), 0 when it has none. Saturates at the limits
// of int instead of overflowing.
int LeadingInteger(const wchar_t* text);
