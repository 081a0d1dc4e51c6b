#pragma once
// A simulated PC's HID bus: the devices plugged into it, the open handles, a
// clock, transfer counters and an optional transfer trace. It is the
// hid::Platform of tests and of HidSim.dll.

#include "devices/common/hid_platform.h"
#include "devices/sim/device.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>

namespace hidsim {

class Machine : public hid::Platform {
public:
    // Virtual: sleeps advance a counter and cost no time. Wall: sleeps are real.
    enum class Clock { Virtual, Wall };

    struct Counters {
        unsigned setFeature = 0;
        unsigned getFeature = 0;
        unsigned inputReads = 0;
        unsigned failedTransfers = 0;
        unsigned sleeps = 0;
        uint64_t sleptMs = 0;
        unsigned transfers() const { return setFeature + getFeature; }
    };

    explicit Machine(Clock clock = Clock::Virtual);
    ~Machine() override;
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    // The device's interfaces take the next enumeration indexes.
    Device& plugIn(std::shared_ptr<Device> device);
    // An index with no interface behind it, or one whose detail query fails.
    void addEmptyIndex();
    void addDetailFailureIndex();

    Counters counters() const;
    void resetCounters();
    // One line per transfer: "SET|GET|IN <family> <bytes in hex>".
    void setTrace(std::function<void(const std::string&)> trace);
    // Wall-clock cost of one feature transfer.
    void setTransferLatencyMs(unsigned milliseconds);
    // Called after a device's firmware committed its memory.
    void setCommitListener(std::function<void(Device&)> listener);

    std::unique_ptr<hid::InterfaceList> interfaces() override;
    HANDLE open(const std::wstring& path) override;
    void close(HANDLE handle) override;
    bool attributes(HANDLE handle, uint16_t& vendorId, uint16_t& productId) override;
    bool capabilities(HANDLE handle, uint16_t& featureLength, uint16_t& inputLength) override;
    bool setFeature(HANDLE handle, const uint8_t* report, size_t length) override;
    bool getFeature(HANDLE handle, uint8_t* report, size_t length) override;
    bool readInput(HANDLE handle, uint8_t* report, size_t length) override;
    bool cancelInputRead(HANDLE thread) override;
    void sleepMs(unsigned milliseconds) override;

    // Open handles, for leak checks.
    size_t openHandleCount() const;

private:
    friend class Device;
    struct Slot;
    struct OpenHandle;

    void devicePlugChanged(Device& device, bool plugged);
    void deliverInput(Device& device, const std::vector<uint8_t>& report);
    // Runs a device action that is due, then tells whether this transfer fails.
    bool takeTransferFault(OpenHandle& open);
    // The firmware's answer to GET_FEATURE, damaged when the device is set to.
    bool answer(Device& device, uint8_t* report, size_t length);
    std::shared_ptr<OpenHandle> find(HANDLE handle) const;
    void trace(const char* kind, const Device& device, const uint8_t* bytes, size_t length);
    void transferLatency();

    Clock clock_;
    mutable std::recursive_mutex mutex_;
    std::condition_variable_any inputArrived_;
    std::vector<Slot> slots_;
    std::map<HANDLE, std::shared_ptr<OpenHandle>> handles_;
    std::map<DWORD, bool> pendingReads_;  // reading thread: cancelled
    uintptr_t nextHandle_ = 0x1000;
    Counters counters_;
    std::function<void(const std::string&)> trace_;
    std::function<void(Device&)> commitListener_;
    unsigned latencyMs_ = 0;
};

}  // namespace hidsim
