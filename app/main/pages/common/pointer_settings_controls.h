#pragma once
// The Windows pointer settings as every mouse page shows them: the boxes
// "result_mouse_system_iscontrol" (acceleration) and
// "result_mouse_system_isscreen" (the wheel scrolls a page), the sliders
// "mouse_system_speed", "mouse_system_double_speed" and
// "mouse_system_screen_speed" (wheel lines), each name with the page's
// suffix. A change is written to the system at once.

#include "ui/core/control.h"
#include "ui/core/window_manager.h"

class PointerSettingsControls {
public:
    explicit PointerSettingsControls(const wchar_t* suffix);

    // True when the sender is one of these controls (and was handled).
    bool OnSelectChanged(SkinUI::CWindowManagerUI* manager, SkinUI::CControlUI* sender) const;
    bool OnValueChanged(SkinUI::CControlUI* sender) const;
    // The settings shown without notifications.
    void Refresh(SkinUI::CWindowManagerUI* manager) const;

private:
    SkinUI::CUIString acceleration_;
    SkinUI::CUIString byPage_;
    SkinUI::CUIString speed_;
    SkinUI::CUIString doubleClick_;
    SkinUI::CUIString wheelLines_;
};
