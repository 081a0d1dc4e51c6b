#pragma once
// The controller's two 8-byte feature reports: command report 0x40 and data
// report 0x41 carrying 7 bytes; input report 0x42 announces an on-mouse change.

#include <cstddef>
#include <cstdint>

namespace nolx {

namespace command {
constexpr uint8_t kRegisterWrite = 0x01;
constexpr uint8_t kSetBytes = 0x05;
constexpr uint8_t kReadArea = 0x06;
constexpr uint8_t kBlockWrite = 0x07;
constexpr uint8_t kBlockRead = 0x09;
constexpr uint8_t kStatusQuery = 0x0D;
constexpr uint8_t kCommit = 0x0E;
}  // namespace command

constexpr uint8_t kCommandReport = 0x40;
constexpr uint8_t kDataReport = 0x41;
constexpr uint8_t kChangeReport = 0x42;
constexpr size_t kReportSize = 8;
constexpr size_t kDataBytes = 7;

constexpr uint8_t kLedRateRegister = 0xC4;
constexpr uint8_t kLedModeRegister = 0xC5;
constexpr uint8_t kFlashMemory = 0x80;
constexpr uint8_t kI2CMemory = 0xC0;

}  // namespace nolx
