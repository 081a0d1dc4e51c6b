// The keyboard macro window over the program's skin, driven through its
// controls, a fake clock and hook events.
#include "app/core/settings/settings_containers.h"
#include "app/macro/keyboard/marco_manger.h"
#include "app/macro/list/marco_list.h"
#include "tests/app/keyboard/page_services_fakes.h"
#include "tests/app/keyboard/skin_setup.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/combo.h"
#include "ui/controls/list.h"
#include "ui/controls/option.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kRecordSize = 176;
constexpr wchar_t kMacroFile[] = L"MacroKeyBoardData_Kelvo.bin";

int64_t g_now = 0;
int64_t FakeNow() { return g_now; }

MacroRef MacroWith(const wchar_t* name, Bytes data) {
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name;
    macro->data = std::move(data);
    return macro;
}

class KeyboardMacroWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        UseProgramSkin(L"");
        LoadLanguageTexts(L"English");
    }
    void SetUp() override {
        ResetAppSettings();
        MacroTempFolder = folder.Path().c_str();
        g_now = 0;
    }
    void TearDown() override {
        if (MarcoManger* open = MarcoManger::Current()) DestroyWindow(open->GetWindowHandle());
        EXPECT_EQ(MarcoManger::Current(), nullptr);
        MacroTempFolder = L"";
    }

    // Opens the window over the macros of WenkMacroList.
    MarcoManger& Open() {
        manager = MarcoManger::Open(nullptr, &files);
        manager->SetClock(&FakeNow);
        return *manager;
    }
    SkinUI::CControlUI* Find(const wchar_t* name) { return manager->GetManager().FindControlByName(name); }
    void Click(const wchar_t* name) {
        SkinUI::CControlUI* control = Find(name);
        ASSERT_NE(control, nullptr) << name;
        control->Activate();
    }
    void TypeInto(const wchar_t* name, const wchar_t* text) {
        Find(name)->SetText(text);
        manager->GetManager().SendNotification(Find(name), L"textchanged");
    }
    void Select(const wchar_t* list, int row) { dynamic_cast<SkinUI::CListUI*>(Find(list))->SelectItem(row); }
    void NewSelectedMacro(const wchar_t* name) {
        manager->AddMacro(name);
        Select(L"listex", static_cast<int>(WenkMacroList.size()) - 1);
    }
    void KeyPress(int virtualKey) {
        manager->OnKeyboardHook(WM_KEYDOWN, virtualKey);
        manager->OnKeyboardHook(WM_KEYUP, virtualKey);
    }
    Bytes Data(size_t index = 0) { return WenkMacroList.at(index)->data; }
    Bytes MacroFile() { return FileBytes(folder.File(kMacroFile)); }
    SkinUI::CUIString RowText(int row) {
        return dynamic_cast<MarcoListUI*>(Find(L"listex1"))->GetRoot()->children.at(static_cast<size_t>(row))->text;
    }

    TempFolder folder;
    ScriptedFiles files;
    MarcoManger* manager = nullptr;
};

}  // namespace

TEST_F(KeyboardMacroWindow, RecordingAKeyWithoutDelaysGivesItsByteCodeAndAFileRecord) {
    Open();
    NewSelectedMacro(L"AB");
    Click(L"delay_no");
    EXPECT_FALSE(manager->HooksInstalled());
    Click(L"recordButton");
    EXPECT_TRUE(manager->HooksInstalled());
    EXPECT_FALSE(Find(L"listex")->IsEnabled());
    EXPECT_FALSE(Find(L"DeleteMarcoButton")->IsEnabled());
    KeyPress('A');
    manager->OnKeyboardHook(WM_KEYDOWN, VK_LMENU);  // no device code
    Click(L"recordButton");
    EXPECT_FALSE(manager->HooksInstalled());
    EXPECT_TRUE(Find(L"listex")->IsEnabled());
    EXPECT_FALSE(Find(L"delay_edit")->IsEnabled());

    EXPECT_EQ(Data(), (Bytes{0x05, 0x00, 0x81, 0x04, 0x01, 0x04, 0x06}));
    EXPECT_STREQ(RowText(0), L"{x 4}{i macroicons.png 18 2}{x 4}A");
    EXPECT_STREQ(RowText(1), L"{x 4}{i macroicons.png 18 1}{x 4}A");
    const Bytes file = MacroFile();
    ASSERT_EQ(file.size(), kRecordSize);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 6), (Bytes{0x00, 'A', 0x00, 'B', 0x00, 0x00}));
    EXPECT_EQ(Bytes(file.begin() + 32, file.begin() + 40), (Bytes{0x05, 0x00, 0x81, 0x04, 0x01, 0x04, 0x06, 0x00}));
}

