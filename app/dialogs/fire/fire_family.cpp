#include "app/dialogs/fire/fire_family.h"

#include "app/windows/nolx_fire_state.h"

using SkinUI::CUIString;

const FireFamily FireFamilyKelvo = {
    FireFamily::Steps::Kelvo, L"_Kelvo", L"XML\\FireKeyEdit_Kelvo.xml", DeviceLibrary::Kelvo, 24, false, false,
    false, nullptr, nullptr, nullptr};
const FireFamily FireFamilyDolv = {
    FireFamily::Steps::Nolx, L"_Dolv", L"XML\\FireKeyEdit_Dolv.xml", DeviceLibrary::Dolv, 24, false, false,
    false, &keepLeftFireFlagDolv, &DolvFireMacros, &DeviceLibraryBinder::WriteFireMacroDolv};
const FireFamily FireFamilyMesk = {
    FireFamily::Steps::Nolx, L"_Mesk", L"XML\\FireKeyEdit_Mesk.xml", DeviceLibrary::Mesk, 32, false, true,
    false, &keepLeftFireFlagMesk, &MeskFireMacros, &DeviceLibraryBinder::WriteFireMacroMesk};
const FireFamily FireFamilyQiro = {
    FireFamily::Steps::Nolx, L"_Qiro", L"XML\\FireKeyEdit_Qiro.xml", DeviceLibrary::Qiro, 24, true, true,
    true, &keepLeftFireFlagQiro, &QiroFireMacros, &DeviceLibraryBinder::WriteFireMacroQiro};

namespace {

const wchar_t* const kPresetNames[kFirePresets] = {L"gun_AKM",     L"gun_M16",          L"gun_M4",
                                                   L"gun_UMP9",    L"gun_SCAR-L",       L"gun_556mm_Fire",
                                                   L"gun_762mm_Fire"};

const wchar_t* BaseName(StageControl control, bool oneStage) {
    switch (control) {
    case StageControl::KelvoStop: return L"fire_stop_check_";
    case StageControl::KelvoCount: return L"result_fire_count";
    case StageControl::KelvoY: return L"result_fire_Y-Axis";
    case StageControl::KelvoOffset: return L"result_fire_Y-Axis_offset";
    case StageControl::KelvoDelay: return L"result_fire_delay_times";
    case StageControl::NolxCount: return oneStage ? L"result_fire_count" : L"result_fire_gun_count";
    case StageControl::NolxX: return L"result_fire_X_Value";
    case StageControl::NolxXAdjust: return L"result_fire_X_Adjustment_Value";
    case StageControl::NolxY: return L"result_fire_Y_Value";
    case StageControl::NolxYAdjust: return L"result_fire_Y_Adjustment_Value";
    case StageControl::NolxTime: return L"result_fire_shoot_time_Value";
    case StageControl::Colour: return L"result_fire_color";
    }
    return L"";
}

}  // namespace

std::vector<int> FireFamily::PresetRecords(int preset) const {
    if (preset < 0 || preset >= kFirePresets) return {};
    if (oneStage || preset < 5) return {preset};
    if (preset == 5) return {5, 6};
    return {7, 8, 9};
}

CUIString FireFamily::ControlName(StageControl control, int stage) const {
    CUIString name = BaseName(control, oneStage);
    if (!oneStage) {
        CUIString digit;
        digit.Format(L"%d", stage + 1);
        name += digit;
    }
    name += suffix;
    return name;
}

CUIString FireFamily::PresetButtonName(int preset) const { return CUIString(kPresetNames[preset]) + suffix; }

CUIString FireFamily::KeepLeftName() const { return CUIString(L"keep_left_check") + suffix; }

std::vector<StageControl> FireFamily::StageControls() const {
    if (steps == Steps::Kelvo) {
        return {StageControl::KelvoStop,  StageControl::KelvoCount, StageControl::KelvoY,
                StageControl::KelvoOffset, StageControl::KelvoDelay, StageControl::Colour};
    }
    return {StageControl::NolxCount,   StageControl::NolxX,    StageControl::NolxXAdjust, StageControl::NolxY,
            StageControl::NolxYAdjust, StageControl::NolxTime, StageControl::Colour};
}
