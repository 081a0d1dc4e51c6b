// The real device libraries, in their simulated build, through the binder:
// open, read, change one DPI level, write, read back.
#include "app/core/binder/device_binder.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "devices/common/device_ids.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The simulated libraries and HidSim.dll sit beside the test folder.
DeviceLibraryBinder& SimulatedBinder() {
    static DeviceLibraryBinder binder(std::make_unique<FolderModuleLoader>(ProgramFolder() + L"..\\bin-sim\\"));
    return binder;
}

}  // namespace

TEST(SimulatedDevices, AQiroDpiLevelChangedThroughTheWrappersReadsBack) {
    DeviceLibraryBinder& binder = SimulatedBinder();
    ASSERT_TRUE(binder.IsLibraryLoaded(DeviceLibrary::Qiro));
    const DeviceEntries& e = binder.Entries();
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Qiro);

    ASSERT_EQ(e.InitMCUDevice_Qiro(device_ids::kVendor, device_ids::kNolxProduct, 0), 0);
    ASSERT_EQ(e.ReadDeviceData_Qiro(), 0);
    ASSERT_TRUE(binder.ReadCpiSettingsQiro());
    ASSERT_EQ(QiroCpiLevels.size(), 7u);
    const int changed = QiroCpiLevels[1]->value == 9 ? 10 : 9;
    QiroCpiLevels[1]->value = changed;
    QiroCpiLevels[1]->red = 0x12;
    ASSERT_TRUE(binder.WriteCpiSettingsQiro());

    QiroCpiLevels.clear();
    ASSERT_EQ(e.ReadDeviceData_Qiro(), 0);
    ASSERT_TRUE(binder.ReadCpiSettingsQiro());
    ASSERT_EQ(QiroCpiLevels.size(), 7u);
    EXPECT_EQ(QiroCpiLevels[1]->value, changed);
    EXPECT_EQ(QiroCpiLevels[1]->red, 0x12);
}

TEST(SimulatedDevices, AKelvoDpiLevelChangedThroughTheWrappersReadsBack) {
    DeviceLibraryBinder& binder = SimulatedBinder();
    ASSERT_TRUE(binder.IsLibraryLoaded(DeviceLibrary::Kelvo));
    const DeviceEntries& e = binder.Entries();
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Kelvo);

    ASSERT_EQ(e.InitMCUDevice_Kelvo(device_ids::kVendor, device_ids::kKelvoProduct), 0);
    ASSERT_EQ(e.ReadMCUDevice_Kelvo(), 0);
    ASSERT_TRUE(binder.ReadCpiSettingsKelvo());
    ASSERT_EQ(KelvoCpiLevels.size(), 7u);
    const int changed = KelvoCpiLevels[2]->value == 7 ? 8 : 7;
    KelvoCpiLevels[2]->value = changed;
    KelvoCpiLevels[2]->blue = 0x34;
    ASSERT_TRUE(binder.WriteCpiSettingsKelvo());
    ASSERT_TRUE(binder.WriteDeviceKelvo());

    KelvoCpiLevels.clear();
    ASSERT_EQ(e.ReadMCUDevice_Kelvo(), 0);
    ASSERT_TRUE(binder.ReadCpiSettingsKelvo());
    ASSERT_EQ(KelvoCpiLevels.size(), 7u);
    EXPECT_EQ(KelvoCpiLevels[2]->value, changed);
    EXPECT_EQ(KelvoCpiLevels[2]->blue, 0x34);
    EXPECT_EQ(e.CloseMCUDevice_Kelvo(), 0);
}
