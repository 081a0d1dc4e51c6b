#include "app/dialogs/keyboard/key_assignment.h"

#include "app/core/keys/key_codes.h"
#include "app/core/keys/wenk_key_texts.h"
#include "app/core/keys/wenk_profile_block.h"
#include "app/core/settings/settings_containers.h"

#include <algorithm>
#include <optional>

using SkinUI::CUIString;

namespace {

// The function a key is to get.
struct KeyFunction {
    int type = KeyAssignmentRecord::Key;
    int code = 0;  // key and multimedia codes; combinations get theirs from the table
    MacroRef macro;
    CUIString name;
    int combinationCode = 0;
};

bool IsKeyCode(int code) { return code > 0 && code <= 0xFF; }

std::optional<KeyFunction> PlainKey(int code) {
    if (!IsKeyCode(code)) return std::nullopt;
    return KeyFunction{KeyAssignmentRecord::Key, code, nullptr, GetKeyName(code), 0};
}

std::optional<KeyFunction> ChosenFunction(const KeyAssignmentRecord& record, const KeyChoiceResult& choice) {
    switch (choice.state) {
    case kKeyChosen:
        return PlainKey(choice.capturedCode);
    case kCombinationChosen:
    case kModifierChosen: {
        const ModifierBoxes& m = choice.modifiers;
        const bool modified = m.ctrl || m.alt || m.shift || m.win;
        if (!modified && choice.capturedCode <= 0xFF) return PlainKey(choice.capturedCode);
        const Combination combination = MakeCombination(choice.capturedCode, m);
        return KeyFunction{KeyAssignmentRecord::MiscFunction, 0, nullptr, combination.name, combination.code};
    }
    case kMacroChosen:
        if (!choice.macro) return std::nullopt;
        return KeyFunction{KeyAssignmentRecord::Macro, 0, choice.macro, choice.macro->name, 0};
    case kMultimediaChosen:
        if (!choice.multimedia) return std::nullopt;
        return KeyFunction{KeyAssignmentRecord::Multimedia, choice.multimedia->code, nullptr, choice.multimedia->name, 0};
    case kResetChosen:
        return KeyFunction{KeyAssignmentRecord::Key, record.defaultCode, nullptr, record.defaultName, 0};
    default:
        return std::nullopt;
    }
}

// The 16-bit code of a combination key as the tables hold it now: by its name
// in the combination table, else the entry of its set's combination area as
// last read from the keyboard.
int CurrentCombinationCode(const KeyAssignmentRecord& record, int set) {
    for (size_t i = 0; i < WenkProfileWordNames.size() && i < WenkProfileWords.size(); ++i) {
        if (WenkProfileWordNames[i].Compare(record.name) == 0) return WenkProfileWords[i];
    }
    const int entry = record.currentCode - kFirstWenkCombinationCode;
    if (entry < 0 || static_cast<size_t>(entry) >= kWenkProfileWordLimit) return 0;
    const WenkCombinationArea& area = WenkCombinationAreas[static_cast<size_t>(set)];
    return area[2 * static_cast<size_t>(entry)] << 8 | area[2 * static_cast<size_t>(entry) + 1];
}

struct Tables {
    std::vector<CUIString> names;
    std::vector<int> codes;
    MacroList macros;

