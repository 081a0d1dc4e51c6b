#include "app/dialogs/assignment/left_click_rule.h"

namespace {

bool ChoosesLeftClick(const AssignmentChoice& choice) {
    return choice.option == AssignmentOption::StandardMouseKey && choice.row == 0;
}

template <class Entry>
bool ClicksLeft(const Entry& entry) {
    return entry.bytes[0] == 1 && entry.bytes[1] == 1;
}

bool StartsWithValue(const MacroKeyEntry& entry, uint32_t value) {
    return entry.bytes[0] == ((value >> 24) & 0xFF) && entry.bytes[1] == ((value >> 16) & 0xFF) &&
           entry.bytes[2] == ((value >> 8) & 0xFF);
}

template <class Entry, class Keeps>
bool AnotherButtonKeeps(const RecordList<Entry>& table, int editedIndex, Keeps keeps) {
    for (size_t i = 0; i < table.size(); ++i) {
        if (static_cast<int>(i) != editedIndex && table[i] && keeps(*table[i])) return true;
    }
    return false;
}

}  // namespace

bool IsLeftClickKept(MouseFamily family, const AssignmentChoice& choice, int editedIndex) {
    if (ChoosesLeftClick(choice)) return true;
    if (IsKelvoFamily(family)) {
        return AnotherButtonKeeps(KelvoData(family).CurrentTable(), editedIndex,
                                  [](const ButtonAssignmentEntry& entry) { return ClicksLeft(entry); });
    }
    const NolxFamilyData& data = NolxData(family);
    const bool keyMode1 = *data.keyMode == 1;
    if (keyMode1 && choice.option == AssignmentOption::SpecialKey && choice.HasRow() &&
        static_cast<uint32_t>(choice.ItemCode()) == data.extraLeftClick) {
        return true;
    }
    return AnotherButtonKeeps(data.CurrentTable(), editedIndex, [&](const MacroKeyEntry& entry) {
        return ClicksLeft(entry) || (keyMode1 && StartsWithValue(entry, data.extraLeftClick));
    });
}
