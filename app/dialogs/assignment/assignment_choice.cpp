#include "app/dialogs/assignment/assignment_choice.h"

#include <cwchar>

int AssignmentChoice::ItemCode() const {
    return static_cast<int>(std::wcstol(itemData.GetData(), nullptr, 10));
}

int AssignmentChoice::ModifierBits() const {
    return (ctrl ? 0x01 : 0) | (shift ? 0x02 : 0) | (alt ? 0x04 : 0) | (win ? 0x08 : 0);
}
