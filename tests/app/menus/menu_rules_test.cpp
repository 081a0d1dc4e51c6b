#include <gtest/gtest.h>

#include "app/windows/menu/menu_rules.h"

namespace {

const RECT kWork = {0, 0, 1024, 728};

void ExpectRect(const RECT& expected, const RECT& actual)
{
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right);
    EXPECT_EQ(expected.bottom, actual.bottom);
}

TEST(MenuPlacement, AMenuInsideTheWorkAreaStaysWhereItWasAsked)
{
    ExpectRect({100, 200, 288, 384}, FitMenuIntoWorkArea({100, 200, 288, 384}, kWork));
}

TEST(MenuPlacement, AMenuPastTheBottomRightCornerTouchesBothEdges)
{
    ExpectRect({836, 544, 1024, 728}, FitMenuIntoWorkArea({1000, 700, 1188, 884}, kWork));
    // Exactly at the edge is inside.
    ExpectRect({836, 544, 1024, 728}, FitMenuIntoWorkArea({836, 544, 1024, 728}, kWork));
}

TEST(MenuPlacement, AMenuLargerThanTheWorkAreaStartsAtItsTopOrLeft)
{
    ExpectRect({10, 0, 198, 800}, FitMenuIntoWorkArea({10, 20, 198, 820}, kWork));
    ExpectRect({0, 10, 1200, 194}, FitMenuIntoWorkArea({30, 10, 1230, 194}, kWork));
    // As tall as the work area: not shorter, so it starts at the top.
    ExpectRect({10, 0, 198, 728}, FitMenuIntoWorkArea({10, 5, 198, 733}, kWork));
}

TEST(MenuPlacement, OnAMonitorLeftOfAndAboveThePrimaryTheMenuStaysOnThatMonitor)
{
    const RECT secondary = {-1280, -1024, 0, -40};
    ExpectRect({-1280, -1024, 120, 100}, FitMenuIntoWorkArea({-1000, -900, 400, 224}, secondary));
    ExpectRect({-300, -224, -112, -40}, FitMenuIntoWorkArea({-300, -100, -112, 84}, secondary));
}

TEST(MenuLayout, NameListsGetTheNameMenuAndStepListsTheContentMenuInAnyCase)
{
    for (const wchar_t* name : {L"listex", L"listex_Qiro", L"listex_Mesk", L"listex_Dolv", L"listex_Kelvo",
                                L"listex_Kelvo_Driver", L"LISTEX_qiro"})
        EXPECT_STREQ(L"XML\\MarcoNameMenu.xml", MenuLayoutForList(name)) << name;
    for (const wchar_t* name : {L"listex1", L"listex1_Qiro", L"listex1_Mesk", L"listex1_Dolv", L"listex1_Kelvo",
                                L"listex1_Kelvo_Driver", L"LISTEX1_qiro", L"ListEx1_KELVO_driver"})
        EXPECT_STREQ(L"XML\\MarcoContentMenu.xml", MenuLayoutForList(name)) << name;
}

TEST(MenuLayout, OtherListsGetNoLayout)
{
    for (const wchar_t* name : {L"", L"listex2", L"listex_", L"listex1_Wenk", L"list", L"listex_Qiro ", L"xlistex"})
        EXPECT_EQ(nullptr, MenuLayoutForList(name)) << name;
    EXPECT_EQ(nullptr, MenuLayoutForList(nullptr));
}

TEST(MenuItems, OnlyTheExactItemNamesAreReported)
{
    for (const wchar_t* name : {L"menu_Name_New", L"menu_Name_ChangeName", L"menu_Name_Delete", L"menu_Name_Export",
                                L"menu_Name_Import", L"menu_Content_Edit", L"menu_Content_Delete"})
        EXPECT_TRUE(IsReportedMenuItem(name)) << name;
    for (const wchar_t* name : {L"menu_name_new", L"MENU_CONTENT_EDIT", L"menu_Name_New_Qiro", L"menu_list", L""})
        EXPECT_FALSE(IsReportedMenuItem(name)) << name;
    EXPECT_FALSE(IsReportedMenuItem(nullptr));
}

}  // namespace
