#pragma once
// One keyboard page in a host window of the page's size, with fake services,
// for the whole test program (the configuration store keeps the first
// window manager it is given).

#include "app/main/pages/keyboard/keyboard_page.h"
#include "tests/app/keyboard/page_services_fakes.h"
#include "tests/app/support/temp_folder.h"
#include "tests/ui/support/host_window.h"

#include <memory>

class PageHost {
public:
    static PageHost& Instance();

    CDialogKeySetting& page() { return *page_; }
    FakePageServices& fakes() { return fakes_; }
    SkinUI::test::HostWindow& window() { return window_; }
    SkinUI::CControlUI* Find(const wchar_t* name) { return window_.manager().FindControlByName(name); }
    // The folder of throwaway files; also the macro folder.
    const TempFolder& files() const { return files_; }
    // Sends the notification as the control would.
    void Raise(const wchar_t* control, const wchar_t* type);

private:
    PageHost();

    TempFolder files_;
    FakePageServices fakes_;
    SkinUI::test::HostWindow window_;
    CDialogKeySetting* page_ = nullptr;
};

// The page's key button of that name.
SkinUI::CUIString KeyImage(const wchar_t* key);
