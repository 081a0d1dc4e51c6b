// The page's answers to its controls, on the user-interface thread. Device
// work is asked of the main window by command code; what that work needs of
// the controls is taken into the settings (under the family lock) first.
#include "app/main/pages/nolx/nolx_mouse_page.h"

#include "app/main/pages/common/control_values.h"
#include "app/dialogs/fire/fire_key_edit.h"

#include "ui/controls/check_box.h"
#include "ui/controls/option.h"
#include "ui/controls/slider.h"
#include "ui/core/tab_layout.h"

using SkinUI::CControlUI;
using SkinUI::CUIString;

namespace {

constexpr int kReportRates = 4;

struct SwitchBoxName {
    const wchar_t* base;
    bool ButtonSwitchBoxes::*box;
};

const SwitchBoxName kSwitchBoxes[] = {
    {L"result_back_key_switch_led", &ButtonSwitchBoxes::backLed},
    {L"result_middle_key_switch_mode", &ButtonSwitchBoxes::middle},
    {L"result_cpi_key_switch_mode", &ButtonSwitchBoxes::dpi},
    {L"result_cpi+_key_switch_mode", &ButtonSwitchBoxes::dpiPlus},
    {L"result_cpi-_key_switch_mode", &ButtonSwitchBoxes::dpiMinus},
    {L"result_back_key_switch_mode", &ButtonSwitchBoxes::backMode},
    {L"result_forward_key_switch_mode", &ButtonSwitchBoxes::forwardMode},
    {L"result_gun_key_switch_mode", &ButtonSwitchBoxes::gun},
};

}  // namespace

void NolxMousePage::HandleClick(const CUIString& name) {
    for (int profile = 0; profile < traits_.ProfileCount(); ++profile) {
        if (SameName(name, traits_.Name(traits_.profileTabs[static_cast<size_t>(profile)]))) {
            SelectProfile(profile);
            return;
        }
    }
    for (int tab = kTabMacros; tab <= kTabFireKeys; ++tab) {
        if (SameName(name, traits_.Name(traits_.TabName(tab)))) {
            SelectTab(tab, name);
            return;
        }
    }
    for (const NolxFamilyTraits::ResetButton& reset : traits_.resetButtons) {
        if (!SameName(name, traits_.Name(reset.base))) continue;
        if (reset.file) SetFilePath(kResetDevice, reset.file);
        RequestCommand(kResetDevice);
        return;
    }
    if (const int button = ButtonNumberOf(name)) {
        AssignButton(button, name);
        return;
    }
    if (const int level = levelRows_.RowOf(name, L"result_DPI%d_color")) {
        if (levelRows_.PickColour(GetManager(), services_.owner, level, *traits_.cpiLevels, traits_.library)) {
            RequestCommand(kWriteCpiSettings);
        }
        return;
    }
    if (SameName(name, traits_.Name(L"save_data")) || SameName(name, traits_.Name(L"import_data"))) {
        const bool exporting = SameName(name, traits_.Name(L"save_data"));
        const CUIString path = exporting ? services_.files->ChooseSaveFile() : services_.files->ChooseOpenFile();
        if (path.IsEmpty()) return;
        const int command = exporting ? kExportImage : kImportImage;
        SetFilePath(command, path);
        RequestCommand(command);
    } else if (SameName(name, traits_.Name(L"web_data"))) {
        if (CControlUI* link = Find(name)) services_.web->Open(link->GetUserData());
    }
}

void NolxMousePage::SelectProfile(int profile) {
    if (auto* tabs = FindAs<SkinUI::CTabLayoutUI>(traits_.Name(L"Setting_switch"))) tabs->SelectPage(0, true);
    {
        const DeviceLibraryBinder::Guard guard = Lock();
        DeviceSettings.*traits_.keyMode = profile;
        RefreshButtonTexts();
    }
    tabs_.Reset();
    tabs_.Mark(traits_.Name(traits_.profileTabs[static_cast<size_t>(profile)]));
    RequestCommand(kWriteKeyMode);
}

void NolxMousePage::SelectTab(int tab, const CUIString& button) {
    tabs_.Reset();
    tabs_.Mark(button);
    if (auto* tabs = FindAs<SkinUI::CTabLayoutUI>(traits_.Name(L"Setting_switch"))) tabs->SelectPage(tab, true);
    // A list on a hidden tab page takes no selection: the level count is shown
    // again once its page is.
    if (tab == kTabAdvanced) {
        const DeviceLibraryBinder::Guard guard = Lock();
        ShowLevelCount();
    }
    if (tab == kTabFireKeys && fireKeyEditor_) fireKeyEditor_->SelectFirstPresetIfNone();
}

