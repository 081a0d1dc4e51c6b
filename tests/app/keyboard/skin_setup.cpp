#include "tests/app/keyboard/skin_setup.h"

#include "app/core/binder/module_loader.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_manager.h"

#include <string>

void UseProgramSkin(const wchar_t* testsFolder) {
    SkinUI::CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
    const std::wstring folder = ProgramFolder() + testsFolder + L"res\\Skin\\";
    SkinUI::CWindowManagerUI::SetResourceFolder(folder.c_str());
    SkinUI::RegisterStandardControls();
}

void AddMainWindowFonts(SkinUI::CWindowManagerUI& manager, const wchar_t* face) {
    const struct {
        int id;
        const wchar_t* face;
        int size;
        bool bold;
    } fonts[] = {{0, face, 12, false},        {1, face, 12, true},  {2, face, 16, true},
                 {3, face, 13, false},        {4, face, 13, true},  {5, face, 14, true},
                 {6, face, 11, false},        {7, L"Segoe UI", 12, false}, {8, L"Microsoft YaHei", 12, false}};
    for (const auto& font : fonts) manager.AddFont(font.id, font.face, font.size, font.bold, false, false);
}

void LoadLanguageTexts(const wchar_t* name) {
    SkinUI::CWindowManagerUI manager;
    SkinUI::CLayoutBuilderUI builder;
    const std::wstring file = std::wstring(L"Languages\\") + name + L".xml";
    builder.Create(file.c_str(), nullptr, nullptr, &manager);
}
