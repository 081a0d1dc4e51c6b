#pragma once
// The Kelvo controller's acknowledged feature-report-4 protocol: commands
// polled for an 0xCC status, block reads and writes in 6-byte chunks, and the
// identify handshake.

#include "devices/common/find_device.h"

#include <array>

namespace kelvo {

namespace command {
constexpr uint8_t kTransactionStart = 1;
constexpr uint8_t kTransactionEnd = 2;
constexpr uint8_t kIdentify = 3;
constexpr uint8_t kReadWindow = 4;
constexpr uint8_t kReadChunk = 5;
constexpr uint8_t kWriteWindow = 6;
constexpr uint8_t kWriteChunk = 7;
constexpr uint8_t kCommit = 8;
}  // namespace command

constexpr uint8_t kReportId = 4;
constexpr uint8_t kAcknowledged = 0xCC;
constexpr size_t kReportLength = 8;
constexpr size_t kChunkSize = 6;

class Transport {
public:
    explicit Transport(hid::DeviceHandles& handles) : handles_(handles) {}

    // One command, up to 5 attempts of 5 polls; E_FAIL without an acknowledge
    // (or at once for the null handle).
    HRESULT sendCommand(uint8_t code, uint8_t p1 = 0, uint8_t p2 = 0, uint8_t p3 = 0, uint8_t p4 = 0);
    // Transaction start, identify, then the ready and chip tests.
    HRESULT handshake();
    // Both fail when the window is refused or any chunk is lost; the transfer
    // stops at the first lost chunk. A chunk sent again goes to a window
    // opened again at it. A failed read leaves the destination as
    // far as it was filled.
    HRESULT readBlock(uint16_t address, uint16_t length, uint8_t* destination);
    HRESULT writeBlock(uint16_t address, uint16_t length, const uint8_t* source);

    // Bytes 1 to 7 of the last acknowledged reply.
    const std::array<uint8_t, 7>& lastReply() const { return lastReply_; }
    uint8_t chipCode() const { return chipCode_; }

private:
    // The window a block transfer opened, from the chunk it is at.
    struct Window {
        uint8_t command;
        uint16_t address;
        uint16_t length;
    };

    // Sends the request once and polls for its status; true on an
    // acknowledge, with the reply left in the report.
    bool attempt(std::array<uint8_t, kReportLength>& report);
    // Up to 5 attempts; with a window (a chunk command), each attempt after
    // the first is made from that window opened again.
    bool exchange(std::array<uint8_t, kReportLength>& report, const Window* reopen = nullptr);
    HRESULT openWindow(const Window& window);

    hid::DeviceHandles& handles_;
    std::array<uint8_t, 7> lastReply_{};
    uint8_t chipCode_ = 0;
};

}  // namespace kelvo
