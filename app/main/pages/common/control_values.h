#pragma once
// What the pages read from and show in their controls.

#include "ui/core/control.h"
#include "ui/core/window_manager.h"

// An option or check box that is selected; false for any other control.
bool IsSelected(SkinUI::CControlUI* control);
// The value of a slider or progress bar; 0 for any other control.
int SliderValue(SkinUI::CControlUI* control);
// Selects or clears an option or check box without a notification.
void ShowSelected(SkinUI::CControlUI* control, bool selected);

SkinUI::CUIString DecimalText(int value);

// Whether the control is the page or lies inside it: every page hears every
// notification of the main window and acts on its own controls only.
bool IsOnPage(const SkinUI::CControlUI* control, const SkinUI::CControlUI* page);

// The named control of the manager's tree; null when it is missing or there
// is no manager (a page not yet in a window).
inline SkinUI::CControlUI* FindControl(SkinUI::CWindowManagerUI* manager, const SkinUI::CUIString& name) {
    return manager ? manager->FindControlByName(name) : nullptr;
}

// The same as a Control, null when it is of another kind.
template <class Control>
Control* FindControlAs(SkinUI::CWindowManagerUI* manager, const SkinUI::CUIString& name) {
    return dynamic_cast<Control*>(FindControl(manager, name));
}
