#include "app/main/pages/keyboard/keyboard_page.h"

#include "app/core/binder/device_binder.h"
#include "app/core/files/config_file_store.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "app/dialogs/keyboard/key_edit.h"
#include "app/macro/keyboard/marco_manger.h"
#include "app/main/pages/common/control_values.h"
#include "app/main/pages/keyboard/key_images.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo.h"
#include "ui/controls/label.h"
#include "ui/controls/option.h"
#include "ui/controls/slider.h"
#include "ui/core/window_manager.h"

using SkinUI::CUIString;

namespace {

constexpr wchar_t kLayout[] = L"XML\\KeyboardPage.xml";
constexpr wchar_t kMacroFile[] = L"MacroKeyBoardData_Kelvo.bin";

KeyMap& ActiveKeyMap() { return DeviceSettings.WenkActiveSet == 1 ? WenkKeyMap2 : WenkKeyMap1; }
KeyMap& ActiveFunctionButtons() {
    return DeviceSettings.WenkActiveSet == 1 ? WenkFunctionButtonMap2 : WenkFunctionButtonMap1;
}

// The LED block of the active set; set 0's while the set is neither.
WenkLedBlock& ActiveLedBlock() { return DeviceSettings.WenkLedBlocks[DeviceSettings.WenkActiveSet == 1 ? 1 : 0]; }

KeyAssignmentRecord* FindRecord(KeyMap& map, const CUIString& name) {
    const auto found = map.find(name);
    return found != map.end() ? found->second.get() : nullptr;
}

CUIString Decimal(int value) {
    CUIString text;
    text.Format(L"%d", value);
    return text;
}

DeviceLibraryBinder::Guard LockWenk() { return DeviceLibraryBinder::Instance().LockLibrary(DeviceLibrary::Wenk); }

}  // namespace

CDialogKeySetting::CDialogKeySetting(const PageServices& services) : services_(services) {}

CDialogKeySetting::~CDialogKeySetting() { PostQuitMessage(0); }

SkinUI::CControlUI* CDialogKeySetting::CreateControl(const wchar_t*) { return nullptr; }

void CDialogKeySetting::OnInitialize() {
    m_manager->AddNotifyReceiver(this);
    SkinUI::CLayoutBuilderUI builder;
    if (SkinUI::CControlUI* root = builder.Create(kLayout, nullptr, this, m_manager)) AddItem(root);

    const DeviceLibraryBinder::Guard guard = LockWenk();
    ConfigFileStore& store = ConfigFileStore::Instance(m_manager);
    store.LoadDefaultKeysSet1();
    store.LoadDefaultKeysSet2();
    store.LoadDefaultFunctionButtons();
    store.LoadMacroFileWenk(kMacroFile);
}

void CDialogKeySetting::RefreshControls() {
    SkinUI::CControlUI* page = m_manager->FindControlByName(L"device_keyboard_page");
    if (connected_ == 0) {
        if (page) page->SetEnabled(false);
        return;
    }
    if (page) page->SetEnabled(true);
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        SkinUI::CControlUI* keys = m_manager->FindControlByName(L"key_button_container");
        auto* container = keys ? static_cast<SkinUI::IContainerUI*>(keys->GetInterfaceByName(L"IContainer")) : nullptr;
        KeyMap& map = ActiveKeyMap();
        for (int i = 0; container && i < container->GetCount(); ++i) {
            SkinUI::CControlUI* key = container->GetItemAt(i);
            const KeyAssignmentRecord* record = FindRecord(map, key->GetName());
            auto* button = static_cast<SkinUI::CButtonUI*>(key->GetInterfaceByName(L"Button"));
            if (record && button) button->SetNormalImage(RefreshedKeyImage(*record));
        }
    }
    CUIString option;
    option.Format(L"profile%d", DeviceSettings.WenkActiveSet);
    auto* profile = Find<SkinUI::COptionUI>(option, L"Option");
    if (profile && !profile->IsSelected()) profile->Selected(true, true);
    RefreshLedControls();
}

// Sets the controls without their edit handling: a refresh never changes the
// stored block, also for a type past the combo's items.
void CDialogKeySetting::RefreshLedControls() {
    WenkLedBlock block;
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        block = ActiveLedBlock();
    }
    if (auto* light = Find<SkinUI::CSliderUI>(L"led_light", L"Slider")) light->SetValue(block.brightness);
    if (auto* speed = Find<SkinUI::CSliderUI>(L"led_Speed", L"Slider")) speed->SetValue(block.speed);
    if (auto* type = Find<SkinUI::CComboUI>(L"led_type_combo", L"Combo")) type->SelectItem(block.type, false, false);
    // Checked = sync on, the byte the "selectchanged" handling stores.
    if (auto* sync = Find<SkinUI::CCheckBoxUI>(L"led_sync", L"CheckBox")) sync->SetChecked(block.sync == 1, false);
    if (SkinUI::CControlUI* label = m_manager->FindControlByName(L"led_light_display")) label->SetText(Decimal(block.brightness));
    if (SkinUI::CControlUI* label = m_manager->FindControlByName(L"led_Speed_dispaly")) label->SetText(Decimal(block.speed));
}

