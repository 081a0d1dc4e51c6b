// The Kelvo driver page over damaged 40960-byte images and damaged LED and
// DPI blocks: it reads them, names the macros its buttons play and shows
// every tab without failing.
#include "app/main/pages/kelvo_driver/dialog_mouse_kelvo_driver_setting.h"

#include "app/core/binder/module_loader.h"
#include "devices/common/device_ids.h"
#include "tests/app/kelvo_pages/kelvo_page_host.h"
#include "tests/support/mutator.h"

#include <gtest/gtest.h>

namespace {

const bool kFreshState = (ForgetEarlierRuns(), true);

constexpr size_t kImage = 40960;
constexpr size_t kKeySet0 = 0x40;

KelvoFamilyPage* MakeDriverPage(const PageServices& services) { return new CDialogMouseKelvoDriverSetting(services); }

TEST(KelvoDriverHostile, DamagedImagesAndBlocksAreReadAndShown) {
    ASSERT_TRUE(kFreshState);
    const std::vector<uint8_t> factory = FileBytes(ProgramFolder() + L"Driver_TevkKelvoData_Cfg1.bin");
    ASSERT_EQ(factory.size(), kImage);
    // Buttons that play macros at 0x120 and at the image's last bytes.
    std::vector<uint8_t> withMacros = factory;
    const uint8_t data[] = {0x01, 0x00, 0x05, 0xFD, 0x00, 0x82, 0x04, 0xFC, 0x5A};
    std::copy(std::begin(data), std::end(data), withMacros.begin() + 0x120);
    const uint8_t buttons[] = {0x06, 0x01, 0x20, 0x06, 0x9F, 0xFE, 0x0E, 0x01, 0x20};
    std::copy(std::begin(buttons), std::end(buttons), withMacros.begin() + kKeySet0);
    const std::vector<std::vector<uint8_t>> seeds = {factory, withMacros};
    const std::vector<std::vector<uint8_t>> tokens = {{0xFF}, {0x00}, {0x06}, {0x0E}, {0x01, 0x20}, {0xFF, 0xFF}};

    KelvoPageHost host{&MakeDriverPage};
    const wchar_t* const tabs[] = {L"profile1_Kelvo_Driver", L"profile2_Kelvo_Driver", L"advanced_Settings_Kelvo_Driver",
                                   L"led_Settings_Kelvo_Driver"};
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    hostile::Mutator mutator(0x4B445047);
    size_t macrosNamed = 0;
    for (int round = 0; round < 100; ++round) {
        const std::vector<uint8_t> image = mutator.MutateInPlace(seeds, tokens);
        {
            const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::KelvoDriver);
            const DeviceEntries& e = binder.Entries();
            ASSERT_EQ(e.InitMCUDevice_Kelvo_Driver(device_ids::kVendor, device_ids::kKelvoProduct), 0);
            ASSERT_EQ(e.Device_Set_Device_Data_Kelvo_Driver(image.data(), static_cast<int>(kImage)), 0);
        }
        KelvoDriverMacroCache.clear();
        host.page().ConnectAndRead();
        for (uint8_t& byte : DeviceSettings.KelvoDriverLedCpiBlock) byte = static_cast<uint8_t>(mutator.Next());
        host.page().RefreshControls();
        SkinUI::CControlUI* tab = host.Control(tabs[round % 4]);
        ASSERT_NE(tab, nullptr);
        tab->Activate();
        host.Settle();
        EXPECT_EQ(ControllerMemory(L"kelvo-driver.bin"), image) << "the page read without writing";
        macrosNamed += KelvoDriverMacroCache.size();
    }
    EXPECT_GT(macrosNamed, 0u);
}

}  // namespace
