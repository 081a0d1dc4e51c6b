// The default key maps from the delivered "DefaultData_1.bin" and the key
// profile through the real Wenk library over the simulated keyboard.
#include "app/core/config_file_store.h"
#include "app/core/device_binder.h"
#include "app/core/settings_containers.h"
#include "devices/common/device_ids.h"
#include "key_container.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "ui/core/window_manager.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kSimulatedFolder = ProgramFolder() + L"..\\bin-sim";

TEST(SimulatedKeyboard, FactoryKeysNameThemselvesAndAProfileChangeReadsBack) {
    ResetAppSettings();
    SkinUI::CWindowManagerUI manager;
    manager.AttachRoot(KeyContainer(L"key_button_container", 104));
    {
        CurrentFolder besideTheData(kSimulatedFolder);
        ConfigFileStore store(&manager);
        store.LoadDefaultKeysSet1();
        store.LoadDefaultKeysSet2();
        store.LoadDefaultFunctionButtons();
    }
    ASSERT_EQ(WenkKeyMap1.size(), 104u);
    ASSERT_EQ(WenkKeyMap2.size(), 104u);
    ASSERT_EQ(WenkFunctionButtonMap1.size(), 12u);
    for (const KeyMap* map : {&WenkKeyMap1, &WenkKeyMap2}) {
        for (const auto& [name, key] : *map) EXPECT_FALSE(key->name.IsEmpty()) << name.GetData();
    }

    DeviceLibraryBinder binder(std::make_unique<FolderModuleLoader>(kSimulatedFolder + L"\\"));
    ASSERT_TRUE(binder.IsLibraryLoaded(DeviceLibrary::Wenk));
    ASSERT_EQ(binder.Entries().InitMCUDevice(device_ids::kVendor, device_ids::kWenkProduct), 0);
    ASSERT_TRUE(binder.ReadKeyProfileWenk(0));
    for (const auto& [name, key] : WenkKeyMap1) EXPECT_EQ(key->currentCode, key->defaultCode) << name.GetData();

    KeyAssignmentRecord& first = *WenkKeyMap1.at(L"KB_00");
    const int factoryCode = first.defaultCode;
    first.currentCode = factoryCode == 0x28 ? 0x29 : 0x28;
    const int changed = first.currentCode;
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    first.currentCode = factoryCode;
    ASSERT_TRUE(binder.ReadKeyProfileWenk(0));
    EXPECT_EQ(first.currentCode, changed);
    ASSERT_TRUE(binder.ReadKeyProfileWenk(1));
    EXPECT_EQ(WenkKeyMap2.at(L"KB_00")->currentCode, WenkKeyMap2.at(L"KB_00")->defaultCode) << "set 2 untouched";
    ResetAppSettings();
}

}  // namespace
