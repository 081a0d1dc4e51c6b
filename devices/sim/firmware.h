#pragma once
// The controller side of a simulated device: answers feature reports from its
// configuration memory.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace hidsim {

class Firmware {
public:
    virtual ~Firmware() = default;

    // One SET_FEATURE / GET_FEATURE transfer; false = the device stalled it.
    virtual bool setFeature(const uint8_t* report, size_t length) = 0;
    virtual bool getFeature(uint8_t* report, size_t length) = 0;

    // The configuration memory as the controller keeps it.
    std::vector<uint8_t>& memory() { return memory_; }
    const std::vector<uint8_t>& memory() const { return memory_; }

    // Wired by the device: the firmware stored its memory durably, and the
    // firmware sends an input report to the host.
    std::function<void()> committed;
    std::function<void(const std::vector<uint8_t>&)> sendInput;

protected:
    explicit Firmware(size_t memorySize) : memory_(memorySize, 0xFF) {}

    void notifyCommitted() {
        if (committed) committed();
    }

private:
    std::vector<uint8_t> memory_;
};

}  // namespace hidsim
