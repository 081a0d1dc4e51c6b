// Macro files written with the shared record encoder and read by the store.
#include "app/core/files/config_file_store.h"
#include "app/core/settings/constants.h"
#include "app/core/settings/device_settings.h"
#include "app/core/files/macro_file_format.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "tests/support/mutator.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <random>

namespace {

MacroRef Macro(const wchar_t* name, std::vector<uint8_t> data) {
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name;
    macro->data = std::move(data);
    return macro;
}

struct Family {
    MacroFileFamily family;
    const wchar_t* file;
    MacroList& list;
    void (ConfigFileStore::*load)(const wchar_t*);
    std::vector<uint8_t> data;  // as the loader keeps it
};

const Family kFamilies[] = {
    {MacroFileFamily::Wenk, MacroFileWenk, WenkMacroList, &ConfigFileStore::LoadMacroFileWenk,
     std::vector<uint8_t>(144, 0x21)},
    {MacroFileFamily::Kelvo, MacroFileKelvo, KelvoMacroList, &ConfigFileStore::LoadMacroFileKelvo, {1, 3, 0x81, 4, 0}},
    {MacroFileFamily::KelvoDriver, MacroFileKelvoDriver, KelvoDriverMacroList,
     &ConfigFileStore::LoadMacroFileKelvoDriver, std::vector<uint8_t>(2048, 0x33)},
    {MacroFileFamily::Dolv, MacroFileDolv, DolvMacroList, &ConfigFileStore::LoadMacroFileDolv, {2, 4, 0xFE, 0, 0x20, 0}},
    {MacroFileFamily::Mesk, MacroFileMesk, MeskMacroList, &ConfigFileStore::LoadMacroFileMesk, {0xFD, 0, 0x82, 4, 0}},
    {MacroFileFamily::Qiro, MacroFileQiro, QiroMacroList, &ConfigFileStore::LoadMacroFileQiro, {0}},
};

class MacroFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppSettings();
        MacroTempFolder = macroFolder.Path().c_str();
    }
    void TearDown() override { ResetAppSettings(); }
    void Put(const wchar_t* name, MacroFileFamily family, const MacroList& macros) {
        PutFile(macroFolder.File(name), EncodeMacroFile(family, macros));
    }

    TempFolder macroFolder;
    TempFolder current;
    CurrentFolder inCurrent{current.Path()};
    ConfigFileStore store{nullptr};
};

TEST_F(MacroFiles, EveryFamilyLoadsWhatTheEncoderWrote) {
    for (const Family& f : kFamilies) {
        const size_t fieldUnits = MacroFileLayoutOf(f.family).nameField / 2;
        const std::wstring fullName(fieldUnits, L'\x00E9');
        Put(f.file, f.family, {Macro(L"First", f.data), Macro((fullName + L"cut").c_str(), f.data)});
        f.list = {Macro(L"kept", {})};
        (store.*f.load)(f.file);
        // The keyboard's loader appends, the mice's loaders replace.
        const size_t first = f.family == MacroFileFamily::Wenk ? 1 : 0;
        ASSERT_EQ(f.list.size(), first + 2) << f.file;
        EXPECT_STREQ(f.list[0]->name, first ? L"kept" : L"First");
        EXPECT_EQ(f.list[first]->data, f.data) << f.file;
        EXPECT_STREQ(f.list[first + 1]->name, fullName.c_str()) << "a full field without a zero unit";
    }
    EXPECT_EQ(EncodeMacroRecord(MacroFileFamily::Qiro, *Macro(L"A", {7}))[1], 'A') << "high byte first";
}

TEST_F(MacroFiles, DataKeptByEachFamilysRule) {
    std::vector<uint8_t> field(224, 0x11);
    field[1] = 4;
    EXPECT_EQ(MacroDataFromField(MacroFileFamily::Kelvo, field.data()).size(), 6u);
    field[1] = 255;
    EXPECT_EQ(MacroDataFromField(MacroFileFamily::Kelvo, field.data()).size(), 224u) << "never past the field";
    const uint8_t delay[224] = {0x02, 0x04, 0xFE, 0x00, 0x20, 0x00, 0x55};
    EXPECT_EQ(MacroDataFromField(MacroFileFamily::Qiro, delay).size(), 6u) << "the zero inside the delay is no end";
    field.assign(224, 0x01);
    field[223] = 0x04;
    EXPECT_EQ(MacroDataFromField(MacroFileFamily::Dolv, field.data()).size(), 224u) << "no end step";
}

