// The Kelvo driver page in a window over the real skin and the simulated
// driver library: its LED and DPI block, the commands down to the driver
// mouse's memory, and the block's file.
#include "app/main/pages/kelvo_driver/dialog_mouse_kelvo_driver_setting.h"

#include "app/core/binder/module_loader.h"
#include "devices/common/device_ids.h"
#include "tests/app/kelvo_pages/kelvo_page_host.h"
#include "ui/controls/slider.h"

#include <gtest/gtest.h>

using namespace SkinUI;

namespace {

const bool kFreshState = (ForgetEarlierRuns(), true);

constexpr size_t kImage = 40960;
constexpr size_t kCpiValues = 0x06, kLedCpiBlock = 0x38;

KelvoFamilyPage* MakeDriverPage(const PageServices& services) { return new CDialogMouseKelvoDriverSetting(services); }

std::vector<uint8_t> FactoryImage() { return FileBytes(ProgramFolder() + L"Driver_TevkKelvoData_Cfg1.bin"); }

std::vector<uint8_t> Block() {
    const auto& block = DeviceSettings.KelvoDriverLedCpiBlock;
    return std::vector<uint8_t>(block.begin(), block.end());
}

class KelvoDriverPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(kFreshState);
        ASSERT_EQ(factory.size(), kImage);
        DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
        ASSERT_TRUE(binder.IsLibraryLoaded(DeviceLibrary::KelvoDriver));
        {
            const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::KelvoDriver);
            const DeviceEntries& e = binder.Entries();
            ASSERT_EQ(e.InitMCUDevice_Kelvo_Driver(device_ids::kVendor, device_ids::kKelvoProduct), 0);
            ASSERT_EQ(e.Device_Set_Device_Data_Kelvo_Driver(factory.data(), static_cast<int>(kImage)), 0);
        }
        ASSERT_TRUE(host.page().ConnectAndRead());
        host.Settle();
        host.Click(L"advanced_Settings_Kelvo_Driver");
    }

    std::vector<uint8_t> WriteAll() {
        host.Click(L"write_data_Kelvo_Driver");
        EXPECT_EQ(host.commands.back(), kKelvoWriteAll);
        return ControllerMemory(L"kelvo-driver.bin");
    }

    const std::vector<uint8_t> factory = FactoryImage();
    KelvoPageHost host{&MakeDriverPage};
};

}  // namespace

TEST_F(KelvoDriverPage, TheLevelOptionsAndTheCountKeepTheBlockAndTheCountKeepsItsHighBits) {
    EXPECT_EQ(Block(), (std::vector<uint8_t>{0x01, 0x02, 0xFF, 0x04}));  // no block file yet
    EXPECT_TRUE(host.Checked(L"result_DPI2_check_Kelvo_Driver"));
    const int currentRead = DeviceSettings.KelvoDriverCurrentCpi;

    host.Click(L"result_DPI3_check_Kelvo_Driver", 0.05);
    const int step = host.As<CSliderUI>(L"result_DPI3_slider_Kelvo_Driver")->GetValue();
    EXPECT_EQ(Block(), (std::vector<uint8_t>{2, 0x02, 0xFF, static_cast<uint8_t>(step)}));
    EXPECT_EQ(DeviceSettings.KelvoDriverCurrentCpi, currentRead);

    DeviceSettings.KelvoDriverLedCpiBlock[0] = 0x32;
    host.page().RefreshControls();
    host.Click(L"advanced_Settings_Kelvo_Driver");
    EXPECT_TRUE(host.Checked(L"result_DPI3_check_Kelvo_Driver"));
    host.SelectItem(L"result_DPI_count_setting_Kelvo_Driver", 4);
    EXPECT_EQ(DeviceSettings.KelvoDriverCpiCount, 6);
    EXPECT_EQ(Block()[0], 0x35);
    EXPECT_TRUE(host.Checked(L"result_DPI6_check_Kelvo_Driver"));
    EXPECT_TRUE(host.Enabled(L"result_DPI6_slider_Kelvo_Driver"));
    EXPECT_FALSE(host.Enabled(L"result_DPI7_slider_Kelvo_Driver"));
    EXPECT_TRUE(host.commands.empty());
}

TEST_F(KelvoDriverPage, TheLedOptionsSetTheirBitsAndOffWhileOffGivesFifteen) {
    DeviceSettings.KelvoDriverLedCpiBlock[1] = 0x08;
    host.page().RefreshControls();
    host.Click(L"led_Settings_Kelvo_Driver");
    EXPECT_TRUE(host.Checked(L"result_LED_status_off_Kelvo_Driver"));
    for (const wchar_t* mode : KelvoFamilyPage::kLedModeOptions) EXPECT_FALSE(host.Checked(mode + std::wstring(L"_Kelvo_Driver")));

    host.Click(L"result_LED_mode_off_Kelvo_Driver", 0.05);
    EXPECT_EQ(Block()[1], 0x0F);
    host.Click(L"result_LED_status_on_Kelvo_Driver", 0.05);
    host.Click(L"result_LED_mode_random_sleep_Kelvo_Driver", 0.05);
    EXPECT_EQ(Block()[1], 0x03);
    // Nothing is sent until the write.
    EXPECT_TRUE(host.commands.empty());
    EXPECT_EQ(ControllerMemory(L"kelvo-driver.bin"), factory);
}

