#pragma once
// The 512-byte macro area: macros one after the other, each a 16-byte header
// and data bytes that end with 0x00.

#include <array>
#include <cstdint>
#include <vector>

namespace nolx {

struct MacroEntry {
    std::array<uint8_t, 16> header{};
    std::vector<uint8_t> data;  // as parsed: up to and including the closing 0x00
    unsigned address = 0;       // image address of the first data byte
};

using MacroList = std::vector<MacroEntry>;
using MacroAreaBytes = std::array<uint8_t, 512>;

// Length of a macro step by its opcode, 0 for the end of the macro and -1 for
// an opcode the controller does not know.
int MacroStepLength(uint8_t opcode);

// Splits the area into macros. Slots whose first two bytes are both 0x00, or
// either 0xFF, are empty and skipped 16 bytes at a time; an unknown opcode or
// the end of the area ends the last macro and the scan.
MacroList ParseMacroArea(const MacroAreaBytes& area);

// The area holding the entries at their addresses, zeros elsewhere.
MacroAreaBytes LayOutMacros(const MacroList& macros);

// Image address for the data of a new macro of the given length, after the
// end of the last one; 0 when it does not fit.
unsigned AppendAddress(const MacroList& macros, size_t length);

// The entries without the one at index, moved together from the area's start.
MacroList WithoutMacro(const MacroList& macros, size_t index);

}  // namespace nolx
