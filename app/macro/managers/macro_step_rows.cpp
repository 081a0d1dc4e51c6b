#include "app/macro/managers/macro_step_rows.h"

#include <windows.h>

#include "app/core/keys/key_codes.h"
#include "app/core/keys/mouse_codes.h"

using SkinUI::CUIString;

namespace {

int IconOf(int type, MoveRowTypes moves)
{
    if (type == MouseStep::KeyUp || type == MouseStep::ModifierUp) return 1;
    if (type == MouseStep::KeyDown || type == MouseStep::ModifierDown) return 2;
    if (type == moves.x || type == moves.y) return 3;
    if (IsMouseButtonEvent(type)) return (type & 0x80) ? 2 : 1;
    return 0;
}

const wchar_t* ModifierName(int mask)
{
    switch (mask) {
    case 1: return L"Control";
    case 2: return L"Shift";
    case 4: return L"Menu";
    case 8: return L"LWin";
    case 128: return L"RWin";
    default: return L"";
    }
}

// The step's name: a recorded or decoded button carries its event code as
// value, an inserted click its button bit.
CUIString StepName(const MacroStep& step)
{
    if (step.type == MouseStep::ModifierUp || step.type == MouseStep::ModifierDown) return ModifierName(step.value);
    if (IsMouseButtonEvent(step.type))
        return step.value == step.type ? GetMacroMouseEventToken(step.type) : GetMouseButtonToken(step.value);
    return GetKeyName(step.value);
}

}  // namespace

int ModifierMaskOf(int virtualKey)
{
    switch (virtualKey) {
    case VK_LCONTROL: case VK_RCONTROL: return 1;
    case VK_LSHIFT: case VK_RSHIFT: return 2;
    case VK_LMENU: case VK_RMENU: return 4;
    case VK_LWIN: return 8;
    case VK_RWIN: return 128;
    default: return 0;
    }
}

CUIString StepRowText(const MacroStep& step, MoveRowTypes moves, bool moveY)
{
    CUIString text;
    const int icon = IconOf(step.type, moves);
    if (step.type == MouseStep::Delay)
        text.Format(L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}%d ms", icon, step.value);
    else if (step.type == moves.x || step.type == moves.y)
        text.Format(moveY ? L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}Y %d" : L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}X %d",
                    icon, step.value);
    else
        text.Format(L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}%s", icon, StepName(step).GetData());
    return text;
}

bool IsMoveYRow(const MacroSteps& steps, size_t index, MoveRowTypes moves)
{
    if (index >= steps.size() || steps[index].type != moves.y) return false;
    if (moves.x != moves.y) return true;
    const int partner = MovePartnerOf(steps, index, moves);
    return partner >= 0 && static_cast<size_t>(partner) < index;
}

int MovePartnerOf(const MacroSteps& steps, size_t row, MoveRowTypes moves)
{
    return moves.x == moves.y ? MovePartnerRow(steps, row, moves.x) : -1;
}
