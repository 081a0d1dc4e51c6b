// Loading and binding: order, missing libraries and exports, one instance.
#include "binder_fixture.h"

#include <array>
#include <functional>
#include <thread>
#include <vector>

namespace {

struct GroupCount {
    int bound = 0;
    int total = 0;
};

std::array<GroupCount, kDeviceLibraryCount> CountBound(const DeviceEntries& e) {
    std::array<GroupCount, kDeviceLibraryCount> counts{};
#define VASTEMOR_COUNT_ENTRY(lib, base, suffix, result, params)               \
    {                                                                        \
        GroupCount& count = counts[static_cast<size_t>(DeviceLibrary::lib)]; \
        ++count.total;                                                       \
        if (e.base##suffix) ++count.bound;                                   \
    }
    VASTEMOR_DEVICE_ENTRIES(VASTEMOR_COUNT_ENTRY)
#undef VASTEMOR_COUNT_ENTRY
    return counts;
}

using Wrapper = std::function<bool(DeviceLibraryBinder&)>;

// Every wrapper of a library, each given containers that would let it call.
std::vector<Wrapper> WrappersOf(DeviceLibrary library) {
    using B = DeviceLibraryBinder;
    switch (library) {
    case DeviceLibrary::Wenk:
        return {[](B& b) { return b.ReadLedDataWenk(0); }, [](B& b) { return b.WriteLedDataWenk(1); },
                [](B& b) { return b.WriteAllMacrosWenk(); }};
    case DeviceLibrary::Kelvo:
        return {[](B& b) { return b.WriteDeviceKelvo(); },        [](B& b) { return b.ReadFireSettingsKelvo(); },
                [](B& b) { return b.WriteFireSettingsKelvo(); },  [](B& b) { return b.ReadKeyModeKelvo(); },
                [](B& b) { return b.WriteKeyModeKelvo(); },       [](B& b) { return b.ReadLedStateKelvo(); },
                [](B& b) { return b.WriteLedStateKelvo(); },      [](B& b) { return b.ReadKeyPressTypesKelvo(); },
                [](B& b) { return b.WriteKeyPressTypesKelvo(); }, [](B& b) { return b.ReadButtonTableKelvo(0, 9); },
                [](B& b) { return b.WriteButtonTablesKelvo(1); }, [](B& b) { return b.ReadCpiSettingsKelvo(); },
                [](B& b) { return b.WriteCpiSettingsKelvo(); },   [](B& b) { return b.ReadFireRecordKelvo(0); },
                [](B& b) { return b.WriteFireRecordKelvo(0); },   [](B& b) { return b.ReadMacroKelvo(7); },
                [](B& b) {
                    b.SendMacroKelvo(5);
                    return false;
                }};
    case DeviceLibrary::KelvoDriver:
        return {[](B& b) { return b.WriteDeviceKelvoDriver(); },
                [](B& b) { return b.ReadFireSettingsKelvoDriver(); },
                [](B& b) { return b.WriteFireSettingsKelvoDriver(); },
                [](B& b) { return b.ReadKeyModeKelvoDriver(); },
                [](B& b) { return b.WriteKeyModeKelvoDriver(); },
                [](B& b) { return b.ReadButtonTableKelvoDriver(1, 9); },
                [](B& b) { return b.WriteButtonTablesKelvoDriver(1); },
                [](B& b) { return b.ReadCpiSettingsKelvoDriver(); },
                [](B& b) { return b.WriteCpiSettingsKelvoDriver(); },
                [](B& b) { return b.ReadMacroKelvoDriver(7); },
                [](B& b) { return b.WriteLedCpiDataKelvoDriver(); },
                [](B& b) {
                    b.SendMacroKelvoDriver(5);
                    return false;
                }};
    default:
        break;
    }
#define VASTEMOR_NOLX_WRAPPER_LIST(Chip)                                                         \
    {[](B& b) {                                                                                  \
         uint8_t name[16] = {'a'};                                                               \
         const uint8_t data[] = {0xFC, 0x00};                                                    \
         return b.WriteMacro##Chip(-1, name, data, 2);                                           \
     },                                                                                          \
     [](B& b) { return b.ReadMacros##Chip(); },        [](B& b) { return b.ReadFireKeys##Chip(); }, \
     [](B& b) { return b.WriteFireKey##Chip(0); },     [](B& b) { return b.ReadKeyMode##Chip(); }, \
     [](B& b) { return b.WriteKeyMode##Chip(); },      [](B& b) { return b.ReadReportRate##Chip(); }, \
     [](B& b) { return b.WriteReportRate##Chip(); },   [](B& b) { return b.ReadLedBreath##Chip(); }, \
     [](B& b) { return b.WriteLedBreath##Chip(); },    [](B& b) { return b.ReadMacroKeys##Chip(0, 12); }, \
     [](B& b) { return b.WriteMacroKey##Chip(0, 0); }, [](B& b) { return b.ReadFireMacro##Chip(0); }, \
     [](B& b) { return b.WriteFireMacro##Chip(0); },   [](B& b) { return b.ReadCpiSettings##Chip(); }, \
     [](B& b) { return b.WriteCpiSettings##Chip(); },  [](B& b) { return b.WriteActiveCpiLevel##Chip(); }}
    switch (library) {
    case DeviceLibrary::Dolv:
        return VASTEMOR_NOLX_WRAPPER_LIST(Dolv);
    case DeviceLibrary::Mesk:
        return VASTEMOR_NOLX_WRAPPER_LIST(Mesk);
    default: {
        std::vector<Wrapper> qiro = VASTEMOR_NOLX_WRAPPER_LIST(Qiro);
        qiro.push_back([](B& b) { return b.ReadComboKeysQiro(); });
        qiro.push_back([](B& b) { return b.WriteComboKeysQiro(); });
        return qiro;
    }
    }
#undef VASTEMOR_NOLX_WRAPPER_LIST
}

// Containers full enough that every wrapper would reach its library.
void SeedContainers() {
    WenkDeviceMacroList.push_back(std::make_shared<MacroRecord>());
    for (auto* levels : {&KelvoCpiLevels, &KelvoDriverCpiLevels, &DolvCpiLevels, &MeskCpiLevels, &QiroCpiLevels}) {
        for (int i = 0; i < 7; ++i) AppendRecord(*levels);
    }
    for (auto* table : {&KelvoButtonTable1, &KelvoButtonTable2, &KelvoDriverButtonTable1, &KelvoDriverButtonTable2}) {
        AppendRecord(*table);
    }
    for (auto* table : {&DolvMacroKeyTable1, &MeskMacroKeyTable1, &QiroMacroKeyTable1}) AppendRecord(*table);
    for (auto* macros : {&DolvFireMacros, &MeskFireMacros, &QiroFireMacros}) AppendRecord(*macros);
    AppendRecord(KelvoFireRecords);
    KelvoMacroCache[5] = std::make_shared<MacroRecord>();
    KelvoDriverMacroCache[5] = std::make_shared<MacroRecord>();
}

const wchar_t* const kFiles[] = {L"KorvaneIT_Wenk.dll", L"KorvaneIT_Kelvo.dll", L"KorvaneIT_Kelvo_Driver.dll",
                                 L"KorvaneIT_Dolv.dll", L"KorvaneIT_Mesk.dll",  L"KorvaneIT_Qiro.dll"};

}  // namespace

TEST_F(BinderTest, LoadsTheSixLibrariesInOrderAndBindsEveryName) {
    std::vector<std::wstring> loads;
    DeviceLibraryBinder loaded(std::make_unique<FakeModuleLoader>(std::set<std::wstring>{},
                                                                  std::set<std::string>{}, &loads));
    EXPECT_EQ(loads, std::vector<std::wstring>(std::begin(kFiles), std::end(kFiles)));

    const auto counts = CountBound(loaded.Entries());
    const int expectedTotals[] = {12, 73, 29, 44, 43, 46};
    for (int slot = 0; slot < kDeviceLibraryCount; ++slot) {
        EXPECT_EQ(counts[slot].total, expectedTotals[slot]) << slot;
        EXPECT_EQ(counts[slot].bound, counts[slot].total) << slot;
        EXPECT_TRUE(loaded.IsLibraryLoaded(static_cast<DeviceLibrary>(slot)));
    }
    EXPECT_TRUE(fake.Names().empty()) << "loading opens no device";
}

TEST_F(BinderTest, AMissingLibraryLeavesOnlyItsGroupUnboundAndItsWrappersCallNothing) {
    for (int missing = 0; missing < kDeviceLibraryCount; ++missing) {
        SCOPED_TRACE(missing);
        const auto library = static_cast<DeviceLibrary>(missing);
        DeviceLibraryBinder partial(std::make_unique<FakeModuleLoader>(std::set<std::wstring>{kFiles[missing]}));
        const auto counts = CountBound(partial.Entries());
        for (int slot = 0; slot < kDeviceLibraryCount; ++slot) {
            EXPECT_EQ(counts[slot].bound, slot == missing ? 0 : counts[slot].total);
            EXPECT_EQ(partial.IsLibraryLoaded(static_cast<DeviceLibrary>(slot)), slot != missing);
        }

        ResetSettings();
        SeedContainers();
        fake.Reset();
        for (const Wrapper& wrapper : WrappersOf(library)) EXPECT_FALSE(wrapper(partial));
        EXPECT_TRUE(fake.Names().empty());
        EXPECT_EQ(KelvoCpiLevels.size(), 7u) << "an unbound read leaves its container as it was";
        EXPECT_EQ(QiroCpiLevels.size(), 7u);
        EXPECT_EQ(KelvoButtonTable1.size(), 1u);
    }
}

TEST_F(BinderTest, AMissingExportLeavesExactlyThatEntryUnbound) {
    DeviceLibraryBinder partial(std::make_unique<FakeModuleLoader>(
        std::set<std::wstring>{}, std::set<std::string>{"Device_Get_CPI_Color_Dolv", "Device_WriteEEpromData"}));
    const DeviceEntries& e = partial.Entries();
    EXPECT_EQ(e.Device_Get_CPI_Color_Dolv, nullptr);
    EXPECT_EQ(e.Device_WriteEEpromData, nullptr);
    EXPECT_NE(e.Device_Get_CPI_Color_Mesk, nullptr);
    EXPECT_NE(e.Device_ReadEEPromData, nullptr);
    const auto counts = CountBound(e);
    EXPECT_EQ(counts[static_cast<size_t>(DeviceLibrary::Dolv)].bound, 43);
    EXPECT_EQ(counts[static_cast<size_t>(DeviceLibrary::Wenk)].bound, 11);

    // A wrapper that needs the missing entry does nothing at all.
    for (int i = 0; i < 7; ++i) AppendRecord(DolvCpiLevels);
    EXPECT_FALSE(partial.ReadCpiSettingsDolv());
    EXPECT_TRUE(fake.CallsTo("Device_Get_Current_CPI_Gear_Dolv").empty());
    EXPECT_EQ(DolvCpiLevels.size(), 7u);
}

TEST(BinderInstance, IsOneObjectForEveryThread) {
    std::vector<DeviceLibraryBinder*> seen(8, nullptr);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, i] { seen[i] = &DeviceLibraryBinder::Instance(); });
    }
    for (std::thread& thread : threads) thread.join();
    for (DeviceLibraryBinder* binder : seen) EXPECT_EQ(binder, seen[0]);
    EXPECT_EQ(&DeviceLibraryBinder::Instance(), seen[0]);
}
