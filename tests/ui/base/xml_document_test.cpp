#include "ui/core/xml_document.h"

#include <gtest/gtest.h>

#include <string>

#include "scratch_folder.h"
#include "ui/core/skin_resources.h"
#include "zip_builder.h"

using SkinUI::CXmlDocumentUI;
using SkinUI::CXmlNodeUI;
using SkinUI::SkinResourcesUI;

namespace {

const char* const LAYOUT = "<Window size=\"300,200\"><Font name=\"Arial\" size=\"12\"/></Window>";

std::wstring Attribute(const CXmlNodeUI& node, const wchar_t* name)
{
    wchar_t value[256] = {};
    return node.GetAttributeValueByName(name, value, 256) ? value : L"<none>";
}

void ExpectLayout(CXmlDocumentUI& document)
{
    ASSERT_TRUE(document.IsLoaded()) << document.GetLastErrorMessage();
    const CXmlNodeUI root = document.GetRoot();
    EXPECT_STREQ(L"Window", root.GetName());
    EXPECT_EQ(1, root.GetAttributeCount());
    EXPECT_STREQ(L"size", root.GetAttributeName(0));
    EXPECT_STREQ(L"300,200", root.GetAttributeValue(0));
    const CXmlNodeUI font = root.GetFirstChild();
    EXPECT_STREQ(L"Font", font.GetName());
    EXPECT_EQ(2, font.GetAttributeCount());
    EXPECT_EQ(L"Arial", Attribute(font, L"name"));
    EXPECT_EQ(L"12", Attribute(font, L"size"));
    EXPECT_FALSE(font.HasChildren());
    EXPECT_FALSE(font.GetNextSibling().IsValid());
}

std::string Utf16(const std::string& ascii, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

bool LoadBytes(CXmlDocumentUI& document, const std::string& bytes, int encoding)
{
    return document.LoadFromMemory(reinterpret_cast<const BYTE*>(bytes.data()),
                                   static_cast<DWORD>(bytes.size()), encoding);
}

// Points the skin location at a folder (and optionally an archive) for one test.
class SkinAt {
public:
    SkinAt(const std::wstring& folder, const wchar_t* zip, bool keepOpen)
    {
        SkinResourcesUI::SetResourceFolder(folder.c_str());
        SkinResourcesUI::SetResourceZip(zip, keepOpen);
    }
    ~SkinAt()
    {
        SkinResourcesUI::CloseResourceZip();
        SkinResourcesUI::SetResourceZip(L"", false);
        SkinResourcesUI::SetResourceFolder(L"");
    }
};

}  // namespace

TEST(XmlDocument, EveryEncodingGivesTheSameDocument)
{
    CXmlDocumentUI document;
    ASSERT_TRUE(LoadBytes(document, LAYOUT, CXmlDocumentUI::XML_ENCODING_UTF8));
    ExpectLayout(document);
    ASSERT_TRUE(LoadBytes(document, std::string("\xEF\xBB\xBF") + LAYOUT, CXmlDocumentUI::XML_ENCODING_UTF8));
    ExpectLayout(document);
    ASSERT_TRUE(LoadBytes(document, LAYOUT, CXmlDocumentUI::XML_ENCODING_ANSI));
    ExpectLayout(document);
    ASSERT_TRUE(LoadBytes(document, Utf16(LAYOUT, false), CXmlDocumentUI::XML_ENCODING_UTF16));
    ExpectLayout(document);
    ASSERT_TRUE(LoadBytes(document, Utf16(LAYOUT, true) + "x", CXmlDocumentUI::XML_ENCODING_UTF16));
    ExpectLayout(document);

    CXmlDocumentUI wide(L"<Window size=\"300,200\"><Font name=\"Arial\" size=\"12\"/></Window>");
    ExpectLayout(wide);

    const std::string utf8Name = "<Label text=\"Gr\xC3\xBC\xC3\x9F" "e\"/>";
    ASSERT_TRUE(LoadBytes(document, utf8Name, CXmlDocumentUI::XML_ENCODING_UTF8));
    EXPECT_STREQ(L"Gr\u00FC\u00DFe", document.GetRoot().GetAttributeValue(0));

    for (const std::string& bad : {std::string(), std::string("\xFF"), std::string("<a/>")}) {
        EXPECT_FALSE(LoadBytes(document, bad, CXmlDocumentUI::XML_ENCODING_UTF16));
        EXPECT_FALSE(document.IsLoaded());
    }
}

TEST(XmlDocument, EntitiesAndSections)
{
    CXmlDocumentUI document(
        L"<?xml version=\"1.0\"?><!-- a comment --><Window text=\"Tom &amp; Jerry\" "
        L"all=\"&lt;&gt;&quot;&apos;\" raw=\"&#65;&amp\" wide=\"a &amp;&amp; b\" next=\"ok\">"
        L"A &amp; B<Label/></Window>");
    ASSERT_TRUE(document.IsLoaded()) << document.GetLastErrorMessage();
    const CXmlNodeUI root = document.GetRoot();
    EXPECT_EQ(5, root.GetAttributeCount());
    EXPECT_EQ(L"Tom & Jerry", Attribute(root, L"text"));
    EXPECT_EQ(L"<>\"'", Attribute(root, L"all"));
    EXPECT_EQ(L"&#65;&amp", Attribute(root, L"raw"));
    EXPECT_EQ(L"a && b", Attribute(root, L"wide"));
    EXPECT_EQ(L"ok", Attribute(root, L"next"));
    EXPECT_STREQ(L"Label", root.GetFirstChild().GetName());

    CXmlDocumentUI doctype(L"<!DOCTYPE Window><Window/>");
    ASSERT_TRUE(doctype.IsLoaded());
    EXPECT_FALSE(doctype.GetRoot().IsValid());
}

TEST(XmlDocument, TreeLinks)
{
    CXmlDocumentUI document(
        L"<Window>\n  <A x=\"1\"></A>\n  <B>\n    <C/>\n    <D/>\n  </B >\n  <E/>\n</Window>");
    ASSERT_TRUE(document.IsLoaded()) << document.GetLastErrorMessage();
    const CXmlNodeUI root = document.GetRoot();
    const CXmlNodeUI a = root.GetFirstChild();
    const CXmlNodeUI b = a.GetNextSibling();
    const CXmlNodeUI e = b.GetNextSibling();
    EXPECT_STREQ(L"A", a.GetName());
    EXPECT_EQ(L"1", Attribute(a, L"x"));
    EXPECT_STREQ(L"B", b.GetName());
    EXPECT_STREQ(L"C", b.GetFirstChild().GetName());
    EXPECT_STREQ(L"D", b.GetFirstChild().GetNextSibling().GetName());
    EXPECT_FALSE(b.GetFirstChild().GetNextSibling().GetNextSibling().IsValid());
    EXPECT_STREQ(L"E", e.GetName());
    EXPECT_FALSE(e.GetNextSibling().IsValid());
    EXPECT_FALSE(root.GetNextSibling().IsValid());

    CXmlDocumentUI open(L"<Window><A/>");
    ASSERT_TRUE(open.IsLoaded()) << open.GetLastErrorMessage();
    EXPECT_STREQ(L"Window", open.GetRoot().GetName());
    EXPECT_STREQ(L"A", open.GetRoot().GetFirstChild().GetName());

    const CXmlNodeUI invalid;
    EXPECT_EQ(nullptr, invalid.GetName());
    EXPECT_EQ(nullptr, invalid.GetAttributeName(0));
    EXPECT_EQ(0, invalid.GetAttributeCount());
    EXPECT_FALSE(invalid.GetFirstChild().IsValid());
    EXPECT_STREQ(L"", root.GetAttributeName(3));
}

TEST(XmlDocument, ErrorsNameTheirPlace)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* message;
        const wchar_t* location;
    };
    const Case cases[] = {
        {L"text", L"Expected start tag", L"text"},
        {L"<Window", L"Error parsing element name", L""},
        {L"<Window / >", L"Expected start-tag closing", L"/ >"},
        {L"<Window><A><B>data", L"Expected end-tag start", L""},
        {L"<Window><A><B/>", L"Expected start tag", L""},
        {L"<Window></Windows>", L"Unmatched closing tag", L"s>"},
        {L"<Window></Label>", L"Unmatched closing tag", L"Label>"},
        {L"<Window a=\"1\" b>", L"Error while parsing attributes", L">"},
        {L"<Window a='1'/>", L"Expected attribute value", L"'1'/>"},
        {L"<Window a=\"1/>", L"Error while parsing attribute string", L""},
    };
    for (const Case& c : cases) {
        CXmlDocumentUI document(c.text);
        EXPECT_FALSE(document.IsLoaded()) << c.text;
        EXPECT_STREQ(c.message, document.GetLastErrorMessage()) << c.text;
        EXPECT_STREQ(c.location, document.GetLastErrorLocation()) << c.text;
        EXPECT_FALSE(document.GetRoot().IsValid());
    }

    std::wstring longTail = L"<Window>x</Window>" + std::wstring(80, L'y');
    CXmlDocumentUI document(longTail.c_str());
    EXPECT_STREQ(L"Expected start tag", document.GetLastErrorMessage());
    EXPECT_EQ(std::wstring(49, L'y'), document.GetLastErrorLocation());
}

