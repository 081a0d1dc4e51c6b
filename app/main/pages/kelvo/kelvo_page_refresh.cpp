// The page's controls from the family's settings. Every box and option is set
// to its condition without a notification, so a refresh never writes back.
#include "app/main/pages/kelvo/kelvo_family_page.h"

#include "app/main/pages/common/control_values.h"

#include "ui/controls/combo.h"
#include "ui/core/tab_layout.h"

using SkinUI::CControlUI;
using SkinUI::CUIString;

namespace {

// The count edit of continuous fire shows this.
constexpr int kContinuousFireShown = 3;
// The level list's first item is two levels.
constexpr int kFewestLevels = 2;

}  // namespace

void KelvoFamilyPage::RefreshControls() {
    const DeviceLibraryBinder::Guard guard = Lock();
    CControlUI* content = Find(CUIString(L"device_Mouse") + traits_.suffix + L"_page");
    if (connected_ != 1) {
        if (content) content->SetEnabled(false);
        return;
    }
    if (content) content->SetEnabled(true);
    RefreshButtons();
    RefreshFire();
    pointerControls_.Refresh(GetManager());
    RefreshDpi();
    RefreshFamilyControls();
}

void KelvoFamilyPage::RefreshButtons() {
    const RecordList<ButtonAssignmentEntry>& table = traits_.ActiveTable();
    const int buttons = static_cast<int>(traits_.buttonTables[0]->size());
    for (int i = 0; i < buttons; ++i) {
        if (const ButtonAssignmentEntry* entry = RecordAt(table, i)) ShowButton(i, *entry);
    }
    if (auto* tabs = dynamic_cast<SkinUI::CTabLayoutUI*>(Find(traits_.Name(L"Setting_switch")))) tabs->SelectPage(0, true);

    // Each key mode's page shows its own copy of the press-type switches; the
    // gun key's exists for key mode 1 only.
    const bool second = DeviceSettings.*traits_.keyMode != 0;
    const struct {
        const wchar_t* copy;
        int DeviceSettingsRecord::*type;
        bool shown;
    } switches[] = {
        {L"result_middle_key_switch_pro1", traits_.middlePressType, !second},
        {L"result_middle_key_switch_pro2", traits_.middlePressType, second},
        {L"result_cpi_key_switch_pro1", traits_.cpiPressType, !second},
        {L"result_cpi_key_switch_pro2", traits_.cpiPressType, second},
        {L"result_gun_key_switch_pro2", traits_.gunPressType, second},
    };
    for (const auto& entry : switches) {
        CControlUI* box = Find(traits_.Name(entry.copy));
        ShowSelected(box, DeviceSettings.*entry.type != 0);
        if (box) box->SetVisible(entry.shown);
    }

    tabs_.Reset();
    tabs_.Mark(traits_.Name(second ? L"profile2" : L"profile1"));
}

void KelvoFamilyPage::ShowButton(int index, const ButtonAssignmentEntry& entry) {
    shownButtons_.Show(Find(traits_.ButtonName(index + 1)), {entry.bytes[0], entry.bytes[1], entry.bytes[2], 0},
                       ButtonText());
}

ShownAssignments::TextOf KelvoFamilyPage::ButtonText() const {
    const auto text = traits_.assignmentText;
    return [text](const ShownAssignments::Bytes& bytes) { return text(bytes[0], bytes[1], bytes[2]); };
}

void KelvoFamilyPage::RelabelButtons() {
    shownButtons_.Relabel(GetManager(), ButtonText());
    if (auto* tabs = dynamic_cast<SkinUI::CTabLayoutUI*>(Find(traits_.Name(L"Setting_switch")))) tabs->SelectPage(0, true);
}

void KelvoFamilyPage::RefreshFire() {
    const int count = DeviceSettings.*traits_.fireCount;
    const bool continuous = count == kContinuousFire;
    if (CControlUI* edit = Find(traits_.Name(L"result_fire_count"))) {
        edit->SetEnabled(!continuous);
        edit->SetText(DecimalText(continuous ? kContinuousFireShown : count + 1));
    }
    ShowSelected(Find(traits_.Name(L"result_fire_continue")), continuous);
    if (CControlUI* time = Find(traits_.Name(L"result_fire_time"))) time->SetText(DecimalText(DeviceSettings.*traits_.fireTime));
}

void KelvoFamilyPage::RefreshDpi() {
    SkinUI::CWindowManagerUI* manager = GetManager();
    levelRows_.Enable(manager, DeviceSettings.*traits_.cpiCount);
    const RecordList<CpiLevelEntry>& levels = *traits_.cpiLevels;
    for (int row = 1; row <= DpiLevelRows::kRows; ++row) {
        if (const CpiLevelEntry* level = RecordAt(levels, row - 1)) levelRows_.Show(manager, row, *level);
    }
    levelRows_.Check(manager, CurrentLevel() + 1);
    if (CControlUI* list = Find(traits_.Name(L"result_DPI_count_setting"))) list->SetVisible(true);
    ShowLevelCount();
}

void KelvoFamilyPage::ShowLevelCount() {
    if (auto* list = dynamic_cast<SkinUI::CComboUI*>(Find(traits_.Name(L"result_DPI_count_setting")))) {
        list->SelectItem(DeviceSettings.*traits_.cpiCount - kFewestLevels, false, false);
    }
}
