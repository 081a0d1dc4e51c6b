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
