#include <gtest/gtest.h>

#include <windows.h>

#include <cwchar>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/program/skin/skin_files.h"
#include "tests/ui/support/skin_lint.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/window_manager.h"

using namespace vastemor::test;

namespace {

// Controls each layout must hold, by the names the program looks up. A new
// layout adds its row.
const std::map<std::wstring, std::vector<std::wstring>> kRequiredNames = {
    {L"main_frame.xml",
     {L"closebtn", L"minbtn", L"language_option", L"language_1", L"language_2", L"language_combo",
      L"device_combo", L"tab_switch"}},
    {L"ProgressBox.xml", {}},
    {L"MessageBox.xml", {L"label_display", L"btn_ok", L"btn_cancel", L"btn_colse"}},
    {L"MarcoManagerPage_Kelvo.xml",
     {L"listex_Kelvo", L"listex1_Kelvo", L"marco_edit_container_Kelvo", L"recordButton_Kelvo",
      L"delay_record_Kelvo", L"delay_setting_Kelvo", L"delay_no_Kelvo", L"delay_edit_Kelvo",
      L"circle_setting_Kelvo", L"circle_all_Kelvo", L"circle_edit_Kelvo", L"circle_stop_Kelvo",
      L"circle_continue_Kelvo", L"AddMarcoButton_Kelvo", L"DeleteMarcoButton_Kelvo",
      L"macro_insert_combo_Kelvo"}},
    {L"MarcoManagerPage_Kelvo_Driver.xml",
     {L"listex_Kelvo_Driver", L"listex1_Kelvo_Driver", L"marco_edit_container_Kelvo_Driver",
      L"recordButton_Kelvo_Driver", L"delay_record_Kelvo_Driver", L"delay_setting_Kelvo_Driver",
      L"delay_no_Kelvo_Driver", L"delay_edit_Kelvo_Driver", L"circle_setting_Kelvo_Driver",
      L"circle_all_Kelvo_Driver", L"circle_edit_Kelvo_Driver", L"circle_stop_Kelvo_Driver",
      L"circle_continue_Kelvo_Driver", L"AddMarcoButton_Kelvo_Driver", L"DeleteMarcoButton_Kelvo_Driver",
      L"macro_insert_combo_Kelvo_Driver"}},
};

// Tags the program's own windows create (their builder callbacks).
const std::vector<std::wstring> kProgramTags = {
    L"KeyboardPage", L"MousePageKelvo", L"MousePageKelvoDriver", L"MousePageDolv", L"MousePageMesk",
    L"MousePageQiro", L"MarcoList", L"MacroSettingPage", L"MacroSettingPage_Dolv", L"FireMacroSettingPage",
    L"FireMacroSettingPage_Dolv", L"MacroSettingPage_Kelvo", L"MacroSettingPage_Kelvo_Driver",
    L"FireMacroSettingPage_Kelvo",
};

// Every attribute the framework's controls and windows read from a layout.
const std::set<std::wstring> kControlAttributes = {
    L"align", L"animation_direction", L"autohscroll", L"autonavi", L"autoplay", L"autoselall", L"autosize",
    L"autovscroll", L"bkcolor", L"bkcolor1", L"bkcolor2", L"bkcolor3", L"bkimage", L"bordercolor",
    L"borderround", L"bordersize", L"borderstyle", L"button1color", L"button2color", L"caption",
    L"checkboxattr", L"childalign", L"childpadding", L"childvalign", L"childvpadding", L"closebtn", L"clsid",
    L"colorhsl", L"columns", L"defaultfontcolor", L"delaycreate", L"disabledfontcolor", L"disabledimage",
    L"disabledtextcolor", L"dotlineattr", L"dragable", L"dropbox", L"dropboxsize", L"enabled",
    L"enabledeffect", L"enabledluminous", L"enabledshadow", L"enabledstroke", L"endellipsis", L"expandable",
    L"fadedelta", L"fivestatusimage", L"float", L"focusbordercolor", L"focusedimage", L"focusedtextcolor",
    L"folderattr", L"font", L"foreimage", L"gradientangle", L"gradientlength", L"group", L"header",
    L"headerbkimage", L"height", L"homepage", L"hor", L"horizattr", L"hotbkcolor", L"hotforeimage",
    L"hotimage", L"hottextcolor", L"hscrollbar", L"hscrollbarstyle", L"imm", L"inset", L"itemalign",
    L"itemaltbk", L"itemattr", L"itembkcolor", L"itembkimage", L"itemdisabledbkcolor", L"itemdisabledimage",
    L"itemdisabledtextcolor", L"itemendellipsis", L"itemfont", L"itemheight", L"itemhlinecolor",
    L"itemhlinesize", L"itemhotbkcolor", L"itemhotimage", L"itemhottextcolor", L"itemminwidth",
    L"itemmultiline", L"itemselectedbkcolor", L"itemselectedimage", L"itemselectedtextcolor",
    L"itemshowhtml", L"itemsize", L"itemtextcolor", L"itemtextpadding", L"itemvalign", L"itemvlinecolor",
    L"itemvlinesize", L"keyboard", L"layeredimage", L"layeredopacity", L"linesize", L"linkfontcolor",
    L"linkhoverfontcolor", L"luminousfuzzy", L"max", L"maxbtn", L"maxchar", L"maxheight", L"maxinfo",
    L"maxwidth", L"menu", L"min", L"minbtn", L"minheight", L"mininfo", L"minwidth", L"modulename", L"mouse",
    L"mousechild", L"multiexpanding", L"multiline", L"name", L"nativebkcolor", L"noactivate", L"normalimage",
    L"numberonly", L"opacity", L"padding", L"password", L"pos", L"pushedimage", L"pushedtextcolor",
    L"range", L"readonly", L"restorebtn", L"rich", L"roundcorner", L"scrollselect", L"scrollunit",
    L"selected", L"selectedbkcolor", L"selectedcolor", L"selectedhotimage", L"selectedid", L"selectedimage",
    L"selectedtextcolor", L"selitemhottextcolor", L"selitemtextcolor", L"sepcolor", L"sepimage", L"sepimm",
    L"sepwidth", L"shadowoffset", L"shortcut", L"showbutton1", L"showbutton2", L"showdirty", L"showhtml",
    L"showtext", L"size", L"sizebox", L"speed", L"step", L"strokecolor", L"tag", L"text", L"textcolor",
    L"textcolor1", L"textpadding", L"textshadowcolora", L"textshadowcolorb", L"thumbcolor",
    L"thumbhotimage", L"thumbimage", L"thumbpushedimage", L"thumbsize", L"tooltip", L"transparent",
    L"userdata", L"valign", L"value", L"virtualwnd", L"visible", L"visiblecheckbtn", L"visiblefolderbtn",
    L"vscrollbar", L"vscrollbarstyle", L"wantctrlreturn", L"wantreturn", L"wanttab", L"width", L"xmlfile",
};

// Attributes of the elements that are resources rather than controls.
const std::map<std::wstring, std::set<std::wstring>> kResourceAttributes = {
    {L"font", {L"id", L"name", L"size", L"bold", L"underline", L"italic", L"shared", L"default"}},
    {L"image", {L"name", L"restype", L"mask", L"shared"}},
    {L"default", {L"name", L"value", L"shared"}},
    {L"multilanguage", {L"id", L"value"}},
    {L"include", {L"source", L"count"}},
};

const wchar_t* const kLanguageFiles[] = {L"English.xml", L"Chinese.xml"};

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(towlower(c));
    return text;
}

