// The contact sheet: every window, page, tab, dialog and menu of the program
// over its simulated controllers, in English and in Chinese, each checked by
// the control walk (tests/ui/support/control_walk.h) and saved as
// "contact_<en|zh>_<what>.png"; the last case lays them out as one sheet of
// thumbnails per language ("contact_sheet_<en|zh>.png").
#include "app/main/frame/main_frame.h"
#include "app/windows/nolx_fire_state.h"
#include "app/windows/read_progress.h"
#include "tests/program/support/program_driver.h"
#include "tests/program/support/program_process.h"
#include "tests/ui/support/control_walk.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/controls/combo.h"
#include "ui/controls/combo_wnd.h"
#include "ui/controls/list.h"
#include "ui/core/renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

using namespace program_test;

namespace {

struct Language {
    const wchar_t* item;  // the main window's language item
    const wchar_t* code;  // in the file names
};
constexpr Language kLanguages[] = {{L"language_1", L"en"}, {L"language_2", L"zh"}};

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
    return text;
}

// The shots of one process, in the language the main window shows.
class Sheet {
public:
    explicit Sheet(const ProgramDriver& program) : program_(program) {}

    bool Speak(const Language& language) {
        language_ = language.code;
        return program_.ClickAndWait(language.item);
    }

    // Checks the window as it is shown and saves it; false while it is not
    // laid out yet.
    bool Take(const UiWindow& window, const std::wstring& what) const {
        const std::wstring name = Checked(window, what);
        if (name.empty()) return false;
        EXPECT_TRUE(window.Screenshot(name)) << std::string(name.begin(), name.end());
        return true;
    }

    // The open menu as it shows: its region over its shadow's image, both
    // over the window background.
    bool TakeMenu(const std::wstring& what) const {
        const UiWindow menu = UiWindow::OfClass(L"MenuWnd");
        const std::wstring name = Checked(menu, what);
        if (name.empty()) return false;
        RECT client;
        GetClientRect(menu.Handle(), &client);
        SkinUI::test::MemCanvas picture(client.right, client.bottom, 0xFF15171C);
        SkinUI::CWindowManagerUI images;
        SkinUI::ImageDrawInfoUI shadow;
        shadow.description = L"file='menu_bk.png' corner='40,8,8,8'";
        EXPECT_TRUE(SkinUI::CRendererUI::DrawImageDescription(picture.dc(), &images, client, client, shadow));
        SkinUI::test::MemCanvas content(client.right, client.bottom);
        SendMessageW(menu.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(content.dc()), PRF_CLIENT);
        constexpr int kRegionInset = 8;
        BitBlt(picture.dc(), kRegionInset, kRegionInset, client.right - 2 * kRegionInset,
               client.bottom - 2 * kRegionInset, content.dc(), kRegionInset, kRegionInset, SRCCOPY);
        EXPECT_TRUE(picture.SavePng(ScreenshotFolder() + name + L".png")) << std::string(name.begin(), name.end());
        return true;
    }

