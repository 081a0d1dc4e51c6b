#pragma once
// The Wenk library's one device object: the feature-report handle and the
// block operations on the controller's profile, index, macro and LED data.
// Every operation fails with a negative status (E_INVALIDARG for a profile
// or slot outside its table) and then leaves the caller's buffers as they were.

#include "devices/common/find_device.h"
#include "devices/wenk/memory_map.h"
#include "devices/wenk/transport.h"

namespace wenk {

struct LedSettings {
    uint8_t type = 0;  // 0 = effect off
    uint8_t speed = 0;
    uint8_t brightness = 0;
    uint8_t sync = 0;
};

class WenkDevice {
public:
    WenkDevice() : transport_(handles_.feature) {}
    ~WenkDevice();
    WenkDevice(const WenkDevice&) = delete;
    WenkDevice& operator=(const WenkDevice&) = delete;

    bool open(int vendorId, int productId);

    HRESULT readProfile(int profile, uint8_t* block);
    // Stores the block's checksum right behind it.
    HRESULT writeProfile(int profile, const uint8_t* block);
    // The index byte as the controller holds it, whatever it is: its
    // complement is read but not checked.
    HRESULT readProfileIndex(int& index);
    HRESULT writeProfileIndex(int index);
    // Slot 0 holds at most kSlot0DataSize data bytes: its reads fill the rest
    // of the caller's data with zeros, and a write carrying data beyond them
    // is refused, so that slot 1's name stays intact.
    HRESULT readMacro(int slot, uint8_t* name, uint8_t* data);
    HRESULT writeMacro(int slot, const uint8_t* name, const uint8_t* data);
    // Profile 0 has its LED bytes at 0x129, any other at 0x209.
    HRESULT readLed(int profile, LedSettings& settings);
    HRESULT writeLed(int profile, const LedSettings& settings);
    HRESULT reload();

private:
    hid::DeviceHandles handles_;
    Transport transport_;
};

}  // namespace wenk
