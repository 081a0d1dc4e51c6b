// The keyboard page over the simulated keyboard behind the real library.
#include "app/core/binder/device_binder.h"
#include "app/core/binder/module_loader.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "app/dialogs/keyboard/key_edit.h"
#include "app/macro/keyboard/marco_manger.h"
#include "devices/common/device_ids.h"
#include "devices/wenk/default_image.h"
#include "tests/app/keyboard/page_host.h"
#include "tests/app/keyboard/simulated_keyboard.h"
#include "tests/app/keyboard/skin_setup.h"
#include "tests/app/keyboard/timed_script.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/list.h"
#include "ui/controls/option.h"
#include "ui/controls/slider.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr wchar_t kKeyA[] = L"KB_3B";
constexpr wchar_t kSpace[] = L"KB_5E";
constexpr int kCodeA = 0x04;
constexpr int kCodeB = 0x05;
constexpr int kCodeSpace = 0x2C;

// The keyboard starts blank: its profile index holds 0xFF.
class BlankKeyboardState : public ::testing::Environment {
public:
    void SetUp() override {
        auto image = wenk::defaultImage();
        image[wenk::kProfileIndexAddress] = 0xFF;
        image[wenk::kProfileIndexAddress + 1] = 0xFF;
        const std::wstring folder = _wgetenv(L"HIDSIM_STATE_DIR");
        CreateDirectoryW(folder.c_str(), nullptr);
        PutFile(folder + L"\\wenk.bin", std::vector<uint8_t>(image.begin(), image.end()));
    }
};
const auto* const kBlankKeyboard = ::testing::AddGlobalTestEnvironment(new BlankKeyboardState);

KeyAssignmentRecord& Key(KeyMap& map, const wchar_t* name) { return *map.at(name); }

template <class Control>
Control* As(const wchar_t* name, const wchar_t* kind) {
    SkinUI::CControlUI* control = PageHost::Instance().Find(name);
    return control ? static_cast<Control*>(control->GetInterfaceByName(kind)) : nullptr;
}

SkinUI::CUIString Text(const wchar_t* name) {
    SkinUI::CControlUI* control = PageHost::Instance().Find(name);
    return control ? control->GetText() : SkinUI::CUIString();
}

