#pragma once
// A simulated machine with Nolx-family controllers, a library device object
// for one of them, and the feature reports it sent, as hex text.

#include "devices/common/device_ids.h"
#include "devices/nolx/mcu_device.h"
#include "devices/sim/installed_platform.h"
#include "devices/sim/nolx_firmware.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

namespace nolx_test {

using nolx::ChipId;

inline std::string Hex(std::initializer_list<int> bytes) {
    std::string text;
    char byte[4];
    for (int b : bytes) {
        std::snprintf(byte, sizeof byte, text.empty() ? "%02x" : " %02x", b & 0xFF);
        text += byte;
    }
    return text;
}

inline std::string SetBytesReport(int address, int b1, int b2, int b3, int count) {
    return Hex({0x40, 0x05, 0x00, address, b1, b2, b3, count});
}
inline std::string SetByteReport(int address, int value) { return SetBytesReport(address, value, 0, 0, 1); }
inline std::string CommandReport(int command, int a1 = 0, int a2 = 0, int a3 = 0, int a4 = 0) {
    return Hex({0x40, command, a1, a2, a3, a4, 0, 0});
}
inline std::string BlockWriteReport(int address, int length) {
    return CommandReport(0x07, address >> 8, address & 0xFF, length >> 8, length & 0xFF);
}
inline std::string BlockReadReport(int address, int length) {
    return CommandReport(0x09, address >> 8, address & 0xFF, length >> 8, length & 0xFF);
}

inline hidsim::NolxFirmware& FirmwareOf(hidsim::Device& device) { return device.firmwareAs<hidsim::NolxFirmware>(); }

inline std::shared_ptr<hidsim::Device> MakeController(ChipId chip) {
    switch (chip) {
    case ChipId::Dolv:
        return hidsim::dolv();
    case ChipId::Mesk:
        return hidsim::mesk();
    case ChipId::Qiro:
        break;
    }
    return hidsim::qiro();
}

// Rewrites bytes of the controller's memory and seals the block they are in.
inline void PokeSealed(hidsim::Device& device, unsigned blockStart, size_t blockSize,
                       std::initializer_list<std::pair<unsigned, uint8_t>> bytes) {
    std::vector<uint8_t>& memory = device.firmware().memory();
    for (auto [address, value] : bytes) memory[address] = value;
    nolx::SealBlock(&memory[blockStart], blockSize);
}

class NolxTest : public ::testing::Test {
protected:
    NolxTest() {
        machine->setTrace([this](const std::string& line) {
            std::lock_guard<std::mutex> lock(traceMutex_);
            trace_.push_back(line);
        });
    }

    // Plugs a controller in and gives it a library device, opened and read.
    void open(ChipId chip, int flag = 0, bool read = true) {
        device = &machine->plugIn(MakeController(chip));
        mcu = std::make_unique<nolx::McuDevice>(nolx::ChipSettings(chip));
        ASSERT_EQ(mcu->init(device_ids::kVendor, device_ids::kNolxProduct, flag), S_OK);
        if (read) {
            ASSERT_EQ(mcu->readDeviceData(), S_OK);
        }
        clearTrace();
    }

    hidsim::NolxFirmware& firmware() { return FirmwareOf(*device); }
    std::vector<uint8_t>& memory() { return device->firmware().memory(); }

    // Payloads of the SET reports since the last clear, e.g. "40 05 00 2b 03 00 00 01".
    std::vector<std::string> sent() { return payloads("SET "); }
    std::vector<std::string> received() { return payloads("GET "); }
    size_t gets() { return received().size(); }
    void clearTrace() {
        std::lock_guard<std::mutex> lock(traceMutex_);
        trace_.clear();
        machine->resetCounters();
    }

    hidsim::ScopedMachine machine;
    hidsim::Device* device = nullptr;
    std::unique_ptr<nolx::McuDevice> mcu;

private:
    std::vector<std::string> payloads(const std::string& kind) {
        std::lock_guard<std::mutex> lock(traceMutex_);
        std::vector<std::string> out;
        for (const std::string& line : trace_) {
            if (line.compare(0, kind.size(), kind) != 0) continue;
            out.push_back(line.substr(line.find(' ', kind.size()) + 1));
        }
        return out;
    }

    std::mutex traceMutex_;
    std::vector<std::string> trace_;
};

}  // namespace nolx_test
