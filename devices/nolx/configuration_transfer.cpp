// Whole-image export and import, patch code, base macros and change data.
#include "devices/nolx/mcu_device.h"

#include <algorithm>

namespace nolx {

namespace {

constexpr size_t kPatchHeaderSize = 8;
constexpr size_t kChecksummedCodeBytes = 3;
constexpr unsigned kAddressReadLength = 6;

}  // namespace

HRESULT McuDevice::getDeviceData(uint8_t* buffer, int length) {
    if (length < 0 || static_cast<size_t>(length) > kImageSize) return E_INVALIDARG;
    if (!buffer && length > 0) return E_POINTER;
    const HRESULT status = transport_.readBlock(0, kImageSize, image_.data());
    std::copy_n(image_.begin(), length, buffer);
    return status;
}

HRESULT McuDevice::saveConfiguration(uint8_t* image) {
    if (!image) return E_POINTER;
    const HRESULT status = chip_.saveReadsDevice ? transport_.readBlock(0, kImageSize, image_.data()) : S_OK;
    std::copy(image_.begin(), image_.end(), image);
    return status;
}

HRESULT McuDevice::writeConfiguration(const uint8_t* image) {
    if (!image) return E_POINTER;
    const HRESULT status = transport_.writeBlock(0, kImageSize, image);
    // A partly written image is not made durable.
    if (FAILED(status)) return status;
    return commit();
}

HRESULT McuDevice::importPatchCode(const uint8_t* buffer) {
    if (!buffer) return E_POINTER;
    const size_t length = buffer[2] * 256u + buffer[3];
    if (length > kPatchCodeCapacity) return E_INVALIDARG;
    const uint8_t* code = buffer + kLedHeaderSize;
    auto& header = copies_.ledHeader;
    std::copy_n(buffer, kLedHeaderSize, header.begin());
    const uint8_t patchHeader[kPatchHeaderSize] = {
        0x04, 0x00, buffer[2], buffer[3], 0x00, 0x1A, 0x00,
        BlockChecksum(code, std::min(length, kChecksummedCodeBytes))};
    std::copy_n(patchHeader, kPatchHeaderSize, header.begin());
    const std::vector<uint8_t> patch(code, code + length);

    HRESULT status = transport_.writeBlock(kLedHeader, kLedHeaderSize, header.data());
    if (SUCCEEDED(status)) status = transport_.writeBlock(kPatchCode, static_cast<unsigned>(length), patch.data());
    if (FAILED(status)) return status;
    return commit();
}

HRESULT McuDevice::importBaseMacro(const uint8_t* area) {
    if (!chip_.importsBaseMacro) return E_FAIL;
    if (!area) return E_POINTER;
    std::copy_n(area, kMacroAreaSize, copies_.macroArea.begin());
    // The list follows the area, so that a later append keeps these macros.
    macros_ = ParseMacroArea(copies_.macroArea);
    return transport_.writeBlock(kMacroArea, kMacroAreaSize, copies_.macroArea.data());
}

HRESULT McuDevice::exportBaseMacro(uint8_t* area) const {
    if (!area) return E_POINTER;
    std::copy(copies_.macroArea.begin(), copies_.macroArea.end(), area);
    return S_OK;
}

HRESULT McuDevice::getDataByAddress(int* out, int address) {
    if (!out) return E_POINTER;
    if (!transport_.hasFeatureHandle()) return E_HANDLE;
    // Read into a buffer of its own: the image buffer keeps the last whole read.
    uint8_t bytes[kAddressReadLength] = {};
    const HRESULT status = transport_.readBlock(static_cast<unsigned>(address), kAddressReadLength, bytes);
    *out = bytes[0];
    return status;
}

HRESULT McuDevice::getChangeData(int* out) {
    if (!out) return E_POINTER;
    uint8_t report[4] = {};
    const HRESULT status = transport_.readInputReport(report);
    if (FAILED(status)) return status;
    *out = static_cast<int>(report[0] | report[1] << 8 | report[2] << 16 | static_cast<uint32_t>(report[3]) << 24);
    return S_OK;
}

HRESULT McuDevice::setChangeCallback(ChangeCallback callback, void* user) {
    if (!listener_) return E_NOTIMPL;
    listener_->setCallback(callback, user);
    return S_OK;
}

}  // namespace nolx
