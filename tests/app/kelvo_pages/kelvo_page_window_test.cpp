// The Kelvo page in a window over the real skin and the simulated Kelvo
// mouse: the refresh, the user's edits, and the commands down to the
// controller's memory.
#include "app/main/pages/kelvo/dialog_mouse_kelvo_setting.h"

#include "app/core/binder/module_loader.h"
#include "app/core/keys/assignment_texts.h"
#include "app/dialogs/fire/fire_steps.h"
#include "app/dialogs/keyedit/key_edit_dialog.h"
#include "devices/common/device_ids.h"
#include "tests/app/firecolor/picker_driver.h"
#include "tests/app/keyboard/timed_script.h"
#include "tests/app/kelvo_pages/kelvo_page_host.h"
#include "tests/app/support/refused_getter.h"
#include "ui/controls/button.h"
#include "ui/controls/combo.h"
#include "ui/controls/slider.h"
#include "ui/core/tab_layout.h"
#include "ui/core/window_impl_base.h"

#include <gtest/gtest.h>

using namespace SkinUI;

namespace {

const bool kFreshState = (ForgetEarlierRuns(), true);

constexpr size_t kCpiStep = 0x02, kMcuLed = 0x03, kPressTypes = 0x01, kCpiValues = 0x06, kCpiColours = 0x1A;
constexpr size_t kCurrentCpi = 0x30, kLed = 0x32, kKeyMode = 0x34, kKeySet0 = 0x40, kFireCount = 0xF2;

KelvoFamilyPage* MakeKelvoPage(const PageServices& services) { return new CDialogMouseKelvoSetting(services); }

std::vector<uint8_t> FactoryImage() { return FileBytes(ProgramFolder() + L"TevkKelvoData_Cfg1.bin"); }

// The image into the controller as it is, through the library.
void PutControllerImage(const std::vector<uint8_t>& image) {
    ASSERT_EQ(image.size(), 2048u);
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Kelvo);
    const DeviceEntries& e = binder.Entries();
    ASSERT_EQ(e.InitMCUDevice_Kelvo(device_ids::kVendor, device_ids::kKelvoProduct), 0);
    ASSERT_EQ(e.Device_Set_Device_Data_Kelvo(image.data(), 2048), 0);
}

class KelvoPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(kFreshState);
        PutControllerImage(factory);
        ASSERT_EQ(ControllerMemory(L"kelvo.bin"), factory);
        ASSERT_TRUE(host.page().ConnectAndRead());
        host.Settle();
    }

    std::vector<uint8_t> WriteAll() {
        host.Click(L"write_data_Kelvo");
        EXPECT_EQ(host.commands.back(), kKelvoWriteAll);
        return ControllerMemory(L"kelvo.bin");
    }

    const std::vector<uint8_t> factory = FactoryImage();
    KelvoPageHost host{&MakeKelvoPage};
};

std::wstring Numbered(const wchar_t* pattern, int n) {
    wchar_t name[64];
    swprintf(name, 64, pattern, n);
    return name;
}

}  // namespace