bool EndsWith(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The file an image attribute names: the value of its file='...' part, or
// the whole value when it has no parts.
std::wstring ImageFile(const std::wstring& value)
{
    const size_t file = value.find(L"file='");
    if (file == std::wstring::npos)
        return value.find(L'=') == std::wstring::npos ? value : std::wstring();
    const size_t end = value.find(L'\'', file + 6);
    return value.substr(file + 6, end == std::wstring::npos ? std::wstring::npos : end - file - 6);
}

bool SkinFileExists(const std::wstring& relative)
{
    const DWORD attributes = GetFileAttributesW((SkinFolder() + relative).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

class ShippedSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        SkinUI::RegisterStandardControls();
        SkinUI::CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        SkinUI::CWindowManagerUI::SetResourceFolder(SkinFolder().c_str());
        m_layouts = SkinFiles(L"XML", L"*.xml");
        ASSERT_FALSE(m_layouts.empty()) << "no layouts in " << ::testing::PrintToString(SkinFolder());
    }
    void TearDown() override { SkinUI::CWindowManagerUI::SetResourceFolder(L""); }

    std::vector<SkinElement> Elements(const std::wstring& layout)
    {
        std::vector<SkinElement> elements;
        EXPECT_TRUE(ReadSkinElements(L"XML\\" + layout, elements)) << ::testing::PrintToString(layout);
        return elements;
    }

    std::vector<std::wstring> m_layouts;
};

TEST_F(ShippedSkin, EveryLayoutBuildsWithKnownTagsAndAttributesAndLoadableImages)
{
    for (const std::wstring& layout : m_layouts) {
        EXPECT_TRUE(SkinUI::test::LintLayout(L"XML\\" + layout, kProgramTags));
        for (const SkinElement& element : Elements(layout)) {
            const auto resource = kResourceAttributes.find(Lower(element.tag));
            const bool isRoot = element.ancestors.empty();
            for (const auto& attribute : element.attributes) {
                const bool known = resource != kResourceAttributes.end()
                                       ? resource->second.count(attribute.first) > 0
                                       : kControlAttributes.count(attribute.first) > 0;
                EXPECT_TRUE(known) << ::testing::PrintToString(layout) << ": <" << ::testing::PrintToString(element.tag)
                                   << "> attribute " << ::testing::PrintToString(attribute.first);
                if (resource != kResourceAttributes.end() || isRoot || !EndsWith(attribute.first, L"image"))
                    continue;
                const std::wstring file = ImageFile(attribute.second);
                EXPECT_TRUE(file.empty() || SkinFileExists(file))
                    << ::testing::PrintToString(layout) << ": missing image " << ::testing::PrintToString(file);
            }
        }
    }
}

TEST_F(ShippedSkin, LayoutsHoldTheControlsTheProgramLooksUp)
{
    for (const auto& required : kRequiredNames) {
        ASSERT_TRUE(SkinFileExists(L"XML\\" + required.first)) << ::testing::PrintToString(required.first);
        std::multiset<std::wstring> names;
        for (const SkinElement& element : Elements(required.first))
            if (const std::wstring* name = element.Attribute(L"name"))
                if (kResourceAttributes.count(Lower(element.tag)) == 0)
                    names.insert(*name);
        for (const std::wstring& name : required.second)
            EXPECT_EQ(1u, names.count(name)) << ::testing::PrintToString(required.first) << ": control "
                                             << ::testing::PrintToString(name);
    }
}

// Recipes of skin/README.md that show when they are left out: an edit that
// paints its own colour shows it in the corners of its rounded image; a combo
// box without the item colours shows its face in black and its drop-down list
// in white.
TEST_F(ShippedSkin, EditsAndComboBoxesFollowTheirRecipes)
{
    const std::wstring dropbox = L"bkcolor=\"#FF272B34\" bordersize=\"1\" bordercolor=\"#FF3A404C\"";
    const std::map<std::wstring, std::map<std::wstring, std::wstring>> recipes = {
        {L"edit", {{L"bkcolor", L"#00000000"}, {L"nativebkcolor", L"#FF272B34"}}},
        {L"combo",
         {{L"itemheight", L"30"}, {L"itemtextcolor", L"#FFE6E8EC"}, {L"itemselectedtextcolor", L"#FFFFFFFF"},
          {L"itembkcolor", L"#FF272B34"}, {L"itemhotbkcolor", L"#FF313642"}, {L"itemselectedbkcolor", L"#FF1F3247"},
          {L"dropbox", dropbox}}},
    };
    for (const std::wstring& layout : m_layouts) {
        for (const SkinElement& element : Elements(layout)) {
            const auto recipe = recipes.find(Lower(element.tag));
            if (recipe == recipes.end())
                continue;
            const std::wstring* name = element.Attribute(L"name");
            for (const auto& attribute : recipe->second) {
                const std::wstring* value = element.Attribute(attribute.first.c_str());
                EXPECT_TRUE(value != nullptr && *value == attribute.second)
                    << ::testing::PrintToString(layout) << ": " << ::testing::PrintToString(name ? *name : element.tag)
                    << " " << ::testing::PrintToString(attribute.first);
            }
        }
    }
}

TEST_F(ShippedSkin, MainFrameFontsAreContiguousAndEachLanguageItemNamesAShippedFileInItsOwnFont)
{
    std::set<int> fonts;
    std::map<std::wstring, std::wstring> faces;  // font id text -> face
    std::vector<const SkinElement*> items;
    const std::vector<SkinElement> elements = Elements(L"main_frame.xml");
    for (const SkinElement& element : elements) {
        if (_wcsicmp(element.tag.c_str(), L"Font") == 0) {
            const std::wstring* id = element.Attribute(L"id");
            ASSERT_NE(nullptr, id);
            EXPECT_TRUE(fonts.insert(_wtoi(id->c_str())).second) << "font " << ::testing::PrintToString(*id);
            faces[*id] = *element.Attribute(L"name");
        }
        const std::wstring* name = element.Attribute(L"name");
        if (name != nullptr && name->rfind(L"language_", 0) == 0 && *name != L"language_option" &&
            *name != L"language_combo")
            items.push_back(&element);
    }
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(0, *fonts.begin());
    EXPECT_EQ(static_cast<int>(fonts.size()) - 1, *fonts.rbegin()) << "font ids leave a gap";

    ASSERT_EQ(2u, items.size());
    std::set<std::wstring> itemFaces;
    for (const SkinElement* item : items) {
        const std::wstring* file = item->Attribute(L"userdata");
        const std::wstring* font = item->Attribute(L"font");
        ASSERT_NE(nullptr, file);
        ASSERT_NE(nullptr, font);
        EXPECT_TRUE(SkinFileExists(L"Languages\\" + *file)) << ::testing::PrintToString(*file);
        ASSERT_EQ(1u, faces.count(*font)) << "font " << ::testing::PrintToString(*font);
        itemFaces.insert(faces[*font]);
    }
    EXPECT_EQ(2u, itemFaces.size()) << "the language items share one face";

    // The language combo's items: the elements after it that it holds.
    size_t combo = 0;
    while (combo < elements.size() && !(elements[combo].Attribute(L"name") != nullptr &&
                                        *elements[combo].Attribute(L"name") == L"language_combo"))
        ++combo;
    ASSERT_LT(combo, elements.size());
    int comboItems = 0;
    for (size_t i = combo + 1; i < elements.size() && elements[i].ancestors.size() > elements[combo].ancestors.size();
         ++i) {
        if (_wcsicmp(elements[i].tag.c_str(), L"ListLabelElement") != 0)
            continue;
        const std::wstring* file = elements[i].Attribute(L"userdata");
        ASSERT_NE(nullptr, file);
        EXPECT_TRUE(SkinFileExists(L"Languages\\" + *file)) << ::testing::PrintToString(*file);
        ++comboItems;
    }
    EXPECT_EQ(2, comboItems);
}

TEST_F(ShippedSkin, BothLanguagesDefineTheSameNonEmptyTextsOnceEach)
{
    std::map<int, std::wstring> texts[2];
    for (int i = 0; i < 2; ++i) {
        std::vector<int> duplicates;
        ASSERT_TRUE(ReadLanguageTexts(std::wstring(L"Languages\\") + kLanguageFiles[i], texts[i], duplicates))
            << ::testing::PrintToString(kLanguageFiles[i]);
        EXPECT_TRUE(duplicates.empty()) << ::testing::PrintToString(kLanguageFiles[i]) << " defines id "
                                        << duplicates.front() << " twice";
        ASSERT_TRUE(SkinUI::test::LintLayout(std::wstring(L"Languages\\") + kLanguageFiles[i]));
        for (const auto& text : texts[i]) {
            EXPECT_FALSE(text.second.empty()) << kLanguageFiles[i] << " id " << text.first;
            EXPECT_TRUE(LanguageTokens(text.second).empty()) << kLanguageFiles[i] << " id " << text.first;
        }
    }
    for (const auto& text : texts[0])
        EXPECT_EQ(1u, texts[1].count(text.first)) << "only English has id " << text.first;
    for (const auto& text : texts[1])
        EXPECT_EQ(1u, texts[0].count(text.first)) << "only Chinese has id " << text.first;
}

TEST_F(ShippedSkin, EveryTextTheProgramAndItsLayoutsShowHasBothLanguages)
{
    // The system's own texts: key names, messages and the window title.
    std::set<int> used = {9, 39, 42, 43, 54, 55, 56, 78, 79, 80, 81, 83, 88, 115, 116, 183};
    for (int id = 19; id <= 36; ++id)
        if (id != 26)
            used.insert(id);
    for (int id = 89; id <= 106; ++id)
        used.insert(id);
    for (int id = 119; id <= 131; ++id)
        used.insert(id);
    for (const std::wstring& layout : m_layouts)
        for (const SkinElement& element : Elements(layout))
            for (const auto& attribute : element.attributes)
                for (int id : LanguageTokens(attribute.second))
                    used.insert(id);

    for (const wchar_t* file : kLanguageFiles) {
        std::map<int, std::wstring> texts;
        std::vector<int> duplicates;
        ASSERT_TRUE(ReadLanguageTexts(std::wstring(L"Languages\\") + file, texts, duplicates));
        for (int id : used)
            EXPECT_EQ(1u, texts.count(id)) << ::testing::PrintToString(file) << " has no text " << id;
    }
}

TEST(LanguageTokens, FindsEachWellFormedTokenAndSkipsTheRest)
{
    EXPECT_EQ((std::vector<int>{81}), LanguageTokens(L"%{081}"));
    EXPECT_EQ((std::vector<int>{9, 39}), LanguageTokens(L"%{9} %{39}--name"));
    EXPECT_TRUE(LanguageTokens(L"%{} %{12 %{x} 100% {5}").empty());
    EXPECT_EQ((std::vector<int>{7}), LanguageTokens(L"%{%{7}"));
}

}  // namespace