TEST(XmlDocument, NestingIsBounded)
{
    std::wstring deep;
    for (int i = 0; i < 100000; ++i)
        deep += L"<a>";
    CXmlDocumentUI document(deep.c_str());
    EXPECT_FALSE(document.IsLoaded());

    std::wstring fine;
    for (int i = 0; i < 100; ++i)
        fine += L"<a>";
    for (int i = 0; i < 100; ++i)
        fine += L"</a>";
    EXPECT_TRUE(CXmlDocumentUI(fine.c_str()).IsLoaded());

    const auto nested = [](int depth) {
        std::wstring text;
        for (int i = 0; i < depth; ++i)
            text += L"<a>";
        for (int i = 0; i < depth; ++i)
            text += L"</a>";
        return text;
    };
    EXPECT_TRUE(CXmlDocumentUI(nested(CXmlDocumentUI::MAX_NESTING).c_str()).IsLoaded());
    CXmlDocumentUI tooDeep(nested(CXmlDocumentUI::MAX_NESTING + 1).c_str());
    EXPECT_FALSE(tooDeep.IsLoaded());
    EXPECT_STREQ(L"Elements nested too deeply", tooDeep.GetLastErrorMessage());
}

TEST(XmlDocument, AttributeLimitsAndTheBoundedGetter)
{
    std::wstring text = L"<Window";
    for (int i = 1; i <= 65; ++i)
        text += L" a" + std::to_wstring(i) + L"=\"v" + std::to_wstring(i) + L"\"";
    text += L"/>";
    CXmlDocumentUI document(text.c_str());
    ASSERT_TRUE(document.IsLoaded());
    const CXmlNodeUI root = document.GetRoot();
    EXPECT_EQ(64, root.GetAttributeCount());
    EXPECT_EQ(L"v64", Attribute(root, L"a64"));
    EXPECT_EQ(L"<none>", Attribute(root, L"a65"));

    CXmlDocumentUI small(L"<Window name=\"abcdef\"/>");
    wchar_t buffer[6];
    std::wmemset(buffer, L'#', 6);
    EXPECT_TRUE(small.GetRoot().GetAttributeValueByName(L"name", buffer, 4));
    EXPECT_STREQ(L"abc", buffer);
    EXPECT_EQ(L'#', buffer[4]);
    EXPECT_FALSE(small.GetRoot().GetAttributeValueByName(L"NAME", buffer, 4));
}