TEST_F(KelvoPage, TheRefreshShowsWhatWasReadAndWritesNothing) {
    EXPECT_TRUE(host.Enabled(L"device_Mouse_Kelvo_page"));
    EXPECT_EQ(host.As<CButtonUI>(L"profile1_Kelvo")->GetFont(), 4);
    for (int n = 1; n <= 9; ++n) {
        const uint8_t* b = KelvoButtonTable1[static_cast<size_t>(n - 1)]->bytes;
        EXPECT_EQ(host.Text(Numbered(L"profile_key_Kelvo_%d", n)), GetAssignmentTextKelvo(b[0], b[1], b[2]).GetData());
    }
    EXPECT_FALSE(host.Control(L"result_gun_key_switch_pro2_Kelvo")->IsVisible());

    host.Click(L"advanced_Settings_Kelvo");
    EXPECT_EQ(host.As<CComboUI>(L"result_DPI_count_setting_Kelvo")->GetCurSel(), DeviceSettings.KelvoCpiCount - 2);
    for (int n = 1; n <= 7; ++n) {
        const CpiLevelEntry& level = *KelvoCpiLevels[static_cast<size_t>(n - 1)];
        EXPECT_EQ(host.Text(Numbered(L"result_DPI%d_edit_Kelvo", n)), DpiStepText(DpiStepsKelvo, level.value).GetData());
        EXPECT_EQ(host.Enabled(Numbered(L"result_DPI%d_slider_Kelvo", n)), n <= DeviceSettings.KelvoCpiCount);
        EXPECT_EQ(host.Checked(Numbered(L"result_DPI%d_check_Kelvo", n)), n == DeviceSettings.KelvoCurrentCpi + 1);
    }
    // The factory image fires continuously.
    EXPECT_EQ(host.Text(L"result_fire_count_Kelvo"), L"3");
    EXPECT_FALSE(host.Enabled(L"result_fire_count_Kelvo"));
    EXPECT_TRUE(host.Checked(L"result_fire_continue_Kelvo"));
    EXPECT_EQ(host.Text(L"result_fire_time_Kelvo"), L"50");

    host.Click(L"led_Settings_Kelvo");
    EXPECT_TRUE(host.Checked(L"result_LED_mode_rainbow_Kelvo"));
    EXPECT_TRUE(host.Checked(L"result_LED_status_on_Kelvo"));
    EXPECT_TRUE(host.Checked(L"result_LED_light_all_Kelvo"));
    EXPECT_EQ(host.As<CSliderUI>(L"result_mode_speed_Kelvo")->GetValue(), 3);
    EXPECT_TRUE(host.commands.empty());
    EXPECT_EQ(ControllerMemory(L"kelvo.bin"), factory);
}

TEST_F(KelvoPage, AStoredRandomSleepModeShowsAsItselfAndABrightnessChangeKeepsIt) {
    {
        DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
        const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Kelvo);
        ASSERT_EQ(binder.Entries().Device_Set_MCULED_Current_Mode_Kelvo(2), 0);
        ASSERT_TRUE(binder.WriteDeviceKelvo());
    }
    ASSERT_EQ(ControllerMemory(L"kelvo.bin")[kLed] & 0x07, 3);
    ASSERT_TRUE(host.page().ConnectAndRead());
    host.Click(L"led_Settings_Kelvo");
    for (const wchar_t* mode : KelvoFamilyPage::kLedModeOptions) {
        const std::wstring name = std::wstring(mode) + L"_Kelvo";
        EXPECT_EQ(host.Checked(name), name == L"result_LED_mode_random_sleep_Kelvo") << std::string(name.begin(), name.end());
    }
    host.Click(L"result_LED_light_half_Kelvo", 0.05);
    EXPECT_EQ(DeviceSettings.KelvoLedLight, 0);
    const std::vector<uint8_t> memory = WriteAll();
    EXPECT_EQ(memory[kLed] & 0x07, 3);
    EXPECT_EQ(memory[kMcuLed] & 0x08, 0);

    host.Click(L"result_LED_mode_off_Kelvo", 0.05);
    EXPECT_EQ(DeviceSettings.KelvoLedMode, 6);
    EXPECT_EQ(WriteAll()[kLed] & 0x07, 7);
    ASSERT_TRUE(host.page().ConnectAndRead());
    EXPECT_TRUE(host.Checked(L"result_LED_mode_off_Kelvo"));
}

TEST_F(KelvoPage, AStoredModeOutsideTheOptionsShowsNoneAndLightAndSpeedEditsKeepIt) {
    // Bits 0-2 of the LED byte hold the mode 1..7, bit 3 is set while the LED
    // is off: low bits 0 and 8 hold no mode.
    for (const uint8_t stored : {0x00, 0x08}) {
        std::vector<uint8_t> image = factory;
        image[kLed] = static_cast<uint8_t>((image[kLed] & 0xF0) | stored);
        image[kLed + 1] = static_cast<uint8_t>(0xFF - image[kLed]);
        PutControllerImage(image);
        ASSERT_TRUE(host.page().ConnectAndRead());
        host.Click(L"led_Settings_Kelvo");
        for (const wchar_t* mode : KelvoFamilyPage::kLedModeOptions) {
            EXPECT_FALSE(host.Checked(std::wstring(mode) + L"_Kelvo")) << static_cast<int>(stored);
        }
        EXPECT_EQ(host.Checked(L"result_LED_status_off_Kelvo"), stored == 0x08);

        host.Click(L"result_LED_light_half_Kelvo", 0.05);
        host.MoveSlider(L"result_mode_speed_Kelvo", 5);
        const std::vector<uint8_t> memory = WriteAll();
        EXPECT_EQ(memory[kLed] & 0x0F, stored);
        EXPECT_EQ(memory[kLed] >> 5, 7 - 5);
        EXPECT_EQ(memory[kMcuLed] & 0x08, 0);
    }
}

