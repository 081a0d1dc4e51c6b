#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "tests/program/skin/skin_files.h"
#include "tests/ui/support/control_walk.h"
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

// The shared images in the recipes skin/README.md gives for them, one row of
// states per control.
const wchar_t kSampler[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="560,300">
  <Font id="0" name="Segoe UI" size="12" default="true"/>
  <Font id="1" name="Segoe UI" size="12" bold="true"/>
  <VerticalLayout bkcolor="#FF15171C" inset="16,16,16,16" childpadding="12">
    <HorizontalLayout height="40" childpadding="8">
      <Option name="tab_current" text="Buttons" width="180" height="40" selected="true" group="tabs" font="1"
              textcolor="#FF9AA1AD" hottextcolor="#FFE6E8EC" selectedtextcolor="#FFFFFFFF"
              normalimage="file='Image\ui\tab_nr.png' corner='6,6,6,6'" hotimage="file='Image\ui\tab_hot.png' corner='6,6,6,6'"
              selectedimage="file='Image\ui\tab_dn.png' corner='6,6,6,6'"/>
      <Option name="tab_other" text="Lighting" width="180" height="40" group="tabs"
              textcolor="#FF9AA1AD" hottextcolor="#FFE6E8EC" selectedtextcolor="#FFFFFFFF"
              normalimage="file='Image\ui\tab_nr.png' corner='6,6,6,6'" hotimage="file='Image\ui\tab_hot.png' corner='6,6,6,6'"
              selectedimage="file='Image\ui\tab_dn.png' corner='6,6,6,6'"/>
    </HorizontalLayout>
    <HorizontalLayout height="32" childpadding="8">
      <Button text="Write" width="96" font="1" textcolor="#FFFFFFFF" normalimage="file='Image\ui\btn_primary_nr.png' corner='6,6,6,6'"/>
      <Button text="Hot" width="96" font="1" textcolor="#FFFFFFFF" normalimage="file='Image\ui\btn_primary_hot.png' corner='6,6,6,6'"/>
      <Button text="Reset" width="96" textcolor="#FFE6E8EC" normalimage="file='Image\ui\btn_nr.png' corner='6,6,6,6'"/>
      <Button text="Hot" width="96" textcolor="#FFE6E8EC" normalimage="file='Image\ui\btn_hot.png' corner='6,6,6,6'"/>
      <Button text="Off" width="96" textcolor="#FF5A616D" normalimage="file='Image\ui\btn_dis.png' corner='6,6,6,6'"/>
    </HorizontalLayout>
    <HorizontalLayout height="28" childpadding="16">
      <CheckBox text="Checked" width="100" selected="true" textcolor="#FFE6E8EC" textpadding="26,0,0,0" align="left"
                normalimage="file='Image\ui\check_nr.png' dest='0,5,18,23'" hotimage="file='Image\ui\check_hot.png' dest='0,5,18,23'"
                selectedimage="file='Image\ui\check_sel.png' dest='0,5,18,23'"/>
      <CheckBox text="Clear" width="90" textcolor="#FFE6E8EC" textpadding="26,0,0,0" align="left"
                normalimage="file='Image\ui\check_nr.png' dest='0,5,18,23'"/>
      <Option text="500 Hz" width="90" selected="true" group="rate" textcolor="#FFE6E8EC" textpadding="26,0,0,0" align="left"
              normalimage="file='Image\ui\radio_nr.png' dest='0,5,18,23'" selectedimage="file='Image\ui\radio_sel.png' dest='0,5,18,23'"/>
      <Option text="1000 Hz" width="90" group="rate" textcolor="#FFE6E8EC" textpadding="26,0,0,0" align="left"
              normalimage="file='Image\ui\radio_nr.png' dest='0,5,18,23'" selectedimage="file='Image\ui\radio_sel.png' dest='0,5,18,23'"/>
    </HorizontalLayout>
    <Slider name="sampler_slider" height="20" min="0" max="10" value="6" thumbsize="14,14"
            bkimage="file='Image\ui\slider_bk.png' corner='2,0,2,0'" foreimage="file='Image\ui\slider_fore.png' corner='2,0,2,0'"
            thumbimage="Image\ui\slider_thumb_nr.png" thumbhotimage="Image\ui\slider_thumb_hot.png"/>
    <HorizontalLayout height="28" childpadding="8">
      <Edit text="1600" width="120" bkcolor="#00000000" textcolor="#FFE6E8EC" textpadding="8,0,8,0" nativebkcolor="#FF272B34"
            normalimage="file='Image\ui\edit_nr.png' corner='4,4,4,4'" hotimage="file='Image\ui\edit_hot.png' corner='4,4,4,4'"
            focusedimage="file='Image\ui\edit_focus.png' corner='4,4,4,4'"/>
      <Combo width="180" textpadding="10,0,30,0" itemtextcolor="#FFE6E8EC" itemselectedtextcolor="#FFFFFFFF" normalimage="file='Image\ui\combo_nr.png' corner='4,4,28,4'">
        <ListLabelElement text="Breathing" selected="true"/>
      </Combo>
      <Combo width="180" textpadding="10,0,30,0" itemtextcolor="#FFE6E8EC" itemselectedtextcolor="#FFFFFFFF" normalimage="file='Image\ui\combo_dn.png' corner='4,4,28,4'">
        <ListLabelElement text="Open" selected="true"/>
      </Combo>
    </HorizontalLayout>
    <Label text="Panel heading" height="24" font="1" textcolor="#FFE6E8EC"/>
    <Label text="Secondary caption text" height="20" textcolor="#FF9AA1AD"/>
  </VerticalLayout>
</Window>)";

