#pragma once
// The simulated Wenk keyboard controller: command report 8, data report 7,
// no acknowledge.
//
// Where the protocol leaves the controller open, it behaves so:
// - command 5 opens the read window and command 6 the write window, both
//   clipped at the end of the 2048-byte memory; command 7 (reload) is counted;
//   other commands are accepted and ignored;
// - a data report read returns the next 7 window bytes, 0 past the window;
// - a data report written lands in memory at once, bytes past the window are
//   dropped; the memory is stored durably when a write window has been filled;
// - data reports written without a write window are accepted and ignored;
//   reading report 8, or any other report id, is stalled.

#include "devices/sim/device.h"
#include "devices/sim/kelvo_wenk_common.h"

namespace hidsim {

class WenkFirmware : public Firmware {
public:
    WenkFirmware();

    bool setFeature(const uint8_t* report, size_t length) override;
    bool getFeature(uint8_t* report, size_t length) override;

    unsigned reloads() const { return reloads_; }

private:
    MemoryWindow readWindow_;
    MemoryWindow writeWindow_;
    unsigned reloads_ = 0;
};

// A Wenk keyboard: keyboard, mouse and consumer collections beside the 8-byte
// vendor collection, its memory the factory image.
std::shared_ptr<Device> makeWenkDevice();

}  // namespace hidsim
