// Mutated layouts, language files and archives must be refused or read,
// never crash, hang or read past their bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/container.h"
#include "ui/core/control_registry.h"
#include "ui/core/layout_builder.h"
#include "ui/core/scrollbar.h"
#include "ui/core/skin_resources.h"
#include "ui/core/window_manager.h"
#include "ui/core/xml_document.h"
#include "ui/core/zip_archive.h"
#include "scratch_folder.h"
#include "zip_builder.h"

using namespace SkinUI;

namespace {

const std::vector<std::string> kLayouts = {
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"400,300\" caption=\"0,0,0,30\" sizebox=\"4,4,4,4\""
    " roundcorner=\"5,5\" mininfo=\"200,100\" maxinfo=\"800,600\">"
    "<Font id=\"0\" name=\"Arial\" size=\"12\" default=\"true\"/><Font id=\"1\" name=\"Arial\" size=\"-14\" bold=\"true\"/>"
    "<Image name=\"missing.png\" mask=\"#FFFF00FF\"/><Default name=\"Button\" value=\"textcolor=&quot;#FF000000&quot;\"/>"
    "<!-- buttons --><VerticalLayout bkcolor=\"#FF202020\" inset=\"1,2,3,4\" childpadding=\"3\" vscrollbar=\"true\">"
    "<Button name=\"closebtn\" text=\"A &amp; B\" pos=\"10,10,50,30\" float=\"true\" normalimage=\"file='a.png' "
    "source='0,0,10,10' corner='2,2,2,2'\" padding=\"1,1,1,1\" font=\"1\"/>"
    "<Label text=\"&lt;x&gt;\" showhtml=\"true\" align=\"center\" textpadding=\"2,0,2,0\">data &quot;quoted&quot;</Label>"
    "<HorizontalLayout height=\"30\" childvalign=\"vcenter\"><Option group=\"g\" selected=\"true\" width=\"40\"/>"
    "<CheckBox selected=\"false\"/><Edit maxchar=\"8\" numberonly=\"true\" text=\"123\"/>"
    "<Slider min=\"0\" max=\"100\" value=\"40\" step=\"5\" thumbsize=\"10,10\"/><Progress min=\"-5\" max=\"5\" value=\"9\"/>"
    "</HorizontalLayout><Combo itemheight=\"20\" dropboxsize=\"0,120\" itemtextpadding=\"4,0,0,0\">"
    "<ListLabelElement text=\"one\"/><ListLabelElement text=\"two\" selected=\"true\"/></Combo>"
    "<List header=\"true\" itemshowhtml=\"true\" columns=\"2\"><ListHeader><ListHeaderItem text=\"h\" width=\"40\"/>"
    "</ListHeader><ListTextElement text=\"a\"/></List>"
    "<TabLayout selectedid=\"1\"><Text text=\"x\"/><Control width=\"-3\" maxwidth=\"2\"/></TabLayout>"
    "<TileLayout columns=\"3\" itemsize=\"20,20\"><Control/><Control/></TileLayout></VerticalLayout></Window>",
    "<Language><MultiLanguage id=\"088\" value=\"Vastemor\"/><MultiLanguage id=\"081\" value=\"OK %{088}\"/>"
    "<MultiLanguage id=\"-1\" value=\"\"/><Font id=\"7\" name=\"Arial\" size=\"12\"/></Language>",
    "<!DOCTYPE x><a b=\"c\"><d><e f=\"g\"></e></d><?pi x?></a>",
};

// The first two have a root element; the declaration of the third swallows the rest.
constexpr size_t kWellFormed = 2;

const std::vector<std::string> kMarkupTokens = {
    "<", ">", "\"", "'", "&", "/", "!", "?", "=", ";", " ", std::string(1, '\0'), "</", "/>", "<!--", "-->",
    "&amp;", "&quot;", "&#65;", "<Control>", "</Control>", "<Button text=\"", "\" pos=\"", "-99999999999,",
    "#FF", "file='", "'", "<VerticalLayout>", "<Include source=\"x.xml\" count=\"9\"/>"};

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

// Controls in the tree, at most `limit`.
int CountControls(CControlUI* control, int limit)
{
    int count = 1;
    auto* items = static_cast<IContainerUI*>(control->GetInterfaceByName(L"IContainer"));
    for (int i = 0; items && i < items->GetCount() && count < limit; ++i)
        count += CountControls(items->GetItemAt(i), limit - count);
    return count;
}

const std::vector<std::wstring> kValueTokens = {
    L"0", L"-1", L",", L"2147483647", L"-2147483648", L"99999999999999", L"#", L"#FF", L"0x", L"true", L"false",
    L"file='", L"'", L" source='", L" corner='", L" mask='", L" fade='", L" dest='", L"%{", L"}", L"%{088}", L" "};

// The value as an attribute holds it: entities for the markup characters, no zeros.
std::wstring Escaped(const std::wstring& value)
{
    static const std::pair<wchar_t, const wchar_t*> kEntities[] = {
        {L'&', L"&amp;"}, {L'"', L"&quot;"}, {L'<', L"&lt;"}, {L'>', L"&gt;"}, {L'\0', L""}};
    std::wstring out;
    for (wchar_t c : value) {
        const auto entity = std::find_if(std::begin(kEntities), std::end(kEntities),
                                         [c](const std::pair<wchar_t, const wchar_t*>& e) { return e.first == c; });
        out += entity != std::end(kEntities) ? std::wstring(entity->second) : std::wstring(1, c);
    }
    return out;
}

// The element written again, every attribute value replaced by a mutation of itself.
std::wstring WithMutatedValues(const CXmlNodeUI& node, hostile::Mutator& mutator)
{
    std::wstring text = std::wstring(L"<") + node.GetName();
    for (int i = 0; i < node.GetAttributeCount(); ++i) {
        const std::vector<std::wstring> value = {node.GetAttributeValue(i)};
        text += std::wstring(L" ") + node.GetAttributeName(i) + L"=\"" + Escaped(mutator.Mutate(value, kValueTokens)) +
                L"\"";
    }
    text += L">";
    for (CXmlNodeUI child = node.GetFirstChild(); child.IsValid(); child = child.GetNextSibling())
        text += WithMutatedValues(child, mutator);
    return text + L"</" + node.GetName() + L">";
}

}  // namespace

