#include "app/main/pages/kelvo/dialog_mouse_kelvo_setting.h"

#include "app/core/files/config_file_store.h"
#include "app/dialogs/fire/fire_key_edit.h"
#include "app/macro/managers/marco_manger_kelvo.h"
#include "app/main/pages/common/control_names.h"
#include "app/main/pages/common/control_values.h"

#include "ui/controls/slider.h"

#include <cwchar>

using SkinUI::CUIString;

namespace {

constexpr int kFireRecords = 10;
constexpr int kFirePage = 4;

}  // namespace

CDialogMouseKelvoSetting::CDialogMouseKelvoSetting(const PageServices& services)
    : KelvoFamilyPage(services, KelvoTraits()) {}

SkinUI::CControlUI* CDialogMouseKelvoSetting::CreateControl(const wchar_t* tag) {
    if (!tag) return nullptr;
    if (_wcsicmp(tag, L"MacroSettingPage_Kelvo") == 0) return new MarcoManger_Kelvo(Services().owner);
    if (_wcsicmp(tag, L"FireMacroSettingPage_Kelvo") == 0) {
        fireEditor_ = new FireKeyEdit_Kelvo(Services());
        return fireEditor_;
    }
    return nullptr;
}

void CDialogMouseKelvoSetting::LoadDataFiles() {
    ConfigFileStore::Instance(GetManager()).LoadMacroFileKelvo(MacroFileKelvo);
}

void CDialogMouseKelvoSetting::ReadFamilySettings() {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    KelvoFireRecords.clear();
    for (int i = 0; i < kFireRecords; ++i) binder.ReadFireRecordKelvo(i);
    binder.ReadFireSettingsKelvo();
    binder.ReadCpiSettingsKelvo();
    binder.ReadLedStateKelvo();
    binder.ReadKeyPressTypesKelvo();
    binder.ReadKeyModeKelvo();
}

bool CDialogMouseKelvoSetting::WriteWholeDevice() {
    return MousePresent() && DeviceLibraryBinder::Instance().WriteDeviceKelvo();
}

int CDialogMouseKelvoSetting::CurrentLevel() const { return DeviceSettings.KelvoCurrentCpi; }

void CDialogMouseKelvoSetting::SelectLevel(int level) {
    DeviceSettings.KelvoCurrentCpi = level;
    WriteCpiSettings();
}

void CDialogMouseKelvoSetting::SetLevelCount(int count) {
    DeviceSettings.KelvoCpiCount = count;
    DeviceSettings.KelvoCurrentCpi = count - 1;
}

void CDialogMouseKelvoSetting::HandleLedSelect(const CUIString& name) {
    int& mode = DeviceSettings.KelvoLedMode;
    int& light = DeviceSettings.KelvoLedLight;
    int& off = DeviceSettings.KelvoLedOnOff;
    if (SameName(name, Traits().Name(L"result_LED_light_all"))) {
        light = 1;
    } else if (SameName(name, Traits().Name(L"result_LED_light_half"))) {
        light = 0;
    } else if (SameName(name, Traits().Name(L"result_LED_status_on"))) {
        off = 0;
    } else if (SameName(name, Traits().Name(L"result_LED_status_off"))) {
        off = 1;
    } else {
        int picked = -1;
        for (int i = 0; i < kLedModes; ++i) {
            if (SameName(name, Traits().Name(kLedModeOptions[i]))) picked = i;
        }
        if (picked < 0) return;
        mode = picked;
    }
    DeviceLibraryBinder::Instance().WriteLedStateKelvo();
}

void CDialogMouseKelvoSetting::HandleLedValue(const CUIString& name, int value) {
    if (!SameName(name, Traits().Name(L"result_mode_speed"))) return;
    DeviceSettings.KelvoLedStep = value;
    DeviceLibraryBinder::Instance().WriteLedStateKelvo();
}

void CDialogMouseKelvoSetting::SendPressTypes() { DeviceLibraryBinder::Instance().WriteKeyPressTypesKelvo(); }

void CDialogMouseKelvoSetting::RefreshFamilyControls() {
    const bool off = DeviceSettings.KelvoLedOnOff != 0;
    ShowSelected(Find(Traits().Name(L"result_LED_status_on")), !off);
    ShowSelected(Find(Traits().Name(L"result_LED_status_off")), off);
    const bool all = DeviceSettings.KelvoLedLight != 0;
    ShowSelected(Find(Traits().Name(L"result_LED_light_all")), all);
    ShowSelected(Find(Traits().Name(L"result_LED_light_half")), !all);
    // The wrappers keep the mode as its index, the option's place in the list.
    for (int i = 0; i < kLedModes; ++i) {
        ShowSelected(Find(Traits().Name(kLedModeOptions[i])), DeviceSettings.KelvoLedMode == i);
    }
    if (auto* speed = dynamic_cast<SkinUI::CSliderUI*>(Find(Traits().Name(L"result_mode_speed")))) {
        speed->SetValue(DeviceSettings.KelvoLedStep);
    }
    // The records were read again: the preset shown is shown from them, so
    // that its edits land on their steps.
    if (fireEditor_ && fireEditor_->PresetIndex() >= 0) fireEditor_->LoadPreset(fireEditor_->PresetIndex());
}

void CDialogMouseKelvoSetting::OnPageShown(int page) {
    if (page == kFirePage && fireEditor_) fireEditor_->SelectFirstPresetIfNone();
}
