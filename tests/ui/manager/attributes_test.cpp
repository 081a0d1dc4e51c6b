#include <gtest/gtest.h>

#include "tests/ui/support/recording_control.h"
#include "ui/core/window_manager.h"

using SkinUI::CWindowManagerUI;
using SkinUI::test::RecordingControl;

namespace {

void ExpectRect(const RECT& r, LONG l, LONG t, LONG rr, LONG b)
{
    EXPECT_EQ(l, r.left);
    EXPECT_EQ(t, r.top);
    EXPECT_EQ(rr, r.right);
    EXPECT_EQ(b, r.bottom);
}

TEST(WindowAttributes, SizesAndNameCaseRules)
{
    CWindowManagerUI m;
    m.SetWindowAttribute(L"SIZE", L"300,200");
    EXPECT_EQ(300, m.GetInitialSize().cx);
    EXPECT_EQ(200, m.GetInitialSize().cy);
    m.SetWindowAttribute(L"Caption", L"0,0,0,30");
    ExpectRect(m.GetCaptionRect(), 0, 0, 0, 30);
    m.SetWindowAttribute(L"sizebox", L"4 4 4 4");
    ExpectRect(m.GetSizeBox(), 4, 4, 4, 4);
    m.SetWindowAttribute(L"mininfo", L"100,80");
    EXPECT_EQ(80, m.GetMinimumSize().cy);
    m.SetWindowAttribute(L"roundcorner", L"5,6");
    EXPECT_EQ(6, m.GetRoundCorner().cy);

    m.SetWindowAttribute(L"NoActivate", L"true");
    EXPECT_FALSE(m.IsNoActivate());
    EXPECT_STREQ(L"true", m.GetCustomAttribute(L"NoActivate"));
    m.SetWindowAttribute(L"noactivate", L"TRUE");
    EXPECT_TRUE(m.IsNoActivate());
    m.SetWindowAttribute(L"showdirty", L"yes");
    EXPECT_FALSE(m.IsShowUpdateRect());
}

TEST(WindowAttributes, ShortNumberListsReadMissingNumbersAsZero)
{
    CWindowManagerUI m;
    m.SetWindowAttribute(L"size", L"300");
    EXPECT_EQ(300, m.GetInitialSize().cx);
    EXPECT_EQ(0, m.GetInitialSize().cy);
    m.SetWindowAttribute(L"caption", L"1,2");
    ExpectRect(m.GetCaptionRect(), 1, 2, 0, 0);
    m.SetWindowAttribute(L"sizebox", L"");
    ExpectRect(m.GetSizeBox(), 0, 0, 0, 0);
    m.SetWindowAttribute(L"maxinfo", L"7,");
    EXPECT_EQ(7, m.GetMaximumSize().cx);
    EXPECT_EQ(0, m.GetMaximumSize().cy);
}

TEST(WindowAttributes, ColoursWithOrWithoutHash)
{
    CWindowManagerUI m;
    m.SetWindowAttribute(L"defaultfontcolor", L"#FF112233");
    EXPECT_EQ(0xFF112233u, m.GetDefaultTextColor());
    m.SetWindowAttribute(L"DisabledFontColor", L"FF445566");
    EXPECT_EQ(0xFF445566u, m.GetDisabledTextColor());
    m.SetWindowAttribute(L"linkfontcolor", L"112233");
    EXPECT_EQ(0x00112233u, m.GetLinkColor());
    m.SetWindowAttribute(L"selectedcolor", L"#FFBAE4FE");
    EXPECT_EQ(0xFFBAE4FEu, m.GetSelectedBackgroundColor());

    CWindowManagerUI other;
    EXPECT_EQ(0xFF000000u, other.GetDefaultTextColor());
}

TEST(WindowAttributes, CustomAttributeKeepsTheFirstValue)
{
    CWindowManagerUI m;
    m.SetWindowAttribute(L"theme", L"dark");
    m.SetWindowAttribute(L"theme", L"light");
    m.SetWindowAttribute(L"empty", L"");
    EXPECT_STREQ(L"dark", m.GetCustomAttribute(L"theme"));
    EXPECT_EQ(nullptr, m.GetCustomAttribute(L"empty"));
}

class ControlAttributes : public ::testing::Test {
protected:
    void TearDown() override { control->Delete(); }
    RecordingControl* control = new RecordingControl;
};

TEST_F(ControlAttributes, BooleansAreTrueOnlyForExactlyTrue)
{
    control->SetAttribute(L"visible", L"True");
    EXPECT_FALSE(control->IsVisible());
    control->SetAttribute(L"visible", L"true");
    EXPECT_TRUE(control->IsVisible());
    control->SetAttribute(L"enabled", L"1");
    EXPECT_FALSE(control->IsEnabled());
    control->SetAttribute(L"mouse", L"false");
    EXPECT_FALSE(control->IsMouseEnabled());
    control->SetAttribute(L"menu", L"true");
    EXPECT_TRUE(control->IsContextMenuEnabled());
}

TEST_F(ControlAttributes, ColourPrefixes)
{
    control->SetAttribute(L"bkcolor", L"  #FF102030");
    EXPECT_EQ(0xFF102030u, control->GetBackgroundColor());
    control->SetAttribute(L"bkcolor2", L"FF405060");
    EXPECT_EQ(0xFF405060u, control->GetBackgroundColor2());
    control->SetAttribute(L"bkcolor1", L"#80FFFFFF");
    EXPECT_EQ(0x80FFFFFFu, control->GetBackgroundColor());
    control->SetAttribute(L"bordercolor", L"#FF000001");
    EXPECT_EQ(0xFF000001u, control->GetBorderColor());
    // Only the background colours skip blanks before the '#'.
    control->SetAttribute(L"focusbordercolor", L" #FF000002");
    EXPECT_EQ(0u, control->GetFocusBorderColor());
}

TEST_F(ControlAttributes, PositionPaddingAndBorderLists)
{
    control->SetAttribute(L"pos", L"10,20,110,70");
    EXPECT_EQ(10, control->GetFixedXY().cx);
    EXPECT_EQ(20, control->GetFixedXY().cy);
    EXPECT_EQ(100, control->GetFixedWidth());
    EXPECT_EQ(50, control->GetFixedHeight());

    control->SetAttribute(L"pos", L"5");
    EXPECT_EQ(5, control->GetFixedXY().cx);
    EXPECT_EQ(0, control->GetFixedXY().cy);
    EXPECT_EQ(100, control->GetFixedWidth());  // a negative width is ignored

    control->SetAttribute(L"padding", L"1,2,3");
    ExpectRect(control->GetPadding(), 1, 2, 3, 0);
    control->SetAttribute(L"bordersize", L"2");
    ExpectRect(control->GetBorderSize(), 2, 2, 2, 2);
    control->SetAttribute(L"bordersize", L"1,0,0,0");
    ExpectRect(control->GetBorderSize(), 1, 0, 0, 0);
    control->SetAttribute(L"borderround", L"4,6");
    EXPECT_EQ(6, control->GetBorderRound().cy);
}

TEST_F(ControlAttributes, FloatTakesFractionsOrABoolean)
{
    control->SetAttribute(L"float", L"0.5,0,0.5");
    EXPECT_TRUE(control->IsFloating());
    double percent[4];
    control->GetFloatPercent(percent);
    EXPECT_DOUBLE_EQ(0.5, percent[0]);
    EXPECT_DOUBLE_EQ(0.5, percent[2]);
    EXPECT_DOUBLE_EQ(0.0, percent[3]);
    control->SetAttribute(L"float", L"0.25");
    EXPECT_FALSE(control->IsFloating());
}

TEST_F(ControlAttributes, TextsTooltipShortcutAndLimits)
{
    control->SetAttribute(L"tooltip", L"one<n>two");
    EXPECT_STREQ(L"one\r\ntwo", control->GetToolTip());
    control->SetAttribute(L"shortcut", L"xyz");
    EXPECT_EQ(L'x', control->GetShortcutKey());
    control->SetAttribute(L"tag", L"42");
    EXPECT_EQ(42u, control->GetTag());
    control->SetAttribute(L"minwidth", L"50");
    control->SetAttribute(L"maxwidth", L"20");
    EXPECT_EQ(50, control->GetMaxWidth());
    control->SetAttribute(L"minheight", L"-4");
    EXPECT_EQ(0, control->GetMinHeight());
}

TEST_F(ControlAttributes, UnknownNamesBecomeCustomAttributesFirstWins)
{
    control->SetAttribute(L"chip", L"Qiro");
    control->SetAttribute(L"chip", L"Dolv");
    EXPECT_STREQ(L"Qiro", control->GetCustomAttribute(L"chip"));
    control->SetAttribute(L"Text", L"custom");
    EXPECT_STREQ(L"", control->GetText());
    EXPECT_STREQ(L"custom", control->GetCustomAttribute(L"Text"));
}

TEST_F(ControlAttributes, AttributeListStopsAtTheFirstBadPair)
{
    control->SetAttributeList(L"text=\"a b\" name=\"n1\" width=5 height=\"9\"");
    EXPECT_STREQ(L"a b", control->GetText());
    EXPECT_STREQ(L"n1", control->GetName());
    EXPECT_EQ(0, control->GetFixedWidth());
    EXPECT_EQ(0, control->GetFixedHeight());

    control->SetAttributeList(L"userdata=\"u\",text=\"c\"");
    EXPECT_STREQ(L"u", control->GetUserData());
    EXPECT_STREQ(L"a b", control->GetText());

    control->SetAttributeList(L"tooltip=\"never closed");
    EXPECT_STREQ(L"", control->GetToolTip());
    control->SetAttributeList(L"noequals");
    control->SetAttributeList(L"");
    control->SetAttributeList(nullptr);
}

}  // namespace
