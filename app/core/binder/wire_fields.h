#pragma once
// Macro names and data as they cross device and file boundaries: names are
// UTF-16 with the two bytes of every code unit swapped, in zero-filled fields.

#include "ui/core/ui_string.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Swaps the two bytes of every 16-bit unit of the buffer in place; an odd
// last byte stays.
void SwapBytes16(uint8_t* buffer, size_t length);

// Zero-fills the field, copies as many whole code units of the name as fit and
// swaps their bytes.
void NameToWireField(const SkinUI::CUIString& name, uint8_t* field, size_t fieldSize);

// The name in a swapped field, up to its first zero unit.
SkinUI::CUIString NameFromWireField(const uint8_t* field, size_t fieldSize);

// Zero-fills the field and copies at most fieldSize bytes of data into it.
void DataToField(const std::vector<uint8_t>& data, uint8_t* field, size_t fieldSize);