TEST(HostileInput, MutatedLayoutsParseOrFail)
{
    hostile::Mutator mutator(2024);
    int loaded = 0;
    for (int round = 0; round < 6000; ++round) {
        const std::string text = mutator.Mutate(kLayouts, kMarkupTokens);
        const int encoding = round % 4 == 3 ? CXmlDocumentUI::XML_ENCODING_UTF16
                             : round % 4 == 2 ? CXmlDocumentUI::XML_ENCODING_ANSI
                                              : CXmlDocumentUI::XML_ENCODING_UTF8;
        const std::string bytes = encoding == CXmlDocumentUI::XML_ENCODING_UTF16 ? Utf16(text) : text;
        hostile::GuardedBytes guarded(bytes.data(), bytes.size());
        CXmlDocumentUI document;
        if (document.LoadFromMemory(guarded.data(), static_cast<DWORD>(guarded.size()), encoding)) {
            ++loaded;
            ASSERT_LE(Walk(document.GetRoot(), 10000), 10000);
        } else {
            ASSERT_NE(L'\0', document.GetLastErrorMessage()[0]);
        }
    }
    EXPECT_GT(loaded, 600);
}

// Layouts and language files as the program reads them: through the builder,
// which hands fonts, images, defaults and texts to the manager and parses the
// attributes of every control. Half the rounds damage the text, half only the
// attribute values of a well-formed layout.
TEST(HostileInput, MutatedLayoutsBuildOrFail)
{
    RegisterStandardControls();
    std::vector<std::wstring> wideLayouts;
    for (const std::string& layout : kLayouts)
        wideLayouts.emplace_back(layout.begin(), layout.end());
    std::unique_ptr<CWindowManagerUI> manager;
    {
        CWindowManagerUI first;
        CLayoutBuilderUI builder;
        CControlUI* root = builder.Create(wideLayouts[0].c_str(), nullptr, nullptr, &first);
        ASSERT_TRUE(root) << builder.GetLastErrorMessage();
        EXPECT_EQ(CountControls(root, 100), 20);
        root->Delete();
    }
    hostile::Mutator mutator(1103);
    test::MemCanvas canvas(400, 300);
    int built = 0;
    for (int round = 0; round < 5000; ++round) {
        // A fresh manager now and then, so that fonts the layouts make do not pile up.
        if (round % 500 == 0)
            manager.reset(new CWindowManagerUI);
        std::wstring text;
        if (round % 2 == 0) {
            const std::string bytes = mutator.Mutate(kLayouts, kMarkupTokens);
            text.assign(bytes.begin(), bytes.end());
        } else {
            CXmlDocumentUI seed(wideLayouts[mutator.Below(kWellFormed)].c_str());
            text = WithMutatedValues(seed.GetRoot(), mutator);
        }
        if (text.empty() || text[0] != L'<')
            text.insert(0, 1, L'<');  // the builder takes text as XML when it starts with '<'
        CLayoutBuilderUI builder;
        CControlUI* root = builder.Create(text.c_str(), nullptr, nullptr, manager.get());
        if (!root)
            continue;
        ++built;
        ASSERT_LT(CountControls(root, 5000), 5000);
        if (round % 4 != 1) {
            root->Delete();
            continue;
        }
        // Laid out and painted in a window, the values reach the layouts and the image descriptions.
        HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        {
            CWindowManagerUI painter;
            painter.AttachWindow(window, L"hostile");
            painter.AttachRoot(root);
            const RECT area = {0, 0, 400, 300};
            root->SetPosition(area);
            root->Paint(canvas.dc(), area, nullptr);
        }
        DestroyWindow(window);
    }
    manager.reset();
    CWindowManagerUI::RemoveAllLanguageTexts();
    EXPECT_GT(built, 1000);
}

