#pragma once

#include <windows.h>

namespace SkinUI {

// Four or two decimal numbers read as ReadNumberList does (missing ones are 0).
RECT ReadRect(const wchar_t* text);
SIZE ReadSize(const wchar_t* text);

// Decimal fractions; each next one starts one character after the end of the
// previous one, never past the end of the text; missing ones are 0.
void ReadFractionList(const wchar_t* text, double* values, int count);

// One unsigned hexadecimal ARGB number after an optional '#'.
DWORD ReadHexColor(const wchar_t* text);

// Layout booleans: true only for exactly "true".
inline bool IsTrueValue(const wchar_t* value)
{
    return value != nullptr && wcscmp(value, L"true") == 0;
}

}  // namespace SkinUI
