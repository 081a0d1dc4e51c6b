#include "app/dialogs/assignment/nolx_assignment.h"

#include "app/core/settings/language_text.h"
#include "app/dialogs/assignment/left_click_rule.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using SkinUI::CUIString;

constexpr uint8_t kMacroType = 0x10;
constexpr size_t kNameUnits = 8;
constexpr size_t kDataField = 224;

bool CarriesMacro(const MacroKeyEntry& entry) { return entry.bytes[0] == kMacroType && entry.bytes[3] == 0; }

int MacroNumber(const MacroKeyEntry& entry) { return entry.bytes[1] * 256 + entry.bytes[2]; }

void SetBytes(MacroKeyEntry& entry, uint32_t value) {
    for (int i = 0; i < 4; ++i) entry.bytes[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

void SetMacroNumber(MacroKeyEntry& entry, int number) {
    SetBytes(entry, (uint32_t{kMacroType} << 24) | (static_cast<uint32_t>(number & 0xFFFF) << 8));
}

int FindByName(const MacroList& macros, const CUIString& name) {
    for (size_t k = 0; k < macros.size(); ++k) {
        if (macros[k] && macros[k]->name.CompareNoCase(name) == 0) return static_cast<int>(k);
    }
    return -1;
}

CUIString NameOfNumber(const MacroList& macros, int number) {
    for (const MacroRef& macro : macros) {
        if (macro && macro->number == number) return macro->name;
    }
    return CUIString();
}

// One macro-carrying button and the name of the macro it points at.
struct MacroUser {
    int set;
    MacroKeyEntry* entry;
    CUIString name;
};

// Names are resolved once, before anything on the controller moves.
std::vector<MacroUser> FindMacroUsers(const NolxFamilyData& data, const MacroList& openingMacros) {
    std::vector<MacroUser> users;
    for (int set = 0; set < data.tableCount; ++set) {
        for (auto& entry : *data.tables[static_cast<size_t>(set)]) {
            if (!entry || !CarriesMacro(*entry)) continue;
            CUIString name = NameOfNumber(openingMacros, MacroNumber(*entry));
            if (!name.IsEmpty()) users.push_back({set, entry.get(), name});
        }
    }
    return users;
}

class NolxAssignment {
public:
    NolxAssignment(const NolxFamilyData& data, MacroKeyEntry& entry, const MacroList& openingMacros,
                   DeviceLibraryBinder& binder)
        : data_(data), entry_(entry), binder_(binder), users_(FindMacroUsers(data, openingMacros)) {
        for (const MacroUser& user : users_) {
            if (user.entry == &entry_) oldName_ = user.name;
        }
        newName_ = oldName_;
    }

    AssignmentOutcome Apply(const AssignmentChoice& choice) {
        const AssignmentOutcome outcome = Encode(choice);
        if (!oldName_.IsEmpty() && !IsNameUsed(oldName_)) DeleteMacro(oldName_);
        if (deviceChanged_) RenumberMacroKeys();
        return outcome;
    }

private:
    AssignmentOutcome Encode(const AssignmentChoice& choice) {
        switch (choice.option) {
            case AssignmentOption::UserDefined:
                SetBytes(entry_, (2u << 24) | (static_cast<uint32_t>(choice.ModifierBits()) << 16) |
                                     (static_cast<uint32_t>(choice.capturedKeyCode) & 0xFFFF));
                break;
            case AssignmentOption::Macro:
                return EncodeBaseMacro(choice);
            case AssignmentOption::FireMacro:
                EncodeFireMacro(choice);
                break;
            case AssignmentOption::None:
                return AssignmentOutcome::Unchanged;
            default:
                if (!choice.HasRow()) return AssignmentOutcome::Unchanged;
                if (choice.option == AssignmentOption::SpecialKey && choice.itemData == L"FireKey") {
                    EncodeFireKey(choice);
                } else if (choice.option == AssignmentOption::StandardMouseKey) {
                    SetBytes(entry_, (1u << 24) | ((static_cast<uint32_t>(choice.ItemCode()) & 0xFFFF) << 8));
                } else {
                    SetBytes(entry_, static_cast<uint32_t>(choice.ItemCode()));
                }
                break;
        }
        newName_ = CUIString();
        return AssignmentOutcome::Applied;
    }

    AssignmentOutcome EncodeBaseMacro(const AssignmentChoice& choice) {
        const MacroRef chosen = MacroAt(*data_.macros, choice.row);
        if (!chosen) return AssignmentOutcome::Unchanged;
        const int existing = FindByName(*data_.deviceMacros, chosen->name);
        if (existing >= 0) {
            SetMacroNumber(entry_, (*data_.deviceMacros)[static_cast<size_t>(existing)]->number);
        } else {
            if (!Upload(*chosen) && !UploadInPlaceOfOldMacro(*chosen)) return AssignmentOutcome::Unchanged;
            SetMacroNumber(entry_, data_.deviceMacros->back()->number);
        }
        newName_ = chosen->name;
        return AssignmentOutcome::Applied;
    }

    bool Upload(const MacroRecord& macro) {
        uint8_t name[kNameUnits * 2] = {};
        const size_t units = std::min(kNameUnits, static_cast<size_t>(macro.name.GetLength()));
        for (size_t i = 0; i < units; ++i) {
            const wchar_t unit = macro.name.GetAt(static_cast<int>(i));
            name[2 * i] = static_cast<uint8_t>(unit & 0xFF);
            name[2 * i + 1] = static_cast<uint8_t>((unit >> 8) & 0xFF);
        }
        uint8_t data[kDataField] = {};
        const size_t length = std::min(kDataField, macro.data.size());
        if (length > 0) std::memcpy(data, macro.data.data(), length);
        if (!(binder_.*data_.writeMacro)(-1, name, data, static_cast<int>(length))) return false;
        ReadDeviceMacros();
        return !data_.deviceMacros->empty();
    }

    // With the area full, the macro only the edited button used makes room;
    // it is put back when the chosen one still does not fit.
    bool UploadInPlaceOfOldMacro(const MacroRecord& chosen) {
        if (oldName_.IsEmpty() || IsUsedByAnotherButton(oldName_)) return false;
        const int index = FindByName(*data_.deviceMacros, oldName_);
        if (index < 0) return false;
        const MacroRef old = (*data_.deviceMacros)[static_cast<size_t>(index)];
        if (!DeleteMacroAt(index)) return false;
        if (Upload(chosen)) return true;
        Upload(*old);
        return false;
    }

    void EncodeFireKey(const AssignmentChoice& choice) {
        const CUIString text = LanguageText(choice.itemText);
        size_t key = 2;
        if (text.Compare(LanguageText(L"%{122}")) == 0) {
            key = 0;
        } else if (text.Compare(LanguageText(L"%{123}")) == 0) {
            key = 1;
        }
        const FireKeyEntry& fireKey = (*data_.fireKeys)[key];
        const int code = ((fireKey.code | 0x10) & 0x7F) | (fireKey.continueFlag ? 0x80 : 0);
        SetBytes(entry_, (6u << 24) | (static_cast<uint32_t>(code & 0xFF) << 16) |
                             (static_cast<uint32_t>(fireKey.value) & 0xFFFF));
    }

    void EncodeFireMacro(const AssignmentChoice& choice) {
        int preset = entry_.bytes[1];
        int count = 1;
        const int s = choice.row;
        if (data_.gunVariants) {
            if (s >= 0 && s <= 4) {
                preset = s;
            } else if (s == 5) {
                preset = 5;
                if (choice.gun6Count == 1 || choice.gun6Count == 2) count = choice.gun6Count;
            } else if (s == 6) {
                preset = 7;
                if (choice.gun7Count >= 1 && choice.gun7Count <= 3) count = choice.gun7Count;
            }
        } else if (s >= 0 && s <= 6) {
            preset = s;
        }
        const bool presetChosen = s >= 0 && s <= 6;
        if (presetChosen && *data_.keepLeftFire) preset += 16;
        entry_.bytes[0] = 11;
        entry_.bytes[1] = static_cast<uint8_t>(preset);
        entry_.bytes[2] = static_cast<uint8_t>(count);
        entry_.bytes[3] = static_cast<uint8_t>(*data_.lastFireMacroByte);
    }

    // Whether a button still points at the macro of that name once the
    // edited button holds its new bytes.
    bool IsNameUsed(const CUIString& name) const {
        return newName_.CompareNoCase(name) == 0 || IsUsedByAnotherButton(name);
    }

    bool IsUsedByAnotherButton(const CUIString& name) const {
        for (const MacroUser& user : users_) {
            if (user.entry != &entry_ && user.name.CompareNoCase(name) == 0) return true;
        }
        return false;
    }

    void DeleteMacro(const CUIString& name) {
        const int index = FindByName(*data_.deviceMacros, name);
        if (index >= 0) DeleteMacroAt(index);
    }

    bool DeleteMacroAt(int index) {
        uint8_t noName[kNameUnits * 2] = {};
        if (!(binder_.*data_.writeMacro)(index, noName, nullptr, 0)) return false;
        ReadDeviceMacros();
        return true;
    }

    void ReadDeviceMacros() {
        (binder_.*data_.readMacros)();
        deviceChanged_ = true;
    }

    // Every macro-carrying button follows its macro to its current address;
    // the other buttons are sent again, the edited one is the page's to send.
    void RenumberMacroKeys() {
        if (!newName_.IsEmpty()) {
            const int k = FindByName(*data_.deviceMacros, newName_);
            if (k >= 0) SetMacroNumber(entry_, (*data_.deviceMacros)[static_cast<size_t>(k)]->number);
        }
        for (const MacroUser& user : users_) {
            if (user.entry == &entry_) continue;
            const int k = FindByName(*data_.deviceMacros, user.name);
            if (k < 0) continue;
            const int number = (*data_.deviceMacros)[static_cast<size_t>(k)]->number;
            if (number == MacroNumber(*user.entry)) continue;
            SetMacroNumber(*user.entry, number);
            (binder_.*data_.writeMacroKey)(user.set, user.entry->index);
        }
    }

    const NolxFamilyData& data_;
    MacroKeyEntry& entry_;
    DeviceLibraryBinder& binder_;
    const std::vector<MacroUser> users_;
    CUIString oldName_;  // the macro the edited button pointed at
    CUIString newName_;  // the macro it points at now
    bool deviceChanged_ = false;
};

}  // namespace

AssignmentOutcome ApplyNolxChoice(MouseFamily family, const AssignmentChoice& choice, MacroKeyEntry& entry,
                                  const MacroList& openingMacros, DeviceLibraryBinder& binder) {
    const NolxFamilyData& data = NolxData(family);
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(data.library);
    if (!IsLeftClickKept(family, choice, entry)) return AssignmentOutcome::LeftClickRefused;
    return NolxAssignment(data, entry, openingMacros, binder).Apply(choice);
}
