// The page's answers to its controls, on the user-interface thread. Edits go
// into the settings and the library's image under the library lock; the
// controller is written only by the commands asked of the main window.
#include "app/main/pages/kelvo/kelvo_family_page.h"

#include "app/dialogs/keyedit/key_edit_dialog.h"
#include "app/main/pages/common/control_names.h"
#include "app/main/pages/common/control_values.h"
#include "app/windows/text_numbers.h"

#include "ui/controls/check_box.h"
#include "ui/core/tab_layout.h"
#include "ui/core/window_manager.h"

using SkinUI::CControlUI;
using SkinUI::CUIString;

namespace {

constexpr int kMaxFireValue = 255;

// One press-type switch: its copies on the two key modes' pages (the gun key
// has only the second).
struct PressTypeSwitch {
    const wchar_t* copies[2];
    int DeviceSettingsRecord::* KelvoFamilyTraits::*type;
};

const PressTypeSwitch kPressTypeSwitches[] = {
    {{L"result_middle_key_switch_pro1", L"result_middle_key_switch_pro2"}, &KelvoFamilyTraits::middlePressType},
    {{L"result_cpi_key_switch_pro1", L"result_cpi_key_switch_pro2"}, &KelvoFamilyTraits::cpiPressType},
    {{nullptr, L"result_gun_key_switch_pro2"}, &KelvoFamilyTraits::gunPressType},
};

}  // namespace

void KelvoFamilyPage::HandleClick(const CUIString& name) {
    if (SameName(name, traits_.Name(L"profile1")) || SameName(name, traits_.Name(L"profile2"))) {
        SelectKeyMode(SameName(name, traits_.Name(L"profile1")) ? 0 : 1);
        return;
    }
    for (size_t tab = 0; tab < traits_.pageTabs.size(); ++tab) {
        if (SameName(name, traits_.Name(traits_.pageTabs[tab]))) {
            SelectTab(static_cast<int>(tab) + 1, name);
            return;
        }
    }
    if (SameName(name, traits_.Name(L"write_data"))) {
        RequestCommand(kKelvoWriteAll);
    } else if (SameName(name, traits_.Name(L"reset_data"))) {
        RequestCommand(kKelvoReset);
    } else if (SameName(name, traits_.Name(L"save_data")) || SameName(name, traits_.Name(L"import_data"))) {
        ChooseFile(SameName(name, traits_.Name(L"save_data")));
    } else if (SameName(name, traits_.Name(L"web_data"))) {
        if (CControlUI* link = Find(name)) services_.web->Open(link->GetUserData());
    } else if (const int row = levelRows_.RowOf(name, L"result_DPI%d_color")) {
        if (levelRows_.PickColour(GetManager(), services_.owner, row, *traits_.cpiLevels, traits_.library)) {
            const DeviceLibraryBinder::Guard guard = Lock();
            WriteCpiSettings();
        }
    } else {
        const int buttons = static_cast<int>(traits_.buttonTables[0]->size());
        for (int i = 0; i < buttons; ++i) {
            if (SameName(name, traits_.ButtonName(i + 1))) {
                EditButton(i);
                return;
            }
        }
    }
}

// The buttons' page shows the mode's table; the mode goes into the library's image.
void KelvoFamilyPage::SelectKeyMode(int mode) {
    const DeviceLibraryBinder::Guard guard = Lock();
    DeviceSettings.*traits_.keyMode = mode;
    RefreshButtons();
    (DeviceLibraryBinder::Instance().*traits_.writeKeyMode)();
}

void KelvoFamilyPage::SelectTab(int page, const CUIString& button) {
    tabs_.Reset();
    tabs_.Mark(button);
    if (auto* tabs = dynamic_cast<SkinUI::CTabLayoutUI*>(Find(traits_.Name(L"Setting_switch")))) tabs->SelectPage(page, true);
    // A list on a hidden page takes no selection: the level count is shown
    // again once its page is.
    {
        const DeviceLibraryBinder::Guard guard = Lock();
        ShowLevelCount();
    }
    OnPageShown(page);
}

void KelvoFamilyPage::ChooseFile(bool exporting) {
    const CUIString path = exporting ? services_.files->ChooseSaveFile() : services_.files->ChooseOpenFile();
    if (path.IsEmpty()) return;
    const int command = exporting ? kKelvoExport : kKelvoImport;
    SetFilePath(command, path);
    RequestCommand(command);
}

// The lock is taken around the records only: a read on a worker may replace
// the tables, and the key mode shown, while the dialog is open. The entry is
// looked up again after it in the table it was opened for, whose button shows
// the text while that table is shown; one that left no entry there is reported.
void KelvoFamilyPage::EditButton(int index) {
    RecordList<ButtonAssignmentEntry>* table = nullptr;
    KeyEditDialog* dialog = nullptr;
    {
        const DeviceLibraryBinder::Guard guard = Lock();
        table = &traits_.ActiveTable();
        ButtonAssignmentEntry* entry = RecordAt(*table, index);
        if (!entry) return;
        dialog = traits_.makeKeyEdit(services_, entry);
    }
    if (!dialog->RunDialog()) return;
    {
        const DeviceLibraryBinder::Guard guard = Lock();
        if (const ButtonAssignmentEntry* entry = RecordAt(*table, index)) {
            // The text goes on the button only while the key mode it was made for is shown.
            if (&traits_.ActiveTable() == table) ShowButton(index, *entry);
            (DeviceLibraryBinder::Instance().*traits_.writeButtonTables)(buttonCount_);
            return;
        }
    }
    services_.messages->Show(services_.owner, kAssignmentNotMade);
}

