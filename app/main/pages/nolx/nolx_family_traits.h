#pragma once
// What tells the Qiro, Dolv and Mesk pages apart: control-name suffix,
// layout, notification names, the family's settings and containers, and the
// library calls each page operation makes.

#include "app/core/binder/device_binder.h"
#include "app/core/files/config_file_store.h"
#include "app/core/settings/constants.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "app/main/pages/common/control_names.h"
#include "app/windows/page_services.h"

#include <array>
#include <cstdint>
#include <vector>

class FireKeyEdit;
class MouseMacroManager;
class KeyEditDialog;

struct NolxFamilyTraits {
    DeviceLibrary library;
    const wchar_t* suffix;  // "_Qiro": ends every control name of the page
    const wchar_t* layout;
    const SkinUI::CUIString* macroFile;
    const FamilyNotificationNames* notifications;
    const wchar_t* macroManagerTag;
    const wchar_t* fireKeyEditorTag;

    // Tab buttons: the profile buttons first (button i selects profile i),
    // then the fire-key, macro, advanced and lighting tabs.
    std::vector<const wchar_t*> profileTabs;
    const wchar_t* buttonPattern;    // full name, "%d" = button 1..n
    const wchar_t* buttonContainer;  // its child count is the number of buttons read
    std::vector<RecordList<MacroKeyEntry>*> keyTables;  // one per profile

    const std::vector<SkinUI::CUIString>* dpiSteps;
    int fireMacroCount;
    std::vector<const wchar_t*> ledModeOptions;  // option i selects mode i
    bool hasButtonSwitches;
    // A reset button (base name) and the default file it chooses; a null file
    // leaves the choice to the reset command.
    struct ResetButton {
        const wchar_t* base;
        const wchar_t* file;
    };
    std::vector<ResetButton> resetButtons;
    // The file the reset command imports; null: the file its button chose.
    const wchar_t* resetFile;
    // Shown (language tokens replaced) when an import cannot open the
    // controller; null: the import ends silently.
    const wchar_t* importOpenFailureText;
    // How many more times a failed read after an import is tried.
    int importRereadRetries;
    // Whether every notification with a sender leaves a line in the debugger output.
    bool traceNotifications;

    void (ConfigFileStore::*loadMacroFile)(const wchar_t* name);
    SkinUI::CUIString (*assignmentText)(int type, int p1, int p2, int p3);

    // The family's key-assignment dialog on the entry, to be run modally
    // (KeyEditDialog::RunDialog); made under the family's lock.
    KeyEditDialog* (*makeKeyEdit)(const PageServices& services, MacroKeyEntry* entry);
    // The editors the page embeds for its macro-manager and fire-key tags.
    MouseMacroManager* (*makeMacroManager)(const PageServices& services);
    FireKeyEdit* (*makeFireKeyEditor)(const PageServices& services);
    // Mesk: tells its key-assignment dialog whether the page offers fire
    // macros; null for the others.
    bool* fireMacroAvailable;

    int DeviceSettingsRecord::*keyMode;
    int DeviceSettingsRecord::*activeCpiLevel;  // 1-based
    int DeviceSettingsRecord::*cpiLevelCount;
    int DeviceSettingsRecord::*reportRate;
    int DeviceSettingsRecord::*ledRate;
    int DeviceSettingsRecord::*ledOn;
    int DeviceSettingsRecord::*ledMode;
    std::array<FireKeyEntry, 3> DeviceSettingsRecord::*fireKeys;
    RecordList<CpiLevelEntry>* cpiLevels;
    RecordList<FireMacroRecord>* fireMacros;
    MacroList* deviceMacros;

    // The library's exports, each 0 on success; an unbound export fails.
    int (*open)(const DeviceEntries&, uint8_t openFlag);
    int (*readDeviceData)(const DeviceEntries&);
    int (*getChangeData)(const DeviceEntries&, uint8_t report[4]);
    int (*getDataByAddress)(const DeviceEntries&, int address, int* value);
    int (*readImage)(const DeviceEntries&, uint8_t image[2048]);
    int (*writeImage)(const DeviceEntries&, const uint8_t image[2048]);

    // The binder's wrappers of the family.
    bool (DeviceLibraryBinder::*readKeyMode)();
    bool (DeviceLibraryBinder::*writeKeyMode)();
    bool (DeviceLibraryBinder::*readMacros)();
    bool (DeviceLibraryBinder::*readFireKeys)();
    bool (DeviceLibraryBinder::*writeFireKey)(int key);
    bool (DeviceLibraryBinder::*readMacroKeys)(int set, int count);
    bool (DeviceLibraryBinder::*writeMacroKey)(int set, int index);
    bool (DeviceLibraryBinder::*readFireMacro)(int index);
    bool (DeviceLibraryBinder::*readCpiSettings)();
    bool (DeviceLibraryBinder::*writeCpiSettings)();
    bool (DeviceLibraryBinder::*writeActiveCpiLevel)();
    bool (DeviceLibraryBinder::*readReportRate)();
    bool (DeviceLibraryBinder::*writeReportRate)();
    bool (DeviceLibraryBinder::*readLedBreath)();
    bool (DeviceLibraryBinder::*writeLedBreath)();
    // Null for families without combo keys.
    bool (DeviceLibraryBinder::*readComboKeys)();
    bool (DeviceLibraryBinder::*writeComboKeys)();

    // The control name of the family: base + suffix, "%d" replaced by number.
    SkinUI::CUIString Name(const wchar_t* base, int number = 0) const;
    SkinUI::CUIString ButtonName(int number) const;
    // The key table the page shows: its index in keyTables, and the table.
    int ActiveSet() const;
    RecordList<MacroKeyEntry>& ActiveTable() const;
    const wchar_t* TabName(int tab) const;  // see tab ids below
    int ProfileCount() const { return static_cast<int>(profileTabs.size()); }
};

// The tabs after the profile buttons, in "Setting_switch" page order.
enum NolxTab { kTabMacros = 1, kTabAdvanced = 2, kTabLighting = 3, kTabFireKeys = 4 };

const NolxFamilyTraits& QiroFamilyTraits();
const NolxFamilyTraits& DolvFamilyTraits();
const NolxFamilyTraits& MeskFamilyTraits();