TEST_F(MacroFiles, WholeRecordsOnlyTheFolderCopyFirstAndMissingFilesChangeNothing) {
    std::vector<uint8_t> file = EncodeMacroFile(MacroFileFamily::Kelvo, {Macro(L"One", {0, 1, 7})});
    file.resize(300, 0x5A);
    PutFile(macroFolder.File(MacroFileKelvo), file);
    store.LoadMacroFileKelvo(MacroFileKelvo);
    EXPECT_EQ(KelvoMacroList.size(), 1u) << "the trailing 44 bytes are ignored";

    store.LoadMacroFileKelvo(L"missing.bin");
    EXPECT_EQ(KelvoMacroList.size(), 1u);
    Put(MacroFileKelvoDriver, MacroFileFamily::KelvoDriver, {});
    store.LoadMacroFileKelvoDriver(MacroFileKelvoDriver);
    EXPECT_EQ(KelvoMacroList.size(), 1u) << "another family's list";

    PutFile(current.File(MacroFileWenk), EncodeMacroFile(MacroFileFamily::Wenk, {Macro(L"current", {})}));
    store.LoadMacroFileWenk(MacroFileWenk);
    ASSERT_EQ(WenkMacroList.size(), 1u);
    EXPECT_STREQ(WenkMacroList[0]->name, L"current") << "no copy in the macro folder";
    Put(MacroFileWenk, MacroFileFamily::Wenk, {Macro(L"folder", {})});
    store.LoadMacroFileWenk(MacroFileWenk);
    ASSERT_EQ(WenkMacroList.size(), 2u);
    EXPECT_STREQ(WenkMacroList[1]->name, L"folder");
    store.LoadMacroFileWenk(current.File(MacroFileWenk).c_str());
    ASSERT_EQ(WenkMacroList.size(), 3u);
    EXPECT_STREQ(WenkMacroList[2]->name, L"current") << "a full path";
}

TEST_F(MacroFiles, RandomTruncatedAndOversizedFilesLoadTheirWholeRecords) {
    std::mt19937 random(20240611);
    for (const Family& f : kFamilies) {
        const MacroFileLayout layout = MacroFileLayoutOf(f.family);
        for (size_t size : {size_t{0}, layout.RecordSize() - 1, 3 * layout.RecordSize() + 5, size_t{204800 + 999}}) {
            std::vector<uint8_t> bytes(size);
            for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
            PutFile(macroFolder.File(L"input.bin"), bytes);
            f.list.clear();
            (store.*f.load)(L"input.bin");
            ASSERT_EQ(f.list.size(), std::min<size_t>(size, 204800) / layout.RecordSize()) << size;
            for (const MacroRef& macro : f.list) ASSERT_LE(macro->data.size(), layout.dataField);
        }
    }
}

TEST_F(MacroFiles, LedCpiFileDefaultsAndRoundTrip) {
    auto& block = DeviceSettings.KelvoDriverLedCpiBlock;
    const std::array<uint8_t, 4> defaults = {0x01, 0x02, 0xFF, 0x04};
    store.LoadLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    EXPECT_EQ(block, defaults);
    block = {5, 6, 7, 8};
    // A folder a cleaner removed while the program runs is made again.
    ASSERT_TRUE(RemoveDirectoryW(macroFolder.Path().c_str()));
    store.SaveLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    block = {};
    store.LoadLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    EXPECT_EQ(block, (std::array<uint8_t, 4>{5, 6, 7, 8}));
    PutFile(macroFolder.File(LedCpiFileKelvoDriver), {7, 7});
    store.LoadLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    EXPECT_EQ(block, defaults) << "a short file counts as unreadable";

    // Damaged files: exactly four bytes are the block; shorter or longer ones give the defaults.
    const HANDLE file = CreateFileW(macroFolder.File(LedCpiFileKelvoDriver).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::vector<std::vector<uint8_t>> seeds = {{0x01, 0x02, 0xFF, 0x04}, {0x3F, 0x8F, 0x00, 0xFF}};
    hostile::Mutator mutator(0x4C454443);
    for (int round = 0; round < 5000; ++round) {
        const std::vector<uint8_t> bytes = mutator.Mutate(seeds);
        DWORD written = 0;
        SetFilePointer(file, 0, nullptr, FILE_BEGIN);
        ASSERT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
        ASSERT_TRUE(SetEndOfFile(file));
        store.LoadLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
        const std::vector<uint8_t> expected = bytes.size() == 4 ? bytes : std::vector<uint8_t>(defaults.begin(), defaults.end());
        ASSERT_TRUE(std::equal(block.begin(), block.end(), expected.begin())) << round;
    }
    CloseHandle(file);
}

}  // namespace