// One of each fault the control walk looks for, and a label that is fine.
const wchar_t kFaults[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <Font id="0" name="Segoe UI" size="12" default="true"/>
  <VerticalLayout inset="16,16,16,16" childpadding="4">
    <Label name="token" text="%{999}" height="20"/>
    <Button name="imageless" height="20" normalimage="Image\ui\no_such_image.png"/>
    <Label name="narrow" text="Wider than its label" width="40" height="20"/>
    <Label name="low" text="Three short words" multiline="true" width="60" height="10"/>
    <HorizontalLayout height="20">
      <Control name="wide" width="400"/>
    </HorizontalLayout>
    <Label name="fine" text="Fits" height="20"/>
  </VerticalLayout>
</Window>)";

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
    EXPECT_TRUE(test::LooksFinished(manager, L"English main window"));

    SwitchLanguage(manager, L"language_2");
    test::PumpMessages(100);
    EXPECT_STREQ(L"Microsoft YaHei", manager.GetFontRecord(0)->faceName);
    EXPECT_STREQ(L"Segoe UI", manager.GetFontRecord(7)->faceName);
    EXPECT_TRUE(test::LooksFinished(manager, L"Chinese main window"));
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
    EXPECT_TRUE(test::LooksFinished(manager, L"progress window"));
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
    EXPECT_TRUE(test::LooksFinished(manager, L"message box"));
    DestroyWindow(hwnd);
}

TEST_F(ShippedWindows, TheControlWalkNamesEachUnfinishedControl)
{
    SkinWindow window(kFaults);
    HWND hwnd = Open(window, 300, 200);
    ASSERT_NE(nullptr, hwnd);
    std::multiset<std::wstring> named;
    for (const std::wstring& fault : test::UnfinishedControls(window.GetManager()))
        named.insert(fault.substr(0, fault.find(L':')));
    // The wide control leaves both the window and its row.
    EXPECT_EQ((std::multiset<std::wstring>{L"token", L"imageless", L"narrow", L"low", L"wide", L"wide"}), named);
    DestroyWindow(hwnd);
}

TEST_F(ShippedWindows, SharedImagesDrawTheControlsOfEveryPage)
{
    SkinWindow window(kSampler);
    HWND hwnd = Open(window, 560, 300);
    ASSERT_NE(nullptr, hwnd);
    CWindowManagerUI& manager = window.GetManager();
    const RECT slider = manager.FindControlByName(L"sampler_slider")->GetPosition();
    EXPECT_EQ(20, slider.bottom - slider.top);
    EXPECT_TRUE(test::LooksFinished(manager, L"control sampler"));
    EXPECT_FALSE(test::SaveScreenshot(hwnd, L"skin_controls").empty());
    DestroyWindow(hwnd);
}

}  // namespace
