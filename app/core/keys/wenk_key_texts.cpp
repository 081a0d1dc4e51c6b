#include "app/core/keys/wenk_key_texts.h"

#include "app/core/keys/assignment_text_parts.h"
#include "app/core/files/binary_files.h"
#include "app/core/keys/key_codes.h"
#include "app/core/files/macro_folder.h"
#include "app/core/settings/settings_containers.h"
#include "app/core/keys/wenk_profile_block.h"
#include "app/core/binder/wire_fields.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

using SkinUI::CUIString;

constexpr size_t kNameField = 32;
constexpr size_t kDataField = 144;
constexpr int kCombinationEntries = 16;

bool SameDataField(const MacroRecord& a, const MacroRecord& b) {
    uint8_t first[kDataField];
    uint8_t second[kDataField];
    DataToField(a.data, first, sizeof(first));
    DataToField(b.data, second, sizeof(second));
    return std::equal(std::begin(first), std::end(first), std::begin(second));
}

// Whether another slot already plays the macro: listed at another index, or
// read just now for a slot below.
bool PlayedByAnotherSlot(const MacroRef& macro, size_t slot, const std::vector<MacroRef>& readBelow) {
    for (size_t i = 0; i < WenkDeviceMacroList.size(); ++i) {
        if (i != slot && WenkDeviceMacroList[i] == macro) return true;
    }
    return std::find(readBelow.begin(), readBelow.end(), macro) != readBelow.end();
}

// The macro window's macro of the read macro's name that no other slot
// plays, one with the same data first; null when the window has none.
MacroRef WindowMacroNamed(const MacroRecord& read, size_t slot, const std::vector<MacroRef>& readBelow) {
    MacroRef named;
    for (const MacroRef& macro : WenkMacroList) {
        if (!macro || macro->name.Compare(read.name) != 0 || PlayedByAnotherSlot(macro, slot, readBelow)) continue;
        if (SameDataField(*macro, read)) return macro;
        if (!named) named = macro;
    }
    return named;
}

// The macro of one slot: the macro window's of its name that no other slot
// plays, else the macro as the keyboard holds it; null when the read fails.
MacroRef ReadDeviceMacro(size_t slot, const std::vector<MacroRef>& readBelow, DeviceLibraryBinder& binder) {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Wenk);
    const auto read = binder.Entries().Device_GetMarcoData;
    uint8_t name[kNameField] = {};
    uint8_t data[kDataField] = {};
    if (!read || read(static_cast<int>(slot), name, data) != 0) return nullptr;
    auto macro = std::make_shared<MacroRecord>();
    macro->name = NameFromWireField(name, sizeof(name));
    macro->data.assign(data, data + sizeof(data));
    MacroRef listed = WindowMacroNamed(*macro, slot, readBelow);
    return listed ? listed : macro;
}

void WriteDiagnosticCopy(int first, int key, const uint8_t* profileBlock) {
    CUIString fileName;
    fileName.Format(L"GetMisKeyString_%d_%d.bin", first, key);
    const CUIString path = MacroFolderPath(fileName);
    if (!path.IsEmpty()) WriteBinaryFile(path, profileBlock, kWenkProfileBlockSize);
}

}  // namespace

CUIString GetMacroNameByCode(int code, KeyAssignmentRecord& record, DeviceLibraryBinder& binder) {
    const int slot = code - kFirstWenkMacroCode;
    if (slot < 0 || static_cast<size_t>(slot) >= kWenkDeviceMacroSlots) return CUIString();
    const size_t index = static_cast<size_t>(slot);

    std::vector<MacroRef> read;
    for (size_t missing = WenkDeviceMacroList.size(); missing <= index; ++missing) {
        MacroRef macro = ReadDeviceMacro(missing, read, binder);
        if (!macro) return CUIString();
        read.push_back(std::move(macro));
    }
    MacroRef macro = read.empty() ? ReadDeviceMacro(index, read, binder) : read.back();
    if (!macro) return CUIString();

    WenkDeviceMacroList.insert(WenkDeviceMacroList.end(), read.begin(), read.end());
    const MacroRef& listed = WenkDeviceMacroList[index];
    if (listed && listed->name.Compare(macro->name) == 0) {
        macro = listed;
    } else {
        WenkDeviceMacroList[index] = macro;
    }
    record.macro = macro;
    return macro->name;
}

void NameMacroKeys(const MacroRef& macro) {
    for (KeyMap* map : {&WenkKeyMap1, &WenkKeyMap2, &WenkFunctionButtonMap1, &WenkFunctionButtonMap2}) {
        for (auto& entry : *map) {
            KeyAssignmentRecord* record = entry.second.get();
            if (record && record->type == KeyAssignmentRecord::Macro && record->macro == macro) record->name = macro->name;
        }
    }
}

CUIString GetMiscKeyText(int code, const uint8_t* profileBlock) {
    const int entry = code - kFirstWenkCombinationCode;
    if (entry < 0 || entry >= kCombinationEntries) return CUIString();
    const int first = profileBlock[kWenkCombinationOffset + 2 * entry];
    const int key = profileBlock[kWenkCombinationOffset + 2 * entry + 1];
    WriteDiagnosticCopy(first, key, profileBlock);

    const bool modifiers = first >= 0x81 && first <= 0x8F;
    const CUIString prefix = modifiers ? ModifierPrefix(first) : GetKeyName(first) + L"+";
    return prefix + GetKeyName(key);
}
