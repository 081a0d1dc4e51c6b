#pragma once
// The Kelvo controller's 2048-byte configuration image and the library's
// working copy of the regions it knows, with the packing between the two.

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvo {

constexpr size_t kImageSize = 2048;
constexpr size_t kMacroRegionSize = 1536;   // 0x100-0x4FF followed by 0x600-0x7FF
constexpr size_t kFireBufferRegionSize = 256;  // 0x500-0x5FF

// Image addresses.
namespace address {
constexpr size_t kFlags0 = 0x00;
constexpr size_t kFlags1 = 0x01;
constexpr size_t kCpiStep = 0x02;
constexpr size_t kMcuLed = 0x03;
constexpr size_t kMcuLedSources = 0x04;
constexpr size_t kCpiValues = 0x06;
constexpr size_t kCpiColours = 0x1A;
constexpr size_t kMainChecksum = 0x2F;
constexpr size_t kCurrentCpi = 0x30;
constexpr size_t kLedMode = 0x32;
constexpr size_t kKeyModeByte = 0x34;
constexpr size_t kDeviceVid = 0x36;
constexpr size_t kDevicePid = 0x37;
constexpr size_t kKeySet0 = 0x40;
constexpr size_t kKeySet1 = 0x5B;
constexpr size_t kKeyChecksum = 0x76;
constexpr size_t kFireKeys = 0x80;
constexpr size_t kFireYAxis = 0xB0;
constexpr size_t kFireColours = 0xD0;
constexpr size_t kFireSettings = 0xF0;
constexpr size_t kFireCount = 0xF2;
constexpr size_t kFireTime = 0xF8;
constexpr size_t kFireChecksum = 0xFA;
constexpr size_t kMacroFirstPart = 0x100;
constexpr size_t kFireBuffers = 0x500;
constexpr size_t kMacroSecondPart = 0x600;
}  // namespace address

constexpr size_t kMacroFirstPartSize = address::kFireBuffers - address::kMacroFirstPart;

// Regions as (image address, length), shared by the packing and the fire-data write.
struct Region {
    size_t address;
    size_t length;
};
constexpr Region kFireKeyRegion{address::kFireKeys, 30};
constexpr Region kFireYAxisRegion{address::kFireYAxis, 20};
constexpr Region kFireColourRegion{address::kFireColours, 30};
constexpr Region kFireBufferRegion{address::kFireBuffers, kFireBufferRegionSize};

struct WorkingCopy {
    // Image bytes 0x00-0xFF by their image address; bytes outside the carried
    // regions stay zero.
    std::array<uint8_t, 0x100> front{};
    std::array<uint8_t, kFireBufferRegionSize> fireBuffers{};
    std::array<uint8_t, kMacroRegionSize> macros{};
};

// The 8-bit sum of the bytes XOR 0x5A.
uint8_t blockChecksum(const uint8_t* bytes, size_t length);

// Copies the carried regions of a whole image into the working copy, unchecked.
void unpackImage(const uint8_t* image, WorkingCopy& copy);

// Builds a whole image from the working copy: clears it, recomputes the three
// block checksums and the LED mode complement (also in the copy) and copies
// the carried regions; everything else is 0.
void packImage(WorkingCopy& copy, uint8_t* image);

}  // namespace kelvo
