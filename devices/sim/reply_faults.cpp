#include "devices/sim/reply_faults.h"

#include <algorithm>

namespace hidsim {

ReplyFaults::ReplyFaults(ReplyFault kind, unsigned percent, uint32_t seed)
    : kind_(kind), percent_(percent), state_(seed != 0 ? seed : 1) {}

uint32_t ReplyFaults::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

bool ReplyFaults::answer(Firmware& firmware, uint8_t* report, size_t length) {
    const std::vector<uint8_t> before(report, report + length);
    if (!firmware.getFeature(report, length)) return false;
    std::vector<uint8_t> answered(report, report + length);
    if (length > 1 && next() % 100 < percent_) {
        ++damaged_;
        switch (kind_) {
        case ReplyFault::Random:
            std::generate(report + 1, report + length, [this] { return static_cast<uint8_t>(next()); });
            break;
        case ReplyFault::Short: {
            const size_t kept = 1 + next() % (length - 1);
            std::copy(before.begin() + kept, before.end(), report + kept);
            break;
        }
        case ReplyFault::Stale:
            if (previous_.size() == length) std::copy(previous_.begin(), previous_.end(), report);
            break;
        }
    }
    previous_ = std::move(answered);
    return true;
}

}  // namespace hidsim