TEST_F(KelvoPage, AReadWhoseLedSpeedCannotBeHadIsAGoodReadAndShowsTheRest) {
    DeviceSettings.KelvoFireTime = 0;
    const RefusedGetter speed(&DeviceEntries::Device_Get_MCULED_Current_Step_Kelvo);
    EXPECT_TRUE(host.page().ConnectAndRead());
    EXPECT_EQ(speed.Calls(), 1);
    EXPECT_TRUE(host.Enabled(L"device_Mouse_Kelvo_page"));
    host.Click(L"advanced_Settings_Kelvo");
    EXPECT_EQ(host.Text(L"result_fire_time_Kelvo"), L"50");
}

TEST_F(KelvoPage, DpiEditsReachTheControllerWithTheWrite) {
    host.Click(L"advanced_Settings_Kelvo");
    host.SelectItem(L"result_DPI_count_setting_Kelvo", 1);
    EXPECT_EQ(DeviceSettings.KelvoCpiCount, 3);
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(host.Enabled(Numbered(L"result_DPI%d_check_Kelvo", n)), n <= 3);
        EXPECT_EQ(host.Enabled(Numbered(L"result_DPI%d_color_Kelvo", n)), n <= 3);
    }
    EXPECT_TRUE(host.Checked(L"result_DPI3_check_Kelvo"));
    // Edits stay in the library until the write.
    EXPECT_EQ(ControllerMemory(L"kelvo.bin"), factory);

    host.Click(L"result_DPI1_check_Kelvo", 0.05);
    EXPECT_EQ(DeviceSettings.KelvoCurrentCpi, 0);
    host.MoveSlider(L"result_DPI2_slider_Kelvo", 9);
    EXPECT_EQ(host.Text(L"result_DPI2_edit_Kelvo"), L"4800");
    RunScriptedModal(
        [] {
            const firecolor_test::PickerView picker = firecolor_test::OpenPicker();
            ASSERT_NE(picker.hwnd, nullptr);
            picker.Type(L"r_edit", L"18");
            picker.Type(L"g_edit", L"52");
            picker.Type(L"b_edit", L"86");
            picker.Control(L"okbtn")->Activate();
        },
        [&] { host.Click(L"result_DPI3_color_Kelvo"); });
    EXPECT_EQ(host.Control(L"result_DPI3_color_Kelvo")->GetBackgroundColor(), 0xFF123456u);

    const std::vector<uint8_t> memory = WriteAll();
    EXPECT_EQ(memory[kCpiStep], 3);
    EXPECT_EQ(memory[kCurrentCpi], 0);
    EXPECT_EQ(memory[kCpiValues + 1], 9);
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + kCpiColours + 6, memory.begin() + kCpiColours + 9),
              (std::vector<uint8_t>{0x12, 0x34, 0x56}));
}

TEST_F(KelvoPage, FireCountAndTimeKeepTheirBoundsAndACountOfZeroFiresContinuously) {
    host.Click(L"advanced_Settings_Kelvo");
    host.Click(L"result_fire_continue_Kelvo", 0.05);
    EXPECT_TRUE(host.Enabled(L"result_fire_count_Kelvo"));
    EXPECT_EQ(DeviceSettings.KelvoFireCount, 2);  // the count edit's "3"

    host.Type(L"result_fire_count_Kelvo", L"300");
    EXPECT_EQ(host.Text(L"result_fire_count_Kelvo"), L"255");
    host.Type(L"result_fire_count_Kelvo", L"7");
    host.Type(L"result_fire_time_Kelvo", L"400");
    EXPECT_EQ(host.Text(L"result_fire_time_Kelvo"), L"255");
    EXPECT_EQ(DeviceSettings.KelvoFireTime, 50);
    EXPECT_EQ(WriteAll()[kFireCount], 6);

    host.Type(L"result_fire_count_Kelvo", L"0");
    EXPECT_EQ(DeviceSettings.KelvoFireCount, -1);
    EXPECT_EQ(WriteAll()[kFireCount], 255);
    ASSERT_TRUE(host.page().ConnectAndRead());
    EXPECT_EQ(host.Text(L"result_fire_count_Kelvo"), L"3");
    EXPECT_FALSE(host.Enabled(L"result_fire_count_Kelvo"));
    EXPECT_TRUE(host.Checked(L"result_fire_continue_Kelvo"));
}

