#include "devices/sim/machine.h"

#include "devices/sim/exact_wait.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <thread>

namespace hidsim {

struct Machine::Slot {
    enum class Kind { Interface, Empty, DetailFailure } kind = Kind::Empty;
    std::shared_ptr<Device> device;
    size_t interfaceIndex = 0;
};

struct Machine::OpenHandle {
    std::shared_ptr<Device> device;
    size_t interfaceIndex = 0;
    std::deque<std::vector<uint8_t>> inputs;
    bool closed = false;
    bool dead = false;  // the device went away while the handle was open

    const InterfaceSpec& info() const { return device->interfaces()[interfaceIndex]; }
};

namespace {

class SnapshotList : public hid::InterfaceList {
public:
    struct Entry {
        hid::InterfaceLookup lookup;
        std::wstring path;
    };
    explicit SnapshotList(std::vector<Entry> entries) : entries_(std::move(entries)) {}

    hid::InterfaceLookup path(unsigned index, std::wstring& path) override {
        if (index >= entries_.size()) return hid::InterfaceLookup::NoInterface;
        path = entries_[index].path;
        return entries_[index].lookup;
    }

private:
    std::vector<Entry> entries_;
};

}  // namespace

Machine::Machine(Clock clock) : clock_(clock) {}

Machine::~Machine() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    for (Slot& slot : slots_) {
        if (slot.device && slot.device->machine_ == this) slot.device->machine_ = nullptr;
    }
}

Device& Machine::plugIn(std::shared_ptr<Device> device) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    device->machine_ = this;
    device->plugged_ = true;
    for (size_t i = 0; i < device->interfaces().size(); ++i) {
        slots_.push_back(Slot{Slot::Kind::Interface, device, i});
    }
    return *device;
}

void Machine::addEmptyIndex() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    slots_.push_back(Slot{Slot::Kind::Empty, nullptr, 0});
}

void Machine::addDetailFailureIndex() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    slots_.push_back(Slot{Slot::Kind::DetailFailure, nullptr, 0});
}

Machine::Counters Machine::counters() const {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return counters_;
}

void Machine::resetCounters() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    counters_ = Counters{};
}

void Machine::setTrace(std::function<void(const std::string&)> trace) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    trace_ = std::move(trace);
}

void Machine::setTransferLatencyMs(unsigned milliseconds) { latencyMs_ = milliseconds; }

void Machine::setCommitListener(std::function<void(Device&)> listener) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    commitListener_ = std::move(listener);
}

std::unique_ptr<hid::InterfaceList> Machine::interfaces() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    std::vector<SnapshotList::Entry> entries;
    for (const Slot& slot : slots_) {
        switch (slot.kind) {
        case Slot::Kind::Interface:
            if (slot.device->plugged_) {
                entries.push_back({hid::InterfaceLookup::Found, slot.device->interfaces()[slot.interfaceIndex].path});
            }
            break;
        case Slot::Kind::Empty:
            entries.push_back({hid::InterfaceLookup::NoInterface, {}});
            break;
        case Slot::Kind::DetailFailure:
            entries.push_back({hid::InterfaceLookup::DetailFailed, {}});
            break;
        }
    }
    return std::make_unique<SnapshotList>(std::move(entries));
}

HANDLE Machine::open(const std::wstring& path) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    for (const Slot& slot : slots_) {
        if (slot.kind != Slot::Kind::Interface || !slot.device->plugged_) continue;
        const InterfaceSpec& info = slot.device->interfaces()[slot.interfaceIndex];
        if (info.path != path) continue;
        if (!info.openable) return INVALID_HANDLE_VALUE;
        auto handle = std::make_shared<OpenHandle>();
        handle->device = slot.device;
        handle->interfaceIndex = slot.interfaceIndex;
        HANDLE value = reinterpret_cast<HANDLE>(nextHandle_);
        nextHandle_ += 4;
        handles_[value] = handle;
        return value;
    }
    return INVALID_HANDLE_VALUE;
}

void Machine::close(HANDLE handle) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    auto it = handles_.find(handle);
    if (it == handles_.end()) return;
    it->second->closed = true;
    handles_.erase(it);
    inputArrived_.notify_all();
}

std::shared_ptr<Machine::OpenHandle> Machine::find(HANDLE handle) const {
    auto it = handles_.find(handle);
    if (it == handles_.end() || it->second->dead) return nullptr;
    return it->second;
}

bool Machine::attributes(HANDLE handle, uint16_t& vendorId, uint16_t& productId) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    auto open = find(handle);
    if (!open) return false;
    vendorId = open->info().vendorId;
    productId = open->info().productId;
    return true;
}

