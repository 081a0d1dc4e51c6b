#include "devices/kelvo/working_copy.h"

#include <algorithm>
#include <cstring>

namespace kelvo {

namespace {

// The regions of the front kept in the working copy, with the checksum each
// one ends in (0 for none).
struct FrontRegion {
    size_t first;
    size_t last;
    size_t checksum;
};
constexpr FrontRegion kFrontRegions[] = {
    {0x00, 0x2F, address::kMainChecksum},
    {0x30, 0x37, 0},
    {0x40, 0x76, address::kKeyChecksum},
    {0x80, 0x9D, 0},
    {0xB0, 0xC3, 0},
    {0xD0, 0xED, 0},
    {0xF0, 0xFA, address::kFireChecksum},
};

constexpr size_t kLedModeComplement = address::kLedMode + 1;

}  // namespace

uint8_t blockChecksum(const uint8_t* bytes, size_t length) {
    uint8_t sum = 0;
    for (size_t i = 0; i < length; ++i) sum = static_cast<uint8_t>(sum + bytes[i]);
    return static_cast<uint8_t>(sum ^ 0x5A);
}

void unpackImage(const uint8_t* image, WorkingCopy& copy) {
    for (const FrontRegion& region : kFrontRegions) {
        std::memcpy(&copy.front[region.first], image + region.first, region.last - region.first + 1);
    }
    std::memcpy(copy.macros.data(), image + address::kMacroFirstPart, kMacroFirstPartSize);
    std::memcpy(copy.macros.data() + kMacroFirstPartSize, image + address::kMacroSecondPart,
                kMacroRegionSize - kMacroFirstPartSize);
    std::memcpy(copy.fireBuffers.data(), image + address::kFireBuffers, kFireBufferRegionSize);
}

void packImage(WorkingCopy& copy, uint8_t* image) {
    std::fill(image, image + kImageSize, 0);
    copy.front[kLedModeComplement] = static_cast<uint8_t>(0xFF - copy.front[address::kLedMode]);
    for (const FrontRegion& region : kFrontRegions) {
        if (region.checksum != 0) {
            copy.front[region.checksum] = blockChecksum(&copy.front[region.first], region.checksum - region.first);
        }
        std::memcpy(image + region.first, &copy.front[region.first], region.last - region.first + 1);
    }
    std::memcpy(image + address::kFireBuffers, copy.fireBuffers.data(), kFireBufferRegionSize);
    std::memcpy(image + address::kMacroFirstPart, copy.macros.data(), kMacroFirstPartSize);
    std::memcpy(image + address::kMacroSecondPart, copy.macros.data() + kMacroFirstPartSize,
                kMacroRegionSize - kMacroFirstPartSize);
}

}  // namespace kelvo