TEST_F(KeyboardMacroWindow, RecordedDelaysAreMillisecondsOrTheFixedValueAndSkipTheRecordButton) {
    Open();
    NewSelectedMacro(L"M");
    Click(L"recordButton");
    const MSLLHOOKSTRUCT mouse = {};
    g_now = 1000;
    manager->OnKeyboardHook(WM_KEYDOWN, 'A');
    g_now = 1120;
    manager->OnKeyboardHook(WM_KEYUP, 'A');
    manager->GetManager().SendNotification(Find(L"recordButton"), L"Button_Mouse_Focus");
    manager->OnMouseHook(WM_LBUTTONDOWN, mouse);
    manager->GetManager().SendNotification(Find(L"recordButton"), L"Button_Mouse_Lose_Focus");
    g_now = 1800;
    manager->OnMouseHook(WM_MOUSEMOVE, mouse);
    manager->OnMouseHook(WM_RBUTTONDOWN, mouse);
    g_now = 100000;
    manager->OnMouseHook(WM_RBUTTONUP, mouse);
    Click(L"recordButton");
    EXPECT_EQ(Data(), (Bytes{0x05, 0x00, 0x81, 0x04, 0x04, 0x00, 0x78, 0x01, 0x04, 0x04, 0x02, 0xA8, 0x82, 0x02,
                             0x04, 0xFF, 0xFF, 0x02, 0x02, 0x06}));
    EXPECT_STREQ(RowText(1), L"{x 4}{i macroicons.png 18 0}{x 4}120 ms");

    Click(L"delay_setting");
    EXPECT_TRUE(Find(L"delay_edit")->IsEnabled());
    TypeInto(L"delay_edit", L"20");
    Click(L"recordButton");
    EXPECT_TRUE(manager->Steps().empty());
    KeyPress('B');
    Click(L"recordButton");
    EXPECT_EQ(Data(), (Bytes{0x05, 0x00, 0x81, 0x05, 0x04, 0x00, 0x14, 0x01, 0x05, 0x06}));
}

TEST_F(KeyboardMacroWindow, RecordedSideButtonsReadAsTheButtonsPressedInEachLanguage) {
    Open();
    NewSelectedMacro(L"Side");
    Click(L"delay_no");
    Click(L"recordButton");
    for (DWORD button : {DWORD{XBUTTON1}, DWORD{XBUTTON2}}) {
        MSLLHOOKSTRUCT event = {};
        event.mouseData = button << 16;
        manager->OnMouseHook(WM_XBUTTONDOWN, event);
        manager->OnMouseHook(WM_XBUTTONUP, event);
    }
    Click(L"recordButton");
    EXPECT_EQ(Data(), (Bytes{0x05, 0x00, 0x82, 0x10, 0x02, 0x10, 0x82, 0x08, 0x02, 0x08, 0x06}));

    struct Names {
        const wchar_t* language;
        const wchar_t* back;     // XBUTTON1
        const wchar_t* forward;  // XBUTTON2
    };
    for (const Names& names : {Names{L"English", L"Back", L"Forward"},
                               Names{L"Chinese", L"\x540E\x9000\x952E", L"\x524D\x8FDB\x952E"}}) {
        LoadLanguageTexts(names.language);
        for (int row = 0; row < 4; ++row) {
            SkinUI::CUIString shown = RowText(row);
            SkinUI::CWindowManagerUI::ReplaceLanguageTokens(shown);
            EXPECT_THAT(std::wstring(shown.GetData()), ::testing::EndsWith(row < 2 ? names.back : names.forward))
                << names.language << " row " << row;
        }
    }
    LoadLanguageTexts(L"English");
}

