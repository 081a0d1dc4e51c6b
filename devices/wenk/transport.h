#pragma once
// The Wenk controller's unacknowledged protocol: command report 8 opens a
// read or write window, data report 7 carries 7 bytes at a time.

#include <windows.h>

#include <cstdint>

namespace wenk {

namespace command {
constexpr uint8_t kReadBlock = 5;
constexpr uint8_t kWriteBlock = 6;
constexpr uint8_t kReload = 7;
}  // namespace command

constexpr size_t kChunkSize = 7;

class Transport {
public:
    explicit Transport(const HANDLE& feature) : feature_(feature) {}

    // E_HANDLE for the null handle, E_FAIL when the report is refused.
    HRESULT sendCommand(uint8_t code, uint8_t p1 = 0, uint8_t p2 = 0, uint8_t p3 = 0, uint8_t p4 = 0);
    // Stops at the first data report that cannot be read; the destination is
    // then filled only as far as the read got.
    HRESULT readBlock(uint16_t address, uint16_t length, uint8_t* destination);
    // Fails when the command or any data report is refused, stopping there.
    HRESULT writeBlock(uint16_t address, uint16_t length, const uint8_t* source);

private:
    const HANDLE& feature_;
};

}  // namespace wenk
