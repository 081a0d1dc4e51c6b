#include "tests/app/firecolor/fire_page_host.h"

#include "tests/app/firecolor/test_skin.h"
#include "ui/core/vertical_layout.h"

#include <memory>

using namespace SkinUI;

namespace firecolor_test {

DeviceLibraryBinder& UnboundBinder() {
    static DeviceLibraryBinder binder(std::make_unique<FolderModuleLoader>(ProgramFolder() + L"no_libraries\\"));
    return binder;
}

FirePageHost::FirePageHost(FireKeyEdit* made) : page(*made) {
    AddFrameFonts(window.manager());
    auto* content = new CVerticalLayoutUI;
    content->SetBackgroundColor(0xFF15171C);
    content->AddItem(made);
    window.manager().AttachRoot(content);
    window.ShowAndPaint();
}

CControlUI* FirePageHost::Control(const CUIString& name) { return window.manager().FindControlByName(name); }

std::wstring FirePageHost::Text(const CUIString& name) {
    const CControlUI* control = Control(name);
    return control != nullptr ? std::wstring(control->GetText().GetData()) : L"<missing>";
}

void FirePageHost::Type(const CUIString& name, const wchar_t* text) {
    CControlUI* edit = Control(name);
    edit->SetText(text);
    window.manager().SendNotification(edit, L"textchanged");
}

void FirePageHost::Click(const CUIString& name) {
    window.Pump(20);
    const RECT r = Control(name)->GetPosition();
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    window.Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
    window.Send(WM_LBUTTONUP, 0, at);
}

}  // namespace firecolor_test