    // The main window with the combo box's drop-down list open over it,
    // the list checked as a window of its own; closed again with Escape.
    bool TakeDropDown(const wchar_t* comboName, const std::wstring& what) const {
        const UiWindow window = program_.Window();
        auto* combo = window.FindAs<SkinUI::CComboUI>(comboName);
        if (combo == nullptr || combo->GetCount() == 0 || !window.Click(comboName)) return false;
        SkinUI::CControlUI* first = combo->GetItemAt(0);
        if (!PumpUntil([&] { return combo->GetDropWindow() != nullptr && !IsRectEmpty(&first->GetPosition()); })) return false;
        const UiWindow list(combo->GetDropWindow()->GetWindowHandle());
        const std::wstring name = Checked(list, what);
        if (name.empty() || Checked(window, what).empty()) return false;
        RECT client;
        GetClientRect(window.Handle(), &client);
        SkinUI::test::MemCanvas picture(client.right, client.bottom, 0xFFFFFFFF);
        SendMessageW(window.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.dc()), PRF_CLIENT);
        RECT drop;
        GetWindowRect(list.Handle(), &drop);
        MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&drop), 2);
        SkinUI::test::MemCanvas content(drop.right - drop.left, drop.bottom - drop.top);
        SendMessageW(list.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(content.dc()), PRF_CLIENT);
        BitBlt(picture.dc(), drop.left, drop.top, drop.right - drop.left, drop.bottom - drop.top, content.dc(), 0, 0,
               SRCCOPY);
        EXPECT_TRUE(picture.SavePng(ScreenshotFolder() + name + L".png")) << std::string(name.begin(), name.end());
        SendMessageW(list.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        return PumpUntil([&] { return combo->GetDropWindow() == nullptr; });
    }

    // A script step: the open dialog of that window class, taken.
    ModalScript::Step TakeDialog(const wchar_t* windowClass, const std::wstring& what) const {
        return [=] { return Take(UiWindow::OfClass(windowClass), what); };
    }

    // A script step: in the open dialog, a click on the option, then the
    // dialog taken; options the dialog does not show are passed over.
    ModalScript::Step TakeOption(const wchar_t* windowClass, const std::wstring& option, const std::wstring& what) const {
        return [=] {
            const UiWindow dialog = UiWindow::OfClass(windowClass);
            SkinUI::CControlUI* control = dialog.Find(option.c_str());
            if (control != nullptr && (!control->IsVisible() || !control->IsEnabled())) return true;
            return dialog.Click(option.c_str(), 0.05) && Take(dialog, what);
        };
    }

    static ModalScript::Step Press(const wchar_t* windowClass, const std::wstring& button) {
        return [=] { return UiWindow::OfClass(windowClass).Click(button.c_str()); };
    }

    // The page's tab buttons one after the other, each taken as
    // "<page>_<tab>".
    void TakeTabs(const std::wstring& page, const std::vector<std::pair<std::wstring, std::wstring>>& tabs) const {
        for (const auto& tab : tabs) {
            ASSERT_TRUE(program_.ClickAndWait(tab.first.c_str())) << std::string(tab.first.begin(), tab.first.end());
            EXPECT_TRUE(Take(program_.Window(), page + L"_" + tab.second));
        }
    }

    // Runs the script while a click on the main window's control opens
    // the dialog it works in.
    void InDialog(const wchar_t* opener, std::vector<ModalScript::Step> steps) const {
        ModalScript script(std::move(steps));
        ASSERT_TRUE(program_.Window().Click(opener)) << std::string(opener, opener + wcslen(opener));
        EXPECT_TRUE(script.Wait()) << "stalled at step " << script.StalledAt() << " of the dialog of "
                                   << std::string(opener, opener + wcslen(opener));
        ASSERT_TRUE(program_.WaitIdle());
    }

private:
    // The shot's name once the window is laid out and the control walk has
    // checked it; empty while it is not laid out.
    std::wstring Checked(const UiWindow& window, const std::wstring& what) const {
        SkinUI::CWindowManagerUI* manager = window.Manager();
        if (manager == nullptr) return {};
        // The pointer leaves what it clicked last: the shot shows no hover.
        SendMessageW(window.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
        UpdateWindow(window.Handle());
        const RECT& root = manager->GetRoot()->GetPosition();
        if (root.right <= root.left) return {};
        const std::wstring name = L"contact_" + language_ + L"_" + what;
        EXPECT_TRUE(SkinUI::test::LooksFinished(*manager, name));
        return name;
    }

    const ProgramDriver& program_;
    std::wstring language_;
};

// A mouse family's page and the dialogs its tabs open.
struct Mouse {
    std::wstring family;                                      // "Qiro"
    std::vector<std::pair<std::wstring, std::wstring>> tabs;  // button base name, shot name
    std::wstring firstKey;                                    // opens the key-assignment dialog
    std::wstring namesSuffix;                                 // of the step editor that asks for names
    std::wstring buttonsSuffix;                               // of the new and delete macro buttons
};