void CDialogKeySetting::Notify(SkinUI::NotifyRecordUI& record) {
    if (record.sender && !IsOnPage(record.sender, this)) return;
    const CUIString name = record.sender ? record.sender->GetName() : CUIString();
    if (record.type.CompareNoCase(L"click") == 0) {
        OnClick(name);
    } else if (record.type.CompareNoCase(L"selectchanged") == 0) {
        OnSelectChanged(name);
    } else if (record.type.CompareNoCase(L"itemselect") == 0) {
        if (name == L"led_type_combo") {
            auto* combo = static_cast<SkinUI::CComboUI*>(record.sender->GetInterfaceByName(L"Combo"));
            const DeviceLibraryBinder::Guard guard = LockWenk();
            if (combo && combo->GetCurSel() >= 0) ActiveLedBlock().type = static_cast<uint8_t>(combo->GetCurSel());
        }
    } else if (record.type.CompareNoCase(L"valuechanged") == 0) {
        OnValueChanged(name, true);
    } else if (record.type.CompareNoCase(L"valuechanging") == 0) {
        OnValueChanged(name, false);
    } else if (record.type.CompareNoCase(L"Wenk_Connet_Error") == 0) {
        connected_ = 0;
        RefreshControls();
    } else if (record.type.CompareNoCase(L"READ_WenkDATA") == 0) {
        connected_ = 1;
        RefreshControls();
    }
}

void CDialogKeySetting::OnClick(const CUIString& name) {
    KeyAssignmentRecord* key = nullptr;
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        key = FindRecord(ActiveKeyMap(), name);
    }
    if (key) {
        EditKey(name, *key);
    } else if (name == L"FN_Setting") {
        EditFunctionButton();
    } else if (name == L"marco_manager") {
        MarcoManger::Open(services_.owner, services_.files);
    } else if (name == L"write_data_Wenk") {
        m_manager->SendNotification(nullptr, L"WRITE_WenkDATA", 0, 0, true, true);
    } else if (name == L"reset_data_Wenk") {
        ResetToDefaults();
    } else if (name == L"save_data_Wenk") {
        ExportConfiguration();
    } else if (name == L"import_data_Wenk") {
        ImportConfiguration();
    }
}

void CDialogKeySetting::OnSelectChanged(const CUIString& name) {
    if (name == L"profile0" || name == L"profile1") {
        {
            const DeviceLibraryBinder::Guard guard = LockWenk();
            DeviceSettings.WenkActiveSet = name == L"profile1" ? 1 : 0;
        }
        RefreshControls();
    } else if (name == L"led_sync") {
        auto* sync = Find<SkinUI::CCheckBoxUI>(name, L"CheckBox");
        const DeviceLibraryBinder::Guard guard = LockWenk();
        if (sync) ActiveLedBlock().sync = sync->IsChecked() ? 1 : 0;
    }
}

// While dragging only the label follows; a finished change is stored.
void CDialogKeySetting::OnValueChanged(const CUIString& name, bool stored) {
    const bool light = name == L"led_light";
    if (!light && name != L"led_Speed") return;
    auto* slider = Find<SkinUI::CSliderUI>(name, L"Slider");
    if (!slider) return;
    const int value = slider->GetValue();
    if (!stored) {
        if (SkinUI::CControlUI* label = m_manager->FindControlByName(light ? L"led_light_display" : L"led_Speed_dispaly")) {
            label->SetText(Decimal(value));
        }
        return;
    }
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        WenkLedBlock& block = ActiveLedBlock();
        (light ? block.brightness : block.speed) = static_cast<uint8_t>(value);
    }
    RefreshLedControls();
}

void CDialogKeySetting::EditKey(const CUIString& keyName, KeyAssignmentRecord& record) {
    auto* dialog = new KeyEdit(services_.owner, record, services_.messages);
    if (!dialog->RunDialog()) return;
    auto* button = Find<SkinUI::CButtonUI>(keyName, L"Button");
    const DeviceLibraryBinder::Guard guard = LockWenk();
    if (button) button->SetNormalImage(EditedKeyImage(record));
}

void CDialogKeySetting::EditFunctionButton() {
    KeyAssignmentRecord* button = nullptr;
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        button = FindRecord(ActiveFunctionButtons(), L"FN_1");
    }
    if (!button) return;
    auto* dialog = new KeyEdit(services_.owner, *button, services_.messages);
    dialog->RunDialogForFnKey();
}
