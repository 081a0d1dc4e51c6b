#pragma once
// The library's working copies of the image's blocks and the field values
// derived from them.

#include "devices/nolx/chip.h"
#include "devices/nolx/default_blocks.h"
#include "devices/nolx/image_layout.h"

#include <array>
#include <vector>

namespace nolx {

struct WorkingCopies {
    std::array<uint8_t, kMainBlockSize> main{};
    std::array<uint8_t, kBlock164Size> block164{};
    std::array<std::array<uint8_t, kKeyTableSize>, 3> keyTables{};
    std::array<uint8_t, kFireKeyBlockSize> fireKeys{};
    std::vector<uint8_t> fireRange;  // the chip's fire-macro range
    std::array<uint8_t, kMacroAreaSize> macroArea{};
    std::array<uint8_t, kLedHeaderSize> ledHeader{};

    uint8_t* fireRecord(const Chip& chip, unsigned index) {
        return &fireRange[chip.fireRecordsOffset + index * chip.fireRecordSize];
    }
    const uint8_t* fireRecord(const Chip& chip, unsigned index) const {
        return &fireRange[chip.fireRecordsOffset + index * chip.fireRecordSize];
    }
};

// Field values as the getters answer them, until the next read or set.
struct FieldValues {
    int vendorId = 0;
    int productId = 0;
    int cpiLevelsMinusOne = 0;
    int gear = 0;  // 0-based
    std::array<int, kCpiLevels> cpiSteps{};
    char productString[kProductStringSize + 1] = {};
    int reportRate = 0;
    int rotation = 0;  // degrees
    int breathMode = 0;
    int ledRate = 0;
    int ledOn = 0;
    int ledModeIndex = 0;
    int keyMode = 0;
    int keyModeHighNibble = 0;
};

// Copies the blocks out of a whole image, replacing every block whose
// checksum is wrong by its default.
void LoadWorkingCopies(const Chip& chip, const uint8_t* image, MemoryKind kind, WorkingCopies& copies);

FieldValues DeriveFieldValues(const Chip& chip, const WorkingCopies& copies);

// Mesk keeps its LED breath rate 1..10 as 55 - 5 * rate in main-block byte 56.
int MeskBreathRate(uint8_t stored);

}  // namespace nolx