const wchar_t* const kKeyOptions[] = {L"standard_mouse_keys", L"special_keys", L"multimedia", L"web",
                                       L"pc", L"user_defined", L"base_macro", L"fire_macro"};

std::vector<std::pair<std::wstring, std::wstring>> Tabs(const std::vector<std::wstring>& profiles, bool fire) {
    std::vector<std::pair<std::wstring, std::wstring>> tabs;
    for (const std::wstring& profile : profiles) tabs.emplace_back(profile, profile);
    tabs.emplace_back(L"marco_manager", L"macros");
    tabs.emplace_back(L"advanced_Settings", L"advanced");
    tabs.emplace_back(L"led_Settings", L"lighting");
    if (fire) tabs.emplace_back(L"fire_macro_Settings", L"fire");
    return tabs;
}

// A macro with a step in the family's macro tab, so that its lists, menus
// and step editors have something to show.
void AddMacro(const ProgramDriver& program, const Mouse& mouse) {
    const std::wstring s = L"_" + mouse.family;
    const std::wstring n = mouse.namesSuffix;
    const std::wstring editor = L"MarcoEdit" + n;
    ASSERT_TRUE(program.ClickAndWait((L"marco_manager" + s).c_str()));
    ModalScript name({
        [=] { return UiWindow::OfClass(editor.c_str()).TypeText((L"result_value" + n).c_str(), L"Burst"); },
        [=] { return UiWindow::OfClass(editor.c_str()).Click((L"btn_ok" + n).c_str()); },
    });
    ASSERT_TRUE(PumpUntil([&] { return program.Window().Click((L"AddMarcoButton" + mouse.buttonsSuffix).c_str()); }));
    ASSERT_TRUE(name.Wait()) << "stalled at step " << name.StalledAt() << " of naming a macro of " << std::string(s.begin(), s.end());
    ASSERT_TRUE(PumpUntil([&] { return program.Window().ClickRow((L"listex" + s).c_str(), 0); }));
    // A left click: the combo inserts it and shows no item again.
    program.Window().ChooseComboItem((L"macro_insert_combo" + s).c_str(), 3);
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_GT(program.Window().FindAs<SkinUI::CListUI>((L"listex1" + s).c_str())->GetCount(), 0);
}

