#pragma once
// What the simulated Kelvo and Wenk controllers share: the address window a
// command opens on the memory, clipped at the memory's end, through which the
// data transfers walk byte by byte; and the device paths of their interfaces.

#include "devices/common/device_ids.h"

#include <algorithm>
#include <cstddef>
#include <cwchar>
#include <string>

namespace hidsim {

class MemoryWindow {
public:
    void open(size_t address, size_t length, size_t memorySize) {
        address_ = std::min(address, memorySize);
        length_ = std::min(length, memorySize - address_);
        position_ = 0;
    }
    // The memory index of the next byte; false past the window's end (the
    // position advances either way).
    bool next(size_t& index) {
        index = address_ + position_;
        return position_++ < length_;
    }
    // Every byte of a window that was opened has been passed.
    bool complete() const { return length_ > 0 && position_ >= length_; }

private:
    size_t address_ = 0;
    size_t length_ = 0;
    size_t position_ = 0;
};

// The device path of one HID collection of a controller with the project's vendor id.
inline std::wstring interfacePath(uint16_t productId, const wchar_t* collection) {
    wchar_t path[160];
    std::swprintf(path, 160, L"\\\\?\\hid#vid_%04x&pid_%04x&%ls#8&2c1d93a&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
                  device_ids::kVendor, productId, collection);
    return path;
}

}  // namespace hidsim
