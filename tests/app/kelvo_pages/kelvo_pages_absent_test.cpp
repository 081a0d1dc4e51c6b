// The Kelvo pages without what they talk to: run beside no Kelvo driver
// library, once with the simulated Kelvo mouse plugged in ("DriverAbsent")
// and once without it ("KelvoUnplugged").
#include "app/main/pages/kelvo/dialog_mouse_kelvo_setting.h"
#include "app/main/pages/kelvo_driver/dialog_mouse_kelvo_driver_setting.h"

#include "app/core/binder/module_loader.h"
#include "tests/app/kelvo_pages/kelvo_page_host.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const bool kFreshState = (ForgetEarlierRuns(), true);

KelvoFamilyPage* MakeKelvoPage(const PageServices& services) { return new CDialogMouseKelvoSetting(services); }
KelvoFamilyPage* MakeDriverPage(const PageServices& services) { return new CDialogMouseKelvoDriverSetting(services); }

}  // namespace

TEST(DriverAbsent, TheDriverPageShowsNotConnectedAndItsCommandsLeaveTheMouseAlone) {
    ASSERT_TRUE(kFreshState);
    ASSERT_FALSE(DeviceLibraryBinder::Instance().IsLibraryLoaded(DeviceLibrary::KelvoDriver));
    KelvoPageHost host(&MakeDriverPage);
    EXPECT_FALSE(host.page().ConnectAndRead());
    EXPECT_EQ(host.page().ConnectedFlag(), 0);
    EXPECT_FALSE(host.Enabled(L"device_Mouse_Kelvo_Driver_page"));

    host.page().SetFilePath(kKelvoExport, host.macroFolder().File(L"exported.bin").c_str());
    EXPECT_TRUE(host.page().RunDeviceCommand(kKelvoExport));
    EXPECT_FALSE(std::filesystem::exists(host.macroFolder().File(L"exported.bin")));
    const std::wstring image = host.macroFolder().File(L"image.bin");
    PutFile(image, std::vector<uint8_t>(40960, 0x11));
    host.page().SetFilePath(kKelvoImport, image.c_str());
    // Neither reaches a mouse, and each says so.
    EXPECT_FALSE(host.page().RunDeviceCommand(kKelvoImport));
    EXPECT_FALSE(host.page().RunDeviceCommand(kKelvoReset));
    host.manager().SendNotification(host.Control(L"write_data_Kelvo_Driver"), L"click");
    host.Settle();
    EXPECT_EQ(host.commands, std::vector<int>{kKelvoWriteAll});
    EXPECT_TRUE(ControllerMemory(L"kelvo.bin").empty());  // nothing reached the Kelvo mouse
    // The write-all found the mouse: the block is kept all the same.
    EXPECT_EQ(FileBytes(host.macroFolder().File(L"DriverTempCPIAndLedData.bin")),
              (std::vector<uint8_t>{0x01, 0x02, 0xFF, 0x04}));
}

TEST(KelvoUnplugged, TheKelvoPageShowsNotConnectedAndItsCommandsWriteNothing) {
    ASSERT_TRUE(kFreshState);
    KelvoPageHost host(&MakeKelvoPage);
    EXPECT_FALSE(host.page().ConnectAndRead());
    EXPECT_FALSE(host.Enabled(L"device_Mouse_Kelvo_page"));
    EXPECT_FALSE(host.page().RunDeviceCommand(kKelvoWriteAll));

    host.page().SetFilePath(kKelvoExport, host.macroFolder().File(L"exported.bin").c_str());
    EXPECT_TRUE(host.page().RunDeviceCommand(kKelvoExport));
    EXPECT_FALSE(std::filesystem::exists(host.macroFolder().File(L"exported.bin")));
    host.manager().SendNotification(nullptr, L"READ_KelvoDATA");
    EXPECT_TRUE(host.Enabled(L"device_Mouse_Kelvo_page"));
    host.manager().SendNotification(nullptr, L"Kelvo_Connet_Error");
    EXPECT_FALSE(host.Enabled(L"device_Mouse_Kelvo_page"));
}