// The family's page, every tab, the key-assignment dialog with each kind
// of function, and the step editors of its macro manager.
void TakeMouse(const ProgramDriver& program, const Sheet& sheet, const Mouse& mouse) {
    const std::wstring s = L"_" + mouse.family;
    const std::wstring lower = Lower(mouse.family);
    const std::wstring keyEdit = L"KeyEdit" + s;
    const std::wstring editor = L"MarcoEdit" + s;
    std::vector<std::pair<std::wstring, std::wstring>> tabs;
    for (const auto& tab : mouse.tabs) tabs.emplace_back(tab.first + s, tab.second);
    sheet.TakeTabs(lower + L"_page", tabs);

    // The second key mode or profile: its dialog offers every kind of function.
    ASSERT_TRUE(program.ClickAndWait((mouse.tabs[1].first + s).c_str()));
    std::vector<ModalScript::Step> options = {sheet.TakeDialog(keyEdit.c_str(), L"keyedit_" + lower)};
    for (const wchar_t* option : kKeyOptions)
        options.push_back(sheet.TakeOption(keyEdit.c_str(), option + (L"_setting" + s), L"keyedit_" + lower + L"_" + option));
    options.push_back(Sheet::Press(keyEdit.c_str(), L"btn_cancel" + s));
    sheet.InDialog(mouse.firstKey.c_str(), options);

    ASSERT_TRUE(program.ClickAndWait((L"marco_manager" + s).c_str()));
    ASSERT_TRUE(PumpUntil([&] { return program.Window().ClickRow((L"listex" + s).c_str(), 0); }));
    // The driver's manager asks through the keyboard's editor, whose name
    // form the keyboard's window shows.
    const std::wstring n = mouse.namesSuffix;
    const std::wstring names = L"MarcoEdit" + n;
    const std::wstring namesShot = L"marco_edit_" + (n.empty() ? std::wstring(L"keyboard") : lower);
    if (!n.empty())
        sheet.InDialog((L"AddMarcoButton" + mouse.buttonsSuffix).c_str(),
                       {sheet.TakeDialog(names.c_str(), namesShot + L"_name"), Sheet::Press(names.c_str(), L"btn_cancel" + n)});
    sheet.InDialog((L"DeleteMarcoButton" + mouse.buttonsSuffix).c_str(),
                   {sheet.TakeDialog(names.c_str(), namesShot + L"_delete"), Sheet::Press(names.c_str(), L"btn_cancel" + n)});
    ModalScript move({sheet.TakeDialog(editor.c_str(), L"marco_edit_" + lower + L"_move"),
                      Sheet::Press(editor.c_str(), L"btn_cancel" + s)});
    program.Window().ChooseComboItem((L"macro_insert_combo" + s).c_str(), 6);
    EXPECT_TRUE(move.Wait()) << "stalled at step " << move.StalledAt();
    // The main window takes the focus back once the dialog has gone.
    ASSERT_TRUE(program.WaitIdle());
}

void TakeNolxMouse(const wchar_t* devices, const Mouse& mouse) {
    ProgramDriver program(devices);
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(mouse.family.c_str())));
    AddMacro(program, mouse);
    Sheet sheet(program);
    for (const Language& language : kLanguages) {
        ASSERT_TRUE(sheet.Speak(language));
        TakeMouse(program, sheet, mouse);
    }
}

const Mouse kKelvo = {L"Kelvo", Tabs({L"profile1", L"profile2"}, true), L"profile_key_Kelvo_1", L"_Kelvo", L"_Kelvo"};
// The driver's manager asks for names through the keyboard's step editor.
const Mouse kKelvoDriver = {L"Kelvo_Driver", Tabs({L"profile1", L"profile2"}, false), L"profile_key_Kelvo_Driver_1", L"", L"_Kelvo_Driver"};

