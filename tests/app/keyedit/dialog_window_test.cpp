// The key-assignment dialogs in real windows over the program's skin, driven
// by mouse messages at their controls while the modal loop runs.
#include "app/core/binder/module_loader.h"
#include "app/core/settings/device_settings.h"
#include "app/dialogs/keyedit/key_edit_members.h"
#include "tests/app/support/recording_messages.h"
#include "tests/app/support/settings_reset.h"
#include "tests/program/support/window_input.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/list.h"
#include "ui/controls/option.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_manager.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using program_test::ModalScript;
using SkinUI::CControlUI;

namespace {

class OwnerWindow : public SkinUI::CWindowWnd {
public:
    OwnerWindow() { Create(nullptr, L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 0, 1310, 749); }

protected:
    const wchar_t* GetWindowClassName() const override { return L"KeyEditTestOwner"; }
};

// Loads a language file of the skin the way the program does.
void LoadLanguage(const wchar_t* file) {
    static SkinUI::CWindowManagerUI languageManager;
    SkinUI::CWindowManagerUI::RemoveAllLanguageTexts();
    SkinUI::CLayoutBuilderUI builder;
    SkinUI::CControlUI* tree =
        builder.Create((std::wstring(L"Languages\\") + file).c_str(), nullptr, nullptr, &languageManager);
    if (tree != nullptr) tree->Delete();
}

class KeyEditWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppSettings();
        for (auto* table : {&KelvoButtonTable1, &KelvoButtonTable2, &KelvoDriverButtonTable1,
                            &KelvoDriverButtonTable2}) {
            table->clear();
        }
        for (auto* table : {&DolvMacroKeyTable1, &DolvMacroKeyTable2, &DolvMacroKeyTable3, &MeskMacroKeyTable1,
                            &MeskMacroKeyTable2, &MeskMacroKeyTable3, &QiroMacroKeyTable1, &QiroMacroKeyTable2}) {
            table->clear();
            for (int i = 0; i < 3; ++i) AddKey(*table, i == 0 ? 1 : 4);
        }
        for (auto* table : {&KelvoButtonTable1, &KelvoButtonTable2, &KelvoDriverButtonTable1,
                            &KelvoDriverButtonTable2}) {
            for (int i = 0; i < 3; ++i) {
                table->push_back(std::make_unique<ButtonAssignmentEntry>());
                table->back()->bytes[0] = 1;
                table->back()->bytes[1] = i == 0 ? 1 : 4;
                table->back()->index = i;
            }
        }
        SkinUI::RegisterStandardControls();
        SkinUI::CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        SkinUI::CWindowManagerUI::SetResourceFolder((ProgramFolder() + L"res\\Skin\\").c_str());
        LoadLanguage(L"English.xml");
        services.owner = &owner;
        services.messages = &messages;
    }
    void TearDown() override {
        SkinUI::CWindowManagerUI::RemoveAllLanguageTexts();
        SkinUI::CWindowManagerUI::SetResourceFolder(L"");
    }

    static void AddKey(RecordList<MacroKeyEntry>& table, int first) {
        table.push_back(std::make_unique<MacroKeyEntry>());
        table.back()->bytes[0] = 1;
        table.back()->bytes[1] = static_cast<uint8_t>(first);
        table.back()->index = static_cast<int>(table.size()) - 1;
    }

    // A click at the centre of the named control of the dialog's window.
    static bool Click(KeyEditDialog* dialog, const wchar_t* name) {
        CControlUI* control = dialog->GetManager().FindControlByName(name);
        if (control == nullptr || !control->IsVisible()) return false;
        const RECT r = control->GetPosition();
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        HWND hwnd = dialog->GetWindowHandle();
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, at);
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
        return true;
    }
    static bool ClickRow(KeyEditDialog* dialog, const wchar_t* listName, int row) {
        auto* list = static_cast<SkinUI::CListUI*>(dialog->GetManager().FindControlByName(listName));
        if (list == nullptr || !list->IsVisible() || list->GetItemAt(row) == nullptr) return false;
        const RECT r = list->GetItemAt(row)->GetPosition();
        if (r.bottom <= r.top) return false;  // not laid out yet
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(dialog->GetWindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(dialog->GetWindowHandle(), WM_LBUTTONUP, 0, at);
        return list->GetCurSel() == row;
    }
    static std::wstring TextOf(KeyEditDialog* dialog, const wchar_t* name) {
        CControlUI* control = dialog->GetManager().FindControlByName(name);
        return control ? std::wstring(control->GetText().GetData()) : L"<missing>";
    }
    static bool Shown(KeyEditDialog* dialog) {
        HWND hwnd = dialog->GetWindowHandle();
        if (hwnd == nullptr || !IsWindowVisible(hwnd)) return false;
        UpdateWindow(hwnd);
        return true;
    }

    OwnerWindow owner;
    RecordingMessages messages;
    PageServices services;
};

