#pragma once
// The keyboard's macro byte code: a loop header (05 n: repeat count n + 1;
// 07 05 FF: stop; 08 05 FF: continue), the steps (81/01 key code down/up,
// 82/02 button bit down/up, 03 x y move, 04 high low delay in ms), then 06.

#include "app/macro/codec/macro_step.h"

#include <cstdint>
#include <optional>
#include <vector>

constexpr int kKeyboardMaxDelayMs = 0xFFFF;
constexpr int kKeyboardMaxRepeatCount = 256;  // the header byte holds the count minus 1
constexpr size_t kKeyboardMacroDataLimit = 144;  // the data field of the keyboard macro file

namespace KeyboardLoopMode {
constexpr int Count = 0;
constexpr int Stop = 1;
constexpr int Continue = 2;
}  // namespace KeyboardLoopMode

struct KeyboardLoop {
    int mode = KeyboardLoopMode::Count;
    int repeatCount = 1;  // used by mode Count
};

// The macro's data. The repeat count is held at 1..256, delays at 0..65535,
// moves at -128..127. A Move row takes the next row as its Y when that row is
// a Move row too; else its Y is 0. Rows of other types are left out; steps
// that would take the data past 144 bytes are left out, so 06 is always
// written.
std::vector<uint8_t> EncodeKeyboardMacro(const MacroSteps& steps, const KeyboardLoop& loop);

struct KeyboardDecodedMacro {
    MacroSteps steps;
    std::optional<KeyboardLoop> loop;  // the option of the last loop header met
};

// The steps of the whole data, bytes it does not know (06 and the padding
// zeros among them) skipped one at a time; a step whose operands lie past the
// end ends the decoding.
KeyboardDecodedMacro DecodeKeyboardMacro(ByteView data);

// True when the steps, with `added` inserted before row `at`, encode within
// 144 bytes under the loop mode.
bool KeyboardHasRoomFor(int loopMode, const MacroSteps& steps, size_t at, const MacroSteps& added);