// The keyboard's page, its key dialog with each of its kinds and for the FN
// key, its macro window with a step editor, and the program's own boxes.
void TakeKeyboard(const ProgramDriver& program, const Sheet& sheet) {
    ASSERT_TRUE(program.ShowPage(L"device_keyboard_page"));
    sheet.TakeTabs(L"keyboard_page", {{L"profile0", L"set1"}, {L"profile1", L"set2"}});
    ASSERT_TRUE(program.ClickAndWait(L"profile0"));
    sheet.InDialog(L"KB_3B", {sheet.TakeDialog(L"KeyEdit", L"keyedit_keyboard"),
                              sheet.TakeOption(L"KeyEdit", L"key_setting", L"keyedit_keyboard_key"),
                              sheet.TakeOption(L"KeyEdit", L"marco_setting", L"keyedit_keyboard_macro"),
                              sheet.TakeOption(L"KeyEdit", L"multimedia_setting", L"keyedit_keyboard_multimedia"),
                              Sheet::Press(L"KeyEdit", L"btn_cancel")});
    sheet.InDialog(L"FN_Setting",
                   {sheet.TakeDialog(L"KeyEdit", L"keyedit_keyboard_fn"), Sheet::Press(L"KeyEdit", L"btn_cancel")});

    ASSERT_TRUE(program.Window().Click(L"marco_manager"));
    ASSERT_TRUE(PumpUntil([&] { return sheet.Take(UiWindow::OfClass(L"MarcoManagerPage"), L"keyboard_macros"); }));
    const UiWindow macros = UiWindow::OfClass(L"MarcoManagerPage");
    ModalScript name({sheet.TakeDialog(L"MarcoEdit", L"marco_edit_keyboard_name"), Sheet::Press(L"MarcoEdit", L"btn_cancel")});
    ASSERT_TRUE(macros.Click(L"AddMarcoButton"));
    EXPECT_TRUE(name.Wait());
    ASSERT_TRUE(macros.Click(L"cancelbtn"));
    ASSERT_TRUE(PumpUntil([] { return !UiWindow::OfClass(L"MarcoManagerPage").IsOpen(); }));

    ModalScript box({sheet.TakeDialog(L"MessageBox", L"message_box"), Sheet::Press(L"MessageBox", L"btn_cancel")});
    program.Frame().Services().messages->Show(&program.Frame(), L"%{087}");
    EXPECT_TRUE(box.Wait());
    // A write that did not reach the controller: its name, then the notice.
    ModalScript failed({sheet.TakeDialog(L"MessageBox", L"message_box_write_failed"),
                        Sheet::Press(L"MessageBox", L"btn_ok")});
    program.Frame().Services().messages->Show(&program.Frame(), L"%{312}\n%{318}");
    EXPECT_TRUE(failed.Wait());
    ReadProgress* progress = OpenReadProgress(&program.Frame());
    ASSERT_NE(progress, nullptr);
    const HWND shown = progress->GetWindowHandle();
    EXPECT_TRUE(PumpUntil([&] { return sheet.Take(UiWindow(shown), L"progress_window"); }));
    PostMessageW(shown, ReadProgress::kCloseMessage, 0, 100);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(shown); }));
}