TEST_F(KelvoPage, TheSecondKeyModeShowsItsTableAndSwitchesWhoseCopiesStayInStep) {
    KelvoButtonTable2[0]->bytes[1] = 2;  // the second mode's first button differs
    host.Click(L"advanced_Settings_Kelvo");
    host.Click(L"profile2_Kelvo");
    EXPECT_EQ(host.As<CTabLayoutUI>(L"Setting_switch_Kelvo")->GetSelectedIndex(), 0);
    EXPECT_EQ(DeviceSettings.KelvoKeyMode, 1);
    EXPECT_EQ(host.Text(L"profile_key_Kelvo_1"), GetAssignmentTextKelvo(1, 2, 0).GetData());
    EXPECT_EQ(host.As<CButtonUI>(L"profile2_Kelvo")->GetFont(), 4);
    EXPECT_EQ(host.As<CButtonUI>(L"advanced_Settings_Kelvo")->GetFont(), 3);
    EXPECT_TRUE(host.Control(L"result_gun_key_switch_pro2_Kelvo")->IsVisible());
    EXPECT_FALSE(host.Control(L"result_middle_key_switch_pro1_Kelvo")->IsVisible());

    host.Click(L"result_middle_key_switch_pro2_Kelvo", 0.05);
    host.Click(L"result_gun_key_switch_pro2_Kelvo", 0.05);
    EXPECT_TRUE(host.Checked(L"result_middle_key_switch_pro1_Kelvo"));
    EXPECT_EQ(DeviceSettings.KelvoMiddleKeyPressType, 1);
    const std::vector<uint8_t> memory = WriteAll();
    EXPECT_EQ(memory[kKeyMode] & 0x80, 0x80);
    EXPECT_EQ(memory[kPressTypes] & 0x07, 0x05);

    host.Click(L"profile1_Kelvo");
    EXPECT_FALSE(host.Control(L"result_gun_key_switch_pro2_Kelvo")->IsVisible());
    DeviceSettings.KelvoMiddleKeyPressType = 0;
    ASSERT_TRUE(host.page().ConnectAndRead());
    for (const wchar_t* box : {L"result_middle_key_switch_pro1_Kelvo", L"result_middle_key_switch_pro2_Kelvo",
                               L"result_gun_key_switch_pro2_Kelvo"}) {
        EXPECT_TRUE(host.Checked(box)) << std::string(box, box + wcslen(box));
    }
    EXPECT_FALSE(host.Checked(L"result_cpi_key_switch_pro1_Kelvo"));
}

TEST_F(KelvoPage, AButtonAssignedInItsDialogReachesTheController) {
    RunScriptedModal(
        [] {
            HWND window = FindWindowW(L"KeyEdit_Kelvo", nullptr);
            ASSERT_NE(window, nullptr);
            auto* dialog =
                dynamic_cast<KeyEditDialog*>(reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
            ASSERT_NE(dialog, nullptr);
            dialog->GetManager().FindControlByName(L"user_defined_setting_Kelvo")->Activate();
            dialog->OnKeyboardEvent(WM_KEYDOWN, 'A');
            dialog->GetManager().FindControlByName(L"btn_ok_Kelvo")->Activate();
        },
        [&] { host.Click(L"profile_key_Kelvo_4"); });
    const uint8_t* bytes = KelvoButtonTable1[3]->bytes;
    EXPECT_EQ(std::vector<int>(bytes, bytes + 3), (std::vector<int>{2, 0, 4}));
    EXPECT_EQ(host.Text(L"profile_key_Kelvo_4"), GetAssignmentTextKelvo(2, 0, 4).GetData());
    const std::vector<uint8_t> memory = WriteAll();
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + kKeySet0 + 9, memory.begin() + kKeySet0 + 12),
              (std::vector<uint8_t>{2, 0, 4}));
}

