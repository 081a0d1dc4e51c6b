#pragma once
// The simulated Kelvo mouse controller (feature report 4, acknowledged).
//
// Where the protocol leaves the controller open, it behaves so:
// - a command takes effect when its SET_FEATURE arrives; a chunk command the
//   host repeats therefore moves the window on again;
// - a poll returns the reply of the last command with status 0xCC in byte 7;
//   tests can make the first polls of every command answer "not yet"
//   (status 0), or every poll;
// - identify answers the ready bit 0x04 in reply byte 2 and the chip id
//   (0x35 unless a test sets another) in reply byte 3; a chunk read answers
//   the next 6 window bytes in reply bytes 1-6; other commands echo their
//   code in reply byte 1;
// - windows are clipped at the end of the 2048-byte memory; a chunk reads 0
//   past the window and writes nothing there;
// - written chunks are staged and reach the memory at the commit, which also
//   stores it durably; a transaction end without a commit drops them;
// - commands are accepted inside or outside a transaction; unknown commands
//   and those a test refuses are answered with status 0xEE (no acknowledge).

#include "devices/sim/device.h"
#include "devices/sim/kelvo_wenk_common.h"

#include <array>
#include <climits>
#include <optional>

namespace hidsim {

class KelvoFirmware : public Firmware {
public:
    static constexpr unsigned kNeverReplies = UINT_MAX;
    static constexpr uint8_t kRefused = 0xEE;

    KelvoFirmware();

    bool setFeature(const uint8_t* report, size_t length) override;
    bool getFeature(uint8_t* report, size_t length) override;

    // Polls of every command that answer "not yet" before its reply.
    void setPollsBeforeReply(unsigned polls) { pollsBeforeReply_ = polls; }
    void setIdentity(uint8_t chipId, bool ready);
    void refuseCommand(uint8_t code, bool refuse = true);
    // Commands received with this code.
    unsigned commandCount(uint8_t code) const;

private:
    void execute(const uint8_t* report);

    std::array<uint8_t, 8> reply_{};
    unsigned pollsLeft_ = 0;
    unsigned pollsBeforeReply_ = 0;
    uint8_t chipId_ = 0x35;
    bool ready_ = true;
    std::array<bool, 256> refused_{};
    std::array<unsigned, 256> commands_{};
    MemoryWindow readWindow_;
    MemoryWindow writeWindow_;
    std::optional<std::vector<uint8_t>> staged_;
};

// A Kelvo mouse: mouse and consumer collections beside the 8-byte vendor
// collection, its memory the factory configuration.
std::shared_ptr<Device> makeKelvoDevice();

}  // namespace hidsim
