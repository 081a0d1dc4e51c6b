#pragma once
// What sets the Qiro, Dolv and Mesk controllers apart; one library source
// serves all three through this table.

#include <cstdint>

namespace nolx {

enum class ChipId { Qiro, Dolv, Mesk };

// Where the LED breath rate lives: in the LED header, sent with register
// writes, or in main-block byte 56.
enum class LedRateStore { Header, MainByte };

struct Chip {
    ChipId id;
    const char* name;

    unsigned keyTables;  // from address 192, 49 bytes each

    uint16_t fireKeyBlock;
    unsigned fireMacros;
    uint16_t fireRecordSize;
    // The range written whole after a fire-macro change and the offset of
    // record 0 inside it.
    uint16_t fireRangeAddress;
    uint16_t fireRangeLength;
    uint16_t fireRecordsOffset;
    bool fireWriteReloadsKeys;

    LedRateStore ledRate;
    uint8_t breathModeBias;  // byte 165 holds mode + bias in its low nibble

    uint8_t keyModeOneLastByte;  // byte 170 in key mode 1
    bool flagKeepsHighNibble;    // init flag set: byte 164 = high nibble * 16 + 1 (else 0xF1)

    unsigned commitPauseMs;
    bool commitReopens;
    bool saveReadsDevice;
    bool importsBaseMacro;
    bool runsChangeListener;

    // Whether the status reply's first two bytes are this controller's signature.
    bool acceptsStatus(uint8_t first, uint8_t second) const;
};

const Chip& ChipSettings(ChipId id);

}  // namespace nolx
