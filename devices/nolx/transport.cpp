#include "devices/nolx/transport.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace nolx {

namespace {

unsigned ChunkCount(unsigned length) { return (length + kDataBytes - 1) / kDataBytes; }

// Bytes of chunk i that belong to a block of the given length.
size_t ChunkLength(unsigned length, unsigned chunk) {
    return std::min<size_t>(kDataBytes, length - chunk * kDataBytes);
}

}  // namespace

Transport::~Transport() { close(); }

bool Transport::open(int vendorId, int productId) {
    std::lock_guard<TransferLock> guard(lock_);
    return hid::FindDevice(handles_, vendorId, productId, hid::InputHandle::Open);
}

void Transport::close() {
    std::lock_guard<TransferLock> guard(lock_);
    // A library unloaded before it ever opened a device never reaches the platform.
    for (HANDLE handle : {handles_.feature, handles_.input}) {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) hid::platform().close(handle);
    }
    handles_ = hid::DeviceHandles{};
}

HRESULT Transport::sendCommand(uint8_t command, uint8_t a1, uint8_t a2, uint8_t a3, uint8_t a4) {
    std::lock_guard<TransferLock> guard(lock_);
    if (handles_.feature == nullptr) return E_HANDLE;
    const uint8_t report[kReportSize] = {kCommandReport, command, a1, a2, a3, a4, 0, 0};
    return hid::platform().setFeature(handles_.feature, report, kReportSize) ? S_OK : E_FAIL;
}

HRESULT Transport::setBytes(unsigned address, uint8_t b1, uint8_t b2, uint8_t b3, unsigned count) {
    std::lock_guard<TransferLock> guard(lock_);
    if (handles_.feature == nullptr) return E_HANDLE;
    const uint8_t report[kReportSize] = {
        kCommandReport, command::kSetBytes, 0, static_cast<uint8_t>(address), b1, b2, b3, static_cast<uint8_t>(count)};
    return hid::platform().setFeature(handles_.feature, report, kReportSize) ? S_OK : E_FAIL;
}

HRESULT Transport::readDataReport() {
    std::lock_guard<TransferLock> guard(lock_);
    if (handles_.feature == nullptr) return E_HANDLE;
    uint8_t report[kReportSize] = {kDataReport};
    const bool ok = hid::platform().getFeature(handles_.feature, report, kReportSize);
    if (!ok) std::fill(report + 1, report + kReportSize, 0);
    std::copy(report + 1, report + kReportSize, data_.begin());
    return ok ? S_OK : E_FAIL;
}

HRESULT Transport::writeDataReport(const DataBuffer& data) {
    std::lock_guard<TransferLock> guard(lock_);
    if (handles_.feature == INVALID_HANDLE_VALUE) return S_OK;
    if (handles_.feature == nullptr) return E_HANDLE;
    uint8_t report[kReportSize] = {kDataReport};
    std::copy(data.begin(), data.end(), report + 1);
    data_ = data;
    return hid::platform().setFeature(handles_.feature, report, kReportSize) ? S_OK : E_FAIL;
}

HRESULT Transport::readChunks(unsigned length, uint8_t* destination) {
    HRESULT status = S_OK;
    for (unsigned chunk = 0; chunk < ChunkCount(length); ++chunk) {
        if (FAILED(readDataReport())) status = E_FAIL;
        std::copy_n(data_.begin(), ChunkLength(length, chunk), destination + chunk * kDataBytes);
    }
    return status;
}

HRESULT Transport::readBlock(unsigned address, unsigned length, uint8_t* destination) {
    std::lock_guard<TransferLock> guard(lock_);
    const HRESULT status = sendCommand(command::kBlockRead, static_cast<uint8_t>(address >> 8),
                                       static_cast<uint8_t>(address), static_cast<uint8_t>(length >> 8),
                                       static_cast<uint8_t>(length));
    if (FAILED(status)) return status;
    return FAILED(readChunks(length, destination)) ? E_FAIL : status;
}

HRESULT Transport::writeBlock(unsigned address, unsigned length, const uint8_t* source) {
    std::lock_guard<TransferLock> guard(lock_);
    data_.fill(0xFF);
    const HRESULT status = sendCommand(command::kBlockWrite, static_cast<uint8_t>(address >> 8),
                                       static_cast<uint8_t>(address), static_cast<uint8_t>(length >> 8),
                                       static_cast<uint8_t>(length));
    if (FAILED(status)) return status;
    bool lostChunk = false;
    for (unsigned chunk = 0; chunk < ChunkCount(length); ++chunk) {
        // A short last chunk keeps the tail of the chunk before it.
        DataBuffer buffer = data_;
        std::copy_n(source + chunk * kDataBytes, ChunkLength(length, chunk), buffer.begin());
        if (FAILED(writeDataReport(buffer))) lostChunk = true;
    }
    return lostChunk ? E_FAIL : status;
}

HRESULT Transport::readArea(uint8_t addressHigh, uint8_t addressLow, uint8_t length, uint8_t* destination) {
    std::lock_guard<TransferLock> guard(lock_);
    std::fill_n(destination, 4, 0xFF);
    data_.fill(0xFF);
    if (handles_.feature == INVALID_HANDLE_VALUE) return E_HANDLE;
    const uint8_t report[kReportSize] = {kCommandReport, command::kReadArea, addressHigh, addressLow, 0, length, 0, 0};
    if (!hid::platform().setFeature(handles_.feature, report, kReportSize)) return E_FAIL;
    return readChunks(length, destination);
}

HRESULT Transport::readInputReport(uint8_t (&out)[4]) {
    HANDLE input = nullptr;
    size_t length = 0;
    {
        std::lock_guard<TransferLock> guard(lock_);
        input = handles_.input;
        length = handles_.inputLength;
    }
    if (input == nullptr) return E_FAIL;
    // The read blocks without the lock; closing the handle ends it.
    std::vector<uint8_t> report(std::max<size_t>(length, sizeof out), 0);
    const bool ok = hid::platform().readInput(input, report.data(), length);
    std::copy_n(report.begin(), sizeof out, out);
    return ok ? S_OK : E_FAIL;
}

}  // namespace nolx
