#include "devices/kelvo/kelvo_device.h"

#include <algorithm>
#include <vector>

namespace kelvo {

KelvoDevice::KelvoDevice() : transport_(handles_) { wire_.fill(0xFF); }

KelvoDevice::~KelvoDevice() {
    // A device that was never opened has no platform to release it on.
    if (handles_.feature == nullptr) return;
    hid::platform().close(handles_.feature);
    hid::platform().close(handles_.input);
}

HRESULT KelvoDevice::open(int vendorId, int productId) {
    if (!hid::FindDevice(handles_, vendorId, productId, hid::InputHandle::Open)) return 1;
    return SUCCEEDED(transport_.handshake()) ? S_OK : 1;
}

HRESULT KelvoDevice::close() {
    if (handles_.feature == INVALID_HANDLE_VALUE) return 1;
    transport_.sendCommand(command::kCommit);
    const HRESULT end = transport_.sendCommand(command::kTransactionEnd);
    hid::Platform& hid = hid::platform();
    hid.close(handles_.feature);
    handles_.feature = INVALID_HANDLE_VALUE;
    hid.close(handles_.input);
    handles_.input = nullptr;
    return end;
}

template <class Transfer>
HRESULT KelvoDevice::transaction(Transfer transfer) {
    if (FAILED(transport_.handshake())) return E_FAIL;
    const HRESULT moved = transfer();
    if (SUCCEEDED(moved)) transport_.sendCommand(command::kCommit);
    const HRESULT end = transport_.sendCommand(command::kTransactionEnd);
    return FAILED(moved) ? E_FAIL : end;
}

HRESULT KelvoDevice::readImage() {
    if (handles_.feature == nullptr) return 1;
    return transaction([this] {
        std::array<uint8_t, kImageSize> image{};
        const HRESULT read = transport_.readBlock(0, kImageSize, image.data());
        if (SUCCEEDED(read)) {
            wire_ = image;
            unpackImage(wire_.data(), copy_);
        }
        return read;
    });
}

HRESULT KelvoDevice::writeImage() {
    return transaction([this] {
        packImage(copy_, wire_.data());
        return transport_.writeBlock(0, kImageSize, wire_.data());
    });
}

HRESULT KelvoDevice::writeFireData() {
    return transaction([this] {
        for (const Region& region : {kFireKeyRegion, kFireYAxisRegion, kFireColourRegion}) {
            const HRESULT written = transport_.writeBlock(static_cast<uint16_t>(region.address),
                                                          static_cast<uint16_t>(region.length),
                                                          &copy_.front[region.address]);
            if (FAILED(written)) return written;
        }
        return transport_.writeBlock(static_cast<uint16_t>(kFireBufferRegion.address),
                                     static_cast<uint16_t>(kFireBufferRegion.length), copy_.fireBuffers.data());
    });
}

HRESULT KelvoDevice::writeRawImage(const uint8_t* image) {
    return transaction([this, image] { return transport_.writeBlock(0, kImageSize, image); });
}

HRESULT KelvoDevice::readByAddress(uint16_t address, uint8_t& value) {
    std::array<uint8_t, 8> bytes{};
    const HRESULT read = transport_.readBlock(address, kChunkSize, bytes.data());
    if (SUCCEEDED(read)) value = bytes[0];
    return read;
}

HRESULT KelvoDevice::readChangeData(int32_t& value) {
    if (handles_.input == nullptr) return E_FAIL;
    std::vector<uint8_t> report(std::max<size_t>(handles_.inputLength, 4), 0);
    if (!hid::platform().readInput(handles_.input, report.data(), handles_.inputLength)) return E_FAIL;
    value = static_cast<int32_t>(report[0] | report[1] << 8 | report[2] << 16 | static_cast<uint32_t>(report[3]) << 24);
    return S_OK;
}

}  // namespace kelvo
