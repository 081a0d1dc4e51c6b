#include <gtest/gtest.h>

#include "app/macro/editors/marco_edit_rules.h"

namespace {

TEST(StepEditorValues, TheLeadingNumberOfATextIsReadWithItsSign)
{
    EXPECT_EQ(0, LeadingInteger(L""));
    EXPECT_EQ(0, LeadingInteger(nullptr));
    EXPECT_EQ(0, LeadingInteger(L"abc"));
    EXPECT_EQ(0, LeadingInteger(L"-"));
    EXPECT_EQ(42, LeadingInteger(L"42 ms"));
    EXPECT_EQ(-17, LeadingInteger(L"-17"));
    EXPECT_EQ(7, LeadingInteger(L"+7"));
    EXPECT_EQ(12, LeadingInteger(L"  12"));
    EXPECT_EQ(2147483647, LeadingInteger(L"99999999999999999999"));
    EXPECT_EQ(-2147483647 - 1, LeadingInteger(L"-99999999999999999999"));
}

TEST(StepEditorValues, MovesStayWithinMinus128And128)
{
    for (const wchar_t* inside : {L"128", L"-128", L"0", L"127", L"", L"x"})
        EXPECT_TRUE(MoveValueCorrection(inside).IsEmpty()) << inside;
    EXPECT_STREQ(L"128", MoveValueCorrection(L"129"));
    EXPECT_STREQ(L"128", MoveValueCorrection(L"99999999999"));
    EXPECT_STREQ(L"-128", MoveValueCorrection(L"-129"));
    EXPECT_STREQ(L"-128", MoveValueCorrection(L"-99999999999"));
}

TEST(StepEditorValues, DelaysStayWithinZeroAndTheFamilyLimit)
{
    EXPECT_TRUE(DelayValueCorrection(L"2040", 2040).IsEmpty());
    EXPECT_TRUE(DelayValueCorrection(L"0", 2040).IsEmpty());
    EXPECT_STREQ(L"2040", DelayValueCorrection(L"2041", 2040));
    EXPECT_STREQ(L"0", DelayValueCorrection(L"-1", 2040));
    EXPECT_TRUE(DelayValueCorrection(L"65534", 65534).IsEmpty());
    EXPECT_STREQ(L"65534", DelayValueCorrection(L"65535", 65534));
    // Without a limit every number passes.
    EXPECT_TRUE(DelayValueCorrection(L"1000000", 0).IsEmpty());
    EXPECT_TRUE(DelayValueCorrection(L"-5", 0).IsEmpty());
}

}  // namespace
