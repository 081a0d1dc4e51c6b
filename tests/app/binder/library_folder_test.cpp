// Libraries come from the program's folder by full path, never from the
// current folder; the Kelvo driver entries work when its library is there.
#include "app/core/binder/device_binder.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "devices/common/device_ids.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const wchar_t kFakeDriverFolder[] = L"kelvo_driver_fake\\";

class CurrentFolder {
public:
    explicit CurrentFolder(const std::wstring& folder) {
        GetCurrentDirectoryW(MAX_PATH, previous_);
        entered_ = SetCurrentDirectoryW(folder.c_str()) != 0;
    }
    ~CurrentFolder() { SetCurrentDirectoryW(previous_); }
    bool entered() const { return entered_; }

private:
    wchar_t previous_[MAX_PATH] = {};
    bool entered_ = false;
};

bool AllDriverEntriesAre(const DeviceEntries& e, bool bound) {
    bool all = true;
#define VASTEMOR_CHECK_DRIVER_ENTRY(lib, base, suffix, result, params) all &= (e.base##suffix != nullptr) == bound;
    VASTEMOR_KELVO_DRIVER_ENTRIES(VASTEMOR_CHECK_DRIVER_ENTRY)
#undef VASTEMOR_CHECK_DRIVER_ENTRY
    return all;
}

}  // namespace

TEST(LibraryFolder, ALibraryInTheCurrentFolderOnlyIsNotLoaded) {
    CurrentFolder inside(ProgramFolder() + kFakeDriverFolder);
    ASSERT_TRUE(inside.entered());

    DeviceLibraryBinder binder(std::make_unique<FolderModuleLoader>(ProgramFolder()));
    EXPECT_FALSE(binder.IsLibraryLoaded(DeviceLibrary::KelvoDriver));
    EXPECT_TRUE(AllDriverEntriesAre(binder.Entries(), false));
    EXPECT_FALSE(binder.ReadCpiSettingsKelvoDriver());
    EXPECT_FALSE(binder.WriteLedCpiDataKelvoDriver());

    // The plain search order would have taken it.
    const HMODULE hijacked = LoadLibraryW(L"KorvaneIT_Kelvo_Driver.dll");
    EXPECT_NE(hijacked, nullptr);
    if (hijacked) FreeLibrary(hijacked);
}

TEST(LibraryFolder, TheKelvoDriverEntriesWorkWhenItsLibraryIsPresent) {
    DeviceLibraryBinder binder(std::make_unique<FolderModuleLoader>(ProgramFolder() + kFakeDriverFolder));
    ASSERT_TRUE(binder.IsLibraryLoaded(DeviceLibrary::KelvoDriver));
    EXPECT_TRUE(AllDriverEntriesAre(binder.Entries(), true));
    EXPECT_FALSE(binder.IsLibraryLoaded(DeviceLibrary::Kelvo));

    const DeviceEntries& e = binder.Entries();
    EXPECT_EQ(e.InitMCUDevice_Kelvo_Driver(device_ids::kVendor, device_ids::kKelvoProduct), 0);

    KelvoDriverCpiLevels.clear();
    for (int i = 0; i < 7; ++i) {
        KelvoDriverCpiLevels.push_back(std::make_unique<CpiLevelEntry>(CpiLevelEntry{i, 2 * i, 3 * i, 6 - i}));
    }
    DeviceSettings.KelvoDriverCpiCount = 5;
    DeviceSettings.KelvoDriverCurrentCpi = 3;
    ASSERT_TRUE(binder.WriteCpiSettingsKelvoDriver());
    KelvoDriverCpiLevels.clear();
    DeviceSettings.KelvoDriverCpiCount = 0;
    ASSERT_TRUE(binder.ReadCpiSettingsKelvoDriver());
    ASSERT_EQ(KelvoDriverCpiLevels.size(), 7u);
    EXPECT_EQ(DeviceSettings.KelvoDriverCpiCount, 5);
    EXPECT_EQ(KelvoDriverCpiLevels[6]->value, 0);
    EXPECT_EQ(KelvoDriverCpiLevels[6]->green, 12);
    EXPECT_EQ(KelvoDriverCpiLevels[6]->blue, 18);

    auto macro = std::make_shared<MacroRecord>();
    macro->name = L"Burst";
    macro->data.assign(303, 0x5A);
    macro->data[1] = 0x01;  // 300 bytes follow the length
    macro->data[2] = 0x2C;
    KelvoDriverMacroCache.clear();
    KelvoDriverMacroCache[700] = macro;
    binder.SendMacroKelvoDriver(700);
    KelvoDriverMacroCache.clear();
    ASSERT_TRUE(binder.ReadMacroKelvoDriver(700));
    const MacroRef back = KelvoDriverMacroCache.at(700);
    EXPECT_EQ(back->name.Compare(L"Burst"), 0);
    EXPECT_EQ(back->data, macro->data);

    EXPECT_EQ(e.CloseMCUDevice_Kelvo_Driver(), 0);
}
