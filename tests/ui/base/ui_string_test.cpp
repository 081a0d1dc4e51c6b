#include "ui/core/ui_string.h"

#include <gtest/gtest.h>

#include <string>

using SkinUI::CompareNoCase;
using SkinUI::CUIString;

namespace {

std::wstring Repeat(wchar_t ch, int count)
{
    return std::wstring(static_cast<size_t>(count), ch);
}

}  // namespace

TEST(UIString, StorageMovesToTheHeapAt63CharactersAndBack)
{
    CUIString s(Repeat(L'x', 62).c_str());
    EXPECT_TRUE(s.IsInline());
    EXPECT_EQ(62, s.GetLength());

    s.Assign(Repeat(L'y', 63).c_str());
    EXPECT_FALSE(s.IsInline());
    EXPECT_EQ(Repeat(L'y', 63), s.GetData());

    s.Assign(L"short");
    EXPECT_TRUE(s.IsInline());
    EXPECT_STREQ(L"short", s);

    CUIString grown(Repeat(L'a', 60).c_str());
    grown += L"bcd";
    EXPECT_FALSE(grown.IsInline());
    EXPECT_EQ(Repeat(L'a', 60) + L"bcd", grown.GetData());

    CUIString longCopy(grown);
    EXPECT_EQ(grown.GetData(), std::wstring(longCopy));
    grown.Clear();
    EXPECT_TRUE(grown.IsInline());
    EXPECT_TRUE(grown.IsEmpty());
}

TEST(UIString, SourcesInsideTheOwnBufferAreCopiedFirst)
{
    CUIString s(Repeat(L'q', 40).c_str());
    s += s;
    EXPECT_EQ(Repeat(L'q', 80), s.GetData());
    s += s.GetData() + 10;
    EXPECT_EQ(Repeat(L'q', 150), s.GetData());

    CUIString tail(L"0123456789");
    tail.Assign(tail.GetData() + 4);
    EXPECT_STREQ(L"456789", tail);

    CUIString big((Repeat(L'k', 70) + L"end").c_str());
    big.Assign(big.GetData() + 5, 68);
    EXPECT_EQ(Repeat(L'k', 65) + L"end", big.GetData());

    CUIString self(L"same");
    self = self;
    EXPECT_STREQ(L"same", self);
}

TEST(UIString, ConstructionAssignmentAndConcatenation)
{
    EXPECT_STREQ(L"abc", CUIString(L"abcdef", 3));
    EXPECT_STREQ(L"ab", CUIString(L"ab", 10));  // never reads past the text
    EXPECT_STREQ(L"", CUIString(nullptr));
    EXPECT_STREQ(L"z", CUIString(L'z'));

    CUIString s(L"keep");
    s += static_cast<const wchar_t*>(nullptr);
    EXPECT_STREQ(L"keep", s);
    s += L'!';
    EXPECT_STREQ(L"keep!", s);
    s = static_cast<const wchar_t*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());

    const CUIString a(L"left");
    EXPECT_TRUE(L"left" == a);  // not a pointer comparison
    EXPECT_STREQ(L"left-right", a + L"-right");
    EXPECT_STREQ(L"left", a + static_cast<const wchar_t*>(nullptr));
    EXPECT_STREQ(L"leftleft", a + a);
}

TEST(UIString, FindBoundaries)
{
    const CUIString s(L"abcabc");
    EXPECT_EQ(3, s.FindChar(L'a', 1));
    EXPECT_EQ(-1, s.FindChar(L'a', 6));
    EXPECT_EQ(-1, s.FindChar(L'a', -1));
    EXPECT_EQ(-1, CUIString().FindChar(L'a'));
    EXPECT_EQ(5, s.ReverseFindChar(L'c'));
    EXPECT_EQ(-1, s.ReverseFindChar(L'z'));

    EXPECT_EQ(3, s.FindText(L"abc", 1));
    EXPECT_EQ(-1, s.FindText(L"abc", 6));
    EXPECT_EQ(6, s.FindText(L"", 6));
    EXPECT_EQ(-1, s.FindText(L"a", 7));
}