TEST(XmlDocument, LoadsSkinFilesUpTo4MiB)
{
    ScratchFolder scratch;
    CreateDirectoryW((scratch / L"XML").c_str(), nullptr);
    const std::string head = "<Window pad=\"";
    const std::string tail = "\"/>";
    const std::string largest = head + std::string(0x400000 - head.size() - tail.size(), 'p') + tail;
    ASSERT_TRUE(ScratchFolder::WriteFile(scratch / L"XML\\largest.xml", largest));
    ASSERT_TRUE(ScratchFolder::WriteFile(scratch / L"XML\\over.xml", largest + " "));
    ASSERT_TRUE(ScratchFolder::WriteFile(scratch / L"XML\\empty.xml", ""));
    ASSERT_TRUE(ScratchFolder::WriteFile(scratch / L"XML\\layout.xml", LAYOUT));

    SkinAt skin(scratch.Path(), L"", false);
    CXmlDocumentUI document;
    EXPECT_TRUE(document.LoadFromFile(L"XML\\layout.xml"));
    ExpectLayout(document);
    EXPECT_TRUE(document.LoadFromFile(L"XML\\largest.xml")) << document.GetLastErrorMessage();
    EXPECT_EQ(largest.size() - head.size() - tail.size(), std::wcslen(document.GetRoot().GetAttributeValue(0)));

    struct Case {
        const wchar_t* file;
        const wchar_t* message;
    };
    for (const Case& c : {Case{L"XML\\over.xml", L"File too large"}, Case{L"XML\\empty.xml", L"File is empty"},
                          Case{L"XML\\missing.xml", L"Error opening file"}}) {
        EXPECT_FALSE(document.LoadFromFile(c.file));
        EXPECT_FALSE(document.IsLoaded());
        EXPECT_STREQ(c.message, document.GetLastErrorMessage()) << c.file;
        EXPECT_STREQ(L"", document.GetLastErrorLocation());
    }
}