void KelvoFamilyPage::HandleSelectChanged(CControlUI* sender, const CUIString& name) {
    if (pointerControls_.OnSelectChanged(GetManager(), sender) || HandlePressType(sender, name)) return;
    if (SameName(name, traits_.Name(L"result_fire_continue"))) {
        HandleFireContinue(sender);
        return;
    }
    // The options below act when they become selected: a group's other
    // option reports its clearing too.
    if (!IsSelected(sender)) return;
    if (const int row = levelRows_.RowOf(name, L"result_DPI%d_check")) {
        const DeviceLibraryBinder::Guard guard = Lock();
        SelectLevel(row - 1);
        return;
    }
    const DeviceLibraryBinder::Guard guard = Lock();
    HandleLedSelect(name);
}

bool KelvoFamilyPage::HandlePressType(CControlUI* sender, const CUIString& name) {
    for (const PressTypeSwitch& entry : kPressTypeSwitches) {
        for (int copy = 0; copy < 2; ++copy) {
            if (!entry.copies[copy] || !SameName(name, traits_.Name(entry.copies[copy]))) continue;
            const bool checked = IsSelected(sender);
            {
                const DeviceLibraryBinder::Guard guard = Lock();
                DeviceSettings.*(traits_.*entry.type) = checked ? 1 : 0;
            }
            // The other key mode's copy follows, with its own notification.
            const wchar_t* other = entry.copies[1 - copy];
            if (auto* box = other ? dynamic_cast<SkinUI::CCheckBoxUI*>(Find(traits_.Name(other))) : nullptr) {
                box->SetChecked(checked, true);
            }
            const DeviceLibraryBinder::Guard guard = Lock();
            SendPressTypes();
            return true;
        }
    }
    return false;
}

void KelvoFamilyPage::HandleFireContinue(CControlUI* sender) {
    const bool continuous = IsSelected(sender);
    CControlUI* count = Find(traits_.Name(L"result_fire_count"));
    const DeviceLibraryBinder::Guard guard = Lock();
    DeviceSettings.*traits_.fireCount = continuous ? kContinuousFire : LeadingInteger(count ? count->GetText() : L"") - 1;
    if (count) count->SetEnabled(!continuous);
    (DeviceLibraryBinder::Instance().*traits_.writeFireSettings)();
}

void KelvoFamilyPage::HandleLevelCount(int selected) {
    const int count = selected + 2;
    const DeviceLibraryBinder::Guard guard = Lock();
    SetLevelCount(count);
    levelRows_.Enable(GetManager(), count);
    levelRows_.Check(GetManager(), CurrentLevel() + 1);
    WriteCpiSettings();
}

void KelvoFamilyPage::HandleValue(CControlUI* sender, const CUIString& name, bool changing) {
    const int value = SliderValue(sender);
    if (const int row = levelRows_.RowOf(name, L"result_DPI%d_slider")) {
        levelRows_.ShowStepText(GetManager(), row, value);
        if (changing) return;
        const DeviceLibraryBinder::Guard guard = Lock();
        if (CpiLevelEntry* level = RecordAt(*traits_.cpiLevels, row - 1)) level->value = value;
        WriteCpiSettings();
        return;
    }
    // These sliders only show their value beside them.
    const struct {
        const wchar_t* slider;
        const wchar_t* display;
    } displays[] = {{L"led_light", L"led_light_display"}, {L"led_Speed", L"led_Speed_dispaly"}};
    for (const auto& display : displays) {
        if (!SameName(name, traits_.Name(display.slider))) continue;
        if (CControlUI* label = Find(traits_.Name(display.display))) label->SetText(DecimalText(value));
        return;
    }
    if (changing || pointerControls_.OnValueChanged(sender)) return;
    const DeviceLibraryBinder::Guard guard = Lock();
    HandleLedValue(name, value);
}

void KelvoFamilyPage::HandleTextChanged(CControlUI* sender, const CUIString& name) {
    const bool count = SameName(name, traits_.Name(L"result_fire_count"));
    if (!count && !SameName(name, traits_.Name(L"result_fire_time"))) return;
    const int value = LeadingInteger(sender->GetText());
    if (value > kMaxFireValue) {
        sender->SetText(DecimalText(kMaxFireValue));
        return;
    }
    const DeviceLibraryBinder::Guard guard = Lock();
    if (count) {
        DeviceSettings.*traits_.fireCount = value - 1;
    } else {
        DeviceSettings.*traits_.fireTime = value;
    }
    (DeviceLibraryBinder::Instance().*traits_.writeFireSettings)();
}
