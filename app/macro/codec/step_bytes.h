#pragma once
// Value bytes and row walking shared by the macro codecs.

#include "app/macro/codec/macro_step.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace step_bytes {

inline uint8_t LowByte(int value) { return static_cast<uint8_t>(value & 0xFF); }

// A move offset as a two's-complement byte; offsets beyond -128..127 are
// held at the nearest end instead of wrapping to the other direction.
inline uint8_t MoveByte(int offset) { return static_cast<uint8_t>(std::clamp(offset, -128, 127) & 0xFF); }

inline int SignedFromByte(uint8_t byte) { return byte > 0x7F ? byte - 256 : byte; }

// A 16-bit count, high byte first.
inline void AppendBigEndian16(std::vector<uint8_t>& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value >> 8));
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
}

// The three bytes of a move whose X is the row at `at`: its Y is the next
// row when that row is a move row too, which is then taken with it; else 0.
inline std::vector<uint8_t> MovePair(const MacroSteps& steps, size_t at, int moveType, size_t* rows) {
    const bool paired = at + 1 < steps.size() && steps[at + 1].type == moveType;
    *rows = paired ? 2 : 1;
    return {LowByte(moveType), MoveByte(steps[at].value), MoveByte(paired ? steps[at + 1].value : 0)};
}

// Walks the rows in order; stepAt(steps, at, &rows) gives the bytes of the
// step at a row and the rows it takes. Appends whole steps while the data
// stays within `limit` bytes.
template <class StepAt>
void AppendWholeSteps(std::vector<uint8_t>& data, const MacroSteps& steps, size_t limit, StepAt stepAt) {
    for (size_t at = 0; at < steps.size();) {
        size_t rows = 1;
        const std::vector<uint8_t> bytes = stepAt(steps, at, &rows);
        if (data.size() + bytes.size() > limit) return;
        data.insert(data.end(), bytes.begin(), bytes.end());
        at += rows;
    }
}

// The bytes that every step of the rows takes.
template <class StepAt>
size_t StepsSize(const MacroSteps& steps, StepAt stepAt) {
    size_t size = 0;
    for (size_t at = 0; at < steps.size();) {
        size_t rows = 1;
        size += stepAt(steps, at, &rows).size();
        at += rows;
    }
    return size;
}

}  // namespace step_bytes
