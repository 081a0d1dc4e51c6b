#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/program/skin/skin_files.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/screenshot.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/option.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/container.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_impl_base.h"

using namespace SkinUI;
using namespace vastemor::test;

namespace {

// A framework window over one of the shipped layouts.
class SkinWindow : public WindowImplBase {
public:
    explicit SkinWindow(const wchar_t* layout) : m_layout(layout) {}

protected:
    const wchar_t* GetWindowClassName() const override { return L"VastemorSkinWindow"; }
    CUIString GetSkinFolder() override { return L"res\\Skin\\"; }
    CUIString GetSkinFile() override { return m_layout; }

private:
    const wchar_t* m_layout;
};

// Reads a shipped language file into the process-wide text table, as the
// main window does.
void LoadLanguage(const wchar_t* file)
{
    static CWindowManagerUI languages;
    CLayoutBuilderUI builder;
    CControlUI* made = builder.Create((std::wstring(L"Languages\\") + file).c_str(), nullptr, nullptr, &languages);
    if (made != nullptr)
        made->Delete();
}

// Every control below `control`, itself included.
void CollectControls(CControlUI* control, std::vector<CControlUI*>& controls)
{
    controls.push_back(control);
    auto* container = static_cast<IContainerUI*>(control->GetInterfaceByName(L"IContainer"));
    if (container == nullptr)
        return;
    for (int i = 0; i < container->GetCount(); ++i)
        CollectControls(container->GetItemAt(i), controls);
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Width of `text` drawn in `font`.
int TextWidth(HFONT font, const wchar_t* text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size.cx;
}

class ShippedWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterStandardControls();
        CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        CWindowManagerUI::SetResourceFolder(SkinFolder().c_str());
        CWindowManagerUI::RemoveAllLanguageTexts();
    }
    void TearDown() override
    {
        CWindowManagerUI::RemoveAllLanguageTexts();
        CWindowManagerUI::SetResourceFolder(L"");
    }

    HWND Open(SkinWindow& window, int width, int height)
    {
        HWND hwnd = window.Create(nullptr, L"Vastemor", WS_POPUP, 0, 0, 0, width, height);
        if (hwnd != nullptr) {
            window.ShowWindow(true, false);
            UpdateWindow(hwnd);
            test::PumpMessages(150);
        }
        return hwnd;
    }

    // Fails on a shown text that still holds a token, on a visible control
    // outside the window, and on a one-line label whose text does not fit.
    void ExpectTextsReplacedAndFitting(CWindowManagerUI& manager, const char* where)
    {
        std::vector<CControlUI*> controls;
        CollectControls(manager.GetRoot(), controls);
        const RECT window = manager.GetRoot()->GetPosition();
        for (CControlUI* control : controls) {
            if (!control->IsVisible())
                continue;
            CUIString text = control->GetText();
            CWindowManagerUI::ReplaceLanguageTokens(text);
            CUIString tip = control->GetToolTip();
            CWindowManagerUI::ReplaceLanguageTokens(tip);
            const std::wstring name = control->GetName().GetData();
            EXPECT_TRUE(LanguageTokens(text.GetData()).empty()) << where << " " << ::testing::PrintToString(name);
            EXPECT_TRUE(LanguageTokens(tip.GetData()).empty()) << where << " " << ::testing::PrintToString(name);
            const RECT position = control->GetPosition();
            if (position.right > position.left && control->GetParent() != nullptr &&
                control->GetParent()->IsVisible())
                EXPECT_TRUE(Inside(position, window)) << where << " " << ::testing::PrintToString(name);
            auto* label = static_cast<CLabelUI*>(control->GetInterfaceByName(L"Label"));
            if (label == nullptr || text.IsEmpty() || label->IsMultiLine())
                continue;
            const RECT padding = label->GetTextPadding();
            const int room = position.right - position.left - padding.left - padding.right;
            EXPECT_LE(TextWidth(manager.GetFontHandle(label->GetFont()), text), room)
                << where << " text " << ::testing::PrintToString(std::wstring(text.GetData())) << " is clipped";
        }
    }
};

// What the main window does when the user picks a language from its menu:
// the texts of the item's file, and every font that is not a language item's
// takes the item font's face.
void SwitchLanguage(CWindowManagerUI& manager, const wchar_t* item)
{
    auto* option = static_cast<COptionUI*>(manager.FindControlByName(item));
    ASSERT_NE(nullptr, option);
    option->Selected(true, false);
    LoadLanguage(option->GetUserData());
    const FontRecordUI* itemFont = manager.GetFontRecord(option->GetFont());
    ASSERT_NE(nullptr, itemFont);
    const CUIString face = itemFont->faceName;
    const int languageFonts[] = {
        static_cast<CLabelUI*>(manager.FindControlByName(L"language_1"))->GetFont(),
        static_cast<CLabelUI*>(manager.FindControlByName(L"language_2"))->GetFont(),
    };
    for (int id = 0; id < manager.GetFontCount(); ++id) {
        if (id == languageFonts[0] || id == languageFonts[1])
            continue;
        const FontRecordUI* font = manager.GetFontRecord(id);
        manager.AddFont(id, face, font->size, font->bold, font->underline, font->italic, false);
    }
    manager.GetRoot()->RequestLayout();
}

