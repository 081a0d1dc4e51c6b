#include "app/main/pages/common/pointer_settings_controls.h"

#include "app/core/pointer/pointer_settings.h"
#include "app/main/pages/common/control_names.h"
#include "app/main/pages/common/control_values.h"

#include "ui/controls/slider.h"

using SkinUI::CControlUI;

PointerSettingsControls::PointerSettingsControls(const wchar_t* suffix)
    : acceleration_(SuffixedName(L"result_mouse_system_iscontrol", suffix)),
      byPage_(SuffixedName(L"result_mouse_system_isscreen", suffix)),
      speed_(SuffixedName(L"mouse_system_speed", suffix)),
      doubleClick_(SuffixedName(L"mouse_system_double_speed", suffix)),
      wheelLines_(SuffixedName(L"mouse_system_screen_speed", suffix)) {}

bool PointerSettingsControls::OnSelectChanged(SkinUI::CWindowManagerUI* manager, CControlUI* sender) const {
    const SkinUI::CUIString name = sender->GetName();
    if (SameName(name, acceleration_)) {
        PointerSettings.accelerationOn = IsSelected(sender) ? 1 : 0;
        PointerSettings.speedLevel = SliderValue(FindControl(manager, speed_));
    } else if (SameName(name, byPage_)) {
        const bool byPage = IsSelected(sender);
        PointerSettings.scrollByPage = byPage ? 1 : 0;
        CControlUI* wheel = FindControl(manager, wheelLines_);
        if (wheel) wheel->SetEnabled(!byPage);
        PointerSettings.wheelLines = SliderValue(wheel);
    } else {
        return false;
    }
    WritePointerSettings();
    return true;
}

bool PointerSettingsControls::OnValueChanged(CControlUI* sender) const {
    const SkinUI::CUIString name = sender->GetName();
    const int value = SliderValue(sender);
    if (SameName(name, speed_)) {
        PointerSettings.speedLevel = value;
    } else if (SameName(name, doubleClick_)) {
        PointerSettings.doubleClickLevel = value;
    } else if (SameName(name, wheelLines_)) {
        PointerSettings.wheelLines = value;
    } else {
        return false;
    }
    WritePointerSettings();
    return true;
}

void PointerSettingsControls::Refresh(SkinUI::CWindowManagerUI* manager) const {
    ShowSelected(FindControl(manager, acceleration_), PointerSettings.accelerationOn != 0);
    if (auto* speed = FindControlAs<SkinUI::CSliderUI>(manager, speed_)) speed->SetValue(PointerSettings.speedLevel);
    if (auto* doubleClick = FindControlAs<SkinUI::CSliderUI>(manager, doubleClick_)) {
        doubleClick->SetValue(PointerSettings.doubleClickLevel);
    }
    const bool scrollByPage = PointerSettings.scrollByPage != 0;
    ShowSelected(FindControl(manager, byPage_), scrollByPage);
    auto* wheel = FindControlAs<SkinUI::CSliderUI>(manager, wheelLines_);
    if (wheel) wheel->SetEnabled(!scrollByPage);
    if (wheel && !scrollByPage) wheel->SetValue(PointerSettings.wheelLines);
}
