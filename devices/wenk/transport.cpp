#include "devices/wenk/transport.h"

#include "devices/common/hid_platform.h"

#include <algorithm>
#include <array>

namespace wenk {

namespace {

constexpr uint8_t kCommandReport = 8;
constexpr uint8_t kDataReport = 7;
constexpr size_t kReportLength = 8;

size_t chunkCount(uint16_t length) { return (length + kChunkSize - 1) / kChunkSize; }

}  // namespace

HRESULT Transport::sendCommand(uint8_t code, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4) {
    if (feature_ == nullptr) return E_HANDLE;
    const uint8_t report[kReportLength] = {kCommandReport, code, p1, p2, p3, p4, 0, 0};
    return hid::platform().setFeature(feature_, report, kReportLength) ? S_OK : E_FAIL;
}

HRESULT Transport::readBlock(uint16_t address, uint16_t length, uint8_t* destination) {
    const HRESULT opened = sendCommand(command::kReadBlock, address & 0xFF, address >> 8, length & 0xFF, length >> 8);
    if (FAILED(opened)) return opened;
    for (size_t chunk = 0, offset = 0; chunk < chunkCount(length); ++chunk, offset += kChunkSize) {
        std::array<uint8_t, kReportLength> report{kDataReport};
        if (!hid::platform().getFeature(feature_, report.data(), report.size())) return E_FAIL;
        std::copy_n(report.begin() + 1, std::min(kChunkSize, length - offset), destination + offset);
    }
    return S_OK;
}

HRESULT Transport::writeBlock(uint16_t address, uint16_t length, const uint8_t* source) {
    // A short last chunk is padded with what the staging held before: the
    // previous chunk's bytes, or 0xFF for a block of one chunk.
    std::array<uint8_t, kReportLength> staging;
    staging.fill(0xFF);
    staging[0] = kDataReport;
    const HRESULT opened = sendCommand(command::kWriteBlock, address & 0xFF, address >> 8, length & 0xFF, length >> 8);
    if (FAILED(opened)) return opened;
    for (size_t chunk = 0, offset = 0; chunk < chunkCount(length); ++chunk, offset += kChunkSize) {
        std::copy_n(source + offset, std::min(kChunkSize, length - offset), staging.begin() + 1);
        if (!hid::platform().setFeature(feature_, staging.data(), staging.size())) return E_FAIL;
    }
    return S_OK;
}

}  // namespace wenk
