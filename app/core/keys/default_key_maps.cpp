// The keyboard's default key maps, from the keyboard image "DefaultData_1.bin".
#include "app/core/files/binary_files.h"
#include "app/core/files/config_file_store.h"
#include "app/core/settings/constants.h"
#include "app/core/keys/key_codes.h"
#include "app/core/keys/wenk_profile_block.h"
#include "ui/core/container.h"
#include "ui/core/window_manager.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr wchar_t kDefaultDataFile[] = L"DefaultData_1.bin";
constexpr wchar_t kKeyContainerName[] = L"key_button_container";
constexpr size_t kDefaultDataSize = 2048;
constexpr size_t kKeysOfSet1 = 0x50;
constexpr size_t kKeysOfSet2 = 0x130;
constexpr size_t kFunctionButtonsOfSet1 = kKeysOfSet1 + kWenkFunctionButtonOffset;
constexpr size_t kFunctionButtonsOfSet2 = kKeysOfSet2 + kWenkFunctionButtonOffset;

using DefaultData = std::array<uint8_t, kDefaultDataSize>;

// The image, zero behind a shorter file; false when it cannot be read.
bool ReadDefaultData(DefaultData& data) {
    size_t size = 0;
    return ReadBinaryFile(kDefaultDataFile, data.data(), data.size(), &size);
}

void PutDefaultRecord(KeyMap& map, const SkinUI::CUIString& name, int code) {
    auto record = std::make_unique<KeyAssignmentRecord>();
    record->defaultCode = code;
    record->currentCode = code;
    record->name = GetKeyName(code);
    record->defaultName = record->name;
    map[name] = std::move(record);
}

}  // namespace

void ConfigFileStore::LoadDefaultKeysSet1() { LoadDefaultKeys(kKeysOfSet1, WenkKeyMap1); }

void ConfigFileStore::LoadDefaultKeysSet2() { LoadDefaultKeys(kKeysOfSet2, WenkKeyMap2); }

void ConfigFileStore::LoadDefaultKeys(size_t offset, KeyMap& keys) {
    DefaultData data;
    if (!ReadDefaultData(data) || !manager_) return;
    SkinUI::CControlUI* control = manager_->FindControlByName(kKeyContainerName);
    auto* container = control ? static_cast<SkinUI::IContainerUI*>(control->GetInterfaceByName(L"IContainer")) : nullptr;
    if (!container) return;
    const size_t count = std::min(static_cast<size_t>(std::max(container->GetCount(), 0)), kWenkProfileKeys);
    for (size_t i = 0; i < count; ++i) PutDefaultRecord(keys, WenkKeyName(static_cast<int>(i)), data[offset + i]);
}

void ConfigFileStore::LoadDefaultFunctionButtons() {
    DefaultData data;
    if (!ReadDefaultData(data)) return;
    const size_t count = std::min(kWenkFunctionButtons, FunctionKeyNames.size());
    for (size_t i = 0; i < count; ++i) {
        PutDefaultRecord(WenkFunctionButtonMap1, FunctionKeyNames[i], data[kFunctionButtonsOfSet1 + i]);
        PutDefaultRecord(WenkFunctionButtonMap2, FunctionKeyNames[i], data[kFunctionButtonsOfSet2 + i]);
    }
}