std::vector<int> Bytes(const MacroKeyEntry& entry) { return {entry.bytes[0], entry.bytes[1], entry.bytes[2], entry.bytes[3]}; }

}  // namespace

TEST_F(KeyEditWindow, AMultimediaKeyPickedWithTheMouseReachesTheEntryOnOk) {
    MacroKeyEntry& entry = *QiroMacroKeyTable1[1];
    auto* dialog = new KeyEdit_Qiro(services, &entry);
    RECT dialogRect{};
    ModalScript script({
        [&] { return Shown(dialog); },
        [&] {
            GetWindowRect(dialog->GetWindowHandle(), &dialogRect);
            return Click(dialog, L"multimedia_setting_Qiro");
        },
        [&] { return ClickRow(dialog, L"result_multimedia_value_Qiro", 3); },
        [&] { return Click(dialog, L"btn_ok_Qiro"); },
    });
    EXPECT_TRUE(dialog->RunDialog());
    EXPECT_TRUE(script.Finished()) << script.StalledAt();
    EXPECT_EQ(std::vector<int>({3, 0, 0xCD, 0}), Bytes(entry));
    // Centred over the owner with the layout's size.
    EXPECT_EQ(640, dialogRect.right - dialogRect.left);
    EXPECT_EQ((1310 - 640) / 2, dialogRect.left);
    EXPECT_EQ((749 - 480) / 2, dialogRect.top);
}

TEST_F(KeyEditWindow, AKeyCapturedThroughTheHookWithShiftTickedBecomesAUserDefinedKey) {
    MacroKeyEntry& entry = *QiroMacroKeyTable1[2];
    auto* dialog = new KeyEdit_Qiro(services, &entry);
    std::wstring shownText;
    bool capturing = false;
    ModalScript script({
        [&] { return Shown(dialog); },
        [&] { return Click(dialog, L"user_defined_setting_Qiro"); },
        [&] {
            capturing = dialog->IsCapturingKeys();
            return Click(dialog, L"shift_check_Qiro");
        },
        [&] {
            dialog->OnKeyboardEvent(WM_KEYDOWN, VK_LSHIFT);
            dialog->OnKeyboardEvent(WM_KEYDOWN, 'A');
            shownText = TextOf(dialog, L"result_key_value_Qiro");
            return true;
        },
        [&] { return Click(dialog, L"btn_ok_Qiro"); },
    });
    EXPECT_TRUE(dialog->RunDialog());
    EXPECT_TRUE(capturing);
    EXPECT_EQ(L"Shift+A", shownText);
    EXPECT_EQ(std::vector<int>({2, 0x02, 0x00, 0x04}), Bytes(entry));
}