void NolxMousePage::HandleSelectChanged(CControlUI* sender, const CUIString& name) {
    if (const int k = NumberIn(name, L"result_fire_continue%d", kFireKeys)) {
        {
            const DeviceLibraryBinder::Guard guard = Lock();
            (DeviceSettings.*traits_.fireKeys)[static_cast<size_t>(k - 1)].continueFlag = IsSelected(sender) ? 1 : 0;
        }
        CaptureFireKeyInput(k);
        RequestCommand(kWriteFireKey1 + k - 1);
        return;
    }
    if (pointerControls_.OnSelectChanged(GetManager(), sender)) return;
    // The options below act when they become selected: a group's other
    // option reports its clearing too.
    if (const int n = levelRows_.RowOf(name, L"result_DPI%d_check")) {
        if (!IsSelected(sender)) return;
        {
            const DeviceLibraryBinder::Guard guard = Lock();
            DeviceSettings.*traits_.activeCpiLevel = n;
            activeLevelChosen_ = true;
        }
        RequestCommand(kWriteCpiSettings);
        return;
    }
    if (const int n = NumberIn(name, L"result_report_rate%d", kReportRates)) {
        if (!IsSelected(sender)) return;
        {
            const DeviceLibraryBinder::Guard guard = Lock();
            DeviceSettings.*traits_.reportRate = n - 1;
        }
        RequestCommand(kWriteReportRate);
        return;
    }
    for (size_t mode = 0; mode < traits_.ledModeOptions.size(); ++mode) {
        if (!SameName(name, traits_.Name(traits_.ledModeOptions[mode]))) continue;
        if (!IsSelected(sender)) return;
        {
            const DeviceLibraryBinder::Guard guard = Lock();
            DeviceSettings.*traits_.ledMode = static_cast<int>(mode);
        }
        RequestCommand(kWriteLighting);
        return;
    }
    const bool all = SameName(name, traits_.Name(L"result_LED_light_all"));
    if (all || SameName(name, traits_.Name(L"result_LED_light_half"))) {
        if (!IsSelected(sender)) return;
        {
            const DeviceLibraryBinder::Guard guard = Lock();
            DeviceSettings.*traits_.ledOn = all ? 1 : 0;
        }
        RequestCommand(kWriteLighting);
        return;
    }
    if (!traits_.hasButtonSwitches) return;
    for (const SwitchBoxName& entry : kSwitchBoxes) {
        if (!SameName(name, traits_.Name(entry.base))) continue;
        const bool modeSwitch = entry.box == &ButtonSwitchBoxes::backMode || entry.box == &ButtonSwitchBoxes::forwardMode;
        if (modeSwitch) {
            if (auto* backLed = FindAs<SkinUI::CCheckBoxUI>(traits_.Name(kSwitchBoxes[0].base))) backLed->SetChecked(false, false);
        }
        CaptureSwitchBoxes();
        RequestCommand(kWriteButtonSwitches);
        return;
    }
}

void NolxMousePage::CaptureSwitchBoxes() {
    ButtonSwitchBoxes boxes;
    for (const SwitchBoxName& entry : kSwitchBoxes) boxes.*entry.box = IsSelected(Find(traits_.Name(entry.base)));
    boxes = ResolveBackLed(boxes);
    ShowSwitchBoxes(boxes);
    const DeviceLibraryBinder::Guard guard = Lock();
    switchBoxes_ = boxes;
}

void NolxMousePage::ShowSwitchBoxes(const ButtonSwitchBoxes& boxes) {
    for (const SwitchBoxName& entry : kSwitchBoxes) {
        if (auto* box = FindAs<SkinUI::CCheckBoxUI>(traits_.Name(entry.base))) box->SetChecked(boxes.*entry.box, false);
    }
}

void NolxMousePage::CaptureFireKeyInput(int key) {
    CControlUI* count = Find(traits_.Name(L"result_fire_count%d", key));
    CControlUI* time = Find(traits_.Name(L"result_fire_time%d", key));
    const FireKeyInput input = FireKeyInputFromTexts(count ? count->GetText().GetData() : L"",
                                                     time ? time->GetText().GetData() : L"",
                                                     IsSelected(Find(traits_.Name(L"result_fire_continue%d", key))));
    const DeviceLibraryBinder::Guard guard = Lock();
    fireInputs_[static_cast<size_t>(key - 1)] = input;
}

void NolxMousePage::HandleLevelCount(int selected) {
    const int count = selected + 1;
    {
        const DeviceLibraryBinder::Guard guard = Lock();
        DeviceSettings.*traits_.cpiLevelCount = count;
        DeviceSettings.*traits_.activeCpiLevel = count;
        activeLevelChosen_ = true;
    }
    levelRows_.Enable(GetManager(), count);
    levelRows_.Check(GetManager(), count);
    RequestCommand(kWriteCpiSettings);
}

void NolxMousePage::HandleValueChanged(CControlUI* sender, const CUIString& name, bool changing) {
    const int value = SliderValue(sender);
    if (const int n = levelRows_.RowOf(name, L"result_DPI%d_slider")) {
        levelRows_.ShowStepText(GetManager(), n, value);
        if (changing) return;
        {
            const DeviceLibraryBinder::Guard guard = Lock();
            if (CpiLevelEntry* level = RecordAt(*traits_.cpiLevels, n - 1)) level->value = value;
        }
        RequestCommand(kWriteCpiSettings);
        return;
    }
    if (changing) return;
    if (SameName(name, traits_.Name(L"result_mode_speed"))) {
        {
            const DeviceLibraryBinder::Guard guard = Lock();
            DeviceSettings.*traits_.ledRate = value;
        }
        RequestCommand(kWriteLighting);
    } else {
        pointerControls_.OnValueChanged(sender);
    }
}

void NolxMousePage::HandleTextChanged(CControlUI* sender, const CUIString& name) {
    const int countKey = NumberIn(name, L"result_fire_count%d", kFireKeys);
    const int timeKey = NumberIn(name, L"result_fire_time%d", kFireKeys);
    if (!countKey && !timeKey) return;
    const CUIString text = sender->GetText();
    const FireEditVerdict verdict = countKey ? CheckFireCountText(text) : CheckFireTimeText(text);
    if (!verdict.replacement.IsEmpty()) sender->SetText(verdict.replacement);
    if (!verdict.send) return;
    const int key = countKey ? countKey : timeKey;
    CaptureFireKeyInput(key);
    RequestCommand(kWriteFireKey1 + key - 1);
}

void NolxMousePage::HandleKillFocus(CControlUI* sender, const CUIString& name) {
    if (!NumberIn(name, L"result_fire_count%d", kFireKeys)) return;
    CUIString replacement;
    if (FireCountTextOnLeaving(sender->GetText(), &replacement)) sender->SetText(replacement);
}
