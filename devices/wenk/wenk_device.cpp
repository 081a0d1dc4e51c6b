#include "devices/wenk/wenk_device.h"

#include <algorithm>
#include <array>

namespace wenk {

namespace {

constexpr uint8_t kLedOff = 0x80;   // LED byte 1: the effect is off
constexpr uint8_t kLedSync = 0x80;  // LED byte 0

bool validProfile(int profile) { return profile >= 0 && profile < kProfiles; }
bool validSlot(int slot) { return slot >= 0 && slot < kMacroSlots; }

uint16_t slotDataSize(int slot) { return static_cast<uint16_t>(slot == 0 ? kSlot0DataSize : kMacroDataSize); }

}  // namespace

WenkDevice::~WenkDevice() {
    // A device that was never opened has no platform to release it on.
    if (handles_.feature != nullptr) hid::platform().close(handles_.feature);
}

bool WenkDevice::open(int vendorId, int productId) {
    return hid::FindDevice(handles_, vendorId, productId, hid::InputHandle::None);
}

HRESULT WenkDevice::readProfile(int profile, uint8_t* block) {
    if (!validProfile(profile)) return E_INVALIDARG;
    std::array<uint8_t, kProfileSize + 1> staging;
    staging.fill(0xFF);
    const HRESULT read = transport_.readBlock(profileAddress(profile), staging.size(), staging.data());
    if (SUCCEEDED(read)) std::copy_n(staging.begin(), kProfileSize, block);
    return read;
}

HRESULT WenkDevice::writeProfile(int profile, const uint8_t* block) {
    if (!validProfile(profile)) return E_INVALIDARG;
    std::array<uint8_t, kProfileSize + 1> staging;
    std::copy_n(block, kProfileSize, staging.begin());
    staging[kProfileSize] = blockChecksum(block, kProfileSize);
    return transport_.writeBlock(profileAddress(profile), staging.size(), staging.data());
}

HRESULT WenkDevice::readProfileIndex(int& index) {
    uint8_t bytes[2] = {};
    const HRESULT read = transport_.readBlock(kProfileIndexAddress, 2, bytes);
    if (FAILED(read)) return read;
    index = bytes[0];
    return S_OK;
}

HRESULT WenkDevice::writeProfileIndex(int index) {
    if (!validProfile(index)) return E_INVALIDARG;
    const uint8_t bytes[2] = {static_cast<uint8_t>(index), static_cast<uint8_t>(~index)};
    return transport_.writeBlock(kProfileIndexAddress, 2, bytes);
}

HRESULT WenkDevice::readMacro(int slot, uint8_t* name, uint8_t* data) {
    if (!validSlot(slot)) return E_INVALIDARG;
    std::array<uint8_t, kMacroNameSize> nameBytes{};
    std::array<uint8_t, kMacroDataSize> dataBytes{};
    const uint16_t address = kSlotAddress[slot];
    HRESULT read = transport_.readBlock(static_cast<uint16_t>(address - kMacroNameSize), kMacroNameSize,
                                        nameBytes.data());
    if (SUCCEEDED(read)) read = transport_.readBlock(address, slotDataSize(slot), dataBytes.data());
    if (FAILED(read)) return read;
    std::copy(nameBytes.begin(), nameBytes.end(), name);
    std::copy(dataBytes.begin(), dataBytes.end(), data);
    return S_OK;
}

HRESULT WenkDevice::writeMacro(int slot, const uint8_t* name, const uint8_t* data) {
    if (!validSlot(slot)) return E_INVALIDARG;
    const uint16_t size = slotDataSize(slot);
    if (std::any_of(data + size, data + kMacroDataSize, [](uint8_t byte) { return byte != 0; })) return E_INVALIDARG;
    const uint16_t address = kSlotAddress[slot];
    const uint8_t pointer[2] = {static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address)};
    HRESULT written = transport_.writeBlock(static_cast<uint16_t>(kMacroPointerAddress + 2 * slot), 2, pointer);
    if (SUCCEEDED(written)) {
        written = transport_.writeBlock(static_cast<uint16_t>(address - kMacroNameSize), kMacroNameSize, name);
    }
    if (SUCCEEDED(written)) written = transport_.writeBlock(address, size, data);
    return written;
}

HRESULT WenkDevice::readLed(int profile, LedSettings& settings) {
    uint8_t bytes[2] = {};
    const HRESULT read = transport_.readBlock(ledAddress(profile), 2, bytes);
    if (FAILED(read)) return read;
    settings.type = (bytes[1] & kLedOff) ? 0 : bytes[0] & 0x0F;
    settings.speed = bytes[1] & 0x07;
    settings.brightness = (bytes[1] >> 3) & 0x07;
    settings.sync = (bytes[0] & kLedSync) ? 1 : 0;
    return S_OK;
}

HRESULT WenkDevice::writeLed(int profile, const LedSettings& settings) {
    uint8_t bytes[2] = {};
    if (settings.type == 0) {
        bytes[1] |= kLedOff;
    } else {
        bytes[0] = settings.type & 0x0F;
    }
    if (settings.sync == 1) bytes[0] |= kLedSync;
    bytes[1] |= (settings.speed & 0x07) | (settings.brightness & 0x07) << 3;
    return transport_.writeBlock(ledAddress(profile), 2, bytes);
}

HRESULT WenkDevice::reload() { return transport_.sendCommand(command::kReload); }

}  // namespace wenk
