#include "tests/app/keyboard/page_host.h"

#include "app/core/binder/module_loader.h"
#include "app/core/settings/settings_containers.h"
#include "tests/app/keyboard/skin_setup.h"
#include "ui/controls/button.h"
#include "ui/core/vertical_layout.h"

#include <filesystem>

namespace {

constexpr int kPageWidth = 1310;
constexpr int kPageHeight = 701;

// The default image beside the simulated program, where the page looks for it.
void CopyDefaultData(const TempFolder& folder) {
    const std::wstring source = ProgramFolder() + L"..\\..\\bin-sim\\DefaultData_1.bin";
    std::filesystem::copy_file(source, folder.File(L"DefaultData_1.bin"),
                               std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

PageHost& PageHost::Instance() {
    static PageHost* const host = new PageHost;
    return *host;
}

PageHost::PageHost() : window_(kPageWidth, kPageHeight) {
    UseProgramSkin(L"..\\");
    LoadLanguageTexts(L"English");
    AddMainWindowFonts(window_.manager());
    MacroTempFolder = files_.Path().c_str();
    CopyDefaultData(files_);
    std::filesystem::current_path(files_.Path());
    page_ = new CDialogKeySetting(fakes_.Services());
    auto* root = new SkinUI::CVerticalLayoutUI;
    root->AddItem(page_);
    window_.manager().AttachRoot(root);
}

void PageHost::Raise(const wchar_t* control, const wchar_t* type) {
    window_.manager().SendNotification(Find(control), type);
}

SkinUI::CUIString KeyImage(const wchar_t* key) {
    SkinUI::CControlUI* control = PageHost::Instance().Find(key);
    auto* button = control ? static_cast<SkinUI::CButtonUI*>(control->GetInterfaceByName(L"Button")) : nullptr;
    return button ? button->GetNormalImage() : SkinUI::CUIString();
}
