#pragma once
// A fire-key page hosted in a window the way a mouse page embeds it.

#include "app/dialogs/fire/fire_key_edit.h"
#include "tests/ui/support/host_window.h"

#include <string>

namespace firecolor_test {

// A binder that finds no device library: every send fails, as without a controller.
DeviceLibraryBinder& UnboundBinder();

class FirePageHost {
public:
    // Hosts the page, which is deleted with the window's controls.
    explicit FirePageHost(FireKeyEdit* page);

    SkinUI::CControlUI* Control(const SkinUI::CUIString& name);
    std::wstring Text(const SkinUI::CUIString& name);
    // Sets an edit's text as typing does: the edit reports the change.
    void Type(const SkinUI::CUIString& name, const wchar_t* text);
    // Left button down and up on the control's centre.
    void Click(const SkinUI::CUIString& name);

    FireKeyEdit& page;

private:
    SkinUI::test::HostWindow window{1080, 640};
};

}  // namespace firecolor_test
