#pragma once
// The Wenk keyboard controller's configuration memory as the library uses it.

#include <cstddef>
#include <cstdint>

namespace wenk {

constexpr size_t kMemorySize = 2048;
constexpr int kProfiles = 2;
constexpr size_t kProfileSize = 216;
// Bytes 184..195 of a profile hold the twelve function buttons.
constexpr size_t kFunctionButtonsOffset = 184;
constexpr size_t kFunctionButtonCount = 12;

constexpr uint16_t kProfileIndexAddress = 0x02;  // index, then its complement
constexpr uint16_t kMacroPointerAddress = 0x10;  // slot s at 0x10 + 2s, high byte first

// The profile block, its checksum right behind it, then the two LED bytes.
constexpr uint16_t profileAddress(int profile) { return static_cast<uint16_t>(0x50 + 0xE0 * profile); }
constexpr uint16_t ledAddress(int profile) { return profile == 0 ? 0x129 : 0x209; }

constexpr int kMacroSlots = 6;
constexpr uint16_t kSlotAddress[kMacroSlots] = {0x3F0, 0x480, 0x530, 0x5E0, 0x690, 0x740};
constexpr size_t kMacroNameSize = 32;   // at slot address - 32
constexpr size_t kMacroDataSize = 144;  // at the slot address
// Slot 0's data area ends where slot 1's name begins.
constexpr size_t kSlot0DataSize = kSlotAddress[1] - kMacroNameSize - kSlotAddress[0];

// The 8-bit sum of the bytes XOR 0x5A.
inline uint8_t blockChecksum(const uint8_t* bytes, size_t length) {
    uint8_t sum = 0;
    for (size_t i = 0; i < length; ++i) sum = static_cast<uint8_t>(sum + bytes[i]);
    return static_cast<uint8_t>(sum ^ 0x5A);
}

}  // namespace wenk
