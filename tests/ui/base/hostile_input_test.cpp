// Mutated layouts and archives must be refused or read, never crash or hang.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ui/core/xml_document.h"
#include "ui/core/zip_archive.h"
#include "zip_builder.h"

using namespace SkinUI;

namespace {

const char* const SEEDS[] = {
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"400,300\" caption=\"0,0,0,30\">"
    "<Font id=\"0\" name=\"Arial\" size=\"12\" default=\"true\"/><!-- buttons -->"
    "<VerticalLayout bkcolor=\"#FF202020\"><Button name=\"closebtn\" text=\"A &amp; B\"/>"
    "<Label text=\"&lt;x&gt;\">data &quot;quoted&quot;</Label></VerticalLayout></Window>",
    "<Language><MultiLanguage id=\"088\" value=\"Vastemor\"/><MultiLanguage id=\"081\" value=\"OK\"/></Language>",
    "<!DOCTYPE x><a b=\"c\"><d><e f=\"g\"></e></d></a>",
};

std::string Mutate(std::string text, std::mt19937& random)
{
    static const char MARKUP[] = "<>\"&/!?=; -\0ab";
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < edits && !text.empty(); ++i) {
        const size_t at = random() % text.size();
        switch (random() % 5) {
        case 0:
            text[at] = MARKUP[random() % (sizeof(MARKUP) - 1)];
            break;
        case 1:
            text.insert(at, 1, MARKUP[random() % (sizeof(MARKUP) - 1)]);
            break;
        case 2:
            text.erase(at, 1 + random() % 8);
            break;
        case 3:
            text.insert(at, text.substr(at, 1 + random() % 16));
            break;
        default:
            text.resize(at);
            break;
        }
    }
    return text;
}

// Reads every name and attribute reachable from the root, at most `limit` nodes.
int Walk(const CXmlNodeUI& node, int limit)
{
    int visited = 0;
    for (CXmlNodeUI n = node; n.IsValid() && visited < limit; n = n.GetNextSibling()) {
        ++visited;
        volatile size_t sink = std::wcslen(n.GetName());
        for (int i = 0; i < n.GetAttributeCount(); ++i)
            sink += std::wcslen(n.GetAttributeName(i)) + std::wcslen(n.GetAttributeValue(i));
        wchar_t value[8] = {};
        n.GetAttributeValueByName(L"id", value, 8);
        (void)sink;
        visited += Walk(n.GetFirstChild(), limit - visited);
    }
    return visited;
}

std::string Utf16(const std::string& bytes)
{
    std::string out = "\xFF\xFE";
    for (char c : bytes) {
        out += c;
        out += '\0';
    }
    return out;
}

}  // namespace

TEST(HostileInput, MutatedLayoutsParseOrFail)
{
    std::mt19937 random(2024);
    int loaded = 0;
    for (int round = 0; round < 4000; ++round) {
        const std::string text = Mutate(SEEDS[round % 3], random);
        CXmlDocumentUI document;
        const bool utf16 = round % 4 == 3;
        const std::string bytes = utf16 ? Utf16(text) : text;
        if (document.LoadFromMemory(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()),
                                    utf16 ? CXmlDocumentUI::XML_ENCODING_UTF16 : CXmlDocumentUI::XML_ENCODING_UTF8)) {
            ++loaded;
            ASSERT_LE(Walk(document.GetRoot(), 10000), 10000);
        } else {
            ASSERT_NE(L'\0', document.GetLastErrorMessage()[0]);
        }
    }
    EXPECT_GT(loaded, 0);
}

TEST(HostileInput, MutatedArchivesOpenOrFail)
{
    ZipBuilder builder;
    builder.Add("xml/", "").externalAttributes = 0x41ED0010;
    builder.Add("xml/main.xml", SEEDS[0], true).localExtra = ZipBuilder::TimeStampExtra(1, 2, 3);
    builder.Add("image/a.bin", std::string(3000, 'q'), true);
    builder.Add("plain.txt", "stored text");
    const std::string original = builder.Build();

    std::mt19937 random(77);
    int opened = 0;
    std::vector<char> buffer(0x1000);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = original;
        const int edits = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < edits; ++i)
            bytes[random() % bytes.size()] = static_cast<char>(random());
        if (round % 10 == 0)
            bytes.resize(random() % bytes.size());

        HZIPUI zip = ZipArchiveUI::Open(bytes.data(), static_cast<DWORD>(bytes.size()), ZIP_STREAM_MEMORY);
        if (!zip)
            continue;
        ++opened;
        ZipEntryUI entry;
        ZipArchiveUI::GetItem(zip, -1, &entry);
        const int count = entry.index < 64 ? entry.index : 64;
        for (int index = 0; index < count; ++index) {
            ZipArchiveUI::GetItem(zip, index, &entry);
            int calls = 0;
            while (ZipArchiveUI::ExtractItem(zip, index, buffer.data(), static_cast<DWORD>(buffer.size()),
                                             ZIP_STREAM_MEMORY) == ZIP_MORE_DATA &&
                   ++calls < 64) {
            }
        }
        int index = -1;
        ZipArchiveUI::FindItem(zip, L"XML\\MAIN.xml", true, &index, &entry);
        EXPECT_EQ(ZIP_OK, ZipArchiveUI::Close(zip));
    }
    EXPECT_GT(opened, 0);
}
