#pragma once
// The program's rendered skin for window tests: the resource folder, the main
// window's font table and the texts of one language.

namespace SkinUI {
class CWindowManagerUI;
}

// Points the framework at the test build's skin, "res\\Skin\\" in the tests'
// folder (`testsFolder` relative to the program's folder), and registers the
// controls.
void UseProgramSkin(const wchar_t* testsFolder);
// The fonts the main window's layout defines, for a page hosted without it;
// `face` is the face of fonts 0-6, the one the language switch gives them.
void AddMainWindowFonts(SkinUI::CWindowManagerUI& manager, const wchar_t* face = L"Segoe UI");
// The texts of "Languages\\<name>.xml".
void LoadLanguageTexts(const wchar_t* name);
