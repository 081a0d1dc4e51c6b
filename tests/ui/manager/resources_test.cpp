#include <gtest/gtest.h>

#include <string>

#include "tests/ui/support/recording_control.h"
#include "ui/core/image_record.h"
#include "ui/core/window_manager.h"

using SkinUI::CPtrArrayUI;
using SkinUI::CWindowManagerUI;
using SkinUI::FontRecordUI;
using SkinUI::ImageRecordUI;
using SkinUI::test::RecordingControl;

namespace {

TEST(OptionGroups, MembershipRules)
{
    CWindowManagerUI m;
    RecordingControl* a = new RecordingControl(L"a");
    RecordingControl* b = new RecordingControl(L"b");
    EXPECT_TRUE(m.AddOptionToGroup(L"dpi", a));
    EXPECT_FALSE(m.AddOptionToGroup(L"dpi", a));
    EXPECT_TRUE(m.AddOptionToGroup(L"dpi", b));
    EXPECT_FALSE(m.AddOptionToGroup(L"dpi", nullptr));
    EXPECT_FALSE(m.AddOptionToGroup(nullptr, a));
    CPtrArrayUI* group = m.GetOptionGroup(L"dpi");
    ASSERT_NE(nullptr, group);
    EXPECT_EQ(2, group->GetSize());
    EXPECT_EQ(a, group->GetAt(0));

    m.RemoveOptionFromGroup(L"dpi", a);
    EXPECT_EQ(b, m.GetOptionGroup(L"dpi")->GetAt(0));
    m.RemoveOptionFromGroup(L"dpi", b);
    EXPECT_EQ(nullptr, m.GetOptionGroup(L"dpi"));
    m.RemoveOptionFromGroup(L"none", b);
    a->Delete();
    b->Delete();
}

TEST(DefaultAttributeLists, OwnListComesBeforeTheSharedOne)
{
    CWindowManagerUI m;
    CWindowManagerUI other;
    m.AddDefaultAttributeList(L"Button", L"width=\"10\"", true);
    EXPECT_STREQ(L"width=\"10\"", other.GetDefaultAttributes(L"Button"));
    m.AddDefaultAttributeList(L"Button", L"width=\"20\"");
    EXPECT_STREQ(L"width=\"20\"", m.GetDefaultAttributes(L"Button"));
    EXPECT_STREQ(L"width=\"10\"", other.GetDefaultAttributes(L"Button"));
    m.AddDefaultAttributeList(L"Button", L"width=\"30\"");
    EXPECT_STREQ(L"width=\"30\"", m.GetDefaultAttributes(L"Button"));
    EXPECT_EQ(nullptr, m.GetDefaultAttributes(L"Label"));
    m.RemoveAllDefaultAttributeLists(true);
    EXPECT_EQ(nullptr, other.GetDefaultAttributes(L"Button"));
}

TEST(Fonts, IdsFallBackToTheDefaultFont)
{
    CWindowManagerUI m;
    HFONT font = m.AddFont(3, L"Tahoma", 14, true, false, false);
    ASSERT_NE(nullptr, font);
    EXPECT_EQ(font, m.GetFontHandle(3));
    EXPECT_EQ(1, m.GetFontCount());
    const HFONT defaultFont = m.GetDefaultFontRecord()->handle;
    ASSERT_NE(nullptr, defaultFont);
    EXPECT_EQ(defaultFont, m.GetFontHandle(-1));
    EXPECT_EQ(defaultFont, m.GetFontHandle(99));
    EXPECT_EQ(m.GetDefaultFontRecord(), m.GetFontRecord(99));

    FontRecordUI* record = m.GetFontRecord(3);
    EXPECT_STREQ(L"Tahoma", record->faceName);
    EXPECT_EQ(14, record->size);
    EXPECT_TRUE(record->bold);
    EXPECT_EQ(record, m.GetFontRecordByHandle(font));
    EXPECT_EQ(font, m.FindFont(L"Tahoma", 14, true, false, false));
    EXPECT_EQ(nullptr, m.FindFont(L"Tahoma", 14, false, false, false));
    EXPECT_EQ(nullptr, m.FindFont(L"tahoma", 14, true, false, false));

    HFONT replacement = m.AddFont(3, L"Arial", 10, false, false, false);
    EXPECT_EQ(replacement, m.GetFontHandle(3));
    EXPECT_EQ(1, m.GetFontCount());
    m.RemoveAllFonts();
    EXPECT_EQ(0, m.GetFontCount());
    EXPECT_EQ(defaultFont, m.GetFontHandle(3));
}

TEST(Fonts, LongFaceNamesAreCutAndTerminated)
{
    CWindowManagerUI m;
    const std::wstring face(40, L'F');
    ASSERT_NE(nullptr, m.AddFont(1, face.c_str(), 12, false, false, false));
    EXPECT_EQ(31, m.GetFontRecord(1)->faceName.GetLength());
    m.SetDefaultFont(face.c_str(), 13, false, true, false);
    EXPECT_EQ(31, m.GetDefaultFontRecord()->faceName.GetLength());
    EXPECT_TRUE(m.GetDefaultFontRecord()->underline);
}

TEST(Colours, SharedChangeReachesManagersStillOnTheOldValue)
{
    CWindowManagerUI follows;
    CWindowManagerUI own;
    const DWORD original = follows.GetLinkColor();
    own.SetLinkColor(0xFF010203);
    follows.SetLinkColor(0xFF00FF00, true);
    EXPECT_EQ(0xFF00FF00u, follows.GetLinkColor());
    EXPECT_EQ(0xFF010203u, own.GetLinkColor());
    CWindowManagerUI later;
    EXPECT_EQ(0xFF00FF00u, later.GetLinkColor());
    follows.SetLinkColor(original, true);
}

TEST(Images, CachedByNameAndReplacedOnReload)
{
    CWindowManagerUI m;
    EXPECT_EQ(nullptr, m.AddImage(L"", L"*COLOR*"));
    EXPECT_EQ(nullptr, m.AddImage(nullptr));
    ImageRecordUI* blue = m.GetImageEx(L"FF0000FF", L"*COLOR*");
    ASSERT_NE(nullptr, blue);
    EXPECT_EQ(1, blue->width);
    EXPECT_STREQ(L"*COLOR*", blue->resourceType);
    EXPECT_EQ(blue, m.GetImageEx(L"FF0000FF", L"*COLOR*"));
    EXPECT_EQ(blue, m.GetImage(L"FF0000FF"));

    ImageRecordUI* again = m.AddImage(L"FF0000FF", L"*COLOR*", 0, true);
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(again, m.GetImage(L"FF0000FF"));
    EXPECT_TRUE(again->adjust);
    EXPECT_EQ(4u, again->unadjusted.size());

    EXPECT_EQ(nullptr, m.AddImage(L"missing-file.png"));
    EXPECT_EQ(nullptr, m.GetImage(L"missing-file.png"));
    m.RemoveAllImages();
    EXPECT_EQ(nullptr, m.GetImage(L"FF0000FF"));
}

}  // namespace
