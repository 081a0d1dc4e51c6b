// Macro files written with the shared record encoder and read by the store.
#include "app/core/constants.h"
#include "app/core/device_settings.h"
#include "app/core/macro_file_format.h"
#include "store_fixture.h"

#include <functional>
#include <string>

namespace {

using SkinUI::CUIString;

MacroRef Macro(const wchar_t* name, std::vector<uint8_t> data) {
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name;
    macro->data = std::move(data);
    return macro;
}

struct FamilyCase {
    const char* label;
    MacroFileFamily family;
    const CUIString& fileName;
    MacroList& list;
    void (ConfigFileStore::*load)(const wchar_t*);
    std::vector<uint8_t> sampleData;  // two macros' data, as the loader keeps it
    std::vector<uint8_t> otherData;
};

std::vector<uint8_t> Filled(size_t size, uint8_t first) {
    std::vector<uint8_t> data(size);
    for (size_t i = 0; i < size; ++i) data[i] = static_cast<uint8_t>(first + i);
    return data;
}

std::vector<FamilyCase> Families() {
    return {
        {"Wenk", MacroFileFamily::Wenk, MacroFileWenk, WenkMacroList, &ConfigFileStore::LoadMacroFileWenk,
         Filled(144, 1), Filled(144, 100)},
        {"Kelvo", MacroFileFamily::Kelvo, MacroFileKelvo, KelvoMacroList, &ConfigFileStore::LoadMacroFileKelvo,
         {0x01, 0x03, 0x81, 0x04, 0x00}, {0x02, 0x00}},
        {"KelvoDriver", MacroFileFamily::KelvoDriver, MacroFileKelvoDriver, KelvoDriverMacroList,
         &ConfigFileStore::LoadMacroFileKelvoDriver, Filled(2048, 9), Filled(2048, 50)},
        {"Dolv", MacroFileFamily::Dolv, MacroFileDolv, DolvMacroList, &ConfigFileStore::LoadMacroFileDolv,
         {0x02, 0x04, 0xFE, 0x00, 0x20, 0x82, 0x04, 0x00}, {0x00}},
        {"Mesk", MacroFileFamily::Mesk, MacroFileMesk, MeskMacroList, &ConfigFileStore::LoadMacroFileMesk,
         {0x04, 0x00, 0x10, 0xFD, 0x00, 0x00}, {0xFE, 0x00, 0x01, 0x00}},
        {"Qiro", MacroFileFamily::Qiro, MacroFileQiro, QiroMacroList, &ConfigFileStore::LoadMacroFileQiro,
         {0xA1, 0x21, 0x00}, {0xA2, 0x22, 0x02, 0x28, 0x00}},
    };
}

void ExpectSameMacros(const MacroList& actual, const MacroList& expected, const char* label) {
    ASSERT_EQ(actual.size(), expected.size()) << label;
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_STREQ(actual[i]->name, expected[i]->name) << label << " macro " << i;
        EXPECT_EQ(actual[i]->data, expected[i]->data) << label << " macro " << i;
        EXPECT_EQ(actual[i]->number, 0) << label;
    }
}

using MacroFileTest = StoreTest;

TEST_F(MacroFileTest, EveryFamilyLoadsWhatTheEncoderWrote) {
    for (const FamilyCase& c : Families()) {
        const MacroFileLayout layout = MacroFileLayoutOf(c.family);
        const MacroList written = {Macro(L"First", c.sampleData), Macro(L"\x00E9t\x00E9", c.otherData)};
        const std::vector<uint8_t> file = EncodeMacroFile(c.family, written);
        ASSERT_EQ(file.size(), 2 * layout.RecordSize()) << c.label;
        EXPECT_EQ(file[0], 0) << c.label << ": the high byte of 'F' comes first";
        EXPECT_EQ(file[1], 'F') << c.label;
        PutFile(macroFolder.File(c.fileName.GetData()), file);

        c.list = {Macro(L"stale", {1})};
        (store.*c.load)(c.fileName);
        ExpectSameMacros(c.list, written, c.label);
    }
}

