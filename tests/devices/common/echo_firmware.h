#pragma once
// A minimal firmware for exercising the bus: a GET returns the last SET.

#include "devices/sim/device.h"

#include <algorithm>

class EchoFirmware : public hidsim::Firmware {
public:
    EchoFirmware() : Firmware(16) {}
    bool setFeature(const uint8_t* report, size_t length) override {
        last_.assign(report, report + length);
        return true;
    }
    bool getFeature(uint8_t* report, size_t length) override {
        std::copy_n(last_.begin(), std::min(length, last_.size()), report);
        return true;
    }

private:
    std::vector<uint8_t> last_;
};

inline std::shared_ptr<hidsim::Device> echoDevice(const wchar_t* path, uint16_t vid, uint16_t pid,
                                                  uint16_t featureLength = 8, bool openable = true) {
    return std::make_shared<hidsim::Device>(
        "echo", std::vector<hidsim::InterfaceSpec>{{path, vid, pid, featureLength, 8, openable}},
        std::make_unique<EchoFirmware>());
}
