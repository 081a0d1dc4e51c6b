#pragma once
// The one seam through which the device libraries reach HID and the clock.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace hid {

enum class InterfaceLookup {
    Found,        // the path of the interface at this index was filled in
    NoInterface,  // nothing at this index; the walk goes on
    DetailFailed  // the interface detail query failed; the walk ends
};

// A snapshot of the present HID device interfaces, walked by index.
class InterfaceList {
public:
    virtual ~InterfaceList() = default;
    virtual InterfaceLookup path(unsigned index, std::wstring& path) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual std::unique_ptr<InterfaceList> interfaces() = 0;
    // Opens a device path for reading and writing; INVALID_HANDLE_VALUE when refused.
    virtual HANDLE open(const std::wstring& path) = 0;
    // Closing the null or the invalid handle does nothing.
    virtual void close(HANDLE handle) = 0;
    virtual bool attributes(HANDLE handle, uint16_t& vendorId, uint16_t& productId) = 0;
    virtual bool capabilities(HANDLE handle, uint16_t& featureLength, uint16_t& inputLength) = 0;
    virtual bool setFeature(HANDLE handle, const uint8_t* report, size_t length) = 0;
    // Fills the buffer, whose first byte names the report, with the device's answer.
    virtual bool getFeature(HANDLE handle, uint8_t* report, size_t length) = 0;
    // Blocks until one input report arrives; false when the handle is closed,
    // the device goes away or the read fails.
    virtual bool readInput(HANDLE handle, uint8_t* report, size_t length) = 0;
    // Ends the input read the thread is blocked in, which then fails; false
    // when the thread is in none.
    virtual bool cancelInputRead(HANDLE thread) = 0;
    virtual void sleepMs(unsigned milliseconds) = 0;
};

// The platform of this module, provided by the backend it is linked with.
Platform& platform();

}  // namespace hid
