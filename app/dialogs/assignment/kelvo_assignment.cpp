#include "app/dialogs/assignment/kelvo_assignment.h"

#include "app/dialogs/assignment/left_click_rule.h"

#include <map>
#include <utility>
#include <vector>

namespace {

constexpr int kFirstPosition = 256;
constexpr int kNameSpace = 32;
constexpr int kFixedSpace = 224;

bool CarriesMacro(const ButtonAssignmentEntry& entry) { return entry.bytes[0] == 6 || entry.bytes[0] == 14; }

int MacroNumber(const ButtonAssignmentEntry& entry) { return entry.bytes[1] * 256 + entry.bytes[2]; }

void SetBytes(ButtonAssignmentEntry& entry, int b0, int b1, int b2) {
    entry.bytes[0] = static_cast<uint8_t>(b0);
    entry.bytes[1] = static_cast<uint8_t>(b1);
    entry.bytes[2] = static_cast<uint8_t>(b2);
}

bool SameMacro(const MacroRef& a, const MacroRef& b) {
    return a && b && (a == b || a->name.CompareNoCase(b->name) == 0);
}

template <class Visit>
void ForEachEntry(const KelvoFamilyData& data, Visit visit) {
    for (RecordList<ButtonAssignmentEntry>* table : data.tables) {
        for (auto& entry : *table) {
            if (entry) visit(*entry);
        }
    }
}

int CountUses(const KelvoFamilyData& data, int number) {
    int uses = 0;
    ForEachEntry(data, [&](const ButtonAssignmentEntry& entry) {
        if (CarriesMacro(entry) && MacroNumber(entry) == number) ++uses;
    });
    return uses;
}

MacroRef CachedMacro(const KelvoFamilyData& data, const ButtonAssignmentEntry& entry) {
    if (!CarriesMacro(entry)) return nullptr;
    const auto found = data.cache->find(MacroNumber(entry));
    return found != data.cache->end() ? found->second : nullptr;
}

// The cache fills as the buttons of the shown key mode are named; a macro
// only the other key mode's buttons use is read in here, so that placing
// and dropping macros keep its place. Numbers below the first place name no
// placed macro.
void CacheMacrosInUse(const KelvoFamilyData& data, DeviceLibraryBinder& binder) {
    ForEachEntry(data, [&](const ButtonAssignmentEntry& entry) {
        const int number = MacroNumber(entry);
        if (CarriesMacro(entry) && number >= kFirstPosition + data.numberOffset) (binder.*data.readMacro)(number);
    });
}

void SendCachedMacros(const KelvoFamilyData& data, DeviceLibraryBinder& binder) {
    for (const auto& placed : *data.cache) (binder.*data.sendMacro)(placed.first);
}

// The controller's macro memory as it would be laid out: each macro numbered
// after the space the macros before it take.
struct MacroLayout {
    std::vector<std::pair<int, MacroRef>> placed;
    int chosenNumber = 0;  // 0 when the chosen macro does not fit
};

MacroLayout LayOut(const KelvoFamilyData& data, const MacroRef& chosen, const MacroRef& dropped) {
    MacroLayout layout;
    int position = kFirstPosition;
    for (const auto& cached : *data.cache) {
        if (!cached.second || cached.second == dropped) continue;
        const int number = position + data.numberOffset;
        if (SameMacro(cached.second, chosen)) {
            layout.chosenNumber = number;
            layout.placed.emplace_back(number, chosen);
        } else {
            layout.placed.emplace_back(number, cached.second);
        }
        position += kNameSpace + static_cast<int>(layout.placed.back().second->data.size());
    }
    if (layout.chosenNumber == 0 &&
        static_cast<int>(chosen->data.size()) + position - kFixedSpace <= data.memoryLimit) {
        layout.chosenNumber = position + data.numberOffset;
        layout.placed.emplace_back(layout.chosenNumber, chosen);
    }
    return layout;
}

// Places the chosen macro (leaving out `dropped`, the macro only the edited
// button used, when the chosen one then fits), renumbers every macro-carrying
// button and resends the memory. Returns the chosen macro's number, 0 when it
// does not fit.
int PlaceMacro(const KelvoFamilyData& data, const MacroRef& chosen, const MacroRef& dropped,
               DeviceLibraryBinder& binder) {
    std::vector<std::pair<ButtonAssignmentEntry*, MacroRef>> users;
    ForEachEntry(data, [&](ButtonAssignmentEntry& entry) {
        if (MacroRef macro = CachedMacro(data, entry)) users.emplace_back(&entry, std::move(macro));
    });

    MacroLayout layout = LayOut(data, chosen, dropped);
    if (layout.chosenNumber == 0 && dropped) layout = LayOut(data, chosen, nullptr);

    data.cache->clear();
    for (const auto& placed : layout.placed) (*data.cache)[placed.first] = placed.second;
    for (const auto& user : users) {
        for (const auto& placed : layout.placed) {
            if (placed.second == user.second || (placed.second == chosen && SameMacro(user.second, chosen))) {
                SetBytes(*user.first, user.first->bytes[0], placed.first >> 8, placed.first & 0xFF);
                break;
            }
        }
    }
    SendCachedMacros(data, binder);
    return layout.chosenNumber;
}

// Drops a macro that no button uses any more from the controller's memory.
void ReleaseUnusedMacro(const KelvoFamilyData& data, const MacroRef& macro, DeviceLibraryBinder& binder) {
    for (auto it = data.cache->begin(); it != data.cache->end(); ++it) {
        if (it->second != macro) continue;
        if (CountUses(data, it->first) != 0) return;
        data.cache->erase(it);
        SendCachedMacros(data, binder);
        return;
    }
}

void EncodeUserDefinedKey(const AssignmentChoice& choice, ButtonAssignmentEntry& entry) {
    int code = choice.capturedKeyCode;
    const int bits = choice.ModifierBits();
    if (bits != 0) code += (bits | 0x80) * 256;
    SetBytes(entry, 2, (code >> 8) & 0xFF, code & 0xFF);
}

AssignmentOutcome EncodeMacro(const KelvoFamilyData& data, const AssignmentChoice& choice,
                              ButtonAssignmentEntry& entry, const MacroRef& oldMacro, DeviceLibraryBinder& binder) {
    const MacroRef chosen = MacroAt(*data.macros, choice.row);
    if (!chosen) return AssignmentOutcome::Unchanged;
    const bool onlyThisButton = oldMacro && !SameMacro(oldMacro, chosen) && CountUses(data, MacroNumber(entry)) == 1;
    const int number = PlaceMacro(data, chosen, onlyThisButton ? oldMacro : nullptr, binder);
    if (number == 0) return AssignmentOutcome::MacroDoesNotFit;
    SetBytes(entry, 6, number >> 8, number & 0xFF);
    (binder.*data.sendMacro)(number);
    return AssignmentOutcome::Applied;
}

AssignmentOutcome Encode(const KelvoFamilyData& data, const AssignmentChoice& choice, ButtonAssignmentEntry& entry,
                         const MacroRef& oldMacro, DeviceLibraryBinder& binder) {
    const int v = choice.ItemCode();
    switch (choice.option) {
        case AssignmentOption::UserDefined:
            EncodeUserDefinedKey(choice, entry);
            return AssignmentOutcome::Applied;
        case AssignmentOption::Macro:
            return EncodeMacro(data, choice, entry, oldMacro, binder);
        case AssignmentOption::None:
            return AssignmentOutcome::Unchanged;
        default:
            break;
    }
    if (!choice.HasRow()) return AssignmentOutcome::Unchanged;
    switch (choice.option) {
        case AssignmentOption::StandardMouseKey:
            SetBytes(entry, 1, v >> 8, v);
            break;
        case AssignmentOption::Multimedia:
        case AssignmentOption::Web:
            SetBytes(entry, 3, v >> 8, v);
            break;
        default:  // special, PC and fire-macro items carry all three bytes
            SetBytes(entry, v >> 16, v >> 8, v);
            break;
    }
    return AssignmentOutcome::Applied;
}

}  // namespace

AssignmentOutcome ApplyKelvoChoice(MouseFamily family, const AssignmentChoice& choice, ButtonAssignmentEntry& entry,
                                   DeviceLibraryBinder& binder) {
    const KelvoFamilyData& data = KelvoData(family);
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(data.library);
    if (!IsLeftClickKept(family, choice, entry)) return AssignmentOutcome::LeftClickRefused;
    CacheMacrosInUse(data, binder);
    const MacroRef oldMacro = CachedMacro(data, entry);
    const AssignmentOutcome outcome = Encode(data, choice, entry, oldMacro, binder);
    if (oldMacro) ReleaseUnusedMacro(data, oldMacro, binder);
    return outcome;
}
