#include "binder_fixture.h"

void ResetSettings() {
    DeviceSettings = DeviceSettingsRecord();
    for (KeyMap* map : {&WenkKeyMap1, &WenkKeyMap2, &WenkFunctionButtonMap1, &WenkFunctionButtonMap2}) map->clear();
    for (MacroList* list : {&WenkMacroList, &WenkDeviceMacroList, &KelvoMacroList, &KelvoDriverMacroList,
                            &DolvMacroList, &DolvDeviceMacroList, &MeskMacroList, &MeskDeviceMacroList,
                            &QiroMacroList, &QiroDeviceMacroList}) {
        list->clear();
    }
    for (auto* table : {&KelvoButtonTable1, &KelvoButtonTable2, &KelvoDriverButtonTable1, &KelvoDriverButtonTable2}) {
        table->clear();
    }
    for (auto* table : {&DolvMacroKeyTable1, &DolvMacroKeyTable2, &DolvMacroKeyTable3, &MeskMacroKeyTable1,
                        &MeskMacroKeyTable2, &MeskMacroKeyTable3, &QiroMacroKeyTable1, &QiroMacroKeyTable2}) {
        table->clear();
    }
    for (auto* levels : {&KelvoCpiLevels, &KelvoDriverCpiLevels, &DolvCpiLevels, &MeskCpiLevels, &QiroCpiLevels}) {
        levels->clear();
    }
    for (auto* macros : {&DolvFireMacros, &MeskFireMacros, &QiroFireMacros}) macros->clear();
    KelvoFireRecords.clear();
    KelvoMacroCache.clear();
    KelvoDriverMacroCache.clear();
    WenkProfileWordNames.clear();
    WenkProfileWords.clear();
}
