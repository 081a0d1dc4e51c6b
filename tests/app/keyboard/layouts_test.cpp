// The keyboard's layouts build from the program's skin with every image they name.
#include "tests/app/keyboard/skin_setup.h"
#include "tests/ui/support/skin_lint.h"

#include <gtest/gtest.h>

TEST(KeyboardLayouts, BuildWithTheirImages) {
    UseProgramSkin(L"");
    EXPECT_TRUE(SkinUI::test::LintLayout(L"XML\\KeyboardPage.xml"));
    EXPECT_TRUE(SkinUI::test::LintLayout(L"XML\\KeyEdit.xml"));
    EXPECT_TRUE(SkinUI::test::LintLayout(L"XML\\MarcoManagerPage.xml", {L"MarcoList"}));
}