TEST_F(KeyboardMacroWindow, ShowingAMacroTakesItsLoopModeAndTheEditsKeepTheirLimits) {
    WenkMacroList = {MacroWith(L"Continue", {0x08, 0x05, 0xFF, 0x04, 0x01, 0xF4, 0x06}),
                     MacroWith(L"Twice", {0x05, 0x01, 0x82, 0x01, 0x06})};
    Open();
    ASSERT_EQ(dynamic_cast<SkinUI::CListUI*>(Find(L"listex"))->GetCount(), 2);
    Select(L"listex", 0);
    EXPECT_TRUE(dynamic_cast<SkinUI::COptionUI*>(Find(L"circle_continue"))->IsSelected());
    EXPECT_EQ(manager->Steps(), (MacroSteps{{KeyboardStep::Delay, 500}}));
    EXPECT_FALSE(Find(L"circle_edit")->IsEnabled());
    // An edit keeps the loop the macro was shown with.
    ASSERT_TRUE(manager->InsertSteps({{KeyboardStep::KeyDown, 0x04}}));
    EXPECT_EQ(Data(), (Bytes{0x08, 0x05, 0xFF, 0x04, 0x01, 0xF4, 0x81, 0x04, 0x06}));

    Select(L"listex", 1);
    EXPECT_EQ(manager->LoopMode(), KeyboardLoopMode::Count);
    EXPECT_STREQ(Find(L"circle_edit")->GetText(), L"2");
    TypeInto(L"circle_edit", L"300");
    EXPECT_STREQ(Find(L"circle_edit")->GetText(), L"254");
    TypeInto(L"circle_edit", L"0");
    EXPECT_STREQ(Find(L"circle_edit")->GetText(), L"1");
    TypeInto(L"delay_edit", L"65536");
    EXPECT_STREQ(Find(L"delay_edit")->GetText(), L"65535");
}

TEST_F(KeyboardMacroWindow, AMacroTakesStepsUpToExactly144Bytes) {
    Open();
    NewSelectedMacro(L"Full");
    Click(L"circle_stop");
    Click(L"delay_no");
    Click(L"recordButton");
    for (int i = 0; i < 40; ++i) KeyPress('A');
    Click(L"recordButton");
    ASSERT_EQ(Data().size(), 144u);  // 07 05 FF, 70 key steps, 06
    EXPECT_EQ(manager->Steps().size(), 70u);
    EXPECT_FALSE(manager->InsertSteps({{KeyboardStep::KeyUp, 0x04}}));
    EXPECT_FALSE(manager->InsertClickSteps(1));

    Click(L"circle_setting");  // a header one byte shorter: 143 bytes
    EXPECT_FALSE(manager->InsertSteps({{KeyboardStep::Delay, 5}}));
    Select(L"listex1", 0);
    manager->DeleteSelectedStep();
    EXPECT_TRUE(manager->InsertSteps({{KeyboardStep::Delay, 5}}));
    EXPECT_EQ(Data().size(), 144u);
    EXPECT_EQ(MacroFile().size(), kRecordSize);
}

TEST_F(KeyboardMacroWindow, InsertsEditsAndDeletesKeepClicksAndMovesWhole) {
    Open();
    NewSelectedMacro(L"Steps");
    ASSERT_TRUE(
        manager->InsertSteps({{KeyboardStep::KeyDown, 4}, {KeyboardStep::KeyUp, 4}, {KeyboardStep::KeyDown, 5}}));
    Select(L"listex1", 2);
    auto* insert = dynamic_cast<SkinUI::CComboUI*>(Find(L"macro_insert_combo"));
    ASSERT_EQ(insert->GetCount(), 7);
    insert->SelectItem(3);  // a left click, inserted once the combo's notification comes back
    SkinUI::test::PumpMessages(100);
    EXPECT_EQ(insert->GetCurSel(), -1);
    const MacroSteps withClick = {{KeyboardStep::KeyDown, 4},    {KeyboardStep::KeyUp, 4},
                                  {KeyboardStep::KeyDown, 5},    {KeyboardStep::ButtonDown, 1},
                                  {KeyboardStep::Delay, 50},     {KeyboardStep::ButtonUp, 1}};
    EXPECT_EQ(manager->Steps(), withClick);

    Select(L"listex1", 5);
    ASSERT_TRUE(manager->InsertSteps({{KeyboardStep::Move, -5}, {KeyboardStep::Move, 10}}));
    EXPECT_STREQ(RowText(6), L"{x 4}{i macroicons.png 18 3}{x 4}X -5");
    EXPECT_STREQ(RowText(7), L"{x 4}{i macroicons.png 18 3}{x 4}Y 10");
    Select(L"listex1", 6);  // an insert after the X row goes after its Y row
    ASSERT_TRUE(manager->InsertSteps({{KeyboardStep::Delay, 7}}));
    const Bytes data = Data();
    EXPECT_EQ(Bytes(data.end() - 7, data.end()), (Bytes{0x03, 0xFB, 0x0A, 0x04, 0x00, 0x07, 0x06}));

    Select(L"listex1", 7);
    manager->SetSelectedStepValue(300);
    EXPECT_STREQ(RowText(7), L"{x 4}{i macroicons.png 18 3}{x 4}Y 127");
    Select(L"listex1", 3);
    manager->SetSelectedStepKey(0x06);  // a button row takes no key
    Select(L"listex1", 0);
    manager->SetSelectedStepKey(0x06);
    EXPECT_EQ(manager->Steps()[0], (MacroStep{KeyboardStep::KeyDown, 6}));
    EXPECT_EQ(manager->Steps()[3], (MacroStep{KeyboardStep::ButtonDown, 1}));

    Select(L"listex1", 7);  // the Y row takes its X row along
    manager->DeleteSelectedStep();
    EXPECT_EQ(manager->Steps().size(), 7u);
    EXPECT_EQ(manager->Steps().back(), (MacroStep{KeyboardStep::Delay, 7}));
}

