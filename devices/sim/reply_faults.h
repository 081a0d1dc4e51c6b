#pragma once
// Damaged answers of a simulated controller. The firmware answers every
// GET_FEATURE as it always does; the host then receives, for a share of the
// answers chosen from a fixed seed:
// - Random: the report id, then random bytes;
// - Short: the report id and fewer bytes of the answer than the report holds;
//   the rest of the host's buffer keeps what it held before the call;
// - Stale: the controller's previous answer again, as if it had not replaced
//   it yet (the true answer when there was none).

#include "devices/sim/firmware.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hidsim {

enum class ReplyFault { Random, Short, Stale };

class ReplyFaults {
public:
    // `percent` of the answers are damaged, 100 = every one.
    ReplyFaults(ReplyFault kind, unsigned percent, uint32_t seed);

    // The firmware's answer into the host's buffer, damaged or not; false when
    // the firmware stalled the transfer.
    bool answer(Firmware& firmware, uint8_t* report, size_t length);

    unsigned damaged() const { return damaged_; }

private:
    uint32_t next();

    ReplyFault kind_;
    unsigned percent_;
    uint32_t state_;
    std::vector<uint8_t> previous_;
    unsigned damaged_ = 0;
};

}  // namespace hidsim
