#include "devices/sim/device.h"

#include "devices/sim/machine.h"

namespace hidsim {

Device::Device(std::string family, std::vector<InterfaceSpec> interfaces, std::unique_ptr<Firmware> firmware)
    : family_(std::move(family)), interfaces_(std::move(interfaces)), firmware_(std::move(firmware)) {
    firmware_->sendInput = [this](const std::vector<uint8_t>& report) { sendInput(report); };
    firmware_->committed = [this] {
        if (machine_ && machine_->commitListener_) machine_->commitListener_(*this);
    };
}

void Device::unplug() {
    if (machine_) machine_->devicePlugChanged(*this, false);
    plugged_ = false;
}

void Device::plugBack() {
    if (machine_) machine_->devicePlugChanged(*this, true);
    plugged_ = true;
}

bool Device::plugged() const { return plugged_; }

std::unique_lock<std::recursive_mutex> Device::lockMachine() {
    return machine_ ? std::unique_lock<std::recursive_mutex>(machine_->mutex_) : std::unique_lock<std::recursive_mutex>();
}

void Device::failTransfer(unsigned nth, unsigned count) {
    auto lock = lockMachine();
    failCountdown_ = count > 0 ? nth : 0;
    failRun_ = count;
}

void Device::failAllTransfers(bool fail) {
    auto lock = lockMachine();
    failAll_ = fail;
}

void Device::afterTransfers(unsigned transfers, std::function<void()> action) {
    auto lock = lockMachine();
    if (transfers == 0) {
        pendingAction_ = nullptr;
        if (action) action();
        return;
    }
    transfersBeforeAction_ = transfers + 1;  // counted down by each transfer, the last one included
    pendingAction_ = std::move(action);
}

void Device::clearTransferFaults() {
    auto lock = lockMachine();
    failCountdown_ = 0;
    failRun_ = 0;
    failAll_ = false;
    pendingAction_ = nullptr;
}

void Device::damageReplies(std::shared_ptr<ReplyFaults> faults) {
    auto lock = lockMachine();
    replyFaults_ = std::move(faults);
}

void Device::sendInput(const std::vector<uint8_t>& report) {
    if (machine_) machine_->deliverInput(*this, report);
}

}  // namespace hidsim