TEST_F(MacroFileTest, NamesFillTheirWholeFieldAndLongerNamesAreCut) {
    const MacroList kelvo = {Macro(L"ABCDEFGHIJKLMNOPQRST", {0, 0})};
    PutFile(macroFolder.File(MacroFileKelvo.GetData()), EncodeMacroFile(MacroFileFamily::Kelvo, kelvo));
    store.LoadMacroFileKelvo(MacroFileKelvo);
    ASSERT_EQ(KelvoMacroList.size(), 1u);
    EXPECT_STREQ(KelvoMacroList[0]->name, L"ABCDEFGHIJKLMNOP") << "16 units, no terminating zero";

    const MacroList qiro = {Macro(L"Twelve chars", {0})};
    PutFile(macroFolder.File(MacroFileQiro.GetData()), EncodeMacroFile(MacroFileFamily::Qiro, qiro));
    store.LoadMacroFileQiro(MacroFileQiro);
    ASSERT_EQ(QiroMacroList.size(), 1u);
    EXPECT_STREQ(QiroMacroList[0]->name, L"Twelve c") << "8 units, no terminating zero";
}

TEST_F(MacroFileTest, DataKeptByEachFamilysRule) {
    // Two records: byte 1 of the data counts 4 bytes, then 255.
    std::vector<uint8_t> kelvoFile(512, 0);
    kelvoFile[32] = 0x01;
    kelvoFile[33] = 4;
    for (int i = 0; i < 8; ++i) kelvoFile[34 + i] = 0x11;
    std::fill(kelvoFile.begin() + 256 + 32, kelvoFile.end(), 0x22);
    kelvoFile[256 + 33] = 255;
    PutFile(macroFolder.File(MacroFileKelvo.GetData()), kelvoFile);
    store.LoadMacroFileKelvo(MacroFileKelvo);
    ASSERT_EQ(KelvoMacroList.size(), 2u);
    EXPECT_EQ(KelvoMacroList[0]->data, (std::vector<uint8_t>{0x01, 4, 0x11, 0x11, 0x11, 0x11}));
    EXPECT_EQ(KelvoMacroList[1]->data.size(), 224u) << "a length beyond the field keeps the field";

    const auto nolxData = [](std::vector<uint8_t> start) {
        std::vector<uint8_t> record(240, 0);
        std::copy(start.begin(), start.end(), record.begin() + 16);
        return MacroDataFromField(MacroFileFamily::Qiro, record.data() + 16);
    };
    EXPECT_EQ(nolxData({0x02, 0x04, 0xFE, 0x00, 0x20, 0x00, 0x55}),
              (std::vector<uint8_t>{0x02, 0x04, 0xFE, 0x00, 0x20, 0x00}))
        << "the zero inside the delay step is no end";
    EXPECT_EQ(nolxData({}), (std::vector<uint8_t>{0x00}));
    EXPECT_EQ(nolxData({0xFD, 0x00, 0x82, 0x00, 0x01, 0x00}), (std::vector<uint8_t>{0xFD, 0x00, 0x82, 0x00, 0x01, 0x00}));

    std::vector<uint8_t> noEnd(224, 0x01);
    EXPECT_EQ(MacroDataFromField(MacroFileFamily::Dolv, noEnd.data()).size(), 224u);
    noEnd[223] = 0x04;
    EXPECT_EQ(MacroDataFromField(MacroFileFamily::Mesk, noEnd.data()).size(), 224u) << "a step cut by the field's end";
}

