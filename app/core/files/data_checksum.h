#pragma once

#include <cstdint>
#include <vector>

// The 8-bit sum of every byte but the first, XOR 0x5A: the block checksum of
// the Kelvo families' macro data. Fewer than two bytes give 0x5A.
uint8_t DataChecksum(const std::vector<uint8_t>& bytes);
