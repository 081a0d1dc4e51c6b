#pragma once
// Value bytes shared by the macro codecs.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace step_bytes {

inline uint8_t LowByte(int value) { return static_cast<uint8_t>(value & 0xFF); }

// A move offset as a two's-complement byte; offsets beyond -128..127 are
// held at the nearest end instead of wrapping to the other direction.
inline uint8_t MoveByte(int offset) { return static_cast<uint8_t>(std::clamp(offset, -128, 127) & 0xFF); }

inline int SignedFromByte(uint8_t byte) { return byte > 0x7F ? byte - 256 : byte; }

// A 16-bit big-endian count, held at 0..65535.
inline void AppendBigEndian16(std::vector<uint8_t>& bytes, int value) {
    const int held = std::clamp(value, 0, 0xFFFF);
    bytes.push_back(static_cast<uint8_t>(held >> 8));
    bytes.push_back(static_cast<uint8_t>(held & 0xFF));
}

}  // namespace step_bytes
