#include "devices/nolx/chip.h"

namespace nolx {

namespace {

const Chip kQiro = {
    ChipId::Qiro, "Qiro",
    2,
    290, 7, 24, 304, 168, 0, true,
    LedRateStore::Header, 1,
    0x20, false,
    500, false, false, false, false,
};

const Chip kDolv = {
    ChipId::Dolv, "Dolv",
    3,
    484, 10, 24, 1808, 240, 0, false,
    LedRateStore::Header, 1,
    0x18, true,
    500, true, true, true, true,
};

const Chip kMesk = {
    ChipId::Mesk, "Mesk",
    3,
    484, 10, 32, 1536, 512, 160, false,
    LedRateStore::MainByte, 0,
    0x20, false,
    1000, true, true, false, false,
};

}  // namespace

bool Chip::acceptsStatus(uint8_t first, uint8_t second) const {
    switch (id) {
    case ChipId::Qiro:
        return second == 0x5A && (first == 0x00 || (first >= 0x80 && first <= 0x83));
    case ChipId::Dolv:
        return second == 0x3A && first >= 0x40;
    case ChipId::Mesk:
        return second == 0x3A && first < 0x40;
    }
    return false;
}

const Chip& ChipSettings(ChipId id) {
    switch (id) {
    case ChipId::Dolv:
        return kDolv;
    case ChipId::Mesk:
        return kMesk;
    case ChipId::Qiro:
        break;
    }
    return kQiro;
}

}  // namespace nolx
