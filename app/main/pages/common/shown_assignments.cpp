#include "app/main/pages/common/shown_assignments.h"

#include "ui/core/control.h"

void ShownAssignments::Show(SkinUI::CControlUI* button, const Bytes& bytes, const TextOf& text) {
    if (!button) return;
    shown_[button->GetName().GetData()] = bytes;
    button->SetText(text(bytes));
}

void ShownAssignments::Relabel(SkinUI::CWindowManagerUI* manager, const TextOf& text) const {
    if (!manager) return;
    for (const auto& button : shown_) {
        if (SkinUI::CControlUI* control = manager->FindControlByName(button.first.c_str())) control->SetText(text(button.second));
    }
}
