#pragma once
// The device pages the main layout's custom tags make: one line per page.

#include "app/main/frame/device_families.h"
#include "app/windows/page_services.h"
#include "ui/core/control.h"

#include <vector>

// Makes the page, stores it in its slot of the main window's pages and
// returns it for the control tree, which owns it.
typedef SkinUI::CControlUI* (*PageMaker)(const PageServices& services, DevicePages& pages);

struct PageTag {
    const wchar_t* tag;  // compared without regard to case
    PageMaker make;
};

// The maker of a page class for one slot of DevicePages, e.g.
//   {L"MousePageQiro", &MakePage<CDialogMouseQiroSetting, &DevicePages::qiro>}
template <class Page, auto Slot>
SkinUI::CControlUI* MakePage(const PageServices& services, DevicePages& pages)
{
    auto* page = new Page(services);
    pages.*Slot = page;
    return page;
}

// The pages of the program.
const std::vector<PageTag>& ProgramPageTags();

// The control for a tag from the table, null when no entry has the tag.
SkinUI::CControlUI* MakePageForTag(const std::vector<PageTag>& tags, const wchar_t* tag,
                                   const PageServices& services, DevicePages& pages);
