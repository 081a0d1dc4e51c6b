#pragma once
// A simulated USB device: its HID interfaces, its firmware, and the actions a
// test takes on it (unplug, fail a transfer, send an input report).

#include "devices/sim/firmware.h"
#include "devices/sim/reply_faults.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace hidsim {

struct InterfaceSpec {
    std::wstring path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t featureLength = 0;
    uint16_t inputLength = 0;
    bool openable = true;  // false: held exclusively by the system
};

class Machine;

class Device {
public:
    Device(std::string family, std::vector<InterfaceSpec> interfaces, std::unique_ptr<Firmware> firmware);

    const std::string& family() const { return family_; }
    const std::vector<InterfaceSpec>& interfaces() const { return interfaces_; }
    Firmware& firmware() { return *firmware_; }

    template <class F>
    F& firmwareAs() { return dynamic_cast<F&>(*firmware_); }

    // Test actions; they take effect on the machine the device is plugged into.
    void unplug();
    void plugBack();
    bool plugged() const;
    // The nth feature transfer from now (1 = the next) fails, and the
    // count - 1 transfers after it; 0 fails none.
    void failTransfer(unsigned nth, unsigned count = 1);
    // Every transfer fails until cleared.
    void failAllTransfers(bool fail);
    // Runs the action once `transfers` more feature transfers have passed:
    // the transfer after them meets its effect (an unplug, a controller
    // that falls silent). 0 runs it at once; a later call replaces it.
    void afterTransfers(unsigned transfers, std::function<void()> action);
    // Forgets the failing transfers and the pending action.
    void clearTransferFaults();
    void sendInput(const std::vector<uint8_t>& report);
    // Answers to GET_FEATURE damaged from now on; null answers them whole again.
    void damageReplies(std::shared_ptr<ReplyFaults> faults);

private:
    friend class Machine;
    std::unique_lock<std::recursive_mutex> lockMachine();

    std::string family_;
    std::vector<InterfaceSpec> interfaces_;
    std::unique_ptr<Firmware> firmware_;
    Machine* machine_ = nullptr;
    bool plugged_ = true;
    unsigned failCountdown_ = 0;
    unsigned failRun_ = 0;
    bool failAll_ = false;
    unsigned transfersBeforeAction_ = 0;
    std::function<void()> pendingAction_;
    std::shared_ptr<ReplyFaults> replyFaults_;
};

}  // namespace hidsim