TEST(XmlDocument, LoadsSkinFilesFromTheSkinArchive)
{
    ScratchFolder scratch;
    ZipBuilder builder;
    builder.Add("xml/Main_Frame.xml", LAYOUT, true);
    builder.Add("xml/empty.xml", "");
    builder.Add("xml/big.xml", std::string(0x400001, ' '), true);
    // Claims more bytes than it holds; the unread tail must not be parsed.
    builder.Add("xml/short.xml", LAYOUT).declareLargerSize = true;
    const std::string archive = builder.Build();
    ASSERT_TRUE(ScratchFolder::WriteFile(scratch / L"skin.zip", archive));

    for (bool keepOpen : {true, false}) {
        SkinAt skin(scratch.Path(), L"skin.zip", keepOpen);
        EXPECT_EQ(keepOpen, SkinResourcesUI::GetResourceZipHandle() != nullptr);
        CXmlDocumentUI document;
        EXPECT_TRUE(document.LoadFromFile(L"XML\\main_frame.xml")) << document.GetLastErrorMessage();
        ExpectLayout(document);
        EXPECT_TRUE(document.LoadFromFile(L"xml\\short.xml")) << document.GetLastErrorMessage();
        ExpectLayout(document);

        struct Case {
            const wchar_t* file;
            const wchar_t* message;
        };
        for (const Case& c : {Case{L"xml\\missing.xml", L"Could not find ziped file"},
                              Case{L"xml\\empty.xml", L"File is empty"},
                              Case{L"xml\\big.xml", L"File too large"}}) {
            EXPECT_FALSE(document.LoadFromFile(c.file));
            EXPECT_STREQ(c.message, document.GetLastErrorMessage()) << c.file;
        }
    }
    {
        SkinAt skin(scratch.Path(), L"absent.zip", true);
        CXmlDocumentUI document;
        EXPECT_FALSE(document.LoadFromFile(L"XML\\main_frame.xml"));
        EXPECT_STREQ(L"Error opening zip file", document.GetLastErrorMessage());
    }
    {
        SkinAt skin(scratch.Path(), L"", true);
        SkinResourcesUI::SetResourceZipFromMemory(archive.data(), static_cast<DWORD>(archive.size()));
        EXPECT_STREQ(L"membuffer", SkinResourcesUI::GetResourceZipName());
        CXmlDocumentUI document;
        EXPECT_TRUE(document.LoadFromFile(L"XML\\main_frame.xml")) << document.GetLastErrorMessage();
        ExpectLayout(document);
    }
}
