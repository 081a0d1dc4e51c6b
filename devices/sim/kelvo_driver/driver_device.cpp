#include "devices/sim/kelvo_driver/driver_device.h"

#include "devices/sim/state_file.h"

#include <cstdlib>
#include <cstring>

namespace kelvo_driver {

namespace {

std::wstring StatePath() {
    const wchar_t* folder = _wgetenv(L"HIDSIM_STATE_DIR");
    return folder && *folder ? std::wstring(folder) + L"\\kelvo-driver.bin" : std::wstring();
}

}  // namespace

DriverDevice::DriverDevice() : memory_(defaultImage()), image_(memory_), statePath_(StatePath()) {
    if (!statePath_.empty()) hidsim::loadImage(statePath_, memory_);
}

DriverDevice::~DriverDevice() {
    // A device that was never opened has no platform to release it on.
    if (handles_.feature == nullptr) return;
    hid::platform().close(handles_.feature);
}

int DriverDevice::open(int vendorId, int productId) {
    return hid::FindDevice(handles_, vendorId, productId, hid::InputHandle::None) ? 0 : 1;
}

int DriverDevice::close() {
    if (!reached()) return 1;
    hid::platform().close(handles_.feature);
    handles_.feature = INVALID_HANDLE_VALUE;
    return 0;
}

bool DriverDevice::reached() const {
    if (handles_.feature == nullptr || handles_.feature == INVALID_HANDLE_VALUE) return false;
    uint16_t vendor = 0, product = 0;
    return hid::platform().attributes(handles_.feature, vendor, product);
}

int DriverDevice::readImage() {
    if (!reached()) return 1;
    image_ = memory_;
    return 0;
}

int DriverDevice::writeImage() {
    if (!reached()) return -1;
    store(0, image_.data(), kImageSize);
    return 0;
}

int DriverDevice::writeLedCpiBlock(const uint8_t block[4]) {
    if (!reached()) return -1;
    std::memcpy(&image_[address::kLedCpiBlock], block, 4);
    store(address::kLedCpiBlock, block, 4);
    return 0;
}

int DriverDevice::writeRawImage(const uint8_t* image, int size) {
    if (!reached() || !image || size < 1 || size > static_cast<int>(kImageSize)) return -1;
    store(0, image, static_cast<size_t>(size));
    return 0;
}

void DriverDevice::store(size_t address, const uint8_t* bytes, size_t length) {
    std::memcpy(&memory_[address], bytes, length);
    if (!statePath_.empty()) hidsim::saveImage(statePath_, memory_);
}

}  // namespace kelvo_driver
