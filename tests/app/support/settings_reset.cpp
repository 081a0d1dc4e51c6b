#include "tests/app/support/settings_reset.h"

#include "app/core/keys/assignment_texts.h"
#include "app/core/settings/device_settings.h"
#include "app/core/pointer/pointer_settings.h"
#include "app/core/settings/settings_containers.h"
#include "app/core/keys/wenk_profile_block.h"

void ResetAppSettings() {
    for (KeyMap* map : {&WenkKeyMap1, &WenkKeyMap2, &WenkFunctionButtonMap1, &WenkFunctionButtonMap2}) map->clear();
    for (MacroList* list : {&WenkMacroList, &WenkDeviceMacroList, &KelvoMacroList, &KelvoDriverMacroList,
                            &DolvMacroList, &MeskMacroList, &QiroMacroList, &DolvDeviceMacroList,
                            &MeskDeviceMacroList, &QiroDeviceMacroList}) {
        list->clear();
    }
    KelvoMacroCache.clear();
    KelvoDriverMacroCache.clear();
    WenkProfileWordNames.clear();
    WenkProfileWords.clear();
    WenkCombinationAreas = {};
    DeviceSettings = DeviceSettingsRecord();
    PointerSettings = PointerSettingsRecord();
    DolvLastFireMacroByte = MeskLastFireMacroByte = QiroLastFireMacroByte = 0;
    MacroTempFolder.Clear();
}
