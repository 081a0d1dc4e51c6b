#include "app/core/settings/settings_containers.h"

bool KeyNameLess::operator()(const SkinUI::CUIString& a, const SkinUI::CUIString& b) const {
    return a.Compare(b.GetData()) < 0;
}

KeyMap WenkKeyMap1;
KeyMap WenkKeyMap2;
KeyMap WenkFunctionButtonMap1;
KeyMap WenkFunctionButtonMap2;
MacroList WenkMacroList;
MacroList WenkDeviceMacroList;
std::vector<SkinUI::CUIString> WenkProfileWordNames;
std::vector<int> WenkProfileWords;

RecordList<ButtonAssignmentEntry> KelvoButtonTable1;
RecordList<ButtonAssignmentEntry> KelvoButtonTable2;
MacroList KelvoMacroList;
RecordList<FireRecordKelvo> KelvoFireRecords;
MacroCache KelvoMacroCache;
RecordList<CpiLevelEntry> KelvoCpiLevels;

RecordList<ButtonAssignmentEntry> KelvoDriverButtonTable1;
RecordList<ButtonAssignmentEntry> KelvoDriverButtonTable2;
MacroList KelvoDriverMacroList;
MacroCache KelvoDriverMacroCache;
RecordList<CpiLevelEntry> KelvoDriverCpiLevels;

MacroList DolvMacroList;
RecordList<MacroKeyEntry> DolvMacroKeyTable1;
RecordList<MacroKeyEntry> DolvMacroKeyTable2;
RecordList<MacroKeyEntry> DolvMacroKeyTable3;
RecordList<CpiLevelEntry> DolvCpiLevels;
MacroList DolvDeviceMacroList;
RecordList<FireMacroRecord> DolvFireMacros;

MacroList MeskMacroList;
RecordList<MacroKeyEntry> MeskMacroKeyTable1;
RecordList<MacroKeyEntry> MeskMacroKeyTable2;
RecordList<MacroKeyEntry> MeskMacroKeyTable3;
RecordList<CpiLevelEntry> MeskCpiLevels;
MacroList MeskDeviceMacroList;
RecordList<FireMacroRecord> MeskFireMacros;

MacroList QiroMacroList;
RecordList<MacroKeyEntry> QiroMacroKeyTable1;
RecordList<MacroKeyEntry> QiroMacroKeyTable2;
RecordList<CpiLevelEntry> QiroCpiLevels;
MacroList QiroDeviceMacroList;
RecordList<FireMacroRecord> QiroFireMacros;

SkinUI::CUIString CurrentLanguageText;
std::map<int, int> LanguageFontMap;
SkinUI::CUIString MacroTempFolder;