    int CombinationSlot(const CUIString& name) const {
        const auto found = std::find_if(names.begin(), names.end(), [&](const CUIString& n) { return n.Compare(name) == 0; });
        return found != names.end() ? static_cast<int>(found - names.begin()) : -1;
    }
    int MacroSlot(const MacroRef& macro) const {
        const auto found = std::find(macros.begin(), macros.end(), macro);
        return found != macros.end() ? static_cast<int>(found - macros.begin()) : -1;
    }
    bool Fit() const { return names.size() <= kWenkProfileWordLimit && macros.size() <= kWenkDeviceMacroSlots; }
};

struct MapOfSet {
    KeyMap* map;
    int set;
};
const MapOfSet kMaps[] = {{&WenkKeyMap1, 0}, {&WenkKeyMap2, 1}, {&WenkFunctionButtonMap1, 0}, {&WenkFunctionButtonMap2, 1}};

// The tables as they are to be with the edited record given `function`: the
// edited combination first, then every key's in map order; macro slots in
// map order.
Tables BuildTables(const KeyAssignmentRecord& edited, const KeyFunction* function) {
    Tables tables;
    if (function && function->type == KeyAssignmentRecord::MiscFunction) {
        tables.names.push_back(function->name);
        tables.codes.push_back(function->combinationCode);
    }
    for (const MapOfSet& entry : kMaps) {
        for (const auto& [name, record] : *entry.map) {
            const bool isEdited = record.get() == &edited && function;
            const int type = isEdited ? function->type : record->type;
            if (type == KeyAssignmentRecord::MiscFunction && !isEdited) {
                if (tables.CombinationSlot(record->name) < 0) {
                    tables.names.push_back(record->name);
                    tables.codes.push_back(CurrentCombinationCode(*record, entry.set));
                }
            } else if (type == KeyAssignmentRecord::Macro) {
                const MacroRef& macro = isEdited ? function->macro : record->macro;
                if (macro && tables.MacroSlot(macro) < 0) tables.macros.push_back(macro);
            }
        }
    }
    return tables;
}

// Every combination and macro key gets the code of its entry; a key whose
// entry did not fit keeps its code.
void Renumber(const Tables& tables) {
    for (const MapOfSet& entry : kMaps) {
        for (auto& [name, record] : *entry.map) {
            int slot = -1;
            if (record->type == KeyAssignmentRecord::MiscFunction) {
                slot = tables.CombinationSlot(record->name);
                if (slot >= 0 && static_cast<size_t>(slot) < kWenkProfileWordLimit) record->currentCode = kFirstWenkCombinationCode + slot;
            } else if (record->type == KeyAssignmentRecord::Macro) {
                slot = tables.MacroSlot(record->macro);
                if (slot >= 0 && static_cast<size_t>(slot) < kWenkDeviceMacroSlots) record->currentCode = kFirstWenkMacroCode + slot;
            }
        }
    }
    const size_t names = std::min(tables.names.size(), kWenkProfileWordLimit);
    WenkProfileWordNames.assign(tables.names.begin(), tables.names.begin() + static_cast<long>(names));
    WenkProfileWords.assign(tables.codes.begin(), tables.codes.begin() + static_cast<long>(names));
    const size_t macros = std::min(tables.macros.size(), kWenkDeviceMacroSlots);
    WenkDeviceMacroList.assign(tables.macros.begin(), tables.macros.begin() + static_cast<long>(macros));
}

}  // namespace

Combination MakeCombination(int capturedCode, const ModifierBoxes& modifiers) {
    int bits = 0;
    CUIString name;
    const struct {
        bool checked;
        int bit;
        const wchar_t* prefix;
    } boxes[] = {{modifiers.ctrl, 0x01, L"Ctrl+"},
                 {modifiers.alt, 0x04, L"Alt+"},
                 {modifiers.shift, 0x02, L"Shift+"},
                 {modifiers.win, 0x08, L"Win+"}};
    for (const auto& box : boxes) {
        if (!box.checked) continue;
        bits |= box.bit;
        name += box.prefix;
    }
    if (bits == 0) return {capturedCode, GetKeyName(capturedCode >> 8) + L"+" + GetKeyName(capturedCode & 0xFF)};
    // With modifiers only the last key of a chord counts.
    const int key = capturedCode & 0xFF;
    if (key != 0) {
        name += GetKeyName(key);
    } else {
        name = name.Left(name.GetLength() - 1);
    }
    return {key + 256 * (bits | 0x80), name};
}

bool ApplyKeyChoice(KeyAssignmentRecord& record, const KeyChoiceResult& choice) {
    const std::optional<KeyFunction> function = ChosenFunction(record, choice);
    if (function) {
        const Tables tables = BuildTables(record, &*function);
        if (tables.Fit()) {
            record.type = function->type;
            record.currentCode = function->code;
            record.macro = function->macro;
            record.name = function->name;
            Renumber(tables);
            return true;
        }
    }
    Renumber(BuildTables(record, nullptr));
    return !function;
}