TEST(UIString, LeftAndMidClampToTheText)
{
    const CUIString s(L"layout");
    EXPECT_STREQ(L"lay", s.Left(3));
    EXPECT_STREQ(L"layout", s.Left(99));
    EXPECT_STREQ(L"", s.Left(-2));

    EXPECT_STREQ(L"out", s.Mid(3));
    EXPECT_STREQ(L"out", s.Mid(3, 50));
    EXPECT_STREQ(L"yo", s.Mid(2, 2));
    EXPECT_STREQ(L"", s.Mid(6));
    EXPECT_STREQ(L"", s.Mid(2, 0));
    EXPECT_STREQ(L"", s.Mid(7));
    EXPECT_STREQ(L"", s.Mid(-1, 3));
}

TEST(UIString, ReplaceContinuesBehindTheInsertedText)
{
    CUIString s(L"aaa");
    EXPECT_EQ(3, s.Replace(L"a", L"aa"));
    EXPECT_STREQ(L"aaaaaa", s);

    EXPECT_EQ(0, s.Replace(L"", L"x"));
    EXPECT_EQ(0, s.Replace(nullptr, L"x"));
    EXPECT_STREQ(L"aaaaaa", s);

    CUIString path(L"XML\\main\\frame.xml");
    EXPECT_EQ(2, path.Replace(L"\\", L"/"));
    EXPECT_STREQ(L"XML/main/frame.xml", path);
    EXPECT_EQ(1, path.Replace(L".xml", nullptr));
    EXPECT_STREQ(L"XML/main/frame", path);

    CUIString own(L"ab");
    EXPECT_EQ(1, own.Replace(L"b", own.GetData()));
    EXPECT_STREQ(L"aab", own);
}

TEST(UIString, FormatTakesWideTextsForPercentS)
{
    CUIString s;
    EXPECT_EQ(4, s.Format(L"%s=%d", L"ab", 5));
    EXPECT_STREQ(L"ab=5", s);

    s.Format(L"result_report_rate%d_Dolv", 3);
    EXPECT_STREQ(L"result_report_rate3_Dolv", s);

    const std::wstring longText = Repeat(L'w', 300);
    EXPECT_EQ(305, s.Format(L"[%s]%03d", longText.c_str(), 7));
    EXPECT_EQ(L"[" + longText + L"]007", s.GetData());

    CUIString date;
    date.FormatShort(L"%4d-%02d-%02d", 2024, 3, 9);
    EXPECT_STREQ(L"2024-03-09", date);

    CUIString cut;
    cut.FormatShort(L"%s", longText.c_str());
    EXPECT_EQ(Repeat(L'w', 63), cut.GetData());
}

// Names of tags, attributes and controls compare as the runtime's _wcsicmp
// does in the C locale: only A-Z fold, and the order is that of the folded
// characters.
TEST(UIString, CompareNoCaseOrdersAsTheRuntimeDoes)
{
    const wchar_t* const texts[] = {L"", L"a", L"A", L"ab", L"AB", L"Ab_", L"ab[", L"abZ", L"abz", L"ab@",
                                    L"\u00C9t\u00E9", L"\u00E9t\u00E9", L"VerticalLayout", L"verticallayout",
                                    L"Vertical", L"x\u0100", L"X\u0101"};
    const auto sign = [](int value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); };
    for (const wchar_t* a : texts) {
        for (const wchar_t* b : texts) {
            EXPECT_EQ(sign(_wcsicmp(a, b)), sign(CompareNoCase(a, b))) << "\"" << a << "\" \"" << b << "\"";
            EXPECT_EQ(sign(_wcsicmp(a, b)), sign(CUIString(a).CompareNoCase(b)));
        }
    }
    EXPECT_EQ(0, CompareNoCase(nullptr, L""));
    EXPECT_GT(0, CompareNoCase(nullptr, L"a"));
}
