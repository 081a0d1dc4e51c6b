#include "app/core/binder/wire_fields.h"

#include <algorithm>
#include <cstring>

void SwapBytes16(uint8_t* buffer, size_t length) {
    for (size_t i = 0; i + 1 < length; i += 2) std::swap(buffer[i], buffer[i + 1]);
}

void NameToWireField(const SkinUI::CUIString& name, uint8_t* field, size_t fieldSize) {
    std::memset(field, 0, fieldSize);
    const size_t units = std::min(static_cast<size_t>(name.GetLength()), fieldSize / 2);
    std::memcpy(field, name.GetData(), units * 2);
    SwapBytes16(field, units * 2);
}

SkinUI::CUIString NameFromWireField(const uint8_t* field, size_t fieldSize) {
    std::vector<wchar_t> units;
    for (size_t i = 0; i + 1 < fieldSize; i += 2) {
        const wchar_t unit = static_cast<wchar_t>((field[i] << 8) | field[i + 1]);
        if (unit == 0) break;
        units.push_back(unit);
    }
    return SkinUI::CUIString(units.data(), static_cast<int>(units.size()));
}

void DataToField(const std::vector<uint8_t>& data, uint8_t* field, size_t fieldSize) {
    std::memset(field, 0, fieldSize);
    if (!data.empty()) std::memcpy(field, data.data(), std::min(data.size(), fieldSize));
}
