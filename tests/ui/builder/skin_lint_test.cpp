#include <gtest/gtest.h>

#include "tests/ui/support/skin_lint.h"

using SkinUI::test::LintLayout;

namespace {

std::string Message(const ::testing::AssertionResult& result)
{
    return result.message();
}

TEST(SkinLint, AcceptsASoundLayoutWithTheProgramsTags)
{
    EXPECT_TRUE(LintLayout(L"<Window size=\"300,200\"><Font id=\"0\" name=\"Arial\" default=\"true\"/>"
                           L"<Image name=\"FF102030\" restype=\"*COLOR*\"/>"
                           L"<VerticalLayout><KeyboardPage><Control/></KeyboardPage>"
                           L"<Include source=\"&lt;Window&gt;&lt;Control/&gt;&lt;/Window&gt;\"/>"
                           L"</VerticalLayout></Window>",
                           {L"KeyboardPage"}));
    EXPECT_TRUE(LintLayout(L"<Language><MultiLanguage id=\"88\" value=\"Vastemor\"/></Language>"));
}

TEST(SkinLint, NamesEveryProblemItFinds)
{
    const ::testing::AssertionResult unknown =
        LintLayout(L"<Window><VerticalLayout><MousePage/><Gadget/></VerticalLayout></Window>", {L"KeyboardPage"});
    EXPECT_FALSE(unknown);
    EXPECT_NE(std::string::npos, Message(unknown).find("unknown tag <MousePage>"));
    EXPECT_NE(std::string::npos, Message(unknown).find("unknown tag <Gadget>"));

    const ::testing::AssertionResult broken = LintLayout(L"<Window><Control></Window>");
    EXPECT_FALSE(broken);
    EXPECT_NE(std::string::npos, Message(broken).find("Unmatched closing tag"));

    const ::testing::AssertionResult include =
        LintLayout(L"<Window><Container><Include source=\"XML\\absent.xml\"/></Container></Window>");
    EXPECT_FALSE(include);
    EXPECT_NE(std::string::npos, Message(include).find("absent.xml"));

    const ::testing::AssertionResult image =
        LintLayout(L"<Window><Image name=\"absent.png\"/><Control/></Window>");
    EXPECT_FALSE(image);
    EXPECT_NE(std::string::npos, Message(image).find("absent.png"));

    const ::testing::AssertionResult unplaced = LintLayout(L"<Window><Control><Control/></Control></Window>");
    EXPECT_FALSE(unplaced);
    EXPECT_NE(std::string::npos, Message(unplaced).find("no control"));
}

}  // namespace
