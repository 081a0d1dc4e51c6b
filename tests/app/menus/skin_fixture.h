#pragma once

#include <gtest/gtest.h>

#include "ui/controls/standard_controls.h"
#include "ui/core/control.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_manager.h"

// Windows of these tests read the program's skin from res\Skin beside the
// test program, as the program does, with the English texts.
class ProgramSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        SkinUI::RegisterStandardControls();
        SkinUI::CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        SkinUI::CWindowManagerUI::SetResourceFolder(SkinUI::CWindowManagerUI::GetInstanceFolder() + L"res\\Skin\\");
        LoadLanguage(L"Languages\\English.xml");
    }
    void TearDown() override { SkinUI::CWindowManagerUI::SetResourceFolder(L""); }

    // Puts the texts of a language file into the language table.
    static void LoadLanguage(const wchar_t* file)
    {
        SkinUI::CWindowManagerUI languages;
        SkinUI::CLayoutBuilderUI builder;
        if (SkinUI::CControlUI* tree = builder.Create(file, nullptr, nullptr, &languages))
            tree->Delete();
    }

    static bool SkinFileExists(const wchar_t* relative)
    {
        const SkinUI::CUIString path = SkinUI::CWindowManagerUI::GetResourceFolder() + relative;
        return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
    }
};