TEST_F(KelvoDriverPage, TheWriteSendsTheBlockAndTheSettingsAndKeepsTheBlockInItsFile) {
    host.MoveSlider(L"result_DPI1_slider_Kelvo_Driver", 8);
    EXPECT_EQ(host.Text(L"result_DPI1_edit_Kelvo_Driver"), L"4000");
    host.Click(L"led_Settings_Kelvo_Driver");
    host.Click(L"result_LED_status_off_Kelvo_Driver", 0.05);
    host.Click(L"profile1_Kelvo_Driver");
    host.Click(L"result_middle_key_switch_pro1_Kelvo_Driver", 0.05);
    EXPECT_EQ(DeviceSettings.KelvoDriverMiddleKeyPressType, 1);
    EXPECT_TRUE(host.Checked(L"result_middle_key_switch_pro2_Kelvo_Driver"));

    const std::vector<uint8_t> memory = WriteAll();
    ASSERT_EQ(memory.size(), kImage);
    EXPECT_EQ(memory[kCpiValues], 8);
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + kLedCpiBlock, memory.begin() + kLedCpiBlock + 4), Block());
    EXPECT_EQ(Block()[1], 0x0A);
    EXPECT_EQ(FileBytes(host.macroFolder().File(L"DriverTempCPIAndLedData.bin")), Block());
}

TEST_F(KelvoDriverPage, ImportsTakeFilesOfUpTo40960BytesAndExportAndResetMoveWholeImages) {
    const std::wstring exported = host.macroFolder().File(L"exported.bin");
    host.fakes.files.nextPath = exported;
    host.Click(L"save_data_Kelvo_Driver");
    EXPECT_EQ(FileBytes(exported), factory);

    // An empty file and one longer than an image are not sent.
    std::vector<uint8_t> changed = factory;
    changed[kCpiValues] = 10;
    std::vector<uint8_t> tooLong = changed;
    tooLong.push_back(0);
    for (const std::vector<uint8_t>& refused : {std::vector<uint8_t>(), tooLong}) {
        PutFile(host.macroFolder().File(L"refused.bin"), refused);
        host.fakes.files.nextPath = host.macroFolder().File(L"refused.bin");
        host.Click(L"import_data_Kelvo_Driver");
    }
    EXPECT_EQ(ControllerMemory(L"kelvo-driver.bin"), factory);

    // A shorter file replaces the controller's first bytes and leaves the rest.
    std::vector<uint8_t> kelvoSized(changed.begin(), changed.begin() + 2048);
    PutFile(host.macroFolder().File(L"kelvo.bin"), kelvoSized);
    host.fakes.files.nextPath = host.macroFolder().File(L"kelvo.bin");
    host.Click(L"import_data_Kelvo_Driver");
    EXPECT_EQ(ControllerMemory(L"kelvo-driver.bin"), changed);
    EXPECT_EQ(KelvoDriverCpiLevels[0]->value, 10);  // read again

    std::vector<uint8_t> whole = factory;
    whole[kImage - 1] ^= 0x5A;
    PutFile(exported, whole);
    host.fakes.files.nextPath = exported;
    host.Click(L"import_data_Kelvo_Driver");
    EXPECT_EQ(ControllerMemory(L"kelvo-driver.bin"), whole);
    EXPECT_EQ(KelvoDriverCpiLevels[0]->value, factory[kCpiValues]);

    host.Click(L"reset_data_Kelvo_Driver");
    EXPECT_EQ(ControllerMemory(L"kelvo-driver.bin"), factory);
    EXPECT_EQ(host.commands,
              (std::vector<int>{kKelvoExport, kKelvoImport, kKelvoImport, kKelvoImport, kKelvoImport, kKelvoReset}));
}

TEST_F(KelvoDriverPage, TheLayoutHoldsEveryControlItsImagesAndItsTextsInBothLanguages) {
    ExpectLayout(host, L"MousePage_Kelvo_Driver.xml", SharedControlNames(L"_Kelvo_Driver"));
    for (const wchar_t* absent : {L"fire_macro_Settings_Kelvo_Driver", L"result_LED_light_all_Kelvo_Driver",
                                  L"result_LED_light_half_Kelvo_Driver", L"result_mode_speed_Kelvo_Driver"}) {
        EXPECT_EQ(host.manager().FindControlByName(absent), nullptr);
    }
}

TEST_F(KelvoDriverPage, EveryTabLooksFinishedInBothLanguages) {
    host.ExpectTabsLookFinished({L"profile1_Kelvo_Driver", L"marco_manager_Kelvo_Driver", L"advanced_Settings_Kelvo_Driver",
                                 L"led_Settings_Kelvo_Driver"});
}
