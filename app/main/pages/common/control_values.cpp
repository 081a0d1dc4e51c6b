#include "app/main/pages/common/control_values.h"

#include "ui/controls/option.h"
#include "ui/controls/progress.h"

bool IsSelected(SkinUI::CControlUI* control) {
    auto* option = dynamic_cast<SkinUI::COptionUI*>(control);
    return option && option->IsSelected();
}

int SliderValue(SkinUI::CControlUI* control) {
    auto* slider = dynamic_cast<SkinUI::CProgressUI*>(control);
    return slider ? slider->GetValue() : 0;
}

void ShowSelected(SkinUI::CControlUI* control, bool selected) {
    if (auto* option = dynamic_cast<SkinUI::COptionUI*>(control)) option->Selected(selected, false);
}

SkinUI::CUIString DecimalText(int value) {
    SkinUI::CUIString text;
    text.Format(L"%d", value);
    return text;
}

bool IsOnPage(const SkinUI::CControlUI* control, const SkinUI::CControlUI* page) {
    for (; control != nullptr; control = control->GetParent()) {
        if (control == page) return true;
    }
    return false;
}
