// Truncated, oversized and random macro files load without reading past a record.
#include "app/core/constants.h"
#include "app/core/macro_file_format.h"
#include "store_fixture.h"

#include <random>

namespace {

struct Loader {
    MacroFileFamily family;
    MacroList& list;
    void (ConfigFileStore::*load)(const wchar_t*);
};

const Loader kLoaders[] = {
    {MacroFileFamily::Wenk, WenkMacroList, &ConfigFileStore::LoadMacroFileWenk},
    {MacroFileFamily::Kelvo, KelvoMacroList, &ConfigFileStore::LoadMacroFileKelvo},
    {MacroFileFamily::KelvoDriver, KelvoDriverMacroList, &ConfigFileStore::LoadMacroFileKelvoDriver},
    {MacroFileFamily::Dolv, DolvMacroList, &ConfigFileStore::LoadMacroFileDolv},
    {MacroFileFamily::Mesk, MeskMacroList, &ConfigFileStore::LoadMacroFileMesk},
    {MacroFileFamily::Qiro, QiroMacroList, &ConfigFileStore::LoadMacroFileQiro},
};

std::vector<uint8_t> RandomBytes(std::mt19937& random, size_t size) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(byte(random));
    return bytes;
}

void ExpectWellFormed(const Loader& loader, size_t fileSize) {
    const MacroFileLayout layout = MacroFileLayoutOf(loader.family);
    ASSERT_EQ(loader.list.size(), std::min<size_t>(fileSize, 204800) / layout.RecordSize()) << fileSize;
    for (const MacroRef& macro : loader.list) {
        ASSERT_TRUE(macro);
        EXPECT_LE(static_cast<size_t>(macro->name.GetLength()), layout.nameField / 2);
        EXPECT_LE(macro->data.size(), layout.dataField);
        EXPECT_FALSE(macro->data.empty());
    }
}

using MacroFileInputs = StoreTest;

TEST_F(MacroFileInputs, RandomAndTruncatedFilesLoadTheirWholeRecords) {
    std::mt19937 random(20240611);
    const std::wstring path = macroFolder.File(L"input.bin");
    for (const Loader& loader : kLoaders) {
        const size_t record = MacroFileLayoutOf(loader.family).RecordSize();
        const size_t sizes[] = {0, 1, record - 1, record, record + 1, 3 * record - 7};
        for (size_t size : sizes) {
            PutFile(path, RandomBytes(random, size));
            (store.*loader.load)(L"input.bin");
            ExpectWellFormed(loader, size);
        }
        for (int round = 0; round < 20; ++round) {
            const size_t size = std::uniform_int_distribution<size_t>(0, 6 * record)(random);
            PutFile(path, RandomBytes(random, size));
            (store.*loader.load)(L"input.bin");
            ExpectWellFormed(loader, size);
        }
    }
}

TEST_F(MacroFileInputs, OversizedFileReadsOnlyTheBuffersWorth) {
    std::mt19937 random(7);
    std::vector<uint8_t> file = RandomBytes(random, 204800 + 5000);
    PutFile(macroFolder.File(MacroFileQiro.GetData()), file);
    store.LoadMacroFileQiro(MacroFileQiro);
    EXPECT_EQ(QiroMacroList.size(), 853u);

    PutFile(macroFolder.File(MacroFileKelvoDriver.GetData()), file);
    store.LoadMacroFileKelvoDriver(MacroFileKelvoDriver);
    EXPECT_EQ(KelvoDriverMacroList.size(), 98u) << "204800 / 2080";
}

}  // namespace
