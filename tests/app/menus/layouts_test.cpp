#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/menus/skin_fixture.h"
#include "tests/ui/support/skin_lint.h"

namespace {

using SkinLayouts = ProgramSkin;

TEST_F(SkinLayouts, MenusAndStepEditorsBuildWithEveryImageTheyName)
{
    for (const wchar_t* layout :
         {L"XML\\MarcoNameMenu.xml", L"XML\\MarcoContentMenu.xml", L"XML\\MarcoEdit.xml", L"XML\\MarcoEdit_Kelvo.xml",
          L"XML\\MarcoEdit_Kelvo_Driver.xml", L"XML\\MarcoEdit_Dolv.xml", L"XML\\MarcoEdit_Mesk.xml",
          L"XML\\MarcoEdit_Qiro.xml"})
        EXPECT_TRUE(SkinUI::test::LintLayout(layout)) << layout;
    for (const wchar_t* image : {L"menu_bk.png", L"macroicons.png", L"recbtn_nr.png", L"recbtn_dn.png",
                                 L"Image\\macroicons.png", L"Image\\recbtn_nr.png", L"Image\\recbtn_dn.png",
                                 L"Image\\MacroBtnS_01.png", L"Image\\MacroBtnS_03.png", L"Image\\ui\\edit_nr.png"})
        EXPECT_TRUE(SkinFileExists(image)) << image;
}

TEST_F(SkinLayouts, EveryMenuAndEditorTextHasAnEnglishAndAChineseText)
{
    std::vector<std::wstring> english;
    for (int id = 350; id <= 362; ++id) {
        const wchar_t* text = SkinUI::CWindowManagerUI::GetLanguageText(id);
        ASSERT_NE(nullptr, text) << id;
        english.push_back(text);
    }
    LoadLanguage(L"Languages\\Chinese.xml");
    for (int id = 350; id <= 362; ++id) {
        const wchar_t* text = SkinUI::CWindowManagerUI::GetLanguageText(id);
        ASSERT_NE(nullptr, text) << id;
        EXPECT_NE(english[static_cast<size_t>(id - 350)], text) << id;
    }
    LoadLanguage(L"Languages\\English.xml");
}

}  // namespace
