#include "devices/nolx/config_image.h"

#include <algorithm>

namespace nolx {

namespace {

int RotationDegrees(uint8_t byte6) {
    static const int kDegrees[4] = {270, 180, 90, 0};
    return kDegrees[byte6 >> 6];
}

template <size_t N>
void CopyFrom(const uint8_t* image, unsigned address, std::array<uint8_t, N>& block) {
    std::copy_n(image + address, N, block.begin());
}

}  // namespace

void LoadWorkingCopies(const Chip& chip, const uint8_t* image, MemoryKind kind, WorkingCopies& copies) {
    CopyFrom(image, kMainBlock, copies.main);
    if (!BlockIsSealed(copies.main.data(), kMainBlockSize)) BuildDefaultMainBlock(copies.main.data(), kind);

    CopyFrom(image, kBlock164, copies.block164);
    if (!BlockIsSealed(copies.block164.data(), kBlock164Size)) BuildDefaultBlock164(copies.block164.data());

    for (unsigned t = 0; t < chip.keyTables; ++t) {
        auto& table = copies.keyTables[t];
        CopyFrom(image, kKeyTables + t * kKeyTableSize, table);
        if (!BlockIsSealed(table.data(), kKeyTableSize)) BuildDefaultKeyTable(table.data());
    }

    CopyFrom(image, chip.fireKeyBlock, copies.fireKeys);
    copies.fireRange.assign(image + chip.fireRangeAddress, image + chip.fireRangeAddress + chip.fireRangeLength);
    CopyFrom(image, kMacroArea, copies.macroArea);
    CopyFrom(image, kLedHeader, copies.ledHeader);
}

int MeskBreathRate(uint8_t stored) {
    if (stored <= 5) return 10;
    if (stored >= 46) return 1;
    return 10 - (stored - 1) / 5;
}

FieldValues DeriveFieldValues(const Chip& chip, const WorkingCopies& copies) {
    const auto& main = copies.main;
    const auto& block = copies.block164;
    const auto& led = copies.ledHeader;
    FieldValues values;
    values.vendorId = main[kVendorId] * 256 + main[kVendorId + 1];
    values.productId = main[kProductId] * 256 + main[kProductId + 1];
    values.cpiLevelsMinusOne = main[kCpiLevelCount];
    for (unsigned level = 0; level < kCpiLevels; ++level) {
        const uint8_t pair = main[kCpiSteps + level / 2];
        values.cpiSteps[level] = level % 2 == 0 ? (pair & 0x0F) : (pair >> 4);
    }
    std::copy_n(main.begin() + kProductString, kProductStringSize, values.productString);
    values.reportRate = (main[kReportRateByte] >> 4) & 0x03;
    values.rotation = RotationDegrees(main[kRotationByte]);

    values.keyMode = block[kKeyModeByte - kBlock164] & 0x0F;
    values.keyModeHighNibble = block[kKeyModeByte - kBlock164] >> 4;
    values.breathMode = (block[kBreathModeByte - kBlock164] & 0x0F) - chip.breathModeBias;
    values.gear = block[kGearByte - kBlock164];

    values.ledModeIndex = 9 - (led[kLedModeOffset] & 0x0F);
    values.ledOn = led[kLedModeOffset] >> 7;
    values.ledRate = chip.ledRate == LedRateStore::MainByte ? MeskBreathRate(main[kMeskBreathRate])
                                                            : 7 - led[kLedRateOffset];
    return values;
}

}  // namespace nolx