// The open window of that class as the framework window it is.
SkinUI::WindowImplBase* OpenWindow(const wchar_t* className) {
    const HWND window = FindWindowW(className, nullptr);
    return window ? dynamic_cast<SkinUI::WindowImplBase*>(
                        reinterpret_cast<SkinUI::CWindowWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
                  : nullptr;
}

SkinUI::CControlUI* ManagerControl(const wchar_t* name) {
    return MarcoManger::Current()->GetManager().FindControlByName(name);
}

void PressAndReleaseKey(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

class KeyboardPage : public ::testing::Test {
protected:
    void SetUp() override {
        host.fakes().messages.shown.clear();
        ASSERT_TRUE(page.ConnectAndRead());
        for (KeyMap* map : {&WenkKeyMap1, &WenkKeyMap2}) {
            for (auto& [name, key] : *map) key->currentCode = key->defaultCode;
        }
    }
    void TearDown() override {
        DeviceSettings.WenkActiveSet = 0;
        page.RefreshControls();
    }

    PageHost& host = PageHost::Instance();
    CDialogKeySetting& page = host.page();
};

}  // namespace

TEST(BlankKeyboard, AReadStoppedByTheProfileIndexKeepsTheConnectedPage) {
    PageHost& host = PageHost::Instance();
    CDialogKeySetting& page = host.page();
    EXPECT_FALSE(page.ConnectAndRead());
    EXPECT_EQ(page.ConnectedFlag(), 0);
    EXPECT_FALSE(host.Find(L"device_keyboard_page")->IsEnabled());

    host.Raise(nullptr, L"READ_WenkDATA");
    EXPECT_EQ(page.ConnectedFlag(), 1);
    EXPECT_FALSE(page.ConnectAndRead());
    EXPECT_EQ(page.ConnectedFlag(), 1);
    EXPECT_TRUE(host.Find(L"device_keyboard_page")->IsEnabled());

    host.Raise(nullptr, L"Wenk_Connet_Error");
    EXPECT_EQ(page.ConnectedFlag(), 0);
    EXPECT_FALSE(host.Find(L"device_keyboard_page")->IsEnabled());

    const DeviceEntries& entries = DeviceLibraryBinder::Instance().Entries();
    ASSERT_EQ(entries.InitMCUDevice(device_ids::kVendor, device_ids::kWenkProduct), 0);
    ASSERT_EQ(entries.Device_WriteProFileIndex(1), 0);
    EXPECT_TRUE(page.ConnectAndRead());
    EXPECT_EQ(DeviceSettings.WenkActiveSet, 1);
    EXPECT_TRUE(As<SkinUI::COptionUI>(L"profile1", L"Option")->IsSelected());
    ASSERT_EQ(entries.Device_WriteProFileIndex(0), 0);
}

TEST_F(KeyboardPage, AReadShowsEveryKeyAndTheLightingOfTheActiveSet) {
    EXPECT_EQ(page.GetCount(), 1);  // its layout once: the page frees each child once
    EXPECT_EQ(page.ConnectedFlag(), 1);
    EXPECT_TRUE(host.Find(L"device_keyboard_page")->IsEnabled());
    EXPECT_EQ(WenkKeyMap1.size(), wenk::kDefaultKeyCount);
    EXPECT_EQ(Key(WenkKeyMap1, kSpace).defaultCode, kCodeSpace);
    EXPECT_STREQ(KeyImage(kKeyA), L"Image\\key_normal.png");
    EXPECT_STREQ(KeyImage(kSpace), L"Image\\key_normal_Spacebar.png");
    EXPECT_TRUE(As<SkinUI::COptionUI>(L"profile0", L"Option")->IsSelected());
    EXPECT_EQ(As<SkinUI::CSliderUI>(L"led_light", L"Slider")->GetValue(), 4);
    EXPECT_EQ(As<SkinUI::CSliderUI>(L"led_Speed", L"Slider")->GetValue(), 2);
    EXPECT_STREQ(Text(L"led_light_display"), L"4");
    EXPECT_STREQ(Text(L"led_Speed_dispaly"), L"2");
    EXPECT_EQ(As<SkinUI::CComboUI>(L"led_type_combo", L"Combo")->GetCurSel(), 1);
    EXPECT_FALSE(As<SkinUI::CCheckBoxUI>(L"led_sync", L"CheckBox")->IsChecked());
}

TEST_F(KeyboardPage, KeyImagesShowWhichKeysDifferFromTheirDefaultsSpaceIncluded) {
    Key(WenkKeyMap1, kKeyA).currentCode = kCodeB;
    Key(WenkKeyMap1, kSpace).currentCode = kCodeA;
    Key(WenkKeyMap1, L"KB_00").currentCode = kCodeSpace;
    page.RefreshControls();
    EXPECT_STREQ(KeyImage(kKeyA), L"Image\\key_change.png");
    EXPECT_STREQ(KeyImage(kSpace), L"Image\\key_change.png");
    EXPECT_STREQ(KeyImage(L"KB_00"), L"Image\\key_change_Spacebar.png");

    Key(WenkKeyMap1, kKeyA).currentCode = kCodeA;
    Key(WenkKeyMap1, kSpace).currentCode = kCodeSpace;
    page.RefreshControls();
    EXPECT_STREQ(KeyImage(kKeyA), L"Image\\key_normal.png");
    EXPECT_STREQ(KeyImage(kSpace), L"Image\\key_normal_Spacebar.png");
}

TEST_F(KeyboardPage, TheSecondKeySetIsShownAndEditedAfterItsOption) {
    Key(WenkKeyMap1, L"KB_4F").currentCode = kCodeA;
    Key(WenkKeyMap2, L"KB_4F").currentCode = kCodeA;
    Key(WenkKeyMap2, kKeyA).currentCode = kCodeB;
    As<SkinUI::COptionUI>(L"profile1", L"Option")->Activate();
    EXPECT_EQ(DeviceSettings.WenkActiveSet, 1);
    EXPECT_STREQ(KeyImage(kKeyA), L"Image\\key_change.png");

    // A click on a key runs its dialog for the record of the second set.
    bool opened = false;
    RunScriptedModal(
        [&] {
            KeyEdit* dialog = ServedKeyEdit();
            opened = dialog && &dialog->EditedRecord() == &Key(WenkKeyMap2, L"KB_4F");
            if (dialog) dialog->GetManager().FindControlByName(L"btn_reset")->Activate();
        },
        [&] { host.Find(L"KB_4F")->Activate(); });
    EXPECT_TRUE(opened);
    EXPECT_EQ(Key(WenkKeyMap2, L"KB_4F").currentCode, kCodeB);
    EXPECT_EQ(Key(WenkKeyMap1, L"KB_4F").currentCode, kCodeA);
    EXPECT_STREQ(KeyImage(L"KB_4F"), L"key_normal.png");

    RunScriptedModal(
        [] {
            KeyEdit* dialog = ServedKeyEdit();
            dialog->GetManager().FindControlByName(L"key_setting")->Activate();
            dialog->OnKeyboardHook(WM_KEYDOWN, 'A');
            dialog->GetManager().FindControlByName(L"btn_ok")->Activate();
        },
        [&] { host.Find(L"KB_4F")->Activate(); });
    EXPECT_EQ(Key(WenkKeyMap2, L"KB_4F").currentCode, kCodeA);
    EXPECT_STREQ(KeyImage(L"KB_4F"), L"key_change.png");

    As<SkinUI::COptionUI>(L"profile0", L"Option")->Activate();
    EXPECT_EQ(DeviceSettings.WenkActiveSet, 0);
    EXPECT_STREQ(KeyImage(kKeyA), L"Image\\key_normal.png");
    EXPECT_STREQ(KeyImage(L"KB_4F"), L"Image\\key_change.png");
}

TEST_F(KeyboardPage, DraggingShowsTheValueAndReleasingStoresIt) {
    WenkLedBlock& block = DeviceSettings.WenkLedBlocks[0];
    auto* light = As<SkinUI::CSliderUI>(L"led_light", L"Slider");
    light->SetValue(6);
    host.Raise(L"led_light", L"valuechanging");
    EXPECT_STREQ(Text(L"led_light_display"), L"6");
    EXPECT_EQ(block.brightness, 4);
    host.Raise(L"led_light", L"valuechanged");
    EXPECT_EQ(block.brightness, 6);

    As<SkinUI::CSliderUI>(L"led_Speed", L"Slider")->SetValue(7);
    host.Raise(L"led_Speed", L"valuechanged");
    EXPECT_EQ(block.speed, 7);
    EXPECT_STREQ(Text(L"led_Speed_dispaly"), L"7");

    As<SkinUI::CComboUI>(L"led_type_combo", L"Combo")->SelectItem(3);
    EXPECT_EQ(block.type, 3);
    As<SkinUI::CCheckBoxUI>(L"led_sync", L"CheckBox")->Activate();
    EXPECT_EQ(block.sync, 1);
    As<SkinUI::CCheckBoxUI>(L"led_sync", L"CheckBox")->Activate();
    EXPECT_EQ(block.sync, 0);
}

TEST_F(KeyboardPage, ARefreshKeepsAnEffectPastTheItemsAndTheSyncByte) {
    WenkLedBlock& block = DeviceSettings.WenkLedBlocks[0];
    block.type = 12;
    block.sync = 1;
    page.RefreshControls();
    EXPECT_EQ(block.type, 12);
    EXPECT_EQ(block.sync, 1);
    EXPECT_TRUE(As<SkinUI::CCheckBoxUI>(L"led_sync", L"CheckBox")->IsChecked());
    block.sync = 0;
    page.RefreshLedControls();
    EXPECT_EQ(block.sync, 0);
    EXPECT_FALSE(As<SkinUI::CCheckBoxUI>(L"led_sync", L"CheckBox")->IsChecked());
}

TEST_F(KeyboardPage, WriteSendsBothSetsTheIndexAndTheLightingThenReloads) {
    Key(WenkKeyMap1, kKeyA).currentCode = kCodeB;
    Key(WenkKeyMap2, kSpace).currentCode = kCodeA;
    DeviceSettings.WenkLedBlocks[1] = {3, 5, 6, 1};
    DeviceSettings.WenkLedBlocks[0] = {0, 1, 2, 0};
    DeviceSettings.WenkActiveSet = 1;
    const size_t before = TraceLines().size();
    page.WriteAllSettings();

    EXPECT_EQ(KeyboardCommands(before),
              (std::vector<std::string>{"write 0x0050", "write 0x0130", "write 0x0002", "write 0x0129",
                                        "write 0x0209", "reload"}));
    const std::vector<uint8_t> memory = SimulatedMemory();
    ASSERT_EQ(memory.size(), wenk::kMemorySize);
    EXPECT_EQ(memory[wenk::profileAddress(0) + 0x3B], kCodeB);
    EXPECT_EQ(memory[wenk::profileAddress(1) + 0x5E], kCodeA);
    EXPECT_EQ(memory[wenk::profileAddress(1) + 0x3B], kCodeA);
    EXPECT_EQ(memory[2], 1);
    EXPECT_EQ(memory[3], 0xFE);
    EXPECT_EQ(memory[wenk::ledAddress(0)], 0x00);
    EXPECT_EQ(memory[wenk::ledAddress(0) + 1], 0x80 | 1 | 2 << 3);
    EXPECT_EQ(memory[wenk::ledAddress(1)], 0x80 | 3);
    EXPECT_EQ(memory[wenk::ledAddress(1) + 1], 5 | 6 << 3);

    ASSERT_TRUE(page.ConnectAndRead());
    EXPECT_EQ(DeviceSettings.WenkActiveSet, 1);
    EXPECT_EQ(Key(WenkKeyMap1, kKeyA).currentCode, kCodeB);
    EXPECT_EQ(DeviceSettings.WenkLedBlocks[1].type, 3);
    EXPECT_EQ(DeviceSettings.WenkLedBlocks[1].sync, 1);
    EXPECT_STREQ(KeyImage(kSpace), L"Image\\key_change.png");

    for (KeyMap* map : {&WenkKeyMap1, &WenkKeyMap2}) {
        for (auto& [name, key] : *map) key->currentCode = key->defaultCode;
    }
    DeviceSettings.WenkLedBlocks = {};
    DeviceSettings.WenkActiveSet = 0;
    page.WriteAllSettings();
}

TEST_F(KeyboardPage, WholeImageOperationsEndInTheTransferMessageAfterTheOpen) {
    ScriptedFiles& files = host.fakes().files;
    files.savePath = host.files().File(L"exported.bin");
    page.ExportConfiguration();
    files.openPath = host.files().File(L"DefaultData_1.bin");
    page.ImportConfiguration();
    page.ResetToDefaults();
    EXPECT_EQ(host.fakes().messages.shown, (std::vector<std::wstring>{L"%{083}", L"%{083}", L"%{083}"}));
    EXPECT_FALSE(std::filesystem::exists(files.savePath));
    auto* gif = As<SkinUI::CGifAnimUI>(L"loading_gif", L"GifAnim");
    EXPECT_FALSE(gif->IsVisible());
    EXPECT_FALSE(gif->IsPlaying());
}

TEST_F(KeyboardPage, ImportRefusesFilesThatAreNotOneImageAndCancelledChoices) {
    ScriptedFiles& files = host.fakes().files;
    files.openPath = host.files().File(L"double.bin");
    PutFile(files.openPath, std::vector<uint8_t>(4096, 0x5A));
    page.ImportConfiguration();
    files.openPath = host.files().File(L"short.bin");
    PutFile(files.openPath, std::vector<uint8_t>(100, 0x5A));
    page.ImportConfiguration();
    files.openPath = host.files().File(L"missing.bin");
    page.ImportConfiguration();
    files.openPath.clear();
    page.ImportConfiguration();
    files.savePath.clear();
    page.ExportConfiguration();
    EXPECT_TRUE(host.fakes().messages.shown.empty());
}

TEST_F(KeyboardPage, AMacroRecordedInItsWindowReachesTheKeyboardThroughAKey) {
    host.Find(L"marco_manager")->Activate();
    MarcoManger* manager = MarcoManger::Current();
    ASSERT_NE(manager, nullptr);
    host.Find(L"marco_manager")->Activate();
    EXPECT_EQ(MarcoManger::Current(), manager);

    RunScriptedModal(
        [] {
            SkinUI::WindowImplBase* editor = OpenWindow(L"MarcoEdit");
            editor->GetManager().FindControlByName(L"result_value")->SetText(L"Key A");
            editor->GetManager().FindControlByName(L"btn_ok")->Activate();
        },
        [] { ManagerControl(L"AddMarcoButton")->Activate(); });
    ASSERT_EQ(WenkMacroList.size(), 1u);
    dynamic_cast<SkinUI::CListUI*>(ManagerControl(L"listex"))->SelectItem(0);
    ManagerControl(L"delay_no")->Activate();
    ManagerControl(L"recordButton")->Activate();
    PressAndReleaseKey('A');
    for (int i = 0; i < 50 && manager->Steps().size() < 2; ++i) SkinUI::test::PumpMessages(20);
    ManagerControl(L"recordButton")->Activate();
    const std::vector<uint8_t> macro = {0x05, 0x00, 0x81, 0x04, 0x01, 0x04, 0x06};
    EXPECT_EQ(WenkMacroList[0]->data, macro);

    RunScriptedModal(
        [] {
            KeyEdit* dialog = ServedKeyEdit();
            dialog->GetManager().FindControlByName(L"marco_setting")->Activate();
            dynamic_cast<SkinUI::CListUI*>(dialog->GetManager().FindControlByName(L"result_marco_value"))->SelectItem(0);
            dialog->GetManager().FindControlByName(L"btn_ok")->Activate();
        },
        [&] { host.Find(kKeyA)->Activate(); });
    EXPECT_EQ(Key(WenkKeyMap1, kKeyA).type, KeyAssignmentRecord::Macro);
    page.WriteAllSettings();

    const std::vector<uint8_t> memory = SimulatedMemory();
    ASSERT_EQ(memory.size(), wenk::kMemorySize);
    EXPECT_EQ(memory[wenk::profileAddress(0) + 0x3B], 192);
    const uint16_t slot = wenk::kSlotAddress[0];
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + slot, memory.begin() + slot + macro.size()), macro);
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + slot - 32, memory.begin() + slot - 26),
              (std::vector<uint8_t>{0x00, 'K', 0x00, 'e', 0x00, 'y'}));

    DestroyWindow(manager->GetWindowHandle());
    KeyAssignmentRecord& key = Key(WenkKeyMap1, kKeyA);
    key.type = KeyAssignmentRecord::Key;
    key.macro = nullptr;
    key.name = key.defaultName;
    WenkDeviceMacroList.clear();
    WenkMacroList.clear();
}

TEST_F(KeyboardPage, ChangedKeysAndLightingLookFinishedInBothLanguages) {
    Key(WenkKeyMap1, kKeyA).currentCode = kCodeB;
    Key(WenkKeyMap1, L"KB_01").currentCode = kCodeA;
    Key(WenkKeyMap1, kSpace).currentCode = kCodeSpace;
    DeviceSettings.WenkLedBlocks[0] = {2, 3, 5, 1};
    page.RefreshControls();
    for (const std::wstring language : {L"English", L"Chinese"}) {
        const bool chinese = language == L"Chinese";
        LoadLanguageTexts(language.c_str());
        AddMainWindowFonts(host.window().manager(), chinese ? L"Microsoft YaHei" : L"Segoe UI");
        host.window().ShowAndPaint();
        EXPECT_TRUE(SkinUI::test::LooksFinished(host.window().manager(), language));
    }
    LoadLanguageTexts(L"English");
    AddMainWindowFonts(host.window().manager());
}
