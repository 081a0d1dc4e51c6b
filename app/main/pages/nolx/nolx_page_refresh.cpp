// The page's controls from the family's settings. Nothing set here notifies,
// so a refresh never writes back.
#include "app/main/pages/nolx/nolx_mouse_page.h"

#include "app/main/pages/common/control_values.h"

#include "ui/controls/check_box.h"
#include "ui/controls/combo.h"
#include "ui/controls/option.h"
#include "ui/controls/slider.h"
#include "ui/core/tab_layout.h"

using SkinUI::CUIString;

namespace {

constexpr int kReportRates = 4;

}  // namespace

void NolxMousePage::RefreshControls() {
    const DeviceLibraryBinder::Guard guard = Lock();
    SkinUI::CControlUI* page = Find(CUIString(L"device_Mouse") + traits_.suffix + L"_page");
    if (connected_ != 1) {
        if (page) page->SetEnabled(false);
        return;
    }
    if (page) page->SetEnabled(true);
    if (!RecordingMacro()) tabs_.Reset();
    RefreshButtonTexts();
    RefreshFireKeys();
    RefreshDpi();
    pointerControls_.Refresh(GetManager());
    RefreshLighting();
    RefreshSwitches();
}

void NolxMousePage::RefreshButtonTexts() {
    const RecordList<MacroKeyEntry>& table = traits_.ActiveTable();
    for (int n = 1; n <= static_cast<int>(table.size()); ++n) {
        if (const MacroKeyEntry* e = RecordAt(table, n - 1)) ShowButton(Find(traits_.ButtonName(n)), *e);
    }
    if (RecordingMacro()) return;
    const int mode = DeviceSettings.*traits_.keyMode;
    const int profile = mode >= 0 && mode < traits_.ProfileCount() ? mode : traits_.ProfileCount() - 1;
    tabs_.Mark(traits_.Name(traits_.profileTabs[static_cast<size_t>(profile)]));
    if (auto* tabs = FindAs<SkinUI::CTabLayoutUI>(traits_.Name(L"Setting_switch"))) tabs->SelectPage(0, false);
}

void NolxMousePage::ShowButton(SkinUI::CControlUI* button, const MacroKeyEntry& entry) {
    shownButtons_.Show(button, {entry.bytes[0], entry.bytes[1], entry.bytes[2], entry.bytes[3]}, ButtonText());
}

ShownAssignments::TextOf NolxMousePage::ButtonText() const {
    const auto text = traits_.assignmentText;
    return [text](const ShownAssignments::Bytes& bytes) { return text(bytes[0], bytes[1], bytes[2], bytes[3]); };
}

void NolxMousePage::RelabelButtons() {
    shownButtons_.Relabel(GetManager(), ButtonText());
    if (RecordingMacro()) return;
    if (auto* tabs = FindAs<SkinUI::CTabLayoutUI>(traits_.Name(L"Setting_switch"))) tabs->SelectPage(0, false);
}

void NolxMousePage::RefreshFireKeys() {
    auto& keys = DeviceSettings.*traits_.fireKeys;
    for (int k = 1; k <= kFireKeys; ++k) {
        const FireKeyEntry& key = keys[static_cast<size_t>(k - 1)];
        if (auto* box = FindAs<SkinUI::CCheckBoxUI>(traits_.Name(L"result_fire_continue%d", k))) {
            box->SetChecked(key.continueFlag != 0, false);
        }
        if (auto* count = Find(traits_.Name(L"result_fire_count%d", k))) count->SetText(DecimalText(key.code + 1));
        if (auto* time = Find(traits_.Name(L"result_fire_time%d", k))) time->SetText(DecimalText(key.value));
        fireInputs_[static_cast<size_t>(k - 1)] = {key.code, key.value, key.continueFlag != 0};
    }
}

void NolxMousePage::RefreshDpi() {
    SkinUI::CWindowManagerUI* manager = GetManager();
    levelRows_.Enable(manager, DeviceSettings.*traits_.cpiLevelCount);
    const int active = DeviceSettings.*traits_.activeCpiLevel;
    for (int n = 1; n <= DpiLevelRows::kRows; ++n) {
        const CpiLevelEntry* level = RecordAt(*traits_.cpiLevels, n - 1);
        if (!level) continue;
        if (n == active) levelRows_.Check(manager, n);
        levelRows_.Show(manager, n, *level);
    }
    ShowLevelCount();
    const int rate = DeviceSettings.*traits_.reportRate;
    if (rate >= 0 && rate < kReportRates) {
        if (auto* option = FindAs<SkinUI::COptionUI>(traits_.Name(L"result_report_rate%d", rate + 1))) option->Selected(true, false);
    }
}

void NolxMousePage::ShowLevelCount() {
    if (auto* list = FindAs<SkinUI::CComboUI>(traits_.Name(L"result_DPI_count_setting"))) {
        list->SelectItem(DeviceSettings.*traits_.cpiLevelCount - 1, false, false);
    }
}

void NolxMousePage::RefreshLighting() {
    const wchar_t* light = DeviceSettings.*traits_.ledOn ? L"result_LED_light_all" : L"result_LED_light_half";
    if (auto* option = FindAs<SkinUI::COptionUI>(traits_.Name(light))) option->Selected(true, false);
    const int mode = DeviceSettings.*traits_.ledMode;
    if (mode >= 0 && mode < static_cast<int>(traits_.ledModeOptions.size())) {
        if (auto* option = FindAs<SkinUI::COptionUI>(traits_.Name(traits_.ledModeOptions[static_cast<size_t>(mode)]))) {
            option->Selected(true, false);
        }
    }
    if (auto* speed = FindAs<SkinUI::CSliderUI>(traits_.Name(L"result_mode_speed"))) speed->SetValue(DeviceSettings.*traits_.ledRate);
}

void NolxMousePage::RefreshSwitches() {
    if (!traits_.hasButtonSwitches) return;
    switchBoxes_ = DisplayedButtonSwitches(traits_.keyTables, DeviceSettings.QiroComboKey2, DeviceSettings.QiroComboKey4);
    ShowSwitchBoxes(switchBoxes_);
}
