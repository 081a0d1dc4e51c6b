#include "devices/nolx/default_blocks.h"

#include "devices/common/device_ids.h"
#include "devices/nolx/image_layout.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace nolx {

namespace {

const uint8_t kMainBytes5To56[] = {
    255, 127, 127,
    175, 32, 53, 41, 16, 48, 26, 0, 0, 69, 2, 239, 16, 239, 16, 239, 16, 255, 16, 80, 3, 1, 2, 72, 150, 250,
    32, 30, 2, 1, 32, 0, 6, 135,
    63,
    3,
    100, 152, 0, 0,
    1, 0, 128, 0, 0, 100, 0, 100, 8,
};
static_assert(sizeof(kMainBytes5To56) == 52, "main block bytes 5..56");

const uint8_t kUserColourBytes[] = {
    255, 0, 0, 255, 128, 0, 255, 255, 0, 0, 255, 0, 0, 0, 255,
    0, 255, 128, 0, 255, 255, 128, 0, 255, 255, 0, 255, 255, 255, 255,
};
const uint8_t kCpiColourBytes[] = {
    0, 255, 0, 255, 255, 0, 255, 128, 0, 255, 0, 0, 255, 0, 128, 255, 0, 255, 128, 0, 255, 0, 0, 255,
};
const char kProductName[] = "HID Gaming mouse";

const uint8_t kDefaultKeyEntries[] = {
    1, 1, 0, 0, 1, 8, 0, 0, 6, 18, 0, 16, 1, 2, 0, 0, 1, 16, 0, 0, 2, 8, 7, 0, 1, 4, 0, 0, 9, 0, 0, 0, 8, 0, 0, 0,
};

constexpr uint8_t kI2CFireKeyMarker = 0xE0;
// Fire keys 0..2 (code = shots - 1, interval in ms): key 0 as the third
// button's entry [6, 0x12, 0, 16] names it, 3 shots every 16 ms; 5 shots
// every 30 ms; 10 shots every 50 ms.
const uint8_t kDefaultFireKeys[] = {2, 0, 16, 4, 0, 30, 9, 0, 50};

// One stage of a gun preset: shots, horizontal and vertical move per shot,
// shoot time per shot in ms.
struct FireStage {
    uint8_t shots;
    int8_t x;
    int8_t y;
    uint16_t timeMs;
};

// Dolv and Mesk records 0..9: AKM, M16, M4, UMP9, SCAR-L, 5.56 mm in two
// stages, 7.62 mm in three.
const FireStage kStagedFireRecords[] = {
    {30, -1, 7, 100}, {30, 0, 4, 75}, {30, 0, 5, 86}, {30, 0, 3, 92}, {30, 1, 5, 96},
    {10, 0, 4, 86},   {20, 0, 6, 86}, {10, 0, 5, 100}, {10, -1, 7, 100}, {10, -1, 9, 100},
};
// Qiro records 0..6: one stage per preset.
const FireStage kSingleStageFireRecords[] = {
    {30, -1, 7, 100}, {30, 0, 4, 75}, {30, 0, 5, 86}, {30, 0, 3, 92}, {30, 1, 5, 96}, {30, 0, 5, 86}, {30, -1, 7, 100},
};

// FD shots, left down, 04 x y, FE shoot time, left up, end: the steps the
// fire-key editors read and write in place.
void PutFireRecord(uint8_t* record, const FireStage& stage) {
    const uint8_t steps[] = {0xFD, stage.shots,
                             0xA1,
                             0x04, static_cast<uint8_t>(stage.x), static_cast<uint8_t>(stage.y),
                             0xFE, static_cast<uint8_t>(stage.timeMs >> 8), static_cast<uint8_t>(stage.timeMs),
                             0x21,
                             0xFC, 0x00};
    std::memcpy(record, steps, sizeof steps);
}

constexpr unsigned kFactoryLedRate = 3;
constexpr unsigned kFactoryLedMode = 0;

}  // namespace

void BuildDefaultMainBlock(uint8_t* main, MemoryKind kind) {
    main[0] = static_cast<uint8_t>(device_ids::kVendor >> 8);
    main[1] = static_cast<uint8_t>(device_ids::kVendor);
    main[2] = static_cast<uint8_t>(device_ids::kNolxProduct >> 8);
    main[3] = static_cast<uint8_t>(device_ids::kNolxProduct);
    if (kind == MemoryKind::I2C) main[kReportRateByte] = 0xBF;
    if (kind == MemoryKind::Flash) main[kReportRateByte] = 0xFF;
    std::memcpy(main + 5, kMainBytes5To56, sizeof kMainBytes5To56);
    std::memcpy(main + kUserColours, kUserColourBytes, sizeof kUserColourBytes);
    std::memcpy(main + kCpiColours, kCpiColourBytes, sizeof kCpiColourBytes);
    std::memcpy(main + kProductString, kProductName, kProductStringSize);
    std::fill(main + kProductString + kProductStringSize, main + kMainBlockSize, 0);
    SealBlock(main, kMainBlockSize);
}

void BuildDefaultBlock164(uint8_t* block) {
    std::fill(block + 1, block + kBlock164Size, 0);
    block[1] = 5;
    block[2] = 1;
    block[3] = 1;
    SealBlock(block, kBlock164Size);
}

void BuildDefaultKeyTable(uint8_t* table) {
    std::fill(table, table + kKeyTableSize, 0);
    std::memcpy(table, kDefaultKeyEntries, sizeof kDefaultKeyEntries);
    SealBlock(table, kKeyTableSize);
}

std::vector<uint8_t> DefaultImage(const Chip& chip) {
    std::vector<uint8_t> image(kImageSize, 0);
    BuildDefaultMainBlock(&image[kMainBlock], MemoryKind::I2C);
    BuildDefaultBlock164(&image[kBlock164]);
    for (unsigned t = 0; t < chip.keyTables; ++t) BuildDefaultKeyTable(&image[kKeyTables + t * kKeyTableSize]);
    std::memcpy(&image[chip.fireKeyBlock + 2], kDefaultFireKeys, sizeof kDefaultFireKeys);
    const bool onePerPreset = chip.fireMacros == std::size(kSingleStageFireRecords);
    const FireStage* stages = onePerPreset ? kSingleStageFireRecords : kStagedFireRecords;
    for (unsigned i = 0; i < chip.fireMacros && i < std::size(kStagedFireRecords); ++i) {
        PutFireRecord(&image[chip.fireRangeAddress + chip.fireRecordsOffset + i * chip.fireRecordSize], stages[i]);
    }
    image[chip.fireKeyBlock + kFireKeyBlockSize - 1] = kI2CFireKeyMarker;
    uint8_t* led = &image[kLedHeader];
    led[kLedRateOffset] = static_cast<uint8_t>(7 - kFactoryLedRate);
    led[kLedModeOffset] = static_cast<uint8_t>(0x80 | (9 - kFactoryLedMode));
    SealBlock(led + kLedRateOffset, kLedHeaderSize - kLedRateOffset);
    return image;
}

}  // namespace nolx