// Includes a skin author may write: a count beyond reason adds nothing, and a
// layout that includes itself stops at the builds one layout build may make.
TEST(HostileInput, IncludesThatMultiplyStayBounded)
{
    ScratchFolder scratch;
    ASSERT_TRUE(ScratchFolder::WriteFile(scratch / L"self.xml",
                                         "<Window><Control/><Include source=\"self.xml\" count=\"3\"/></Window>"));
    SkinResourcesUI::SetResourceFolder(scratch.Path().c_str());
    CControlUI* box = CControlRegistryUI::Create(L"VerticalLayout");
    CLayoutBuilderUI builder;
    ASSERT_TRUE(builder.Create(L"self.xml", nullptr, nullptr, nullptr, box));
    EXPECT_LE(CountControls(box, 100000), 2 + CLayoutBuilderUI::MAX_INCLUDE_BUILDS);
    box->Delete();
    SkinResourcesUI::SetResourceFolder(L"");

    CLayoutBuilderUI counted;
    CControlUI* root = counted.Create(
        L"<Window><VerticalLayout><Include count=\"10000\" source=\"&lt;Window&gt;&lt;Control/&gt;&lt;/Window&gt;\"/>"
        L"</VerticalLayout></Window>");
    ASSERT_TRUE(root);
    EXPECT_EQ(1, CountControls(root, 100000));
    root->Delete();
}

// A language text that repeats its own token is replaced a bounded number of
// times in one call, however many times it repeats it.
TEST(HostileInput, LanguageTextRepeatingItsOwnTokenStaysBounded)
{
    for (int repeats : {2, 10, 100}) {
        std::wstring value = L"x";
        for (int i = 0; i < repeats; ++i)
            value += L"%{5}";
        CWindowManagerUI::AddLanguageText(5, value.c_str());
        CUIString text(L"%{5}");
        CWindowManagerUI::ReplaceLanguageTokens(text);
        // One 'x' per replacement, at most the budget of one call.
        const std::wstring shown = text.GetData();
        ASSERT_LE(std::count(shown.begin(), shown.end(), L'x'), 256) << repeats << " repeats";
    }
    CWindowManagerUI::RemoveAllLanguageTexts();
}

// The scroll-bar attributes of a list or tree reach the bars of its body.
TEST(HostileInput, ScrollBarAttributesOfListsAndTreesStyleTheirBars)
{
    RegisterStandardControls();
    for (const wchar_t* tag : {L"List", L"TreeView"}) {
        const std::wstring both =
            std::wstring(L"<Window><") + tag + L" hscrollbar=\"true\" vscrollbar=\"true\"/></Window>";
        const std::wstring styled = std::wstring(L"<Window><") + tag +
                                    L" vscrollbarstyle=\"width=&quot;9&quot;\""
                                    L" hscrollbarstyle=\"height=&quot;7&quot;\"/></Window>";
        CLayoutBuilderUI bothBuilder;
        auto* list = static_cast<CContainerUI*>(bothBuilder.Create(both.c_str()));
        ASSERT_TRUE(list) << tag;
        EXPECT_TRUE(list->GetVerticalScrollBar()) << tag;
        EXPECT_TRUE(list->GetHorizontalScrollBar()) << tag;
        list->Delete();

        CLayoutBuilderUI styledBuilder;
        list = static_cast<CContainerUI*>(styledBuilder.Create(styled.c_str()));
        ASSERT_TRUE(list) << tag;
        ASSERT_TRUE(list->GetVerticalScrollBar()) << tag;
        ASSERT_TRUE(list->GetHorizontalScrollBar()) << tag;
        EXPECT_EQ(9, list->GetVerticalScrollBar()->GetFixedWidth()) << tag;
        EXPECT_EQ(7, list->GetHorizontalScrollBar()->GetFixedHeight()) << tag;
        list->Delete();
    }
}

TEST(HostileInput, MutatedArchivesOpenOrFail)
{
    ZipBuilder builder;
    builder.Add("xml/", "").externalAttributes = 0x41ED0010;
    builder.Add("xml/main.xml", kLayouts[0], true).localExtra = ZipBuilder::TimeStampExtra(1, 2, 3);
    builder.Add("image/a.bin", std::string(3000, 'q'), true);
    builder.Add("plain.txt", "stored text");
    ZipBuilder other;
    other.Add("Languages/English.xml", kLayouts[1], true);
    other.Add("big.bin", std::string(70000, 'z'), true).declareLargerSize = true;
    const std::vector<std::string> seeds = {builder.Build(), other.Build()};
    const std::vector<std::string> tokens = {"PK\x01\x02", "PK\x03\x04", "PK\x05\x06", std::string(4, '\xFF'),
                                             std::string(4, '\0')};

    hostile::Mutator mutator(77);
    int opened = 0;
    std::vector<char> buffer(0x1000);
    for (int round = 0; round < 5000; ++round) {
        const std::string bytes = mutator.Mutate(seeds, tokens);
        hostile::GuardedBytes guarded(bytes.data(), bytes.size());
        HZIPUI zip = ZipArchiveUI::Open(guarded.data(), static_cast<DWORD>(guarded.size()), ZIP_STREAM_MEMORY);
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
    EXPECT_GT(opened, 500);
}