TEST_F(MacroFileTest, WholeRecordsOnlyAndUnreadableFilesChangeNothing) {
    std::vector<uint8_t> file = EncodeMacroFile(MacroFileFamily::Kelvo, {Macro(L"One", {0, 1, 7})});
    file.resize(300, 0x5A);
    PutFile(macroFolder.File(MacroFileKelvo.GetData()), file);
    store.LoadMacroFileKelvo(MacroFileKelvo);
    ASSERT_EQ(KelvoMacroList.size(), 1u) << "the trailing 44 bytes are ignored";
    EXPECT_STREQ(KelvoMacroList[0]->name, L"One");

    const MacroRef kept = Macro(L"kept", {1});
    DolvMacroList = {kept};
    store.LoadMacroFileDolv(L"MacroMouseDolvData_missing.bin");
    ASSERT_EQ(DolvMacroList.size(), 1u);
    EXPECT_EQ(DolvMacroList[0], kept);

    PutFile(macroFolder.File(MacroFileDolv.GetData()), {});
    store.LoadMacroFileDolv(MacroFileDolv);
    EXPECT_TRUE(DolvMacroList.empty()) << "an empty file clears the list";

    KelvoMacroList = {kept};
    PutFile(macroFolder.File(MacroFileKelvoDriver.GetData()),
            EncodeMacroFile(MacroFileFamily::KelvoDriver, {Macro(L"Driver", {0, 0, 1})}));
    store.LoadMacroFileKelvoDriver(MacroFileKelvoDriver);
    EXPECT_EQ(KelvoDriverMacroList.size(), 1u);
    ASSERT_EQ(KelvoMacroList.size(), 1u) << "the Kelvo list is another list";
    EXPECT_EQ(KelvoMacroList[0], kept);
}

TEST_F(MacroFileTest, MacroFolderCopyWinsOverTheCurrentFolderAndPathsWork) {
    PutFile(macroFolder.File(MacroFileWenk.GetData()), EncodeMacroFile(MacroFileFamily::Wenk, {Macro(L"folder", {})}));
    PutFile(currentFolder.File(MacroFileWenk.GetData()), EncodeMacroFile(MacroFileFamily::Wenk, {Macro(L"current", {})}));
    store.LoadMacroFileWenk(MacroFileWenk);
    ASSERT_EQ(WenkMacroList.size(), 1u);
    EXPECT_STREQ(WenkMacroList[0]->name, L"folder");

    DeleteFileW(macroFolder.File(MacroFileWenk.GetData()).c_str());
    store.LoadMacroFileWenk(MacroFileWenk);
    ASSERT_EQ(WenkMacroList.size(), 1u);
    EXPECT_STREQ(WenkMacroList[0]->name, L"current") << "then the bare name in the current folder";

    TempFolder elsewhere;
    const std::wstring imported = elsewhere.File(L"import.bin");
    PutFile(imported, EncodeMacroFile(MacroFileFamily::Wenk, {Macro(L"a", {}), Macro(L"b", {})}));
    store.LoadMacroFileWenk(imported.c_str());
    EXPECT_EQ(WenkMacroList.size(), 2u) << "a full path is used as it is";

    MacroTempFolder.Clear();
    store.LoadMacroFileWenk(MacroFileWenk);
    ASSERT_EQ(WenkMacroList.size(), 1u) << "no macro folder set: the name alone";
    EXPECT_STREQ(WenkMacroList[0]->name, L"current");
}

TEST_F(MacroFileTest, LedCpiFileDefaultsAndRoundTrip) {
    auto& block = DeviceSettings.KelvoDriverLedCpiBlock;
    block = {9, 9, 9, 9};
    store.LoadLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    EXPECT_EQ(block, (std::array<uint8_t, 4>{0x01, 0x02, 0xFF, 0x04}));

    block = {5, 6, 7, 8};
    store.SaveLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    EXPECT_EQ(FileBytes(macroFolder.File(LedCpiFileKelvoDriver.GetData())), (std::vector<uint8_t>{5, 6, 7, 8}));
    block = {};
    store.LoadLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    EXPECT_EQ(block, (std::array<uint8_t, 4>{5, 6, 7, 8}));

    PutFile(macroFolder.File(LedCpiFileKelvoDriver.GetData()), {1, 2, 3, 4, 5, 6});
    store.LoadLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    EXPECT_EQ(block, (std::array<uint8_t, 4>{1, 2, 3, 4})) << "four bytes of a longer file";

    PutFile(macroFolder.File(LedCpiFileKelvoDriver.GetData()), {7, 7});
    store.LoadLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    EXPECT_EQ(block, (std::array<uint8_t, 4>{0x01, 0x02, 0xFF, 0x04})) << "a short file counts as unreadable";

    MacroTempFolder = macroFolder.File(L"gone").c_str();
    block = {3, 3, 3, 3};
    store.SaveLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
    EXPECT_EQ(block, (std::array<uint8_t, 4>{3, 3, 3, 3})) << "a failed save leaves the block";
}

}  // namespace
