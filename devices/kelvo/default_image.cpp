#include "devices/kelvo/default_image.h"

#include "devices/common/device_ids.h"
#include "devices/kelvo/fields.h"

namespace kelvo {

namespace {

// Indexes into the page's DPI list: 800, 1600, 2400, 3200, 4800, 6400, 8000.
constexpr int kCpiSteps[7] = {1, 4, 6, 7, 9, 10, 11};
constexpr Rgb kCpiColours[7] = {{0, 255, 0},   {255, 255, 0}, {255, 128, 0}, {255, 0, 0},
                                {255, 0, 128}, {255, 0, 255}, {128, 0, 255}};
constexpr Rgb kFireColours[10] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},   {0, 0, 255},
                                  {0, 255, 128}, {0, 255, 255}, {128, 0, 255}, {255, 0, 255}, {255, 255, 255}};
// Left, right, middle, back, forward, DPI up, DPI down, the AKM preset
// (fire record 0), lighting switch.
constexpr Triple kButtons[9] = {{1, 1, 0}, {1, 2, 0}, {1, 4, 0}, {1, 16, 0}, {1, 8, 0},
                                {7, 0, 0}, {8, 0, 0}, {12, 1, 0}, {10, 0, 0}};

// One stage of a gun preset: shots, vertical pull per shot, delay per shot
// in units of 8 ms, and whether the preset stops after it.
struct FireStage {
    int shots;
    int8_t y;
    uint8_t delay8;
    bool stop;
};
// Records 0..9: AKM, M16, M4, UMP9, SCAR-L, 5.56 mm in two stages, 7.62 mm
// in three.
constexpr FireStage kFireStages[10] = {
    {30, 7, 13, true},  {30, 4, 9, true},  {30, 5, 11, true},  {30, 3, 12, true},  {30, 5, 12, true},
    {10, 4, 11, false}, {20, 6, 11, true}, {10, 5, 13, false}, {10, 7, 13, false}, {10, 9, 13, true},
};

// Stop flag, FD shots - 1, left down, FA y, FE delay, left up, end; byte 23
// the checksum.
void putFireRecord(WorkingCopy& copy, int index, const FireStage& stage) {
    uint8_t steps[24] = {static_cast<uint8_t>(stage.stop ? 1 : 0),
                         0xFD, static_cast<uint8_t>(stage.shots - 1), 0, 0,
                         0xA1,
                         0xFA, static_cast<uint8_t>(stage.y),
                         0xFE, stage.delay8,
                         0x21,
                         0xFC, 0};
    setFireBuffer(copy, index, steps, static_cast<int>(sizeof steps));
    // The assignment that fires the record, as a button names it.
    setFireKey(copy, index, Triple{12, static_cast<uint8_t>(index + 1), 0});
}

WorkingCopy defaultCopy() {
    WorkingCopy copy;
    setFlag(copy, Flag::LedB4Cpi, true);
    setFlag(copy, Flag::LedLCpi, true);
    setLedType(copy, 1);
    setSensorOrientation(copy, 0);
    setFlag(copy, Flag::McuLedControl, true);
    setMcuLedCount(copy, 13);
    setByte(copy, ByteField::CpiStep, 4);
    for (int level = 0; level < 7; ++level) {
        setCpiValue(copy, level, kCpiSteps[level]);
        setCpiColour(copy, level + 1, kCpiColours[level]);
    }
    setByte(copy, ByteField::CurrentCpi, 1);
    setLedMode(copy, 0);
    setLedStep(copy, 3);
    setFlag(copy, Flag::LedOnOff, false);
    setFlag(copy, Flag::KeyMode, false);
    setByte(copy, ByteField::DeviceVid, device_ids::kVendor & 0xFF);
    setByte(copy, ByteField::DevicePid, device_ids::kKelvoProduct & 0xFF);
    for (int set = 0; set < 2; ++set) {
        for (int key = 0; key < 9; ++key) setKeyAssignment(copy, set, key, kButtons[key]);
    }
    for (int entry = 0; entry < 10; ++entry) {
        setFireYAxis(copy, entry, 0);
        setFireColour(copy, entry, kFireColours[entry]);
        putFireRecord(copy, entry, kFireStages[entry]);
    }
    setByte(copy, ByteField::FireCount, 255);
    setByte(copy, ByteField::FireTime, 50);
    return copy;
}

}  // namespace

std::array<uint8_t, kImageSize> defaultImage() {
    WorkingCopy copy = defaultCopy();
    std::array<uint8_t, kImageSize> image;
    packImage(copy, image.data());
    return image;
}

}  // namespace kelvo
