#include "app/core/files/config_file_store.h"

#include "app/core/files/binary_files.h"
#include "app/core/settings/device_settings.h"
#include "app/core/files/macro_file_format.h"
#include "app/core/files/macro_folder.h"

#include <algorithm>
#include <vector>

namespace {

constexpr size_t kMacroFileBuffer = 204800;
constexpr uint8_t kDefaultLedCpiBlock[4] = {0x01, 0x02, 0xFF, 0x04};

enum class LoadMode { Replace, Append };

void LoadMacroFile(const wchar_t* name, MacroFileFamily family, MacroList& list, LoadMode mode = LoadMode::Replace) {
    std::vector<uint8_t> buffer(kMacroFileBuffer);
    size_t size = 0;
    if (!ReadBinaryFile(LocateDataFile(name), buffer.data(), buffer.size(), &size)) return;
    MacroList loaded = DecodeMacroFile(family, buffer.data(), size);
    if (mode == LoadMode::Replace) list.clear();
    list.insert(list.end(), loaded.begin(), loaded.end());
}

}  // namespace

ConfigFileStore& ConfigFileStore::Instance(SkinUI::CWindowManagerUI* manager) {
    static ConfigFileStore* const store = new ConfigFileStore(manager);
    if (manager != nullptr) store->manager_ = manager;
    return *store;
}

ConfigFileStore::ConfigFileStore(SkinUI::CWindowManagerUI* manager) : manager_(manager) {}

void ConfigFileStore::LoadMacroFileWenk(const wchar_t* name) {
    LoadMacroFile(name, MacroFileFamily::Wenk, WenkMacroList, LoadMode::Append);
}

void ConfigFileStore::LoadMacroFileKelvo(const wchar_t* name) {
    LoadMacroFile(name, MacroFileFamily::Kelvo, KelvoMacroList);
}

void ConfigFileStore::LoadMacroFileKelvoDriver(const wchar_t* name) {
    LoadMacroFile(name, MacroFileFamily::KelvoDriver, KelvoDriverMacroList);
}

void ConfigFileStore::LoadMacroFileDolv(const wchar_t* name) {
    LoadMacroFile(name, MacroFileFamily::Dolv, DolvMacroList);
}

void ConfigFileStore::LoadMacroFileMesk(const wchar_t* name) {
    LoadMacroFile(name, MacroFileFamily::Mesk, MeskMacroList);
}

void ConfigFileStore::LoadMacroFileQiro(const wchar_t* name) {
    LoadMacroFile(name, MacroFileFamily::Qiro, QiroMacroList);
}

void ConfigFileStore::LoadLedCpiFileKelvoDriver(const wchar_t* name) {
    auto& block = DeviceSettings.KelvoDriverLedCpiBlock;
    // One byte more than the block: a longer file is no block file either.
    uint8_t bytes[sizeof(kDefaultLedCpiBlock) + 1];
    size_t size = 0;
    const bool read = ReadBinaryFile(LocateDataFile(name), bytes, sizeof(bytes), &size);
    const uint8_t* source = read && size == sizeof(kDefaultLedCpiBlock) ? bytes : kDefaultLedCpiBlock;
    std::copy(source, source + sizeof(kDefaultLedCpiBlock), block.begin());
}

bool ConfigFileStore::SaveLedCpiFileKelvoDriver(const wchar_t* name) {
    const auto& block = DeviceSettings.KelvoDriverLedCpiBlock;
    return WriteBinaryFile(MacroFolderPathForWrite(name), block.data(), block.size());
}
