#pragma once
// A simulated Kelvo mouse on a simulated bus, with the library's device object.

#include "devices/common/device_ids.h"
#include "devices/kelvo/kelvo_device.h"
#include "devices/sim/installed_platform.h"
#include "devices/sim/kelvo_firmware.h"

#include <gtest/gtest.h>

struct KelvoBus : ::testing::Test {
    hidsim::ScopedMachine machine;
    std::shared_ptr<hidsim::Device> mouse = hidsim::makeKelvoDevice();
    hidsim::KelvoFirmware& firmware = mouse->firmwareAs<hidsim::KelvoFirmware>();
    kelvo::KelvoDevice device;
    std::vector<std::string> sent;  // SET lines, once traceSent() ran

    void SetUp() override { machine->plugIn(mouse); }

    void open() {
        ASSERT_EQ(device.open(device_ids::kVendor, device_ids::kKelvoProduct), S_OK);
        machine->resetCounters();
    }

    void traceSent() {
        machine->setTrace([this](const std::string& line) {
            if (line.rfind("SET", 0) == 0) sent.push_back(line);
        });
    }

    std::vector<uint8_t>& memory() { return firmware.memory(); }
};
