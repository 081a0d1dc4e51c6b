#pragma once
// The built-in defaults that replace a block whose checksum is wrong, and the
// factory image made of them.

#include "devices/nolx/chip.h"

#include <cstdint>
#include <vector>

namespace nolx {

// Kind of configuration memory the controller reports in its status reply.
enum class MemoryKind { Unknown, I2C, Flash };

// Fills the 164-byte main block; byte 4 depends on the memory kind and is
// left as it was for an unknown kind.
void BuildDefaultMainBlock(uint8_t* main, MemoryKind kind);
// Replaces bytes 1..27 of block 164; byte 0 (the key-mode byte) is kept.
void BuildDefaultBlock164(uint8_t* block);
void BuildDefaultKeyTable(uint8_t* table);

// A complete image of the chip with valid checksums: the default blocks on a
// controller with I2C memory, three fire keys, a record per stage of the
// seven gun presets, an empty macro area, LEDs on.
std::vector<uint8_t> DefaultImage(const Chip& chip);

}  // namespace nolx
