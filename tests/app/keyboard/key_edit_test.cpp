// The keyboard's key-assignment dialog, run modally and driven through its
// controls and its key capture.
#include "app/core/keys/wenk_profile_block.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "app/dialogs/keyboard/key_edit.h"
#include "app/dialogs/keyboard/keyboard_hook.h"
#include "tests/app/keyboard/page_services_fakes.h"
#include "tests/app/keyboard/skin_setup.h"
#include "tests/app/keyboard/timed_script.h"
#include "tests/app/support/settings_reset.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo.h"
#include "ui/controls/list.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kCodeA = 0x04;
constexpr int kCodeB = 0x05;

KeyAssignmentRecord& PutKey(KeyMap& map, const wchar_t* name, int code, const wchar_t* text) {
    auto record = std::make_unique<KeyAssignmentRecord>();
    record->defaultCode = record->currentCode = code;
    record->name = record->defaultName = text;
    KeyAssignmentRecord& kept = *record;
    map[name] = std::move(record);
    return kept;
}

MacroRef PutMacro(const wchar_t* name) {
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name;
    macro->data = {0x06};
    WenkMacroList.push_back(macro);
    return macro;
}

SkinUI::CControlUI* Control(KeyEdit& dialog, const wchar_t* name) {
    return dialog.GetManager().FindControlByName(name);
}

void Click(KeyEdit& dialog, const wchar_t* name) {
    SkinUI::CControlUI* control = Control(dialog, name);
    ASSERT_NE(control, nullptr) << name;
    control->Activate();
}

void SelectRow(KeyEdit& dialog, const wchar_t* list, int row) {
    auto* owner = static_cast<SkinUI::IListOwnerUI*>(Control(dialog, list)->GetInterfaceByName(L"IListOwner"));
    owner->SelectItem(row);
}

class KeyEditDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        UseProgramSkin(L"");
        LoadLanguageTexts(L"English");
    }
    void SetUp() override {
        ResetAppSettings();
        keyA = &PutKey(WenkKeyMap1, L"KB_3B", kCodeA, L"A");
        keyB = &PutKey(WenkKeyMap1, L"KB_4F", kCodeB, L"B");
        otherSetA = &PutKey(WenkKeyMap2, L"KB_3B", kCodeA, L"A");
        for (int i = 1; i <= 12; ++i) {
            const SkinUI::CUIString name = SkinUI::CUIString(L"FN_") + std::to_wstring(i).c_str();
            PutKey(WenkFunctionButtonMap1, name, 0xA0 + i, name);
            PutKey(WenkFunctionButtonMap2, name, 0xB0 + i, name);
        }
    }
    void TearDown() override { ResetAppSettings(); }

    // Runs the dialog for the record with the script inside it; its result.
    bool Run(KeyAssignmentRecord& record, const std::function<void(KeyEdit&)>& script, bool fnKeys = false) {
        bool result = false;
        RunScriptedModal([&] { script(*ServedKeyEdit()); },
                         [&] {
                             auto* dialog = new KeyEdit(nullptr, record, &messages);
                             result = fnKeys ? dialog->RunDialogForFnKey() : dialog->RunDialog();
                         });
        return result;
    }
    // Captures the keys on the key page, then OK.
    bool Capture(KeyAssignmentRecord& record, std::initializer_list<int> virtualKeys, const wchar_t* modifier = nullptr) {
        return Run(record, [&](KeyEdit& dialog) {
            Click(dialog, L"key_setting");
            if (modifier) Click(dialog, modifier);
            for (int key : virtualKeys) dialog.OnKeyboardHook(WM_KEYDOWN, key);
            shownText = Control(dialog, L"result_key_value")->GetText().GetData();
            Click(dialog, L"btn_ok");
        });
    }
    // Gives the record macro `macro` of the list through the macro page.
    bool ChooseMacro(KeyAssignmentRecord& record, int macro) {
        return Run(record, [&](KeyEdit& dialog) {
            Click(dialog, L"marco_setting");
            SelectRow(dialog, L"result_marco_value", macro);
            Click(dialog, L"btn_ok");
        });
    }

    RecordingMessages messages;
    KeyAssignmentRecord* keyA = nullptr;
    KeyAssignmentRecord* keyB = nullptr;
    KeyAssignmentRecord* otherSetA = nullptr;
    std::wstring shownText;
};

}  // namespace

TEST_F(KeyEditDialog, OneCapturedKeyBecomesTheKeysFunction) {
    EXPECT_TRUE(Capture(*keyB, {'A'}));
    EXPECT_EQ(shownText, L"A");
    EXPECT_EQ(keyB->type, KeyAssignmentRecord::Key);
    EXPECT_EQ(keyB->currentCode, kCodeA);
    EXPECT_STREQ(keyB->name, L"A");
}

