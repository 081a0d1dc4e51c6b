#include "devices/kelvo/fields.h"

#include <cstring>

namespace kelvo {

namespace {

struct FlagBit {
    size_t address;
    uint8_t mask;
    size_t complement;  // 0: none
};

FlagBit flagBit(Flag flag) {
    switch (flag) {
    case Flag::LedB4Cpi: return {address::kFlags0, 0x01, 0};
    case Flag::LedFireFn: return {address::kFlags0, 0x02, 0};
    case Flag::LedLCpi: return {address::kFlags0, 0x04, 0};
    case Flag::SaveKeyMode: return {address::kFlags0, 0x08, 0};
    case Flag::MiddleKeyPressType: return {address::kFlags1, 0x01, 0};
    case Flag::CpiKeyPressType: return {address::kFlags1, 0x02, 0};
    case Flag::GunKeyPressType: return {address::kFlags1, 0x04, 0};
    case Flag::KeyCount: return {address::kFlags1, 0x20, 0};
    case Flag::McuLedControl: return {address::kMcuLed, 0x08, 0};
    case Flag::LedOnOff: return {address::kLedMode, 0x08, address::kLedMode + 1};
    case Flag::KeyMode: return {address::kKeyModeByte, 0x80, address::kKeyModeByte + 1};
    }
    return {address::kFlags0, 0, 0};
}

size_t byteAddress(ByteField field) {
    switch (field) {
    case ByteField::CpiStep: return address::kCpiStep;
    case ByteField::CurrentCpi: return address::kCurrentCpi;
    case ByteField::DeviceVid: return address::kDeviceVid;
    case ByteField::DevicePid: return address::kDevicePid;
    case ByteField::FireCount: return address::kFireCount;
    case ByteField::FireTime: return address::kFireTime;
    }
    return address::kCpiStep;
}

void storeBits(uint8_t& byte, uint8_t mask, bool on) {
    byte = static_cast<uint8_t>(on ? (byte | mask) : (byte & ~mask));
}

void storeField(uint8_t& byte, uint8_t mask, int shift, int value) {
    byte = static_cast<uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

bool inRange(int value, int first, int last) { return value >= first && value <= last; }

constexpr int kCpiLevels = 7;
constexpr int kKeysPerSet = 9;
constexpr int kFireEntries = 10;
constexpr int kFireBufferSize = 24;
constexpr int kMcuLedSources = 8;

// Sensor orientation code -> value of 0x00 bits 4-6.
constexpr uint8_t kOrientationBits[8] = {0x70, 0x20, 0x40, 0x10, 0x60, 0x50, 0x00, 0x30};
constexpr uint8_t kOrientationMask = 0x70;

constexpr uint8_t kLedPresent = 0x80;  // 0x00
constexpr uint8_t kLedTypeBit3 = 0x08;  // 0x01
constexpr uint8_t kLedTypeBit4 = 0x10;  // 0x01

Rgb readRgb(const WorkingCopy& copy, size_t at) {
    return {copy.front[at], copy.front[at + 1], copy.front[at + 2]};
}

void writeRgb(WorkingCopy& copy, size_t at, const Rgb& colour) {
    copy.front[at] = static_cast<uint8_t>(colour.red);
    copy.front[at + 1] = static_cast<uint8_t>(colour.green);
    copy.front[at + 2] = static_cast<uint8_t>(colour.blue);
}

// Offsets of a macro's name and data in the macro region, when both lie in it.
bool macroOffsets(int macroAddress, size_t dataLength, size_t& nameOffset, size_t& dataOffset) {
    const long long name = static_cast<long long>(macroAddress) - 0x121;
    if (name < 0) return false;
    const long long data = name + static_cast<long long>(kMacroNameSize);
    if (data + static_cast<long long>(dataLength) > static_cast<long long>(kMacroRegionSize)) return false;
    nameOffset = static_cast<size_t>(name);
    dataOffset = static_cast<size_t>(data);
    return true;
}

}  // namespace

int getFlag(const WorkingCopy& copy, Flag flag) {
    const FlagBit bit = flagBit(flag);
    const int value = copy.front[bit.address] & bit.mask;
    if (flag == Flag::KeyMode) return value ? 1 : 0;
    return value;
}

void setFlag(WorkingCopy& copy, Flag flag, bool on) {
    const FlagBit bit = flagBit(flag);
    storeBits(copy.front[bit.address], bit.mask, on);
    if (bit.complement != 0) copy.front[bit.complement] = static_cast<uint8_t>(~copy.front[bit.address]);
}

uint8_t getByte(const WorkingCopy& copy, ByteField field) { return copy.front[byteAddress(field)]; }

void setByte(WorkingCopy& copy, ByteField field, int value) {
    const size_t at = byteAddress(field);
    copy.front[at] = static_cast<uint8_t>(value);
    if (field == ByteField::CurrentCpi) copy.front[at + 1] = static_cast<uint8_t>(~value);
}

int getLedType(const WorkingCopy& copy) {
    const uint8_t flags1 = copy.front[address::kFlags1];
    if (!(copy.front[address::kFlags0] & kLedPresent)) return 0;
    if (flags1 & kLedTypeBit3) return 3;
    if (flags1 & kLedTypeBit4) return 2;
    return 1;
}

void setLedType(WorkingCopy& copy, int type) {
    uint8_t& flags0 = copy.front[address::kFlags0];
    uint8_t& flags1 = copy.front[address::kFlags1];
    switch (type) {
    case 0:
        storeBits(flags0, kLedPresent, false);
        storeBits(flags1, kLedTypeBit3, true);
        break;
    case 1:
        storeBits(flags0, kLedPresent, true);
        storeBits(flags1, kLedTypeBit3 | kLedTypeBit4, false);
        break;
    case 2:
        storeBits(flags0, kLedPresent, true);
        storeBits(flags1, kLedTypeBit3, false);
        storeBits(flags1, kLedTypeBit4, true);
        break;
    case 3:
        storeBits(flags0, kLedPresent, true);
        storeBits(flags1, kLedTypeBit3, true);
        break;
    default:
        break;
    }
}

int getSensorOrientation(const WorkingCopy& copy) {
    const uint8_t bits = copy.front[address::kFlags0] & kOrientationMask;
    for (int code = 0; code < 8; ++code) {
        if (kOrientationBits[code] == bits) return code;
    }
    return 0;  // unreachable: the table covers every value of the three bits
}

void setSensorOrientation(WorkingCopy& copy, int code) {
    if (!inRange(code, 0, 7)) return;
    storeField(copy.front[address::kFlags0], kOrientationMask, 0, kOrientationBits[code]);
}

int getMcuLedCount(const WorkingCopy& copy) {
    const int field = copy.front[address::kMcuLed] >> 4;
    return inRange(field, 1, 9) ? 13 - field : 13;
}

void setMcuLedCount(WorkingCopy& copy, int count) {
    if (!inRange(count, 4, 13)) return;
    storeField(copy.front[address::kMcuLed], 0xF0, 4, 13 - count);
}

int getLedMode(const WorkingCopy& copy) { return copy.front[address::kLedMode] & 0x07; }

void setLedMode(WorkingCopy& copy, int modeIndex) {
    if (!inRange(modeIndex, 0, 6)) return;
    storeField(copy.front[address::kLedMode], 0x07, 0, modeIndex + 1);
}

int getLedStep(const WorkingCopy& copy) { return 7 - (copy.front[address::kLedMode] >> 5); }

void setLedStep(WorkingCopy& copy, int step) {
    if (!inRange(step, 0, 7)) return;
    storeField(copy.front[address::kLedMode], 0xE0, 5, 7 - step);
}

bool getMcuLedSource(const WorkingCopy& copy, int source, int& on) {
    if (!inRange(source, 0, kMcuLedSources - 1)) return false;
    on = (copy.front[address::kMcuLedSources] >> source) & 1;
    return true;
}

bool setMcuLedSource(WorkingCopy& copy, int source, bool on) {
    if (!inRange(source, 0, kMcuLedSources - 1)) return false;
    storeBits(copy.front[address::kMcuLedSources], static_cast<uint8_t>(1u << source), on);
    return true;
}

bool getCpiValue(const WorkingCopy& copy, int index, int& value) {
    if (!inRange(index, 0, kCpiLevels - 1)) return false;
    value = copy.front[address::kCpiValues + index];
    return true;
}

bool setCpiValue(WorkingCopy& copy, int index, int value) {
    if (!inRange(index, 0, kCpiLevels - 1)) return false;
    copy.front[address::kCpiValues + index] = static_cast<uint8_t>(value);
    return true;
}

bool getCpiColour(const WorkingCopy& copy, int level, Rgb& colour) {
    if (!inRange(level, 1, kCpiLevels)) return false;
    colour = readRgb(copy, address::kCpiColours + 3 * (level - 1));
    return true;
}

bool setCpiColour(WorkingCopy& copy, int level, const Rgb& colour) {
    if (!inRange(level, 1, kCpiLevels)) return false;
    writeRgb(copy, address::kCpiColours + 3 * (level - 1), colour);
    return true;
}

bool getKeyAssignment(const WorkingCopy& copy, int set, int index, Triple& bytes) {
    if (!inRange(index, 0, kKeysPerSet - 1)) return false;
    const size_t at = (set == 0 ? address::kKeySet0 : address::kKeySet1) + 3 * index;
    std::memcpy(bytes.data(), &copy.front[at], 3);
    return true;
}

bool setKeyAssignment(WorkingCopy& copy, int set, int index, const Triple& bytes) {
    if (!inRange(index, 0, kKeysPerSet - 1)) return false;
    const size_t at = (set == 0 ? address::kKeySet0 : address::kKeySet1) + 3 * index;
    std::memcpy(&copy.front[at], bytes.data(), 3);
    return true;
}

bool getFireKey(const WorkingCopy& copy, int index, Triple& bytes) {
    if (!inRange(index, 0, kFireEntries - 1)) return false;
    std::memcpy(bytes.data(), &copy.front[address::kFireKeys + 3 * index], 3);
    return true;
}

bool setFireKey(WorkingCopy& copy, int index, const Triple& bytes) {
    if (!inRange(index, 0, kFireEntries - 1)) return false;
    std::memcpy(&copy.front[address::kFireKeys + 3 * index], bytes.data(), 3);
    return true;
}

bool getFireYAxis(const WorkingCopy& copy, int index, uint8_t& value) {
    if (!inRange(index, 0, kFireEntries - 1)) return false;
    value = copy.front[address::kFireYAxis + 2 * index];
    return true;
}

bool setFireYAxis(WorkingCopy& copy, int index, int value) {
    if (!inRange(index, 0, kFireEntries - 1)) return false;
    copy.front[address::kFireYAxis + 2 * index] = static_cast<uint8_t>(value);
    copy.front[address::kFireYAxis + 2 * index + 1] = static_cast<uint8_t>(~value);
    return true;
}

bool getFireColour(const WorkingCopy& copy, int index, Rgb& colour) {
    if (!inRange(index, 0, kFireEntries - 1)) return false;
    colour = readRgb(copy, address::kFireColours + 3 * index);
    return true;
}

bool setFireColour(WorkingCopy& copy, int index, const Rgb& colour) {
    if (!inRange(index, 0, kFireEntries - 1)) return false;
    writeRgb(copy, address::kFireColours + 3 * index, colour);
    return true;
}

bool getFireBuffer(const WorkingCopy& copy, int index, uint8_t* buffer, int length) {
    if (!inRange(index, 0, kFireEntries - 1) || !inRange(length, 1, kFireBufferSize)) return false;
    std::memcpy(buffer, &copy.fireBuffers[kFireBufferSize * index], static_cast<size_t>(length));
    return true;
}

bool setFireBuffer(WorkingCopy& copy, int index, uint8_t* buffer, int length) {
    if (!inRange(index, 0, kFireEntries - 1) || !inRange(length, 1, kFireBufferSize)) return false;
    buffer[length - 1] = blockChecksum(buffer, static_cast<size_t>(length - 1));
    std::memcpy(&copy.fireBuffers[kFireBufferSize * index], buffer, static_cast<size_t>(length));
    return true;
}

bool getMacro(const WorkingCopy& copy, int macroAddress, uint8_t* name, uint8_t* data) {
    size_t nameOffset = 0, dataOffset = 0;
    // The count byte must lie in the region before the data length is known.
    if (!macroOffsets(macroAddress, 2, nameOffset, dataOffset)) return false;
    const size_t length = static_cast<size_t>(copy.macros[dataOffset + 1]) + 2;
    if (!macroOffsets(macroAddress, length, nameOffset, dataOffset)) return false;
    std::memcpy(name, &copy.macros[nameOffset], kMacroNameSize);
    std::memcpy(data, &copy.macros[dataOffset], length);
    return true;
}

bool setMacro(WorkingCopy& copy, int macroAddress, const uint8_t* name, const uint8_t* data) {
    const size_t length = static_cast<size_t>(data[1]) + 2;
    size_t nameOffset = 0, dataOffset = 0;
    if (!macroOffsets(macroAddress, length, nameOffset, dataOffset)) return false;
    std::memcpy(&copy.macros[nameOffset], name, kMacroNameSize);
    std::memcpy(&copy.macros[dataOffset], data, length);
    return true;
}

}  // namespace kelvo
