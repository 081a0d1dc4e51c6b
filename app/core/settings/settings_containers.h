#pragma once
// The program-wide containers of records, one set per controller family.
// Lists keep insertion order; maps iterate in key order. A container owns its
// records, except macros, which are shared with whoever still refers to them.
// No container has a lock: device requests of a family do not overlap, and a
// page edits its family's containers only while none runs.

#include "app/core/settings/settings_records.h"

#include <map>
#include <memory>
#include <vector>

template <class Record>
using RecordList = std::vector<std::unique_ptr<Record>>;

using MacroList = std::vector<MacroRef>;

// Macro number (the library's macro address) to the macro placed there.
using MacroCache = std::map<int, MacroRef>;

struct KeyNameLess {
    bool operator()(const SkinUI::CUIString& a, const SkinUI::CUIString& b) const;
};
using KeyMap = std::map<SkinUI::CUIString, std::unique_ptr<KeyAssignmentRecord>, KeyNameLess>;

// Wenk keyboard.
extern KeyMap WenkKeyMap1;  // "KB_%02X" -> key of set 1
extern KeyMap WenkKeyMap2;
extern KeyMap WenkFunctionButtonMap1;  // "FN_1" .. "FN_12"
extern KeyMap WenkFunctionButtonMap2;
extern MacroList WenkMacroList;
constexpr size_t kWenkDeviceMacroSlots = 6;
extern MacroList WenkDeviceMacroList;  // slot = index, at most 6
constexpr size_t kWenkProfileWordLimit = 16;
extern std::vector<SkinUI::CUIString> WenkProfileWordNames;  // at most 16
extern std::vector<int> WenkProfileWords;                     // index for index with the names

// Kelvo.
extern RecordList<ButtonAssignmentEntry> KelvoButtonTable1;  // key mode 0
extern RecordList<ButtonAssignmentEntry> KelvoButtonTable2;  // key mode 1
extern MacroList KelvoMacroList;
extern RecordList<FireRecordKelvo> KelvoFireRecords;
extern MacroCache KelvoMacroCache;
extern RecordList<CpiLevelEntry> KelvoCpiLevels;

// Kelvo driver.
extern RecordList<ButtonAssignmentEntry> KelvoDriverButtonTable1;
extern RecordList<ButtonAssignmentEntry> KelvoDriverButtonTable2;
extern MacroList KelvoDriverMacroList;
extern MacroCache KelvoDriverMacroCache;
extern RecordList<CpiLevelEntry> KelvoDriverCpiLevels;

// Dolv.
extern MacroList DolvMacroList;
extern RecordList<MacroKeyEntry> DolvMacroKeyTable1;
extern RecordList<MacroKeyEntry> DolvMacroKeyTable2;
extern RecordList<MacroKeyEntry> DolvMacroKeyTable3;
extern RecordList<CpiLevelEntry> DolvCpiLevels;
extern MacroList DolvDeviceMacroList;
extern RecordList<FireMacroRecord> DolvFireMacros;

// Mesk.
extern MacroList MeskMacroList;
extern RecordList<MacroKeyEntry> MeskMacroKeyTable1;
extern RecordList<MacroKeyEntry> MeskMacroKeyTable2;
extern RecordList<MacroKeyEntry> MeskMacroKeyTable3;
extern RecordList<CpiLevelEntry> MeskCpiLevels;
extern MacroList MeskDeviceMacroList;
extern RecordList<FireMacroRecord> MeskFireMacros;

// Qiro.
extern MacroList QiroMacroList;
extern RecordList<MacroKeyEntry> QiroMacroKeyTable1;
extern RecordList<MacroKeyEntry> QiroMacroKeyTable2;
extern RecordList<CpiLevelEntry> QiroCpiLevels;
extern MacroList QiroDeviceMacroList;
extern RecordList<FireMacroRecord> QiroFireMacros;

// Main window.
extern SkinUI::CUIString CurrentLanguageText;
extern std::map<int, int> LanguageFontMap;  // language item index -> font index
// The user's temporary folder followed by "Korvane_MacroBin"; set by the main window.
extern SkinUI::CUIString MacroTempFolder;

// The record at index, or null past either end or for an empty slot.
template <class Pointer>
auto RecordAt(const std::vector<Pointer>& list, int index) -> decltype(list[0].get()) {
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return nullptr;
    return list[static_cast<size_t>(index)].get();
}
