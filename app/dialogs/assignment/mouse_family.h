#pragma once
// What the key-assignment dialogs need to know of each mouse family: its
// button tables, key mode, macro lists, device library and binder calls.

#include "app/core/binder/device_binder.h"
#include "app/core/settings/settings_containers.h"

#include <array>
#include <cstdint>

enum class MouseFamily { Kelvo, KelvoDriver, Dolv, Mesk, Qiro };

inline bool IsKelvoFamily(MouseFamily family) {
    return family == MouseFamily::Kelvo || family == MouseFamily::KelvoDriver;
}

// Kelvo and Kelvo driver.
struct KelvoFamilyData {
    RecordList<ButtonAssignmentEntry>* tables[2];
    int* keyMode;
    MacroList* macros;     // the macro files' list, offered in the dialog
    MacroCache* cache;     // the macros placed in the controller's memory
    int numberOffset;      // a placed macro's number is its position plus this
    int memoryLimit;       // data size + position - 224 may not exceed it
    void (DeviceLibraryBinder::*sendMacro)(int);
    DeviceLibrary library;

    // Key mode 0 edits table 1, any other value table 2.
    RecordList<ButtonAssignmentEntry>& CurrentTable() const { return *tables[*keyMode == 0 ? 0 : 1]; }
};

// Dolv, Mesk and Qiro.
struct NolxFamilyData {
    std::array<RecordList<MacroKeyEntry>*, 3> tables;  // Qiro has two: the last is null
    int tableCount;
    int* keyMode;
    MacroList* macros;        // the macro files' list, offered in the dialog
    MacroList* deviceMacros;  // read from the controller
    std::array<FireKeyEntry, 3>* fireKeys;
    int* lastFireMacroByte;
    uint8_t* keepLeftFire;
    uint32_t extraLeftClick;  // the special-key value that clicks left in key mode 1
    bool gunVariants;         // fire presets 5 and 6 take a count from Gun6/Gun7
    bool (DeviceLibraryBinder::*writeMacro)(int, uint8_t*, const uint8_t*, int);
    bool (DeviceLibraryBinder::*readMacros)();
    bool (DeviceLibraryBinder::*writeMacroKey)(int, int);
    DeviceLibrary library;

    // Dolv and Mesk key modes 0, 1, 2 give sets 1, 2, 3; Qiro 0 gives set 1,
    // any other value set 2.
    int CurrentSet() const;
    RecordList<MacroKeyEntry>& CurrentTable() const { return *tables[static_cast<size_t>(CurrentSet())]; }
};

const KelvoFamilyData& KelvoData(MouseFamily family);
const NolxFamilyData& NolxData(MouseFamily family);

// The macro at a row of a macro list, null past either end.
inline MacroRef MacroAt(const MacroList& macros, int row) {
    if (row < 0 || static_cast<size_t>(row) >= macros.size()) return nullptr;
    return macros[static_cast<size_t>(row)];
}
