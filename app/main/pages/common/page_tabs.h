#pragma once
// The tab buttons down a page's left side. Each keeps the normal and pushed
// image its layout gave it; the selected tab shows its pushed image as its
// normal image, in the selected-tab font.

#include "ui/core/ui_string.h"
#include "ui/core/window_manager.h"

#include <vector>

class PageTabs {
public:
    // Takes the images of the named buttons of the manager's tree.
    void Capture(SkinUI::CWindowManagerUI* manager, const std::vector<SkinUI::CUIString>& names);
    // Every tab back to its normal image and font.
    void Reset() const;
    // The named tab shown as the selected one.
    void Mark(const SkinUI::CUIString& name) const;

private:
    struct Tab {
        SkinUI::CUIString name;
        SkinUI::CUIString normal;
        SkinUI::CUIString pushed;
    };

    SkinUI::CWindowManagerUI* manager_ = nullptr;
    std::vector<Tab> tabs_;
};
