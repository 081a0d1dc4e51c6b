#include "app/main/pages/common/page_tabs.h"

#include "app/main/pages/common/control_names.h"
#include "app/main/pages/common/control_values.h"

#include "ui/controls/button.h"

namespace {

constexpr int kTabFont = 3;
constexpr int kSelectedTabFont = 4;

}  // namespace

void PageTabs::Capture(SkinUI::CWindowManagerUI* manager, const std::vector<SkinUI::CUIString>& names) {
    manager_ = manager;
    tabs_.clear();
    for (const SkinUI::CUIString& name : names) {
        Tab tab{name, {}, {}};
        if (auto* button = FindControlAs<SkinUI::CButtonUI>(manager_, name)) {
            tab.normal = button->GetNormalImage();
            tab.pushed = button->GetPushedImage();
        }
        tabs_.push_back(tab);
    }
}

void PageTabs::Reset() const {
    for (const Tab& tab : tabs_) {
        if (auto* button = FindControlAs<SkinUI::CButtonUI>(manager_, tab.name)) {
            button->SetNormalImage(tab.normal);
            button->SetFont(kTabFont);
        }
    }
}

void PageTabs::Mark(const SkinUI::CUIString& name) const {
    for (const Tab& tab : tabs_) {
        if (!SameName(tab.name, name)) continue;
        if (auto* button = FindControlAs<SkinUI::CButtonUI>(manager_, tab.name)) {
            button->SetNormalImage(tab.pushed);
            button->SetFont(kSelectedTabFont);
        }
    }
}
