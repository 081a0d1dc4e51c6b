// Language files overlaying the text table, and the fonts re-faced for a
// language, on a manager without a window.
#include "app/main/frame/languages.h"
#include "tests/ui/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <fstream>

using SkinUI::CWindowManagerUI;

namespace {

void WriteUtf8(const std::wstring& path, const std::string& text)
{
    std::ofstream file(path.c_str(), std::ios::binary);
    file << text;
}

class Languages : public testing::Test {
protected:
    void SetUp() override
    {
        skin.MakeFolder(L"Languages");
        previousFolder = CWindowManagerUI::GetResourceFolder();
        CWindowManagerUI::SetResourceFolder(skin.path().c_str());
        CWindowManagerUI::RemoveAllLanguageTexts();
        WriteUtf8(skin.Sub(L"Languages\\A.xml"),
                  "<?xml version=\"1.0\" encoding=\"utf-8\"?><Language>"
                  "<MultiLanguage id=\"1\" value=\"one A\"/><MultiLanguage id=\"2\" value=\"two A\"/>"
                  "<MultiLanguage id=\"088\" value=\"Title A\"/></Language>");
        WriteUtf8(skin.Sub(L"Languages\\B.xml"),
                  "<?xml version=\"1.0\" encoding=\"utf-8\"?><Language>"
                  "<MultiLanguage id=\"1\" value=\"\xE4\xB8\x80 B\"/><MultiLanguage id=\"88\" value=\"Title B\"/>"
                  "<MultiLanguage id=\"-4\" value=\"negative\"/></Language>");
        WriteUtf8(skin.Sub(L"Languages\\Broken.xml"),
                  "<Language><MultiLanguage id=\"1\" value=\"broken\"/><MultiLanguage id=");
    }
    void TearDown() override
    {
        CWindowManagerUI::RemoveAllLanguageTexts();
        CWindowManagerUI::SetResourceFolder(previousFolder);
    }

    static std::wstring Text(int id)
    {
        const wchar_t* text = CWindowManagerUI::GetLanguageText(id);
        return text != nullptr ? text : L"<none>";
    }

    SkinUI::test::ScratchDir skin{L"frame_languages"};
    SkinUI::CUIString previousFolder;
};

TEST_F(Languages, ALaterFileReplacesItsIdsAndKeepsTheOthers)
{
    ReadLanguageFile(L"A.xml");
    EXPECT_EQ(Text(1), L"one A");
    EXPECT_EQ(Text(88), L"Title A");  // "088" names id 88

    ReadLanguageFile(L"B.xml");
    EXPECT_EQ(Text(1), L"\x4E00 B");
    EXPECT_EQ(Text(2), L"two A");
    EXPECT_EQ(Text(88), L"Title B");
    EXPECT_EQ(Text(-4), L"<none>");

    // The same file again changes nothing.
    ReadLanguageFile(L"B.xml");
    EXPECT_EQ(Text(1), L"\x4E00 B");
    EXPECT_EQ(Text(2), L"two A");
}

TEST_F(Languages, AMissingOrBrokenFileAddsNoTexts)
{
    ReadLanguageFile(L"A.xml");
    ReadLanguageFile(L"Missing.xml");
    ReadLanguageFile(L"Broken.xml");
    ReadLanguageFile(nullptr);
    EXPECT_EQ(Text(1), L"one A");
    EXPECT_EQ(Text(2), L"two A");
}

TEST(FontReFacing, EveryFontButTheLanguageItemsTakesTheFaceAndKeepsItsSizeAndStyle)
{
    CWindowManagerUI manager;
    manager.AddFont(0, L"Segoe UI", 12, false, false, false);
    manager.AddFont(1, L"Segoe UI", 16, true, false, false);
    manager.AddFont(2, L"Segoe UI", 13, false, true, true);
    manager.AddFont(3, L"Segoe UI", 12, false, false, false);  // "English" menu item
    manager.AddFont(4, L"Microsoft YaHei", 14, true, false, false);  // the Chinese menu item
    const std::map<int, int> languageFonts = {{1, 3}, {2, 4}};

    SkinUI::FontRecordUI chinese = *manager.GetFontRecord(4);
    ReFaceFonts(manager, chinese, languageFonts);

    EXPECT_EQ(manager.GetDefaultFontRecord()->faceName, L"Microsoft YaHei");
    EXPECT_EQ(manager.GetDefaultFontRecord()->size, 14);
    EXPECT_TRUE(manager.GetDefaultFontRecord()->bold);
    const struct {
        int id;
        const wchar_t* face;
        int size;
        bool bold, underline, italic;
    } expected[] = {{0, L"Microsoft YaHei", 12, false, false, false},
                    {1, L"Microsoft YaHei", 16, true, false, false},
                    {2, L"Microsoft YaHei", 13, false, true, true},
                    {3, L"Segoe UI", 12, false, false, false},
                    {4, L"Microsoft YaHei", 14, true, false, false}};
    for (const auto& font : expected) {
        const SkinUI::FontRecordUI* record = manager.GetFontRecord(font.id);
        EXPECT_EQ(record->faceName, font.face) << font.id;
        EXPECT_EQ(record->size, font.size) << font.id;
        EXPECT_EQ(record->bold, font.bold) << font.id;
        EXPECT_EQ(record->underline, font.underline) << font.id;
        EXPECT_EQ(record->italic, font.italic) << font.id;
    }
    EXPECT_EQ(manager.GetFontCount(), 5);

    // Back to the Latin face: the Chinese item's font stays Chinese.
    SkinUI::FontRecordUI latin = *manager.GetFontRecord(3);
    ReFaceFonts(manager, latin, languageFonts);
    EXPECT_EQ(manager.GetFontRecord(0)->faceName, L"Segoe UI");
    EXPECT_EQ(manager.GetFontRecord(4)->faceName, L"Microsoft YaHei");
}

}  // namespace