TEST_F(KeyEditDialog, TwoKeysInARowAndShiftWithAKeyBecomeCombinations) {
    EXPECT_TRUE(Capture(*keyA, {'A', 'B'}));
    EXPECT_EQ(shownText, L"A+B");
    EXPECT_EQ(keyA->type, KeyAssignmentRecord::MiscFunction);
    ASSERT_EQ(WenkProfileWords.size(), 1u);
    EXPECT_EQ(WenkProfileWords[0], 0x0405);
    EXPECT_EQ(keyA->currentCode, 224);

    EXPECT_TRUE(Capture(*keyB, {'A'}, L"shift_check"));
    EXPECT_EQ(shownText, L"Shift+A");
    EXPECT_STREQ(keyB->name, L"Shift+A");
    ASSERT_EQ(WenkProfileWords.size(), 2u);
    EXPECT_EQ(WenkProfileWords[0], 0x8204);
    EXPECT_EQ(keyB->currentCode, 224);
    // The other combination key keeps its own code in its new slot.
    EXPECT_EQ(WenkProfileWords[1], 0x0405);
    EXPECT_STREQ(WenkProfileWordNames[1], L"A+B");
    EXPECT_EQ(keyA->currentCode, 225);
}

TEST_F(KeyEditDialog, ACombinationReadFromTheKeyboardKeepsItsCode) {
    keyA->type = KeyAssignmentRecord::MiscFunction;
    keyA->name = L"Ctrl+C";
    keyA->currentCode = 224 + 3;
    WenkCombinationAreas[0][6] = 0x81;
    WenkCombinationAreas[0][7] = 0x06;
    EXPECT_TRUE(Capture(*keyB, {'A', 'B'}));
    ASSERT_EQ(WenkProfileWords.size(), 2u);
    EXPECT_EQ(WenkProfileWords[1], 0x8106);
    EXPECT_EQ(keyA->currentCode, 225);
}

TEST_F(KeyEditDialog, ASeventeenthCombinationIsRefused) {
    for (int i = 0; i < 16; ++i) {
        KeyAssignmentRecord& key = PutKey(WenkKeyMap2, (L"KB_" + std::to_wstring(10 + i)).c_str(), kCodeA, L"A");
        key.type = KeyAssignmentRecord::MiscFunction;
        key.name = (L"Ctrl+" + std::to_wstring(i)).c_str();
        WenkProfileWordNames.push_back(key.name);
        WenkProfileWords.push_back(0x8100 + i);
    }
    EXPECT_TRUE(Capture(*keyB, {'A', 'B'}));
    EXPECT_EQ(messages.shown, std::vector<std::wstring>{L"%{080}"});
    EXPECT_EQ(keyB->type, KeyAssignmentRecord::Key);
    EXPECT_EQ(keyB->currentCode, kCodeB);
    EXPECT_EQ(WenkProfileWords.size(), 16u);
    for (const auto& [name, key] : WenkKeyMap2) {
        if (key->type == KeyAssignmentRecord::MiscFunction) {
            EXPECT_LT(key->currentCode, 240);
        }
    }
}

TEST_F(KeyEditDialog, ModifierKeysThemselvesCaptureNothing) {
    Run(*keyA, [&](KeyEdit& dialog) {
        Click(dialog, L"key_setting");
        for (int key : {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU, VK_LWIN, VK_RWIN}) {
            dialog.OnKeyboardHook(WM_KEYDOWN, key);
        }
        dialog.OnKeyboardHook(WM_KEYUP, 'A');
        EXPECT_STREQ(Control(dialog, L"result_key_value")->GetText(), L"%{576}");
        EXPECT_EQ(dialog.ChoiceState(), kKeyChosen);
        Click(dialog, L"btn_ok");
    });
    EXPECT_EQ(keyA->currentCode, kCodeA);
    EXPECT_STREQ(keyA->name, L"A");
}

TEST_F(KeyEditDialog, TheHookRunsOnlyWhileTheKeyPageCaptures) {
    Run(*keyA, [&](KeyEdit& dialog) {
        EXPECT_FALSE(key_edit_hook::IsInstalled());
        Click(dialog, L"key_setting");
        EXPECT_TRUE(key_edit_hook::IsInstalled());
        EXPECT_TRUE(Control(dialog, L"result_key_value")->IsVisible());
        Click(dialog, L"multimedia_setting");
        EXPECT_FALSE(key_edit_hook::IsInstalled());
        EXPECT_FALSE(Control(dialog, L"result_key_value")->IsVisible());
        EXPECT_TRUE(Control(dialog, L"result_mulitmedia_value")->IsVisible());
        Click(dialog, L"key_setting");
        Click(dialog, L"btn_cancel");
    });
    EXPECT_FALSE(key_edit_hook::IsInstalled());
    EXPECT_EQ(ServedKeyEdit(), nullptr);
}

