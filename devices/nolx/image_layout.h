#pragma once
// Addresses of the 2048-byte configuration image shared by the three
// controllers, and the block checksum.

#include <cstddef>
#include <cstdint>

namespace nolx {

constexpr size_t kImageSize = 2048;

constexpr unsigned kMainBlock = 0;
constexpr size_t kMainBlockSize = 164;  // last byte: checksum
constexpr unsigned kVendorId = 0;
constexpr unsigned kProductId = 2;
constexpr unsigned kReportRateByte = 4;
constexpr unsigned kRotationByte = 6;
constexpr unsigned kCpiLevelCount = 43;  // number of levels minus 1
constexpr unsigned kCpiSteps = 44;       // two levels per byte, even level in the low nibble
constexpr unsigned kMeskBreathRate = 56;
constexpr unsigned kUserColours = 57;  // colours 1..10, also those of fire macros 0..9
constexpr unsigned kUserColourCount = 10;
constexpr unsigned kCpiColours = 87;
constexpr unsigned kCpiLevels = 8;
constexpr unsigned kProductString = 111;
constexpr size_t kProductStringSize = 16;
constexpr unsigned kComboKeyBase = 123;  // combo key i (1..9) at 123 + 4i
constexpr unsigned kComboKeys = 9;

constexpr unsigned kBlock164 = 164;
constexpr size_t kBlock164Size = 28;
constexpr unsigned kKeyModeByte = 164;
constexpr unsigned kBreathModeByte = 165;
constexpr unsigned kGearByte = 166;
constexpr unsigned kKeyModeBytes = 167;  // four bytes
constexpr unsigned kFireFirstSetting = 7;    // offsets inside block 164
constexpr unsigned kFireSecondSetting = 17;

constexpr unsigned kKeyTables = 192;
constexpr size_t kKeyTableSize = 49;  // 12 entries of 4 bytes, then the checksum
constexpr unsigned kKeyTableEntries = 12;

constexpr size_t kFireKeyBlockSize = 12;  // code and 16-bit value of keys 0..2 from offset 2
constexpr unsigned kFireKeys = 3;

constexpr unsigned kMacroArea = 496;
constexpr size_t kMacroAreaSize = 512;

constexpr unsigned kLedHeader = 1008;  // 8 bytes patch header, then the LED bytes
constexpr size_t kLedHeaderSize = 16;
constexpr unsigned kLedRateOffset = 8;    // 7 - rate
constexpr unsigned kLedModeOffset = 9;    // bit 7 on, low nibble 9 - mode index
constexpr unsigned kLedChecksumOffset = 15;
constexpr unsigned kPatchCode = 1024;
constexpr size_t kPatchCodeCapacity = kImageSize - kPatchCode;

// The last byte of a block is the 8-bit sum of the others XOR 0x5A.
inline uint8_t BlockChecksum(const uint8_t* bytes, size_t count) {
    uint8_t sum = 0;
    for (size_t i = 0; i < count; ++i) sum = static_cast<uint8_t>(sum + bytes[i]);
    return static_cast<uint8_t>(sum ^ 0x5A);
}

// Writes the checksum into the block's last byte.
inline void SealBlock(uint8_t* block, size_t size) { block[size - 1] = BlockChecksum(block, size - 1); }

inline bool BlockIsSealed(const uint8_t* block, size_t size) {
    return block[size - 1] == BlockChecksum(block, size - 1);
}

}  // namespace nolx