TEST_F(KelvoPage, ExportImportAndResetMoveWholeImagesOnly) {
    host.Click(L"save_data_Kelvo");
    EXPECT_TRUE(host.commands.empty());  // cancelled

    const std::wstring exported = host.macroFolder().File(L"exported.bin");
    host.fakes.files.nextPath = exported;
    host.Click(L"save_data_Kelvo");
    EXPECT_EQ(FileBytes(exported), factory);

    // Files that are no whole image are not written to the controller.
    std::vector<uint8_t> changed = factory;
    changed[kCpiValues] = 11;
    for (const size_t size : {2047u, 2049u}) {
        std::vector<uint8_t> odd = changed;
        odd.resize(size, 0);
        PutFile(host.macroFolder().File(L"odd.bin"), odd);
        host.fakes.files.nextPath = host.macroFolder().File(L"odd.bin");
        host.Click(L"import_data_Kelvo");
    }
    EXPECT_EQ(ControllerMemory(L"kelvo.bin"), factory);

    PutFile(exported, changed);
    host.fakes.files.nextPath = exported;
    host.Click(L"import_data_Kelvo");
    EXPECT_EQ(ControllerMemory(L"kelvo.bin"), changed);
    EXPECT_EQ(KelvoCpiLevels[0]->value, 11);  // read again

    host.Click(L"reset_data_Kelvo");
    EXPECT_EQ(ControllerMemory(L"kelvo.bin"), factory);
    EXPECT_EQ(host.commands, (std::vector<int>{kKelvoExport, kKelvoImport, kKelvoImport, kKelvoImport, kKelvoReset}));

    host.Click(L"web_data_Kelvo");
    ASSERT_EQ(host.fakes.web.opened.size(), 1u);
    EXPECT_EQ(host.fakes.web.opened[0], host.Control(L"web_data_Kelvo")->GetUserData().GetData());
}

TEST_F(KelvoPage, TheLayoutHoldsEveryControlItsImagesAndItsTextsInBothLanguages) {
    std::vector<std::wstring> names = SharedControlNames(L"_Kelvo");
    for (const wchar_t* name : {L"fire_macro_Settings_Kelvo", L"result_LED_light_all_Kelvo", L"result_LED_light_half_Kelvo",
                                L"result_mode_speed_Kelvo", L"gun_AKM_Kelvo"}) {
        names.push_back(name);
    }
    ExpectLayout(host, L"MousePage_Kelvo.xml", names);
    EXPECT_FALSE(host.Control(L"web_data_Kelvo")->GetUserData().IsEmpty());
    EXPECT_EQ(host.As<CComboUI>(L"result_DPI_count_setting_Kelvo")->GetCount(), 6);
}

TEST_F(KelvoPage, EveryTabLooksFinishedInBothLanguages) {
    host.ExpectTabsLookFinished({L"profile1_Kelvo", L"marco_manager_Kelvo", L"advanced_Settings_Kelvo", L"led_Settings_Kelvo",
                                 L"fire_macro_Settings_Kelvo"});
}

TEST_F(KelvoPage, AReadShowsTheShownFirePresetFromTheRecordsItRead) {
    host.Click(L"fire_macro_Settings_Kelvo");
    const int factoryCount = ParseKelvoSteps(&factory[0x500]).count;
    EXPECT_EQ(host.Text(L"result_fire_count1_Kelvo"), std::to_wstring(factoryCount));
    std::vector<uint8_t> image = factory;
    const uint8_t repeatFive[] = {0x00, 0xFD, 0x04, 0x00, 0x00};
    std::copy(std::begin(repeatFive), std::end(repeatFive), image.begin() + 0x500);
    PutFile(host.macroFolder().File(L"fire.bin"), image);
    host.fakes.files.nextPath = host.macroFolder().File(L"fire.bin");
    host.Click(L"import_data_Kelvo");
    host.Click(L"fire_macro_Settings_Kelvo");
    EXPECT_EQ(host.Text(L"result_fire_count1_Kelvo"), L"5");
    EXPECT_TRUE(host.Enabled(L"result_fire_count1_Kelvo"));
}