TEST_F(KeyEditWindow, CancelLeavesTheEntryAndARefusedChangeIsReported) {
    MacroKeyEntry& entry = *DolvMacroKeyTable1[0];  // the only left click
    auto* cancelled = new KeyEdit_Dolv(services, &entry);
    ModalScript cancel({
        [&] { return Shown(cancelled); },
        [&] { return Click(cancelled, L"web_setting_Dolv"); },
        [&] { return ClickRow(cancelled, L"result_web_value_Dolv", 0); },
        [&] { return Click(cancelled, L"btn_cancel_Dolv"); },
    });
    EXPECT_FALSE(cancelled->RunDialog());
    EXPECT_EQ(std::vector<int>({1, 1, 0, 0}), Bytes(entry));

    auto* refused = new KeyEdit_Dolv(services, &entry);
    ModalScript refuse({
        [&] { return Shown(refused); },
        [&] { return ClickRow(refused, L"result_standard_mouse_keys_value_Dolv", 1); },
        [&] { return Click(refused, L"btn_ok_Dolv"); },
    });
    EXPECT_TRUE(refused->RunDialog());
    EXPECT_EQ(std::vector<int>({1, 1, 0, 0}), Bytes(entry));
    EXPECT_EQ(std::vector<std::wstring>({L"%{183}"}), messages.shown);
}

TEST_F(KeyEditWindow, EveryFamilysDialogOpensCompleteAndLooksFinished) {
    struct Case {
        std::function<KeyEditDialog*()> make;
        const wchar_t* suffix;
        const wchar_t* name;
    };
    KelvoMacroList = {std::make_shared<MacroRecord>(MacroRecord{L"Burst fire", {1}, 0}),
                      std::make_shared<MacroRecord>(MacroRecord{L"Crouch jump", {1}, 0})};
    const std::vector<Case> cases = {
        {[&] { return new KeyEdit_Kelvo(services, KelvoButtonTable1[1].get()); }, L"_Kelvo", L"keyedit_kelvo"},
        {[&] { return new KeyEdit_Kelvo_Driver(services, KelvoDriverButtonTable1[1].get()); }, L"_Kelvo_Driver",
         L"keyedit_kelvo_driver"},
        {[&] { return new KeyEdit_Dolv(services, DolvMacroKeyTable1[1].get()); }, L"_Dolv", L"keyedit_dolv"},
        {[&] { return new KeyEdit_Mesk(services, MeskMacroKeyTable1[1].get()); }, L"_Mesk", L"keyedit_mesk"},
        {[&] { return new KeyEdit_Qiro(services, QiroMacroKeyTable1[1].get()); }, L"_Qiro", L"keyedit_qiro"},
        {[&] {
             LoadLanguage(L"Chinese.xml");
             return new KeyEdit_Qiro(services, QiroMacroKeyTable1[1].get());
         },
         L"_Qiro", L"keyedit_qiro_chinese"},
    };
    const wchar_t* const names[] = {
        L"user_defined_setting", L"base_macro_setting", L"multimedia_setting", L"standard_mouse_keys_setting",
        L"special_keys_setting", L"web_setting", L"pc_setting", L"fire_macro_setting", L"result_key_value",
        L"check_layout", L"ctrl_check", L"alt_check", L"shift_check", L"win_check", L"result_marco_value",
        L"result_multimedia_value", L"result_standard_mouse_keys_value", L"result_special_keys_value",
        L"result_web_value", L"result_pc_value", L"result_fire_macro_value", L"btn_ok", L"btn_cancel", L"btn_colse",
        L"btn_reset"};
    for (const Case& c : cases) {
        KeyEditDialog* dialog = c.make();
        std::vector<std::wstring> missing;
        bool looked = false;
        ModalScript script({
            [&] { return Shown(dialog); },
            [&] {
                for (const wchar_t* name : names) {
                    const std::wstring full = std::wstring(name) + c.suffix;
                    if (dialog->GetManager().FindControlByName(full.c_str()) == nullptr) missing.push_back(full);
                }
                return Click(dialog, (std::wstring(L"special_keys_setting") + c.suffix).c_str());
            },
            [&] { return ClickRow(dialog, (std::wstring(L"result_special_keys_value") + c.suffix).c_str(), 2); },
            [&] {
                UpdateWindow(dialog->GetWindowHandle());
                EXPECT_TRUE(SkinUI::test::LooksFinished(dialog->GetManager(), c.name));
                looked = true;
                return Click(dialog, (std::wstring(L"btn_colse") + c.suffix).c_str());
            },
        });
        EXPECT_FALSE(dialog->RunDialog()) << c.name;
        EXPECT_TRUE(missing.empty()) << missing.front();
        EXPECT_TRUE(looked) << c.name;
    }
}
