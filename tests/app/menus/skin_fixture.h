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
        SkinUI::CWindowManagerUI languages;
        SkinUI::CLayoutBuilderUI builder;
        if (SkinUI::CControlUI* tree = builder.Create(L"Languages\\English.xml", nullptr, nullptr, &languages))
            tree->Delete();
    }
    void TearDown() override { SkinUI::CWindowManagerUI::SetResourceFolder(L""); }

    static bool SkinFileExists(const wchar_t* relative)
    {
        const SkinUI::CUIString path = SkinUI::CWindowManagerUI::GetResourceFolder() + relative;
        return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
    }
};
