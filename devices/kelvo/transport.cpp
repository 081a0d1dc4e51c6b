#include "devices/kelvo/transport.h"

#include <algorithm>

namespace kelvo {

namespace {

constexpr int kAttempts = 5;
constexpr int kPolls = 5;
constexpr unsigned kPollIntervalMs = 5;
constexpr uint8_t kReadyBit = 0x04;

uint8_t chipCodeFor(uint8_t chipId) {
    switch (chipId) {
    case 0x35: return 0x90;
    case 0xFD: return 0x98;
    case 0x75: return 0x99;
    default: return 0;
    }
}

size_t chunkCount(uint16_t length) { return (length + kChunkSize - 1) / kChunkSize; }

}  // namespace

bool Transport::attempt(std::array<uint8_t, kReportLength>& report) {
    hid::Platform& hid = hid::platform();
    const bool sent = hid.setFeature(handles_.feature, report.data(), report.size());
    hid.sleepMs(kPollIntervalMs);
    // Polling after a request that never arrived would take the previous
    // command's acknowledge for this one.
    if (!sent) return false;
    uint8_t status = 0;
    for (int poll = 0; poll < kPolls; ++poll) {
        report[0] = kReportId;
        // A poll that fails yields no reply, whatever the buffer still holds.
        status = hid.getFeature(handles_.feature, report.data(), report.size()) ? report[7] : 0;
        if (status != 0) break;
        hid.sleepMs(kPollIntervalMs);
    }
    return status == kAcknowledged;
}

bool Transport::exchange(std::array<uint8_t, kReportLength>& report, const Window* reopen) {
    const std::array<uint8_t, kReportLength> request = report;
    for (int tries = 0; tries < kAttempts; ++tries) {
        // A chunk whose acknowledge was missed may have moved the controller's
        // window on already: it is sent again only from a window opened again
        // at that chunk.
        if (tries > 0 && reopen != nullptr && FAILED(openWindow(*reopen))) return false;
        report = request;
        if (attempt(report)) return true;
    }
    return false;
}

HRESULT Transport::openWindow(const Window& window) {
    return sendCommand(window.command, window.address & 0xFF, window.address >> 8, window.length & 0xFF,
                       window.length >> 8);
}

HRESULT Transport::sendCommand(uint8_t code, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4) {
    if (handles_.feature == nullptr) return E_FAIL;
    std::array<uint8_t, kReportLength> report{kReportId, code, p1, p2, p3, p4, 0, 0};
    if (!exchange(report)) return E_FAIL;
    std::copy(report.begin() + 1, report.end(), lastReply_.begin());
    return S_OK;
}

HRESULT Transport::handshake() {
    if (FAILED(sendCommand(command::kTransactionStart))) return E_FAIL;
    if (FAILED(sendCommand(command::kIdentify))) return E_FAIL;
    const bool ready = (lastReply_[1] & kReadyBit) != 0;
    if (!ready) return E_FAIL;
    const uint8_t code = chipCodeFor(lastReply_[2]);
    if (code != 0) chipCode_ = code;
    return chipCode_ != 0 ? S_OK : E_FAIL;
}

HRESULT Transport::readBlock(uint16_t address, uint16_t length, uint8_t* destination) {
    if (FAILED(openWindow({command::kReadWindow, address, length}))) return E_FAIL;
    for (size_t chunk = 0, offset = 0; chunk < chunkCount(length); ++chunk, offset += kChunkSize) {
        std::array<uint8_t, kReportLength> report{kReportId, command::kReadChunk};
        const Window rest{command::kReadWindow, static_cast<uint16_t>(address + offset),
                          static_cast<uint16_t>(length - offset)};
        if (!exchange(report, &rest)) return E_FAIL;
        std::copy(report.begin() + 1, report.end(), lastReply_.begin());
        const size_t count = std::min(kChunkSize, length - offset);
        std::copy_n(lastReply_.begin(), count, destination + offset);
    }
    return S_OK;
}

HRESULT Transport::writeBlock(uint16_t address, uint16_t length, const uint8_t* source) {
    // A short last chunk is padded with what the staging held before: the
    // previous chunk's bytes, or 0xFF for a block of one chunk.
    std::array<uint8_t, kReportLength> staging;
    staging.fill(0xFF);
    if (FAILED(openWindow({command::kWriteWindow, address, length}))) return E_FAIL;
    for (size_t chunk = 0, offset = 0; chunk < chunkCount(length); ++chunk, offset += kChunkSize) {
        const size_t count = std::min(kChunkSize, length - offset);
        std::copy_n(source + offset, count, staging.begin());
        std::array<uint8_t, kReportLength> report{kReportId, command::kWriteChunk};
        std::copy(staging.begin(), staging.begin() + kChunkSize, report.begin() + 2);
        const Window rest{command::kWriteWindow, static_cast<uint16_t>(address + offset),
                          static_cast<uint16_t>(length - offset)};
        if (!exchange(report, &rest)) return E_FAIL;
    }
    return S_OK;
}

}  // namespace kelvo
