// The delivered "DefaultData_1.bin" and the real Wenk library over the simulated keyboard.
#include "app/core/files/config_file_store.h"
#include "app/core/binder/device_binder.h"
#include "app/core/settings/settings_containers.h"
#include "devices/common/device_ids.h"
#include "key_container.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "ui/core/window_manager.h"

#include <gtest/gtest.h>

TEST(SimulatedKeyboard, FactoryKeysAndFunctionButtonsNameThemselvesAndAProfileChangeReadsBack) {
    const std::wstring simulated = ProgramFolder() + L"..\\bin-sim";
    ResetAppSettings();
    SkinUI::CWindowManagerUI manager;
    manager.AttachRoot(KeyContainer(L"key_button_container", 104));
    {
        CurrentFolder besideTheData(simulated);
        ConfigFileStore store(&manager);
        store.LoadDefaultKeysSet1();
        store.LoadDefaultFunctionButtons();
    }
    ASSERT_EQ(WenkKeyMap1.size(), 104u);
    for (const auto& [name, key] : WenkKeyMap1) EXPECT_FALSE(key->name.IsEmpty()) << name.GetData();
    ASSERT_EQ(WenkFunctionButtonMap1.size(), 12u);
    for (const auto& [name, key] : WenkFunctionButtonMap1) EXPECT_FALSE(key->name.IsEmpty()) << name.GetData();

    DeviceLibraryBinder binder(std::make_unique<FolderModuleLoader>(simulated + L"\\"));
    ASSERT_EQ(binder.Entries().InitMCUDevice(device_ids::kVendor, device_ids::kWenkProduct), 0);
    ASSERT_TRUE(binder.ReadKeyProfilesWenk());
    for (const auto& [name, key] : WenkKeyMap1) EXPECT_EQ(key->currentCode, key->defaultCode) << name.GetData();

    KeyAssignmentRecord& first = *WenkKeyMap1.at(L"KB_00");
    const int changed = first.defaultCode == 0x28 ? 0x29 : 0x28;
    first.currentCode = changed;
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    first.currentCode = first.defaultCode;
    ASSERT_TRUE(binder.ReadKeyProfilesWenk());
    EXPECT_EQ(first.currentCode, changed);
    ResetAppSettings();
}