TEST_F(ShippedWindows, WindowsFacesStandForInstalledFontsWithLatinAndChineseGlyphs)
{
    SkinWindow window(L"XML\\main_frame.xml");
    HWND hwnd = Open(window, 1310, 749);
    ASSERT_NE(nullptr, hwnd);
    CWindowManagerUI& manager = window.GetManager();
    HFONT latin = manager.GetFontHandle(7);
    HFONT chinese = manager.GetFontHandle(8);
    HFONT openSans = manager.AddFont(90, L"Open Sans", 12, false, false, false, false);
    HFONT microHei = manager.AddFont(91, L"WenQuanYi Micro Hei", 12, false, false, false, false);
    EXPECT_EQ(TextWidth(openSans, L"Vastemor Settings"), TextWidth(latin, L"Vastemor Settings"));
    EXPECT_EQ(TextWidth(microHei, L"简体中文 Vastemor"), TextWidth(chinese, L"简体中文 Vastemor"));

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, chinese);
    WORD glyphs[4] = {};
    ASSERT_EQ(4u, GetGlyphIndicesW(dc, L"简体中文", 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS));
    for (WORD glyph : glyphs)
        EXPECT_NE(0xFFFF, glyph);
    SelectObject(dc, old);
    DeleteDC(dc);
    DestroyWindow(hwnd);
}

TEST_F(ShippedWindows, MainWindowInBothLanguages)
{
    SkinWindow window(L"XML\\main_frame.xml");
    HWND hwnd = Open(window, 1310, 749);
    ASSERT_NE(nullptr, hwnd);
    CWindowManagerUI& manager = window.GetManager();
    LoadLanguage(L"English.xml");
    manager.GetRoot()->RequestLayout();
    test::PumpMessages(100);

    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(1310, client.right);
    EXPECT_EQ(749, client.bottom);
    const RECT pages = manager.FindControlByName(L"tab_switch")->GetPosition();
    EXPECT_EQ(0, pages.left);
    EXPECT_EQ(48, pages.top);
    EXPECT_EQ(1310, pages.right);
    EXPECT_EQ(749, pages.bottom);
    for (const wchar_t* name : {L"device_combo", L"language_option", L"minbtn", L"closebtn"}) {
        const RECT position = manager.FindControlByName(name)->GetPosition();
        EXPECT_GT(position.right, position.left) << ::testing::PrintToString(name);
        EXPECT_TRUE(Inside(position, RECT{0, 0, 1310, 48})) << ::testing::PrintToString(name);
    }
    ExpectTextsReplacedAndFitting(manager, "English main window");
    EXPECT_FALSE(test::SaveScreenshot(hwnd, L"skin_main_en").empty());

    SwitchLanguage(manager, L"language_2");
    test::PumpMessages(100);
    EXPECT_STREQ(L"Microsoft YaHei", manager.GetFontRecord(0)->faceName);
    EXPECT_STREQ(L"Segoe UI", manager.GetFontRecord(7)->faceName);
    ExpectTextsReplacedAndFitting(manager, "Chinese main window");
    EXPECT_FALSE(test::SaveScreenshot(hwnd, L"skin_main_zh").empty());
    DestroyWindow(hwnd);
}

TEST_F(ShippedWindows, ProgressWindowPlaysItsAnimation)
{
    LoadLanguage(L"English.xml");
    SkinWindow window(L"XML\\ProgressBox.xml");
    HWND hwnd = Open(window, 544, 394);
    ASSERT_NE(nullptr, hwnd);
    CWindowManagerUI& manager = window.GetManager();
    std::vector<CControlUI*> controls;
    CollectControls(manager.GetRoot(), controls);
    CGifAnimUI* animation = nullptr;
    for (CControlUI* control : controls)
        if (control->GetInterfaceByName(L"GifAnim") != nullptr)
            animation = static_cast<CGifAnimUI*>(control);
    ASSERT_NE(nullptr, animation);
    test::PumpMessages(300);
    EXPECT_TRUE(animation->IsLoaded());
    EXPECT_GT(animation->GetFrameCount(), 1u);
    EXPECT_TRUE(animation->IsPlaying());
    ExpectTextsReplacedAndFitting(manager, "progress window");
    EXPECT_FALSE(test::SaveScreenshot(hwnd, L"skin_progress").empty());
    DestroyWindow(hwnd);
}

TEST_F(ShippedWindows, MessageBoxShowsALongMessageAboveItsButtons)
{
    LoadLanguage(L"English.xml");
    SkinWindow window(L"XML\\MessageBox.xml");
    HWND hwnd = Open(window, 420, 220);
    ASSERT_NE(nullptr, hwnd);
    CWindowManagerUI& manager = window.GetManager();
    CControlUI* text = manager.FindControlByName(L"label_display");
    ASSERT_NE(nullptr, text);
    text->SetText(L"%{081}");
    test::PumpMessages(100);
    const RECT message = text->GetPosition();
    const RECT ok = manager.FindControlByName(L"btn_ok")->GetPosition();
    const RECT cancel = manager.FindControlByName(L"btn_cancel")->GetPosition();
    const RECT close = manager.FindControlByName(L"btn_colse")->GetPosition();
    EXPECT_LE(message.bottom, ok.top);
    EXPECT_LT(cancel.right, ok.left);  // OK is the last button
    EXPECT_EQ(ok.top, cancel.top);
    EXPECT_LE(close.bottom, message.top);
    ExpectTextsReplacedAndFitting(manager, "message box");
    EXPECT_FALSE(test::SaveScreenshot(hwnd, L"skin_message").empty());
    DestroyWindow(hwnd);
}

}  // namespace
