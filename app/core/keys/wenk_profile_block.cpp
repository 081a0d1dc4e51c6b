#include "app/core/keys/wenk_profile_block.h"

#include "app/core/settings/constants.h"
#include "app/core/keys/key_codes.h"
#include "app/core/keys/wenk_key_texts.h"

#include <algorithm>
#include <cstring>

std::array<WenkCombinationArea, 2> WenkCombinationAreas{};

namespace {

using SkinUI::CUIString;

KeyAssignmentRecord* Find(const KeyMap& map, const CUIString& name) {
    const auto found = map.find(name);
    return found != map.end() ? found->second.get() : nullptr;
}

void SetName(KeyAssignmentRecord& record, const CUIString& name, int type) {
    record.name = name;
    record.type = type;
    if (type != KeyAssignmentRecord::Macro) record.macro.reset();
}

bool NamesCombinationSlot(const KeyAssignmentRecord& record) {
    const int entry = record.currentCode - kFirstWenkCombinationCode;
    return entry >= 0 && static_cast<size_t>(entry) < kWenkProfileWordLimit;
}

// The area WenkProfileWords write: each word high byte first, zero behind them.
WenkCombinationArea ProfileWordsArea() {
    WenkCombinationArea area{};
    const size_t wordCount = std::min(WenkProfileWords.size(), kWenkCombinationAreaSize / 2);
    for (size_t j = 0; j < wordCount; ++j) {
        area[2 * j] = static_cast<uint8_t>(WenkProfileWords[j] >> 8);
        area[2 * j + 1] = static_cast<uint8_t>(WenkProfileWords[j]);
    }
    return area;
}

}  // namespace

void KeepCombinationArea(int set, const uint8_t* profileBlock) {
    WenkCombinationArea& kept = WenkCombinationAreas[static_cast<size_t>(set)];
    std::copy(profileBlock + kWenkCombinationOffset, profileBlock + kWenkCombinationOffset + kept.size(), kept.begin());
    if (!WenkProfileWords.empty() && ProfileWordsArea() != kept) {
        WenkProfileWords.clear();
        WenkProfileWordNames.clear();
    }
}

CUIString WenkKeyName(int index) {
    CUIString name;
    name.Format(L"KB_%02X", index);
    return name;
}

void NameKeyCode(KeyAssignmentRecord& record, int code, const uint8_t* profileBlock, DeviceLibraryBinder& binder) {
    CUIString text = GetKeyName(code);
    if (!text.IsEmpty()) {
        SetName(record, text, KeyAssignmentRecord::Key);
    } else if (!(text = GetMiscKeyText(code, profileBlock)).IsEmpty()) {
        SetName(record, text, KeyAssignmentRecord::MiscFunction);
    } else if (!(text = GetMacroNameByCode(code, record, binder)).IsEmpty()) {
        SetName(record, text, KeyAssignmentRecord::Macro);
    } else if (!(text = GetMediaKeyName(code)).IsEmpty()) {
        SetName(record, text, KeyAssignmentRecord::Multimedia);
    }
    record.currentCode = code;
}

void DecodeWenkProfile(const uint8_t* profileBlock, KeyMap& keys, KeyMap& functionButtons,
                       DeviceLibraryBinder& binder) {
    const size_t keyCount = std::min(keys.size(), kWenkProfileKeys);
    for (size_t i = 0; i < keyCount; ++i) {
        if (KeyAssignmentRecord* key = Find(keys, WenkKeyName(static_cast<int>(i)))) {
            NameKeyCode(*key, profileBlock[i], profileBlock, binder);
        }
    }
    const size_t buttonCount = std::min({functionButtons.size(), kWenkFunctionButtons, FunctionKeyNames.size()});
    for (size_t i = 0; i < buttonCount; ++i) {
        KeyAssignmentRecord* button = Find(functionButtons, FunctionKeyNames[i]);
        if (!button) continue;
        const int code = profileBlock[kWenkFunctionButtonOffset + i];
        // Without words the writes give back the keyboard's own area, so a
        // combination is what the keyboard's slot holds.
        const bool staleCombination = WenkProfileWords.empty() && NamesCombinationSlot(*button);
        if (code != button->defaultCode || staleCombination) NameKeyCode(*button, code, profileBlock, binder);
    }
}

void EncodeWenkProfile(const KeyMap& keys, const KeyMap& functionButtons, const WenkCombinationArea& keptArea,
                       uint8_t* profileBlock) {
    std::memset(profileBlock, 0, kWenkProfileBlockSize);
    const WenkCombinationArea area = WenkProfileWords.empty() ? keptArea : ProfileWordsArea();
    std::copy(area.begin(), area.end(), profileBlock + kWenkCombinationOffset);
    const size_t keyCount = std::min(keys.size(), kWenkProfileKeys);
    for (size_t i = 0; i < keyCount; ++i) {
        if (const KeyAssignmentRecord* key = Find(keys, WenkKeyName(static_cast<int>(i)))) {
            profileBlock[i] = static_cast<uint8_t>(key->currentCode);
        }
    }
    const size_t buttonCount = std::min({functionButtons.size(), kWenkFunctionButtons, FunctionKeyNames.size()});
    for (size_t i = 0; i < buttonCount; ++i) {
        if (const KeyAssignmentRecord* button = Find(functionButtons, FunctionKeyNames[i])) {
            profileBlock[kWenkFunctionButtonOffset + i] = static_cast<uint8_t>(button->currentCode);
        }
    }
}
