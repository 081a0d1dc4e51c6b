#pragma once
// The firmware of a simulated Nolx-family mouse (Qiro, Dolv, Mesk) over its
// 2048-byte configuration memory.
//
// Where the controller's behaviour is not pinned down, it behaves as follows:
// - Memory is live: a write lands at once; commit (0x0E) makes it durable,
//   which the host side sees as a committed device (state file saved).
// - Block write 0x07, block read 0x09 and read area 0x06 open a window of
//   the given length at the given address; each data report moves the next
//   7 bytes through it. The last chunk is clipped to the window: bytes past
//   the window or past the memory's end are dropped on write and read as
//   0x00. A data report with no window left open is stalled.
// - Any command ends an open window, so a retried command starts over.
// - Set bytes 0x05 takes 1..3 bytes (other counts are stalled); when it
//   changes bytes of the main block, block 164 or a key table the firmware
//   recomputes that block's checksum. Block writes are stored as sent.
// - Status query 0x0D: the next data read answers the chip's signature
//   (Qiro 0x83 0x5A, Dolv 0x41 0x3A, Mesk 0x21 0x3A) and the memory kind
//   0xC0 (I2C).
// - Register write 0x01 (0x07, 0xC4 LED rate / 0xC5 LED mode byte, value)
//   sets the live LED registers; Mesk has none and stalls it.
// - Unknown commands and report ids are stalled.
// - The USB ids are those of device_ids.h; ids written into memory take
//   effect only in the memory.
// - The on-mouse profile button cycles the key mode (low nibble of byte 164)
//   0, 1, 2; the DPI button steps the current level (byte 166) through the
//   configured levels. Each keeps block 164's checksum and sends the input
//   report [0x42, 0x01 profile | 0x02 DPI, new value, 0x00, 0, 0, 0, 0].

#include "devices/nolx/chip.h"
#include "devices/sim/device.h"

#include <map>
#include <memory>
#include <mutex>

namespace hidsim {

class NolxFirmware : public Firmware {
public:
    explicit NolxFirmware(nolx::ChipId chip);

    bool setFeature(const uint8_t* report, size_t length) override;
    bool getFeature(uint8_t* report, size_t length) override;

    // Test actions.
    void setStatusReply(uint8_t first, uint8_t second, uint8_t memoryKind);
    void pressProfileButton();
    void pressDpiButton();
    // Flips every bit of one memory byte, breaking its block's checksum.
    void corruptByte(unsigned address);

    unsigned commits() const;
    // The live value of LED register 0xC4 or 0xC5; -1 until written.
    int ledRegister(uint8_t reg) const;

private:
    enum class Window { None, Read, Write, Status };

    bool command(const uint8_t* report);
    bool writeData(const uint8_t* data);
    void readData(uint8_t* data);
    void setBytes(unsigned address, const uint8_t* bytes, unsigned count);
    void resealBlocksTouching(unsigned first, unsigned last);
    void sendChange(uint8_t kind, uint8_t value);

    const nolx::Chip& chip_;
    mutable std::mutex mutex_;
    Window window_ = Window::None;
    unsigned windowAddress_ = 0;
    unsigned windowRemaining_ = 0;
    uint8_t status_[3];
    unsigned commits_ = 0;
    std::map<uint8_t, uint8_t> ledRegisters_;
};

// Devices as plugged in: a mouse collection the system holds, a consumer
// control collection without feature reports, and the vendor interface with
// 8-byte feature and input reports.
std::shared_ptr<Device> qiro();
std::shared_ptr<Device> dolv();
std::shared_ptr<Device> mesk();

}  // namespace hidsim
