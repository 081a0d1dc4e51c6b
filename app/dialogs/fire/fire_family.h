#pragma once
// What tells the four fire-key pages apart: layout, control names, stage
// count, step buffer, records and how they reach the controller.

#include "app/core/binder/device_binder.h"
#include "app/core/settings/settings_containers.h"
#include "app/dialogs/fire/stage_control.h"
#include "ui/core/ui_string.h"

#include <cstdint>
#include <vector>

constexpr int kFirePresets = 7;
constexpr int kMaxFireStages = 3;

struct FireFamily {
    enum class Steps { Kelvo, Nolx };

    Steps steps;
    const wchar_t* suffix;  // "_Kelvo", "_Dolv", ...
    const wchar_t* layout;
    DeviceLibrary library;
    int stepBytes;
    // Qiro: one stage per preset (preset p is record p), no stage digit in
    // the value and colour names.
    bool oneStage;
    // Mesk and Qiro: a trace line for every notification with a sender.
    bool tracesNotifications;
    // Qiro: the keep-left box re-sends the fire-preset keys at once.
    bool keepLeftResendsKeys;
    uint8_t* keepLeftFlag;                   // Nolx only
    RecordList<FireMacroRecord>* fireMacros;  // Nolx only
    bool (DeviceLibraryBinder::*writeFireMacro)(int index);  // Nolx only

    // The records of the preset's stages, in stage order.
    std::vector<int> PresetRecords(int preset) const;
    // A stage's control, stage from 0.
    SkinUI::CUIString ControlName(StageControl control, int stage) const;
    SkinUI::CUIString PresetButtonName(int preset) const;
    SkinUI::CUIString KeepLeftName() const;
    // The value controls of a stage, in the order LoadPreset shows and hides them.
    std::vector<StageControl> StageControls() const;
};

extern const FireFamily FireFamilyKelvo;
extern const FireFamily FireFamilyDolv;
extern const FireFamily FireFamilyMesk;
extern const FireFamily FireFamilyQiro;
