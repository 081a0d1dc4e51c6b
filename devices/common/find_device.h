#pragma once
// The HID discovery every device library uses to open its controller.

#include "devices/common/hid_platform.h"

namespace hid {

struct DeviceHandles {
    HANDLE feature = nullptr;  // null until the first discovery
    HANDLE input = nullptr;    // second handle for blocking input-report reads
    uint16_t inputLength = 0;
};

enum class InputHandle { Open, None };

// Walks interface indexes 0..127 and keeps the first interface with 8-byte
// feature reports and the given ids (low 16 bits). On a match with
// InputHandle::Open the path is opened a second time as the input handle,
// replacing (and closing) the one of an earlier discovery.
bool FindDevice(DeviceHandles& handles, int vendorId, int productId, InputHandle inputHandle);

}  // namespace hid
