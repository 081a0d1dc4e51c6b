#pragma once
// What tells the Kelvo page and the Kelvo driver page apart where they work
// alike: control-name suffix, layout, notification names, tabs, the family's
// settings and containers, its configuration image and the library calls.

#include "app/core/binder/device_binder.h"
#include "app/core/settings/constants.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "app/windows/page_services.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class KeyEditDialog;

struct KelvoFamilyTraits {
    DeviceLibrary library;
    const wchar_t* suffix;  // "_Kelvo": ends every control name of the page
    const wchar_t* layout;
    const FamilyNotificationNames* notifications;
    // The tab buttons after the two key-mode tabs; tab i shows page i + 1 of
    // "Setting_switch".
    std::vector<const wchar_t*> pageTabs;
    // Configuration files: the image size, the shortest file an import
    // sends and the file the reset imports.
    size_t imageSize;
    size_t smallestImport;
    const wchar_t* resetFile;

    int DeviceSettingsRecord::*keyMode;
    int DeviceSettingsRecord::*cpiCount;
    int DeviceSettingsRecord::*fireCount;  // 255: continuous fire
    int DeviceSettingsRecord::*fireTime;
    int DeviceSettingsRecord::*middlePressType;
    int DeviceSettingsRecord::*cpiPressType;
    int DeviceSettingsRecord::*gunPressType;
    RecordList<ButtonAssignmentEntry>* buttonTables[2];  // by key mode
    RecordList<CpiLevelEntry>* cpiLevels;
    // Mirrors the controller's macro memory, by macro number.
    MacroCache* macroCache;

    // The library's exports, each 0 on success; an unbound export fails.
    int (*open)(const DeviceEntries&);
    int (*readDevice)(const DeviceEntries&);
    int (*copyImage)(const DeviceEntries&, uint8_t* image, int size);
    int (*writeImage)(const DeviceEntries&, const uint8_t* image, int size);

    // The binder's wrappers of the family.
    bool (DeviceLibraryBinder::*readButtonTable)(int table, int count);
    bool (DeviceLibraryBinder::*writeButtonTables)(int count);
    bool (DeviceLibraryBinder::*readFireSettings)();
    bool (DeviceLibraryBinder::*writeFireSettings)();
    bool (DeviceLibraryBinder::*readCpiSettings)();
    bool (DeviceLibraryBinder::*writeCpiSettings)();
    bool (DeviceLibraryBinder::*readKeyMode)();
    bool (DeviceLibraryBinder::*writeKeyMode)();

    SkinUI::CUIString (*assignmentText)(int type, int codeHigh, int codeLow);
    // The family's key-assignment dialog on the entry, to be run modally
    // (KeyEditDialog::RunDialog); made under the family's lock.
    KeyEditDialog* (*makeKeyEdit)(const PageServices& services, ButtonAssignmentEntry* entry);

    // The control name of the family: base + suffix, "%d" replaced by number.
    SkinUI::CUIString Name(const wchar_t* base, int number = 0) const;
    // "profile_key_Kelvo_%d" with the number.
    SkinUI::CUIString ButtonName(int number) const;
    // The table the key mode selects: table 1 for 0, table 2 otherwise.
    RecordList<ButtonAssignmentEntry>& ActiveTable() const;
};

const KelvoFamilyTraits& KelvoTraits();
const KelvoFamilyTraits& KelvoDriverTraits();