TEST_F(KeyEditDialog, KeysSharingAMacroShareItsSlotAndASeventhMacroIsRefused) {
    for (int i = 0; i < 7; ++i) PutMacro((L"macro " + std::to_wstring(i)).c_str());
    EXPECT_TRUE(ChooseMacro(*keyA, 2));
    EXPECT_TRUE(ChooseMacro(*otherSetA, 2));
    EXPECT_EQ(keyA->type, KeyAssignmentRecord::Macro);
    EXPECT_EQ(keyA->currentCode, 192);
    EXPECT_EQ(otherSetA->currentCode, 192);
    EXPECT_EQ(keyA->macro, WenkMacroList[2]);
    EXPECT_STREQ(keyA->name, L"macro 2");
    EXPECT_EQ(WenkDeviceMacroList.size(), 1u);

    for (int i = 0; i < 5; ++i) {
        KeyAssignmentRecord& key = PutKey(WenkFunctionButtonMap1, (L"FN_" + std::to_wstring(1 + i)).c_str(), 0xA0, L"");
        ASSERT_TRUE(ChooseMacro(key, 3 + i > 6 ? 0 : 3 + i));
    }
    EXPECT_EQ(WenkDeviceMacroList.size(), 6u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(ChooseMacro(*keyB, 1));
    EXPECT_EQ(messages.shown, std::vector<std::wstring>{L"%{080}"});
    EXPECT_EQ(keyB->type, KeyAssignmentRecord::Key);
    EXPECT_EQ(keyB->currentCode, kCodeB);
    for (KeyMap* map : {&WenkKeyMap1, &WenkKeyMap2, &WenkFunctionButtonMap1}) {
        for (const auto& [name, key] : *map) {
            if (key->type == KeyAssignmentRecord::Macro) {
                EXPECT_LT(key->currentCode, 198);
            }
        }
    }
}

TEST_F(KeyEditDialog, MultimediaRowsResetAndNothingChosen) {
    EXPECT_TRUE(Run(*keyA, [&](KeyEdit& dialog) {
        Click(dialog, L"multimedia_setting");
        SelectRow(dialog, L"result_mulitmedia_value", 0);
        Click(dialog, L"btn_ok");
    }));
    EXPECT_EQ(keyA->type, KeyAssignmentRecord::Multimedia);
    EXPECT_EQ(keyA->currentCode, 163);

    EXPECT_TRUE(Run(*keyA, [&](KeyEdit& dialog) { Click(dialog, L"btn_ok"); }));
    EXPECT_EQ(keyA->currentCode, 163);
    EXPECT_FALSE(Run(*keyA, [&](KeyEdit& dialog) {
        Click(dialog, L"key_setting");
        dialog.OnKeyboardHook(WM_KEYDOWN, 'B');
        Click(dialog, L"btn_colse");
    }));
    EXPECT_EQ(keyA->currentCode, 163);

    EXPECT_TRUE(Run(*keyA, [&](KeyEdit& dialog) { Click(dialog, L"btn_reset"); }));
    EXPECT_EQ(keyA->type, KeyAssignmentRecord::Key);
    EXPECT_EQ(keyA->currentCode, kCodeA);
    EXPECT_STREQ(keyA->name, L"A");
}

TEST_F(KeyEditDialog, TheFnVariantEditsTheButtonsOfTheActiveSet) {
    DeviceSettings.WenkActiveSet = 1;
    KeyAssignmentRecord& first = *WenkFunctionButtonMap2.at(L"FN_1");
    std::wstring shown;
    EXPECT_TRUE(Run(first, [&](KeyEdit& dialog) {
        shown = Control(dialog, L"current_value")->GetText().GetData();
        EXPECT_EQ(&dialog.EditedRecord(), &first);
        auto* combo = static_cast<SkinUI::CComboUI*>(Control(dialog, L"FN_key_setting")->GetInterfaceByName(L"Combo"));
        EXPECT_TRUE(combo->IsVisible());
        combo->SelectItem(2);
        Click(dialog, L"key_setting");
        dialog.OnKeyboardHook(WM_KEYDOWN, 'A');
        Click(dialog, L"btn_ok");
    }, true));
    EXPECT_EQ(shown, L"%{9} FN_1");
    EXPECT_EQ(WenkFunctionButtonMap2.at(L"FN_3")->currentCode, kCodeA);
    EXPECT_EQ(first.currentCode, 0xB1);
    EXPECT_EQ(WenkFunctionButtonMap1.at(L"FN_3")->currentCode, 0xA3);
}

TEST_F(KeyEditDialog, ACapturedChordLooksFinishedInBothLanguages) {
    PutMacro(L"Burst fire");
    PutMacro(L"Greeting");
    for (const std::wstring language : {L"English", L"Chinese"}) {
        LoadLanguageTexts(language.c_str());
        Run(*keyA, [&](KeyEdit& dialog) {
            Click(dialog, L"key_setting");
            Click(dialog, L"ctrl_check");
            dialog.OnKeyboardHook(WM_KEYDOWN, 'C');
            InvalidateRect(dialog.GetWindowHandle(), nullptr, FALSE);
            UpdateWindow(dialog.GetWindowHandle());
            EXPECT_TRUE(SkinUI::test::LooksFinished(dialog.GetManager(), language));
            Click(dialog, L"btn_cancel");
        });
    }
    LoadLanguageTexts(L"English");
}