// The colour picker, the two menus of the macro lists and the drop-down
// lists of the devices and the DPI level count, from the Kelvo page.
void TakeSharedDialogs(const ProgramDriver& program, const Sheet& sheet) {
    ASSERT_TRUE(program.ShowPage(MousePage(L"Kelvo")));
    ASSERT_TRUE(program.ClickAndWait(L"advanced_Settings_Kelvo"));
    EXPECT_TRUE(sheet.TakeDropDown(L"device_combo", L"dropdown_devices"));
    EXPECT_TRUE(sheet.TakeDropDown(L"result_DPI_count_setting_Kelvo", L"dropdown_dpi_levels"));
    sheet.InDialog(L"result_DPI1_color_Kelvo",
                   {sheet.TakeDialog(L"ColorPicker", L"color_picker"), Sheet::Press(L"ColorPicker", L"cancelbtn")});
    ASSERT_TRUE(program.ClickAndWait(L"marco_manager_Kelvo"));
    const std::pair<const wchar_t*, const wchar_t*> menus[] = {{L"listex_Kelvo", L"menu_macro_names"},
                                                               {L"listex1_Kelvo", L"menu_macro_steps"}};
    for (const auto& menu : menus) {
        ASSERT_TRUE(program.Window().RightClick(menu.first));
        EXPECT_TRUE(PumpUntil([&] { return sheet.TakeMenu(menu.second); }));
        SendMessageW(UiWindow::OfClass(L"MenuWnd").Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(PumpUntil([] { return !UiWindow::OfClass(L"MenuWnd").IsOpen(); }));
    }
}

// Lays the shots of one language out in rows of thumbnails with their names.
bool SaveSheet(const std::wstring& language) {
    constexpr int kColumns = 6;
    constexpr int kScale = 4;  // thumbnails a quarter of the shot
    constexpr int kCellWidth = 1310 / kScale + 12;
    constexpr int kCellHeight = 749 / kScale + 28;
    const std::wstring folder = ScreenshotFolder();
    const std::wstring prefix = L"contact_" + language + L"_";
    std::vector<std::wstring> shots;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + prefix + L"*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    do {
        shots.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(shots.begin(), shots.end());

    const int rows = (static_cast<int>(shots.size()) + kColumns - 1) / kColumns;
    SkinUI::test::MemCanvas sheet(kColumns * kCellWidth, rows * kCellHeight, 0xFF15171C);
    HDC source = CreateCompatibleDC(sheet.dc());
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Segoe UI");
    HGDIOBJ oldFont = SelectObject(sheet.dc(), font);
    SetBkMode(sheet.dc(), TRANSPARENT);
    SetTextColor(sheet.dc(), RGB(0xE6, 0xE8, 0xEC));
    SetStretchBltMode(sheet.dc(), HALFTONE);
    bool complete = true;
    for (size_t i = 0; i < shots.size(); ++i) {
        SkinUI::ImageRecordUI* image = SkinUI::CRendererUI::LoadImage((folder + shots[i]).c_str(), nullptr, 0);
        if (image == nullptr) {
            complete = false;
            continue;
        }
        const int left = static_cast<int>(i % kColumns) * kCellWidth + 6;
        const int top = static_cast<int>(i / kColumns) * kCellHeight + 6;
        HGDIOBJ oldBitmap = SelectObject(source, image->bitmap);
        StretchBlt(sheet.dc(), left, top, image->width / kScale, image->height / kScale, source, 0, 0, image->width,
                   image->height, SRCCOPY);
        SelectObject(source, oldBitmap);
        const std::wstring label = shots[i].substr(prefix.size(), shots[i].size() - prefix.size() - 4);
        RECT caption = {left, top + image->height / kScale + 4, left + kCellWidth - 12, top + kCellHeight - 6};
        SkinUI::CRendererUI::FreeImage(image);
        DrawTextW(sheet.dc(), label.c_str(), -1, &caption, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    SelectObject(sheet.dc(), oldFont);
    DeleteObject(font);
    DeleteDC(source);
    return complete && sheet.SavePng(folder + L"contact_sheet_" + language + L".png");
}

}  // namespace

TEST(ContactSheet, KeyboardAndKelvoMice) {
    ProgramDriver program(L"kelvo,wenk");
    ASSERT_TRUE(program.Start());
    for (const Mouse* mouse : {&kKelvo, &kKelvoDriver}) {
        ASSERT_TRUE(program.ShowPage(MousePage(mouse->family.c_str())));
        AddMacro(program, *mouse);
    }
    Sheet sheet(program);
    for (const Language& language : kLanguages) {
        ASSERT_TRUE(sheet.Speak(language));
        TakeKeyboard(program, sheet);
        TakeSharedDialogs(program, sheet);
        for (const Mouse* mouse : {&kKelvo, &kKelvoDriver}) {
            ASSERT_TRUE(program.ShowPage(MousePage(mouse->family.c_str())));
            TakeMouse(program, sheet, *mouse);
        }
    }
}

TEST(ContactSheet, QiroMouse) {
    TakeNolxMouse(L"qiro", {L"Qiro", Tabs({L"profile1", L"profile2"}, true), L"profile1_key_Qiro_1", L"_Qiro", L""});
}

TEST(ContactSheet, DolvMouse) {
    TakeNolxMouse(L"dolv", {L"Dolv", Tabs({L"profile1", L"profile2", L"profile3"}, true), L"profile_key_Dolv_1", L"_Dolv", L"_Dolv"});
}

TEST(ContactSheet, MeskMouse) {
    MeskFireMacroAvailable = false;
    TakeNolxMouse(L"mesk", {L"Mesk", Tabs({L"profile1", L"profile2", L"profile3"}, true), L"profile_key_Mesk_1", L"_Mesk", L"_Mesk"});
    // The page offers its fire tab: its key-assignment dialog offers fire macros.
    EXPECT_TRUE(MeskFireMacroAvailable);
}

TEST(ContactSheet, SheetsOfThumbnails) {
    for (const Language& language : kLanguages) EXPECT_TRUE(SaveSheet(language.code));
}
