#pragma once
// The simulated Kelvo driver mouse's configuration: a 40960-byte image with
// the settings in its first 256 bytes and the macros behind them.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvo_driver {

constexpr size_t kImageSize = 40960;
using Image = std::vector<uint8_t>;  // kImageSize bytes

constexpr int kLevels = 7;
constexpr int kButtons = 9;

namespace address {
constexpr size_t kLedFlags = 0x00;  // bit 0 LED before a DPI change, bit 2 LED at the last level
constexpr size_t kCpiStep = 0x02;   // number of DPI levels
constexpr size_t kCpiValues = 0x06;   // one step index per level
constexpr size_t kCpiColours = 0x1A;  // red, green, blue per level
constexpr size_t kCurrentCpi = 0x30;
constexpr size_t kKeyMode = 0x34;
constexpr size_t kLedCpiBlock = 0x38;  // the four bytes of Device_WriteLedCPIData
constexpr size_t kKeySets[2] = {0x40, 0x5B};  // three bytes per button
constexpr size_t kFireCount = 0xF2;
constexpr size_t kFireTime = 0xF8;
// A macro at number A: its 32-byte name at A - 32, its data from A; data
// bytes 1 and 2 (big-endian) count the bytes after them.
constexpr size_t kMacroArea = 0x100;
}  // namespace address

constexpr size_t kMacroNameSize = 32;
constexpr size_t kMacroDataMax = 2048;

// The Kelvo mouse's factory settings in this image's places, the LED and DPI
// block 01 02 FF 04, no macros (0xFF).
Image defaultImage();

}  // namespace kelvo_driver
