#pragma once
// What the key-assignment dialogs need to know of each mouse family: its
// button tables, key mode, macro lists, device library and binder calls.

#include "app/core/binder/device_binder.h"
#include "app/core/settings/settings_containers.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

enum class MouseFamily { Kelvo, KelvoDriver, Dolv, Mesk, Qiro };

inline bool IsKelvoFamily(MouseFamily family) {
    return family == MouseFamily::Kelvo || family == MouseFamily::KelvoDriver;
}

// Kelvo and Kelvo driver.
struct KelvoFamilyData {
    RecordList<ButtonAssignmentEntry>* tables[2];  // key mode 0 edits table 1, any other value table 2
    MacroList* macros;     // the macro files' list, offered in the dialog
    MacroCache* cache;     // the macros placed in the controller's memory
    int numberOffset;      // a placed macro's number is its position plus this
    int memoryLimit;       // data size + position - 224 may not exceed it
    void (DeviceLibraryBinder::*sendMacro)(int);
    bool (DeviceLibraryBinder::*readMacro)(int);  // into the cache, from the controller's memory
    DeviceLibrary library;
};

// Dolv, Mesk and Qiro.
struct NolxFamilyData {
    // Dolv and Mesk key modes 0, 1, 2 edit sets 1, 2, 3; Qiro 0 set 1, any
    // other value set 2; Qiro has two sets: the last is null.
    std::array<RecordList<MacroKeyEntry>*, 3> tables;
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
};

const KelvoFamilyData& KelvoData(MouseFamily family);
const NolxFamilyData& NolxData(MouseFamily family);

// The macro at a row of a macro list, null past either end.
inline MacroRef MacroAt(const MacroList& macros, int row) {
    if (row < 0 || static_cast<size_t>(row) >= macros.size()) return nullptr;
    return macros[static_cast<size_t>(row)];
}

// Where the entry sits among a family's tables: the table's index and the
// entry's position in it; none for an entry of no table.
template <class Tables, class Entry>
std::optional<std::pair<size_t, int>> PlaceIn(const Tables& tables, const Entry* entry) {
    for (size_t t = 0; t < std::size(tables); ++t) {
        if (tables[t] == nullptr) continue;
        for (size_t p = 0; p < tables[t]->size(); ++p) {
            if ((*tables[t])[p].get() == entry) return std::make_pair(t, static_cast<int>(p));
        }
    }
    return std::nullopt;
}
