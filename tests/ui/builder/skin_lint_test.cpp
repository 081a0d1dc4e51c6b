#include <gtest/gtest.h>

#include "tests/ui/support/skin_lint.h"

using SkinUI::test::LintLayout;

namespace {

bool Mentions(const ::testing::AssertionResult& result, const char* text)
{
    return !result && std::string(result.message()).find(text) != std::string::npos;
}

TEST(SkinLint, PassesSoundLayoutsAndNamesEveryProblem)
{
    EXPECT_TRUE(LintLayout(L"<Window><Image name=\"FF102030\" restype=\"*COLOR*\"/>"
                           L"<VerticalLayout><KeyboardPage><Control/></KeyboardPage>"
                           L"<Include source=\"&lt;Window&gt;&lt;Control/&gt;&lt;/Window&gt;\"/>"
                           L"</VerticalLayout></Window>",
                           {L"KeyboardPage"}));
    EXPECT_TRUE(LintLayout(L"<Language><MultiLanguage id=\"88\" value=\"Vastemor\"/></Language>"));

    const ::testing::AssertionResult unknown =
        LintLayout(L"<Window><VerticalLayout><MousePage/><Gadget/></VerticalLayout></Window>", {L"KeyboardPage"});
    EXPECT_TRUE(Mentions(unknown, "unknown tag <MousePage>"));
    EXPECT_TRUE(Mentions(unknown, "unknown tag <Gadget>"));
    EXPECT_TRUE(Mentions(LintLayout(L"<Window><Control></Window>"), "Unmatched closing tag"));
    EXPECT_TRUE(Mentions(LintLayout(L"<Window><Container><Include source=\"XML\\absent.xml\"/></Container></Window>"),
                         "absent.xml"));
    EXPECT_TRUE(Mentions(LintLayout(L"<Window><Image name=\"absent.png\"/><Control/></Window>"), "absent.png"));
    EXPECT_TRUE(Mentions(LintLayout(L"<Window><Control><Control/></Control></Window>"), "no control"));
}

}  // namespace
