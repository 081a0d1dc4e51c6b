#pragma once
// A macro step as the step lists of the macro managers hold it: one row of
// the list is one (type, value) pair, read from and written to the list's
// nodes in row order. The type numbering is the family's own (below); the
// codecs turn a row sequence into the family's macro byte code and back.

#include <cstddef>
#include <cstdint>
#include <vector>

struct MacroStep {
    int type = 0;
    int value = 0;
};

inline bool operator==(const MacroStep& a, const MacroStep& b) { return a.type == b.type && a.value == b.value; }
inline bool operator!=(const MacroStep& a, const MacroStep& b) { return !(a == b); }

using MacroSteps = std::vector<MacroStep>;

// Rows of the Kelvo and Kelvo driver managers.
namespace KelvoStep {
constexpr int ModifierUp = 0x01;    // value: modifier mask 1 Control, 2 Shift, 4 Menu, 8 LWin, 128 RWin
constexpr int ModifierDown = 0x81;
constexpr int KeyUp = 0x02;         // value: device key code
constexpr int KeyDown = 0x82;
constexpr int MoveX = 0xFB;         // value: signed offset -128..127
constexpr int MoveY = 0xFA;
constexpr int Delay = 0xFE;         // value: milliseconds
}  // namespace KelvoStep

// Rows of the Dolv, Mesk and Qiro managers. A move is two rows of type Move,
// X first, then Y.
namespace NolxStep {
constexpr int KeyUp = 0x02;
constexpr int KeyDown = 0x82;
constexpr int Move = 0x04;
constexpr int Delay = 0xFE;
}  // namespace NolxStep

// Rows of the keyboard's manager. A move is two rows of type Move, X then Y.
namespace KeyboardStep {
constexpr int KeyUp = 0x01;         // value: device key code
constexpr int KeyDown = 0x81;
constexpr int ButtonUp = 0x02;      // value: button bit 1, 2, 4, 8, 16
constexpr int ButtonDown = 0x82;
constexpr int Move = 0x03;
constexpr int Delay = 0x04;         // value: milliseconds
}  // namespace KeyboardStep

// The mouse button events of the mouse families (the row's type, and its
// value when decoded): releases 0x21, 0x22, 0x24, 0x28, 0x30, presses the
// same plus 0x80 - left, right, middle, XBUTTON2, XBUTTON1.
bool IsMouseButtonEvent(int type);

// The steps with `added` inserted before row `at` (at the end when `at` lies
// past it): what a list holds after an insert, for the room checks.
MacroSteps WithStepsInserted(const MacroSteps& steps, size_t at, const MacroSteps& added);

// The row that forms one move with row `row` (a row of type `moveType`):
// move rows pair up from the top, X first, a move row with the move row
// after it. -1 for a lone move row and for rows of other types.
int MovePartnerRow(const MacroSteps& steps, size_t row, int moveType);

// A byte string the decoders read, never past its size.
struct ByteView {
    ByteView(const uint8_t* bytes, size_t count) : data(bytes), size(count) {}
    // Implicit, so that a macro's data bytes pass as they are.
    ByteView(const std::vector<uint8_t>& bytes) : data(bytes.data()), size(bytes.size()) {}
    const uint8_t* data;
    size_t size;
};
