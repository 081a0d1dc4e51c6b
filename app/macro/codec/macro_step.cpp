#include "app/macro/codec/macro_step.h"

#include <algorithm>

bool IsMouseButtonEvent(int type) {
    if (type < 0 || type > 0xFF) return false;
    switch (type & 0x7F) {
        case 0x21:
        case 0x22:
        case 0x24:
        case 0x28:
        case 0x30:
            return true;
        default:
            return false;
    }
}

MacroSteps WithStepsInserted(const MacroSteps& steps, size_t at, const MacroSteps& added) {
    MacroSteps result = steps;
    result.insert(result.begin() + static_cast<std::ptrdiff_t>(std::min(at, steps.size())), added.begin(), added.end());
    return result;
}

int MovePartnerRow(const MacroSteps& steps, size_t row, int moveType) {
    if (row >= steps.size() || steps[row].type != moveType) return -1;
    for (size_t at = 0; at < steps.size();) {
        const bool paired = steps[at].type == moveType && at + 1 < steps.size() && steps[at + 1].type == moveType;
        if (paired && at == row) return static_cast<int>(row + 1);
        if (paired && at + 1 == row) return static_cast<int>(at);
        at += paired ? 2 : 1;
    }
    return -1;
}
