#pragma once
// The Kelvo library's one device object: its handles and transport, the wire
// image and the working copy, and the transactions the exports run.

#include "devices/kelvo/transport.h"
#include "devices/kelvo/working_copy.h"

namespace kelvo {

class KelvoDevice {
public:
    KelvoDevice();
    ~KelvoDevice();
    KelvoDevice(const KelvoDevice&) = delete;
    KelvoDevice& operator=(const KelvoDevice&) = delete;

    // 0 = found and handshake passed, 1 otherwise; the controller is left
    // inside the transaction the handshake opened.
    HRESULT open(int vendorId, int productId);
    // 1 when no device is open; else the status of the transaction end.
    HRESULT close();

    // Whole-image read into the wire image and the working copy: 1 when never
    // opened, E_FAIL when the handshake or the transfer fails (the image and
    // the copy then keep what they held), else the transaction end's status.
    HRESULT readImage();
    // Packs the working copy and writes it whole.
    HRESULT writeImage();
    // Writes the fire keys, Y axis, fire colours and fire buffers as they are.
    HRESULT writeFireData();
    // Writes a caller's 2048 bytes as given; the wire image and copy stay.
    HRESULT writeRawImage(const uint8_t* image);
    // The first byte at an address, without a transaction; E_FAIL when never
    // opened or when the read fails (the value is then untouched).
    HRESULT readByAddress(uint16_t address, uint8_t& value);
    // Blocks for one input report; its first 4 bytes, little-endian.
    HRESULT readChangeData(int32_t& value);

    const std::array<uint8_t, kImageSize>& wireImage() const { return wire_; }
    WorkingCopy& copy() { return copy_; }
    Transport& transport() { return transport_; }

private:
    // Handshake, the transfer, then commit and transaction end; a failed
    // transfer is not committed and fails the transaction.
    template <class Transfer>
    HRESULT transaction(Transfer transfer);

    hid::DeviceHandles handles_;
    Transport transport_;
    std::array<uint8_t, kImageSize> wire_;
    WorkingCopy copy_;
};

}  // namespace kelvo