TEST_F(KeyboardMacroWindow, ExportImportDeleteAndADamagedFile) {
    WenkMacroList = {MacroWith(L"One", {0x05, 0x00, 0x81, 0x04, 0x06}), MacroWith(L"Two", {0x05, 0x02, 0x06})};
    Open();
    files.savePath = folder.File(L"exported.bin");
    manager->ExportMacros();
    const Bytes exported = FileBytes(files.savePath);
    ASSERT_EQ(exported.size(), 2 * kRecordSize);

    files.openPath = files.savePath;
    manager->ImportMacros();
    ASSERT_EQ(WenkMacroList.size(), 4u);
    EXPECT_STREQ(WenkMacroList[3]->name, L"Two");
    EXPECT_EQ(dynamic_cast<SkinUI::CListUI*>(Find(L"listex"))->GetCount(), 4);
    EXPECT_EQ(MacroFile().size(), 4 * kRecordSize);

    Select(L"listex", 0);
    EXPECT_FALSE(manager->Steps().empty());
    manager->DeleteSelectedMacro();
    EXPECT_TRUE(manager->Steps().empty());
    EXPECT_EQ(MacroFile().size(), 3 * kRecordSize);

    Bytes damaged = exported;
    damaged.resize(kRecordSize + 100);
    files.openPath = folder.File(L"damaged.bin");
    PutFile(files.openPath, damaged);
    manager->ImportMacros();
    ASSERT_EQ(WenkMacroList.size(), 4u);
    EXPECT_STREQ(WenkMacroList[3]->name, L"One");

    files.openPath.clear();
    manager->ImportMacros();
    EXPECT_EQ(WenkMacroList.size(), 4u);
}

TEST_F(KeyboardMacroWindow, TheLayoutHoldsEveryControlAndLooksFinishedInBothLanguages) {
    WenkMacroList = {MacroWith(L"Burst fire",
                               {0x05, 0x02, 0x82, 0x01, 0x04, 0x00, 0x32, 0x02, 0x01, 0x03, 0xFB, 0x0A, 0x06}),
                     MacroWith(L"Greeting", {0x07, 0x05, 0xFF, 0x81, 0x0B, 0x01, 0x0B, 0x06})};
    for (const wchar_t* language : {L"English", L"Chinese"}) {
        LoadLanguageTexts(language);
        Open();
        for (const wchar_t* name :
             {L"listex", L"listex1", L"recordButton", L"marco_edit_container", L"macro_insert_combo", L"delay_record",
              L"delay_setting", L"delay_no", L"delay_edit", L"circle_setting", L"circle_stop", L"circle_continue",
              L"circle_edit", L"delaytimelayout", L"circlelayout", L"AddMarcoButton", L"DeleteMarcoButton", L"okbtn",
              L"cancelbtn", L"closebtn"}) {
            EXPECT_NE(Find(name), nullptr) << name;
        }
        Select(L"listex", 0);
        Select(L"listex1", 1);
        InvalidateRect(manager->GetWindowHandle(), nullptr, FALSE);
        UpdateWindow(manager->GetWindowHandle());
        EXPECT_TRUE(SkinUI::test::LooksFinished(manager->GetManager(), language));
        DestroyWindow(manager->GetWindowHandle());
    }
    LoadLanguageTexts(L"English");
}
