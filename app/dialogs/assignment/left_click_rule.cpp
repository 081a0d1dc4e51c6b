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

bool IsLeftClickKept(MouseFamily family, const AssignmentChoice& choice, const ButtonAssignmentEntry& edited) {
    if (ChoosesLeftClick(choice)) return true;
    const KelvoFamilyData& data = KelvoData(family);
    const auto place = PlaceIn(data.tables, &edited);
    return place && AnotherButtonKeeps(*data.tables[place->first], edited.index,
                                       [](const ButtonAssignmentEntry& entry) { return ClicksLeft(entry); });
}

bool IsLeftClickKept(MouseFamily family, const AssignmentChoice& choice, const MacroKeyEntry& edited) {
    if (ChoosesLeftClick(choice)) return true;
    const NolxFamilyData& data = NolxData(family);
    const auto place = PlaceIn(data.tables, &edited);
    if (!place) return false;
    const bool keyMode1 = place->first == 1;
    if (keyMode1 && choice.option == AssignmentOption::SpecialKey && choice.HasRow() &&
        static_cast<uint32_t>(choice.ItemCode()) == data.extraLeftClick) {
        return true;
    }
    return AnotherButtonKeeps(*data.tables[place->first], edited.index, [&](const MacroKeyEntry& entry) {
        return ClicksLeft(entry) || (keyMode1 && StartsWithValue(entry, data.extraLeftClick));
    });
}