bool Machine::capabilities(HANDLE handle, uint16_t& featureLength, uint16_t& inputLength) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    auto open = find(handle);
    if (!open) return false;
    featureLength = open->info().featureLength;
    inputLength = open->info().inputLength;
    return true;
}

bool Machine::takeTransferFault(OpenHandle& open) {
    Device& device = *open.device;
    if (device.pendingAction_ && --device.transfersBeforeAction_ == 0) {
        const std::function<void()> action = std::move(device.pendingAction_);
        device.pendingAction_ = nullptr;
        action();
    }
    if (open.dead || device.failAll_) return true;
    if (device.failCountdown_ > 0 && --device.failCountdown_ == 0) {
        if (--device.failRun_ > 0) device.failCountdown_ = 1;
        return true;
    }
    return false;
}

bool Machine::setFeature(HANDLE handle, const uint8_t* report, size_t length) {
    transferLatency();
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    ++counters_.setFeature;
    auto open = find(handle);
    bool ok = open && length == open->info().featureLength && length > 0 && !takeTransferFault(*open) &&
              open->device->firmware().setFeature(report, length);
    if (!ok) {
        ++counters_.failedTransfers;
        return false;
    }
    trace("SET", *open->device, report, length);
    return true;
}

bool Machine::getFeature(HANDLE handle, uint8_t* report, size_t length) {
    transferLatency();
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    ++counters_.getFeature;
    auto open = find(handle);
    bool ok = open && length == open->info().featureLength && length > 0 && !takeTransferFault(*open) &&
              answer(*open->device, report, length);
    if (!ok) {
        ++counters_.failedTransfers;
        return false;
    }
    trace("GET", *open->device, report, length);
    return true;
}

bool Machine::answer(Device& device, uint8_t* report, size_t length) {
    if (device.replyFaults_) return device.replyFaults_->answer(device.firmware(), report, length);
    return device.firmware().getFeature(report, length);
}

bool Machine::readInput(HANDLE handle, uint8_t* report, size_t length) {
    std::unique_lock<std::recursive_mutex> lock(mutex_);
    auto open = find(handle);
    if (!open || open->info().inputLength == 0) return false;
    const DWORD reader = GetCurrentThreadId();
    pendingReads_[reader] = false;
    inputArrived_.wait(lock, [&] { return open->closed || open->dead || !open->inputs.empty() || pendingReads_[reader]; });
    const bool cancelled = pendingReads_[reader];
    pendingReads_.erase(reader);
    if (cancelled || open->closed || open->dead) return false;
    std::vector<uint8_t> input = std::move(open->inputs.front());
    open->inputs.pop_front();
    std::fill(report, report + length, 0);
    std::copy_n(input.begin(), std::min(length, input.size()), report);
    ++counters_.inputReads;
    trace("IN", *open->device, report, length);
    return true;
}

bool Machine::cancelInputRead(HANDLE thread) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    const auto read = pendingReads_.find(GetThreadId(thread));
    if (read == pendingReads_.end()) return false;
    read->second = true;
    inputArrived_.notify_all();
    return true;
}

void Machine::sleepMs(unsigned milliseconds) {
    {
        std::lock_guard<std::recursive_mutex> lock(mutex_);
        ++counters_.sleeps;
        counters_.sleptMs += milliseconds;
    }
    if (clock_ == Clock::Wall) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

size_t Machine::openHandleCount() const {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return handles_.size();
}

void Machine::devicePlugChanged(Device& device, bool plugged) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    device.plugged_ = plugged;
    if (plugged) return;
    for (auto& [value, open] : handles_) {
        if (open->device.get() == &device) open->dead = true;
    }
    inputArrived_.notify_all();
}

void Machine::deliverInput(Device& device, const std::vector<uint8_t>& report) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!device.plugged_) return;
    for (auto& [value, open] : handles_) {
        if (open->device.get() == &device && !open->dead && open->info().inputLength > 0) open->inputs.push_back(report);
    }
    inputArrived_.notify_all();
}

void Machine::trace(const char* kind, const Device& device, const uint8_t* bytes, size_t length) {
    if (!trace_) return;
    std::string line = kind;
    line += ' ';
    line += device.family();
    char hex[4];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(hex, sizeof hex, " %02x", bytes[i]);
        line += hex;
    }
    trace_(line);
}

void Machine::transferLatency() {
    if (latencyMs_ > 0) WaitExactly(std::chrono::milliseconds(latencyMs_));
}

}  // namespace hidsim
