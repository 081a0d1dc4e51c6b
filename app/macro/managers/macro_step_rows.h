#pragma once
// The rows of the mouse managers' step lists: their markup and how the two
// rows of a move belong together.
#include <cstddef>

#include "app/macro/codec/macro_step.h"
#include "ui/core/ui_string.h"

// Row types the mouse families share.
namespace MouseStep {
constexpr int ModifierUp = 0x01;  // Kelvo families only
constexpr int ModifierDown = 0x81;
constexpr int KeyUp = 0x02;
constexpr int KeyDown = 0x82;
constexpr int Delay = 0xFE;
}  // namespace MouseStep

// The row types of a move: X, then Y (one type for both on the Nolx mice).
struct MoveRowTypes {
    int x;
    int y;
};

// The modifier mask of a virtual key (1 Control, 2 Shift, 4 Menu, 8 LWin,
// 128 RWin), 0 for other keys.
int ModifierMaskOf(int virtualKey);

// "{x 4}{i Image\macroicons.png 18 <icon>}{x 4}<name>" and its delay and
// move forms. `moveY` marks the Y row of a move.
SkinUI::CUIString StepRowText(const MacroStep& step, MoveRowTypes moves, bool moveY);

// Whether row `index` is the Y row of a move: a row of the Y type after an X
// row whose pair it completes (any row of the Y type where it differs from X).
bool IsMoveYRow(const MacroSteps& steps, size_t index, MoveRowTypes moves);

// The row that forms one three-byte move with row `row` where X and Y rows
// share a type (the Nolx mice); -1 for a lone row and any other row. Where
// they differ (the Kelvo families) each row is a step of its own.
int MovePartnerOf(const MacroSteps& steps, size_t row, MoveRowTypes moves);
