#pragma once

#include <windows.h>

#include "ui/core/string_map.h"

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

// Tables whose values are owned CUIString texts.
// Keeps the first value of a name; empty names and values are ignored.
void AddTextIfAbsent(CStringMapUI& table, const wchar_t* name, const wchar_t* value);
const wchar_t* FindText(CStringMapUI& table, const wchar_t* name);
// Frees every text and empties the table (its bucket count stays).
void DeleteTexts(CStringMapUI& table);

}  // namespace SkinUI
