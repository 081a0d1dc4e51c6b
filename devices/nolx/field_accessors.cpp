// Getters and setters of single fields of the configuration image.
#include "devices/nolx/mcu_device.h"

#include <algorithm>
#include <cstring>

namespace nolx {

namespace {

uint8_t Byte(int value) { return static_cast<uint8_t>(value); }

HRESULT Answer(int* out, int value) {
    if (!out) return E_POINTER;
    *out = value;
    return S_OK;
}

HRESULT AnswerBytes(const uint8_t* bytes, std::initializer_list<uint8_t*> outs) {
    for (uint8_t* out : outs) {
        if (!out) return E_POINTER;
    }
    for (uint8_t* out : outs) *out = *bytes++;
    return S_OK;
}

int RotationCode(int degrees) {
    switch (degrees) {
    case 0:
        return 3;
    case 90:
        return 2;
    case 180:
        return 1;
    default:
        return 0;
    }
}

}  // namespace

HRESULT McuDevice::getVendorId(int* out) const { return Answer(out, values_.vendorId); }
HRESULT McuDevice::getProductId(int* out) const { return Answer(out, values_.productId); }
HRESULT McuDevice::getCpiLevelCount(int* out) const { return Answer(out, values_.cpiLevelsMinusOne + 1); }
HRESULT McuDevice::getCurrentGear(int* out) const { return Answer(out, values_.gear + 1); }
HRESULT McuDevice::getReportRate(int* out) const { return Answer(out, values_.reportRate); }
HRESULT McuDevice::getSensorRotation(int* out) const { return Answer(out, values_.rotation); }
HRESULT McuDevice::getBreathMode(int* out) const { return Answer(out, values_.breathMode); }
HRESULT McuDevice::getKeyMode(int* out) const { return Answer(out, values_.keyMode); }

HRESULT McuDevice::getCpiValue(int level, int* out) const {
    const unsigned index = static_cast<unsigned>(level);
    return Answer(out, index < kCpiLevels ? values_.cpiSteps[index] : 0);
}

HRESULT McuDevice::getCpiColour(int level, uint8_t* r, uint8_t* g, uint8_t* b) const {
    if (static_cast<unsigned>(level) >= kCpiLevels) return E_INVALIDARG;
    return AnswerBytes(&copies_.main[kCpiColours + 3 * level], {r, g, b});
}

HRESULT McuDevice::getUserColour(int index, uint8_t* r, uint8_t* g, uint8_t* b) const {
    if (index < 1) return E_INVALIDARG;
    const unsigned colour = std::min<unsigned>(index, kUserColourCount) - 1;
    return AnswerBytes(&copies_.main[kUserColours + 3 * colour], {r, g, b});
}

HRESULT McuDevice::getProductString(char* out) const {
    if (!out) return E_POINTER;
    std::memcpy(out, values_.productString, sizeof values_.productString);
    return S_OK;
}

HRESULT McuDevice::getLedBreath(int* rate, int* on) const {
    if (chip_.ledRate == LedRateStore::MainByte) return Answer(rate, values_.ledRate);
    if (!rate || !on) return E_POINTER;
    *rate = values_.ledRate;
    *on = values_.ledOn;
    return S_OK;
}

bool McuDevice::validKeyTable(int table, int index) const {
    return table >= 1 && static_cast<unsigned>(table) <= chip_.keyTables && index >= 1 &&
           static_cast<unsigned>(index) <= kKeyTableEntries;
}

HRESULT McuDevice::getMacroKey(int table, int index, uint8_t* b0, uint8_t* b1, uint8_t* b2, uint8_t* b3) const {
    if (!validKeyTable(table, index)) return E_INVALIDARG;
    return AnswerBytes(&copies_.keyTables[table - 1][4 * (index - 1)], {b0, b1, b2, b3});
}

HRESULT McuDevice::getComboKey(int index, uint8_t* b0, uint8_t* b1, uint8_t* b2, uint8_t* b3) const {
    if (index < 1 || static_cast<unsigned>(index) > kComboKeys) return E_INVALIDARG;
    return AnswerBytes(&copies_.main[kComboKeyBase + 4 * index], {b0, b1, b2, b3});
}

HRESULT McuDevice::setVendorId(int vendorId) {
    values_.vendorId = vendorId;
    copies_.main[kVendorId] = Byte(vendorId >> 8);
    copies_.main[kVendorId + 1] = Byte(vendorId);
    return transport_.setBytes(kVendorId, Byte(vendorId >> 8), Byte(vendorId), 0, 2);
}

HRESULT McuDevice::setProductId(int productId) {
    values_.productId = productId;
    copies_.main[kProductId] = Byte(productId >> 8);
    copies_.main[kProductId + 1] = Byte(productId);
    return transport_.setBytes(kProductId, Byte(productId >> 8), Byte(productId), 0, 2);
}

HRESULT McuDevice::setCpiLevelCount(int count) {
    if (static_cast<unsigned>(count) > kCpiLevels) count = kCpiLevels;
    values_.cpiLevelsMinusOne = count - 1;
    // The copy follows, or the next main-block write would send the old count.
    copies_.main[kCpiLevelCount] = Byte(count - 1);
    return transport_.setBytes(kCpiLevelCount, Byte(count - 1), 0, 0, 1);
}

HRESULT McuDevice::setCurrentGear(int gear) {
    values_.gear = gear - 1;
    copies_.block164[kGearByte - kBlock164] = Byte(gear - 1);
    return transport_.setBytes(kGearByte, Byte(gear - 1), 0, 0, 1);
}

HRESULT McuDevice::setCpiValue(int level, int step) {
    // A step above 15 would spill into the neighbouring level's nibble.
    if (static_cast<unsigned>(level) >= kCpiLevels || static_cast<unsigned>(step) > 0x0F) return E_INVALIDARG;
    values_.cpiSteps[level] = step;
    const unsigned even = level & ~1u;
    const uint8_t pair = Byte(values_.cpiSteps[even] + 16 * values_.cpiSteps[even + 1]);
    const unsigned address = kCpiSteps + level / 2;
    copies_.main[address] = pair;
    StatusChain chain;
    chain.add(transport_.setBytes(address, pair, 0, 0, 1));
    // Selecting another level and back makes the controller apply the value.
    readMouseOwnBytes();
    const int other = values_.gear == 0 ? 1 : values_.gear - 1;
    chain.add(transport_.setBytes(kGearByte, Byte(other), 0, 0, 1));
    chain.add(transport_.setBytes(kGearByte, Byte(values_.gear), 0, 0, 1));
    return chain.result();
}

HRESULT McuDevice::setCpiColour(int level, int r, int g, int b) {
    if (static_cast<unsigned>(level) >= kCpiLevels) return E_INVALIDARG;
    const unsigned address = kCpiColours + 3 * level;
    copies_.main[address] = Byte(r);
    copies_.main[address + 1] = Byte(g);
    copies_.main[address + 2] = Byte(b);
    StatusChain chain;
    chain.add(transport_.setBytes(address, Byte(r), Byte(g), Byte(b), 3));
    chain.add(writeMainBlock());
    return chain.result();
}

HRESULT McuDevice::setUserColour(int index, int r, int g, int b) {
    if (index < 1) return E_INVALIDARG;
    const unsigned address = kUserColours + 3 * (std::min<unsigned>(index, kUserColourCount) - 1);
    const uint8_t colour[3] = {Byte(r), Byte(g), Byte(b)};
    HRESULT status = S_OK;
    for (unsigned i = 0; i < 3 && SUCCEEDED(status); ++i) {
        copies_.main[address + i] = colour[i];
        status = transport_.setBytes(address + i, colour[i], 0, 0, 1);
    }
    return status;
}

HRESULT McuDevice::setProductString(const char* text) {
    if (!text) return E_POINTER;
    const size_t length = std::min(std::strlen(text), kProductStringSize);
    uint8_t* field = &copies_.main[kProductString];
    std::fill_n(field, kProductStringSize, 0);
    std::memcpy(field, text, length);
    std::memset(values_.productString, 0, sizeof values_.productString);
    std::memcpy(values_.productString, text, length);
    StatusChain chain;
    for (unsigned offset = 0; offset + 3 <= kProductStringSize; offset += 3) {
        chain.add(transport_.setBytes(kProductString + offset, field[offset], field[offset + 1], field[offset + 2], 3));
    }
    chain.add(transport_.setBytes(kProductString + 15, field[15], 0, 0, 1));
    return chain.result();
}

HRESULT McuDevice::setReportRate(int code) {
    values_.reportRate = code;
    uint8_t& byte = copies_.main[kReportRateByte];
    if (code >= 0 && code <= 3) byte = Byte((byte & ~0x30) | (code << 4));
    SealBlock(copies_.main.data(), kMainBlockSize);
    StatusChain chain;
    chain.add(transport_.setBytes(kReportRateByte, byte, 0, 0, 1));
    chain.add(commit());
    return chain.result();
}

HRESULT McuDevice::setSensorRotation(int degrees) {
    values_.rotation = degrees;
    uint8_t& byte = copies_.main[kRotationByte];
    byte = Byte((byte & 0x3F) | (RotationCode(degrees) << 6));
    return transport_.setBytes(kRotationByte, byte, 0, 0, 1);
}

HRESULT McuDevice::setBreathMode(int mode) {
    values_.breathMode = mode;
    uint8_t& byte = copies_.block164[kBreathModeByte - kBlock164];
    byte = chip_.breathModeBias ? Byte(0x80 + chip_.breathModeBias + mode) : Byte(mode + (byte & 0xF0));
    return transport_.setBytes(kBreathModeByte, byte, 0, 0, 1);
}

HRESULT McuDevice::setLedBreath(int rate, int on) {
    values_.ledRate = rate;
    if (chip_.ledRate == LedRateStore::MainByte) {
        uint8_t& byte = copies_.main[kMeskBreathRate];
        if (rate >= 1 && rate <= 10) byte = Byte(55 - 5 * rate);
        return transport_.setBytes(kMeskBreathRate, byte, 0, 0, 1);
    }
    values_.ledOn = on;
    auto& led = copies_.ledHeader;
    led[kLedRateOffset] = Byte(7 - rate);
    if (on == 0) led[kLedModeOffset] &= 0x7F;
    if (on == 1) led[kLedModeOffset] |= 0x80;
    if (values_.ledModeIndex >= 0 && values_.ledModeIndex <= 9) {
        led[kLedModeOffset] = Byte((led[kLedModeOffset] & 0xF0) | (9 - values_.ledModeIndex));
    }
    SealBlock(led.data() + kLedRateOffset, kLedHeaderSize - kLedRateOffset);
    StatusChain chain;
    chain.add(transport_.writeBlock(kLedHeader, kLedHeaderSize, led.data()));
    chain.add(transport_.sendCommand(command::kRegisterWrite, 0x07, kLedRateRegister, led[kLedRateOffset], 0));
    chain.add(transport_.sendCommand(command::kRegisterWrite, 0x07, kLedModeRegister, led[kLedModeOffset], 0));
    return chain.result();
}

HRESULT McuDevice::setKeyMode(int mode) {
    if (mode < 0 || mode > 2) return E_INVALIDARG;
    values_.keyMode = mode;
    uint8_t bytes[4] = {0, 0, 0, 0};
    uint8_t modeByte = mode == 2 ? 0xF2 : 0x00;
    if (mode == 1) {
        const uint8_t withNibble = Byte(values_.keyModeHighNibble * 16 + 1);
        const bool flag = initFlag_ != 0;
        modeByte = flag == chip_.flagKeepsHighNibble ? withNibble : 0xF1;
        bytes[0] = 4;
        bytes[1] = 15;
        bytes[3] = chip_.keyModeOneLastByte;
    }
    StatusChain chain;
    for (unsigned i = 0; i < 4; ++i) {
        copies_.block164[kKeyModeBytes - kBlock164 + i] = bytes[i];
        chain.add(transport_.setBytes(kKeyModeBytes + i, bytes[i], 0, 0, 1));
    }
    copies_.block164[kKeyModeByte - kBlock164] = modeByte;
    chain.add(transport_.setBytes(kKeyModeByte, modeByte, 0, 0, 1));
    return chain.result();
}

HRESULT McuDevice::setMacroKey(int table, int index, int b0, int b1, int b2, int b3) {
    if (!validKeyTable(table, index)) return E_INVALIDARG;
    uint8_t* entry = &copies_.keyTables[table - 1][4 * (index - 1)];
    entry[0] = Byte(b0);
    entry[1] = Byte(b1);
    entry[2] = Byte(b2);
    entry[3] = Byte(b3);
    std::vector<uint8_t> tables;
    for (unsigned t = 0; t < chip_.keyTables; ++t) {
        SealBlock(copies_.keyTables[t].data(), kKeyTableSize);
        tables.insert(tables.end(), copies_.keyTables[t].begin(), copies_.keyTables[t].end());
    }
    StatusChain chain;
    chain.add(transport_.writeBlock(kKeyTables, static_cast<unsigned>(tables.size()), tables.data()));
    chain.add(reloadKeyAssignments());
    return chain.result();
}

HRESULT McuDevice::setComboKey(int index, int b0, int b1, int b2, int b3) {
    if (index < 1 || static_cast<unsigned>(index) > kComboKeys) return E_INVALIDARG;
    uint8_t* entry = &copies_.main[kComboKeyBase + 4 * index];
    entry[0] = Byte(b0);
    entry[1] = Byte(b1);
    entry[2] = Byte(b2);
    entry[3] = Byte(b3);
    return writeMainBlock();
}

}  // namespace nolx
