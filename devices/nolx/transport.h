#pragma once
// Commands and data reports to the controller, and the chunked block
// transfers built on them.

#include "devices/common/find_device.h"
#include "devices/nolx/protocol.h"
#include "devices/nolx/transfer_lock.h"

#include <array>

namespace nolx {

class Transport {
public:
    using DataBuffer = std::array<uint8_t, kDataBytes>;

    Transport() = default;
    ~Transport();
    Transport(const Transport&) = delete;
    Transport& operator=(const Transport&) = delete;

    // Discovery with a second handle for input reports; replaces both handles.
    bool open(int vendorId, int productId);
    void close();
    bool hasFeatureHandle() const { return handles_.feature != nullptr; }

    HRESULT sendCommand(uint8_t command, uint8_t a1 = 0, uint8_t a2 = 0, uint8_t a3 = 0, uint8_t a4 = 0);
    // Stores count (1..3) bytes at an address below 256.
    HRESULT setBytes(unsigned address, uint8_t b1, uint8_t b2, uint8_t b3, unsigned count);
    HRESULT readDataReport();
    HRESULT writeDataReport(const DataBuffer& data);
    // Block transfers of ceil(length / 7) data reports; a lost chunk fails
    // the block (a failed chunk reads as zeros).
    HRESULT readBlock(unsigned address, unsigned length, uint8_t* destination);
    HRESULT writeBlock(unsigned address, unsigned length, const uint8_t* source);
    HRESULT readArea(uint8_t addressHigh, uint8_t addressLow, uint8_t length, uint8_t* destination);
    // Blocks until the controller sends an input report; its first 4 bytes.
    // Fails at once without an input handle, and when the read fails.
    HRESULT readInputReport(uint8_t (&out)[4]);

    const DataBuffer& data() const { return data_; }
    TransferLock& lock() { return lock_; }

private:
    HRESULT readChunks(unsigned length, uint8_t* destination);

    hid::DeviceHandles handles_;
    DataBuffer data_{};
    TransferLock lock_;
};

}  // namespace nolx
