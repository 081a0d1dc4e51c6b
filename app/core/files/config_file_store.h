#pragma once
// The process-wide store that loads the macro files into the macro lists,
// keeps the Kelvo driver page's four LED and CPI bytes in their file and
// builds the keyboard's default key maps from "DefaultData_1.bin".
//
// Files are looked up in the macro folder first (MacroTempFolder, a backslash
// and the name); when no such file exists the name itself is used (a bare
// name relative to the current folder, a full path unchanged). A file that
// cannot be read leaves its target as it was. User-interface thread only.

#include "app/core/settings/settings_containers.h"
#include "ui/core/ui_string.h"

#include <cstddef>

namespace SkinUI {
class CWindowManagerUI;
}

class ConfigFileStore {
public:
    // The store, with the manager of the latest call that names one: the
    // manager whose control tree holds the keyboard page's
    // "key_button_container" (a main window made anew brings its own). Never
    // destroyed.
    static ConfigFileStore& Instance(SkinUI::CWindowManagerUI* manager);

    explicit ConfigFileStore(SkinUI::CWindowManagerUI* manager);
    ConfigFileStore(const ConfigFileStore&) = delete;
    ConfigFileStore& operator=(const ConfigFileStore&) = delete;

    // Appends the macros of the file to the keyboard's macro list.
    void LoadMacroFileWenk(const wchar_t* name);
    // Each replaces the family's macro list with the macros of the file.
    void LoadMacroFileKelvo(const wchar_t* name);
    void LoadMacroFileKelvoDriver(const wchar_t* name);
    void LoadMacroFileDolv(const wchar_t* name);
    void LoadMacroFileMesk(const wchar_t* name);
    void LoadMacroFileQiro(const wchar_t* name);

    // KelvoDriverLedCpiBlock from its four-byte file; 01 02 FF 04 when the
    // file cannot be read or does not hold exactly four bytes.
    void LoadLedCpiFileKelvoDriver(const wchar_t* name);
    // Writes the block into the macro folder; false when it could not, which
    // changes nothing.
    bool SaveLedCpiFileKelvoDriver(const wchar_t* name);

    // The keys of set 1 (WenkKeyMap1) or set 2 (WenkKeyMap2), one record per
    // child of the key container, and the function buttons of both sets.
    void LoadDefaultKeysSet1();
    void LoadDefaultKeysSet2();
    void LoadDefaultFunctionButtons();

private:
    void LoadDefaultKeys(size_t offset, KeyMap& keys);

    SkinUI::CWindowManagerUI* manager_;
};
