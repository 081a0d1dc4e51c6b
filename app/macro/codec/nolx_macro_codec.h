#pragma once
// The Dolv, Mesk and Qiro macro byte code: an optional loop step FD n, the
// steps, then FC 00. Steps: 02/82 key code (release/press), 04 x y (move),
// one-byte button events, FE high low (delay in ms). No header, no length,
// no checksum; the step code 00 ends the data for every reader.

#include "app/macro/codec/macro_step.h"

#include <cstdint>
#include <optional>
#include <vector>

enum class NolxChip { Dolv, Mesk, Qiro };

constexpr int kNolxMaxDelayMs = 0xFFFF;
constexpr size_t kNolxMacroDataLimit = 224;

// The loop modes. Dolv and Mesk: 0 repeat count, 1 endless. Qiro: 0 repeat
// count, 1 stop on any key, 2 stop, 3 continue (no loop step).
namespace NolxLoopMode {
constexpr int Count = 0;
constexpr int Endless = 1;
constexpr int QiroStopOnAnyKey = 1;
constexpr int QiroStop = 2;
constexpr int QiroContinue = 3;
}  // namespace NolxLoopMode

// The largest repeat count the loop step holds: 255 on Dolv and Mesk (00 is
// endless), 126 on the Qiro, whose operand 7F means "stop on any key".
int NolxMaxRepeatCount(NolxChip chip);

struct NolxLoop {
    int mode = NolxLoopMode::Count;
    int repeatCount = 1;  // used by mode Count
};

// The macro's data. The repeat count is held at 1..the chip's largest, the
// delays at 0..65535 ms, the moves at -128..127. A Move row takes the row
// after it as its Y when that row is a Move row too; else its Y is 0. Rows of
// other types are left out. Steps that would take the data past 224 bytes
// are left out, so FC 00 is always written.
std::vector<uint8_t> EncodeNolxMacro(NolxChip chip, const MacroSteps& steps, const NolxLoop& loop);

struct NolxDecodedMacro {
    MacroSteps steps;
    // The loop the options show: the last loop step met; on the Qiro
    // "continue" when there is none. Absent for empty data, and on Dolv and
    // Mesk when the data has no loop step.
    std::optional<NolxLoop> loop;
};

// The steps up to the step code 00 or the end of the data; a step whose
// operands lie past the end ends the decoding. A move gives an X and a Y
// row; button rows carry their event code as value; unknown codes are
// skipped one byte at a time.
NolxDecodedMacro DecodeNolxMacro(NolxChip chip, ByteView data);

// True when the steps, with `added` inserted before row `at`, encode within
// 224 bytes under the loop mode.
bool NolxHasRoomFor(NolxChip chip, int loopMode, const MacroSteps& steps, size_t at, const MacroSteps& added);
