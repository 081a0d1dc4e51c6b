#pragma once
// The Kelvo families' macro byte code:
//   play byte, length, FD loop, steps, FC, checksum
// The play byte is 1 for "stop" (play mode 0), 0 for "continue" (play mode 1).
// The length counts the bytes after it: one byte on the Kelvo, two
// (high byte first) on the Kelvo driver. The loop operand is the repeat count
// minus 1, or FF for endless. The checksum is the 8-bit sum of the bytes from
// the length through FC, XOR 0x5A.

#include "app/macro/codec/macro_step.h"

#include <cstdint>
#include <optional>
#include <vector>

enum class KelvoVariant { Kelvo, Driver };

constexpr int kKelvoMaxDelayMs = 255 * 8;  // a delay byte counts units of 8 ms
// The largest repeat count the loop byte holds: FF is endless.
constexpr int kKelvoMaxRepeatCount = 255;
// Every Kelvo macro fits the 224-byte data field of the Kelvo file and the
// controller's send buffer. The driver gets the same room for its steps, so
// its data, with its second length byte, may reach 225 bytes.
constexpr size_t kKelvoMacroDataLimit = 224;

struct KelvoLoop {
    int mode = 0;         // 0 repeat count, 1 endless
    int repeatCount = 1;  // used by mode 0
};

struct KelvoMacroSettings {
    int playMode = 1;  // 0 stop, 1 continue
    KelvoLoop loop;
};

// The macro's data. Steps of types the code has no byte for are left out;
// delays are held at 0..2040 ms and moves at -128..127; the repeat count is
// held at 1..255. Steps beyond the room are left out, so the end marker and
// the checksum are always written.
std::vector<uint8_t> EncodeKelvoMacro(KelvoVariant variant, const MacroSteps& steps, const KelvoMacroSettings& settings);

struct KelvoDecodedMacro {
    MacroSteps steps;
    std::optional<int> playMode;    // absent for empty data
    std::optional<KelvoLoop> loop;  // the last loop step met
};

// The steps and settings of the data, read up to the end its length gives
// and never past the data's own end; the checksum is not checked. Button
// steps carry their event code as value, delays 8 ms per unit.
KelvoDecodedMacro DecodeKelvoMacro(KelvoVariant variant, ByteView data);

// True when the steps, with `added` inserted before row `at`, fit the room. Ask with the steps that an event, its delay or an insert really
// add.
bool KelvoHasRoomFor(const MacroSteps& steps, size_t at, const MacroSteps& added);
