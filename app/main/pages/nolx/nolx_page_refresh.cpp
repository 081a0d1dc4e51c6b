// The page's controls from the family's settings. Nothing set here notifies,
// so a refresh never writes back.
#include "app/main/pages/nolx/nolx_mouse_page.h"

#include "app/core/pointer/pointer_settings.h"
#include "app/dialogs/color/color_arithmetic.h"

#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo.h"
#include "ui/controls/option.h"
#include "ui/controls/slider.h"
#include "ui/core/tab_layout.h"

using SkinUI::CUIString;

namespace {

constexpr int kCpiLevels = 7;
constexpr int kReportRates = 4;
constexpr int kTabFont = 3;
constexpr int kSelectedTabFont = 4;

CUIString Decimal(int value) {
    CUIString text;
    text.Format(L"%d", value);
    return text;
}

}  // namespace

void NolxMousePage::RefreshControls() {
    const DeviceLibraryBinder::Guard guard = Lock();
    SkinUI::CControlUI* page = Find(CUIString(L"device_Mouse") + traits_.suffix + L"_page");
    if (connected_ != 1) {
        if (page) page->SetEnabled(false);
        return;
    }
    if (page) page->SetEnabled(true);
    ResetTabImages();
    RefreshButtonTexts();
    RefreshFireKeys();
    RefreshDpi();
    RefreshPointerSettings();
    RefreshLighting();
    RefreshSwitches();
}

void NolxMousePage::ResetTabImages() {
    for (const TabImages& tab : tabs_) {
        if (auto* button = FindAs<SkinUI::CButtonUI>(tab.name)) {
            button->SetNormalImage(tab.normal);
            button->SetFont(kTabFont);
        }
    }
}

void NolxMousePage::MarkTab(const CUIString& name) {
    for (const TabImages& tab : tabs_) {
        if (!SameName(tab.name, name)) continue;
        if (auto* button = FindAs<SkinUI::CButtonUI>(tab.name)) {
            button->SetNormalImage(tab.pushed);
            button->SetFont(kSelectedTabFont);
        }
    }
}

void NolxMousePage::RefreshButtonTexts() {
    const RecordList<MacroKeyEntry>& table = traits_.ActiveTable();
    for (int n = 1; n <= static_cast<int>(table.size()); ++n) {
        const MacroKeyEntry* e = RecordAt(table, n - 1);
        SkinUI::CControlUI* button = Find(traits_.ButtonName(n));
        if (e && button) button->SetText(traits_.assignmentText(e->bytes[0], e->bytes[1], e->bytes[2], e->bytes[3]));
    }
    const int mode = DeviceSettings.*traits_.keyMode;
    const int profile = mode >= 0 && mode < traits_.ProfileCount() ? mode : traits_.ProfileCount() - 1;
    MarkTab(traits_.Name(traits_.profileTabs[static_cast<size_t>(profile)]));
    if (auto* tabs = FindAs<SkinUI::CTabLayoutUI>(traits_.Name(L"Setting_switch"))) tabs->SelectPage(0, false);
}

void NolxMousePage::RefreshFireKeys() {
    auto& keys = DeviceSettings.*traits_.fireKeys;
    for (int k = 1; k <= kFireKeys; ++k) {
        const FireKeyEntry& key = keys[static_cast<size_t>(k - 1)];
        if (auto* box = FindAs<SkinUI::CCheckBoxUI>(traits_.Name(L"result_fire_continue%d", k))) {
            box->SetChecked(key.continueFlag != 0, false);
        }
        if (auto* count = Find(traits_.Name(L"result_fire_count%d", k))) count->SetText(Decimal(key.code + 1));
        if (auto* time = Find(traits_.Name(L"result_fire_time%d", k))) time->SetText(Decimal(key.value));
        fireInputs_[static_cast<size_t>(k - 1)] = {key.code, key.value, key.continueFlag != 0};
    }
}

void NolxMousePage::EnableLevels(int count) {
    for (int n = 1; n <= kCpiLevels; ++n) {
        for (const wchar_t* part : {L"result_DPI%d_check", L"result_DPI%d_slider", L"result_DPI%d_color"}) {
            if (auto* control = Find(traits_.Name(part, n))) control->SetEnabled(n <= count);
        }
    }
}

void NolxMousePage::RefreshDpi() {
    const int count = DeviceSettings.*traits_.cpiLevelCount;
    const int active = DeviceSettings.*traits_.activeCpiLevel;
    EnableLevels(count);
    for (int n = 1; n <= kCpiLevels; ++n) {
        const CpiLevelEntry* level = RecordAt(*traits_.cpiLevels, n - 1);
        if (!level) continue;
        if (auto* check = FindAs<SkinUI::COptionUI>(traits_.Name(L"result_DPI%d_check", n))) {
            if (n == active) check->Selected(true, false);
        }
        if (auto* slider = FindAs<SkinUI::CSliderUI>(traits_.Name(L"result_DPI%d_slider", n))) slider->SetValue(level->value);
        if (auto* edit = Find(traits_.Name(L"result_DPI%d_edit", n))) edit->SetText(DpiStepText(*traits_.dpiSteps, level->value));
        if (auto* colour = Find(traits_.Name(L"result_DPI%d_color", n))) colour->SetBackgroundColor(OpaqueColour(level->red, level->green, level->blue));
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

void NolxMousePage::RefreshPointerSettings() {
    if (auto* box = FindAs<SkinUI::CCheckBoxUI>(traits_.Name(L"result_mouse_system_iscontrol"))) {
        box->SetChecked(PointerSettings.accelerationOn != 0, false);
    }
    if (auto* speed = FindAs<SkinUI::CSliderUI>(traits_.Name(L"mouse_system_speed"))) speed->SetValue(PointerSettings.speedLevel);
    if (auto* doubleClick = FindAs<SkinUI::CSliderUI>(traits_.Name(L"mouse_system_double_speed"))) {
        doubleClick->SetValue(PointerSettings.doubleClickLevel);
    }
    auto* wheel = FindAs<SkinUI::CSliderUI>(traits_.Name(L"mouse_system_screen_speed"));
    auto* byPage = FindAs<SkinUI::CCheckBoxUI>(traits_.Name(L"result_mouse_system_isscreen"));
    const bool scrollByPage = PointerSettings.scrollByPage != 0;
    if (wheel) wheel->SetEnabled(!scrollByPage);
    if (byPage) byPage->SetChecked(scrollByPage, false);
    if (wheel && !scrollByPage) wheel->SetValue(PointerSettings.wheelLines);
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
