#include <gtest/gtest.h>

#include "ui/core/window_manager.h"

using SkinUI::CUIString;
using SkinUI::CWindowManagerUI;

namespace {

class LanguageTokens : public ::testing::Test {
protected:
    void TearDown() override { CWindowManagerUI::RemoveAllLanguageTexts(); }

    static CUIString Replaced(const wchar_t* text)
    {
        CUIString s(text);
        CWindowManagerUI::ReplaceLanguageTokens(s);
        return s;
    }
};

TEST_F(LanguageTokens, IdsWithAndWithoutLeadingZerosAreTheSame)
{
    CWindowManagerUI::AddLanguageText(88, L"Vastemor");
    EXPECT_STREQ(L"Vastemor", Replaced(L"%{088}"));
    EXPECT_STREQ(L"[Vastemor]", Replaced(L"[%{88}]"));
    EXPECT_STREQ(L"Vastemor", CWindowManagerUI::GetLanguageText(88));
    EXPECT_EQ(nullptr, CWindowManagerUI::GetLanguageText(89));

    CWindowManagerUI::AddLanguageText(88, L"Second");
    EXPECT_STREQ(L"Second", Replaced(L"%{0088}"));
}

TEST_F(LanguageTokens, UnknownAndMalformedTokensStay)
{
    CWindowManagerUI::AddLanguageText(12, L"twelve");
    EXPECT_STREQ(L"%{13}", Replaced(L"%{13}"));
    EXPECT_STREQ(L"%{12x}", Replaced(L"%{12x}"));
    EXPECT_STREQ(L"%12}", Replaced(L"%12}"));
    EXPECT_STREQ(L"100% done %{12", Replaced(L"100% done %{12"));
    EXPECT_STREQ(L"%{}", Replaced(L"%{}"));
    EXPECT_STREQ(L"%%twelve", Replaced(L"%%%{12}"));
}

TEST_F(LanguageTokens, EmptyDigitRunIsIdZero)
{
    CWindowManagerUI::AddLanguageText(0, L"zero");
    EXPECT_STREQ(L"zero!", Replaced(L"%{}!"));
}

TEST_F(LanguageTokens, EveryOccurrenceAndNestedTokensAreReplaced)
{
    CWindowManagerUI::AddLanguageText(1, L"a");
    EXPECT_STREQ(L"a-a-a", Replaced(L"%{1}-%{01}-%{001}"));

    CWindowManagerUI::AddLanguageText(2, L"<%{3}>");
    CWindowManagerUI::AddLanguageText(3, L"(%{1})");
    EXPECT_STREQ(L"x<(a)>y", Replaced(L"x%{2}y"));
}

TEST_F(LanguageTokens, SelfReferencingTextTerminates)
{
    CWindowManagerUI::AddLanguageText(7, L"a%{7}");
    CUIString s = Replaced(L"%{7}");
    EXPECT_GT(s.GetLength(), 4);
    EXPECT_LT(s.GetLength(), 2000);
    EXPECT_EQ(L'a', s.GetAt(0));
}

TEST_F(LanguageTokens, IdBeyondIntegerRangeDoesNotWrapAround)
{
    CWindowManagerUI::AddLanguageText(88, L"wrong");
    EXPECT_STREQ(L"%{4294967384}", Replaced(L"%{4294967384}"));
    EXPECT_STREQ(L"%{99999999999999999999999}", Replaced(L"%{99999999999999999999999}"));
}

}  // namespace
