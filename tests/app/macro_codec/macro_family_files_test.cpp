// The managers' macro files: saved after changes, exported and imported.
#include "app/macro/codec/kelvo_macro_codec.h"
#include "app/macro/codec/nolx_macro_codec.h"
#include "tests/app/macro_codec/family_files.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

const MacroFileFamily kFamilies[] = {MacroFileFamily::Wenk, MacroFileFamily::Kelvo, MacroFileFamily::KelvoDriver,
                                     MacroFileFamily::Dolv, MacroFileFamily::Mesk,  MacroFileFamily::Qiro};

MacroRef Macro(const std::wstring& name, Bytes data) {
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name.c_str();
    macro->data = std::move(data);
    return macro;
}

// Data each family's loader keeps as written.
Bytes SampleData(MacroFileFamily family) {
    switch (family) {
        case MacroFileFamily::Wenk:
            return Bytes(144, 0x81);
        case MacroFileFamily::Kelvo:
            return EncodeKelvoMacro(KelvoVariant::Kelvo, {{0x82, 4}, {0xFE, 64}}, {1, {0, 3}});
        case MacroFileFamily::KelvoDriver: {
            Bytes data = EncodeKelvoMacro(KelvoVariant::Driver, {{0x82, 4}}, {0, {1, 1}});
            data.resize(2048);
            return data;
        }
        default:
            return EncodeNolxMacro(NolxChip::Qiro, {{0x82, 0}, {0xFE, 0x0100}}, {NolxLoopMode::Count, 2});
    }
}

TEST_F(FamilyFiles, SavedListsLoadBackWithNamesCutToTheirField) {
    for (MacroFileFamily family : kFamilies) {
        const size_t units = MacroFileLayoutOf(family).nameField / 2;
        const std::wstring full(units, L'\x4E2D');
        MacroListOf(family) = {Macro(L"One", SampleData(family)), Macro(full + L"xyz", SampleData(family)),
                               Macro(full, {})};
        ASSERT_TRUE(SaveMacroFile(family));
        const Bytes file = FileBytes(FileOf(family));
        ASSERT_EQ(file.size(), 3 * MacroFileLayoutOf(family).RecordSize());
        EXPECT_EQ(file[0], 0) << "high byte first";
        EXPECT_EQ(file[1], 'O');
        MacroListOf(family).clear();
        ImportMacroFile(store, family, FileOf(family).c_str());
        const MacroList& loaded = MacroListOf(family);
        ASSERT_EQ(loaded.size(), 3u);
        EXPECT_STREQ(loaded[0]->name, L"One");
        EXPECT_EQ(loaded[0]->data, SampleData(family));
        EXPECT_STREQ(loaded[1]->name, full.c_str()) << units << " units, the rest cut";
        EXPECT_STREQ(loaded[2]->name, full.c_str()) << "a full field has no terminating zero";
    }
}

TEST_F(FamilyFiles, FileSizesFollowTheList) {
    KelvoMacroList = {Macro(L"a", {}), Macro(L"b", {}), Macro(L"c", {})};
    KelvoDriverMacroList = KelvoMacroList;
    ASSERT_TRUE(SaveMacroFile(MacroFileFamily::Kelvo));
    ASSERT_TRUE(SaveMacroFile(MacroFileFamily::KelvoDriver));
    EXPECT_EQ(FileBytes(FileOf(MacroFileFamily::Kelvo)).size(), 768u);
    EXPECT_EQ(FileBytes(FileOf(MacroFileFamily::KelvoDriver)).size(), 6240u);
    KelvoMacroList.clear();
    ASSERT_TRUE(SaveMacroFile(MacroFileFamily::Kelvo));
    EXPECT_TRUE(FileBytes(FileOf(MacroFileFamily::Kelvo)).empty()) << "an empty list, an empty file";
    EXPECT_EQ(FolderEntries(folder.Path()).size(), 2u) << "no temporary file left";
    EXPECT_STREQ(MacroFileNameOf(MacroFileFamily::Dolv), L"MacroMouseDolvData.bin");
    EXPECT_STREQ(MacroFileNameOf(MacroFileFamily::Wenk), L"MacroKeyBoardData_Kelvo.bin");
}

TEST_F(FamilyFiles, ExportAndImportAtAnyPath) {
    TempFolder elsewhere;
    const std::wstring path = elsewhere.File(L"export.bin");
    QiroMacroList = {Macro(L"A", {0x00}), Macro(L"B", {0xFD, 0x05, 0xFC, 0x00})};
    ASSERT_TRUE(ExportMacroFile(MacroFileFamily::Qiro, path.c_str()));
    EXPECT_EQ(FolderEntries(folder.Path()).size(), 0u) << "the macro folder's file is not written";
    QiroMacroList = {Macro(L"old", {0x00})};
    ImportMacroFile(store, MacroFileFamily::Qiro, path.c_str());
    ASSERT_EQ(QiroMacroList.size(), 2u) << "the mice's imports replace the list";
    EXPECT_EQ(QiroMacroList[1]->data, (Bytes{0xFD, 0x05, 0xFC, 0x00}));

    WenkMacroList = {Macro(L"K", {0x05, 0x00, 0x06})};
    ASSERT_TRUE(ExportMacroFile(MacroFileFamily::Wenk, path.c_str()));
    EXPECT_EQ(FileBytes(path).size(), 176u);
    ImportMacroFile(store, MacroFileFamily::Wenk, path.c_str());
    ASSERT_EQ(WenkMacroList.size(), 2u) << "the keyboard's import appends";
    EXPECT_STREQ(WenkMacroList[1]->name, L"K");
    ImportMacroFile(store, MacroFileFamily::Wenk, elsewhere.File(L"missing.bin").c_str());
    EXPECT_EQ(WenkMacroList.size(), 2u);
}

TEST_F(FamilyFiles, FailedWritesKeepTheOldFile) {
    DolvMacroList = {Macro(L"kept", {0x00})};
    ASSERT_TRUE(SaveMacroFile(MacroFileFamily::Dolv));
    const Bytes before = FileBytes(FileOf(MacroFileFamily::Dolv));
    SetFileAttributesW(FileOf(MacroFileFamily::Dolv).c_str(), FILE_ATTRIBUTE_READONLY);
    DolvMacroList.push_back(Macro(L"new", {0x00}));
    EXPECT_FALSE(SaveMacroFile(MacroFileFamily::Dolv));
    EXPECT_EQ(FileBytes(FileOf(MacroFileFamily::Dolv)), before);
    EXPECT_EQ(FolderEntries(folder.Path()).size(), 1u);
    SetFileAttributesW(FileOf(MacroFileFamily::Dolv).c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_FALSE(ExportMacroFile(MacroFileFamily::Dolv, folder.File(L"no\\such\\folder.bin").c_str()));
    MacroTempFolder = L"";
    EXPECT_FALSE(SaveMacroFile(MacroFileFamily::Dolv)) << "no macro folder set";
    EXPECT_EQ(FileBytes(FileOf(MacroFileFamily::Dolv)), before);
}

TEST_F(FamilyFiles, DamagedFilesLoadTheirWholeRecordsBounded) {
    // Two and a half Nolx records; the second has no end step at all.
    Bytes file(600, 0x21);
    file[0] = 0;
    file[1] = 'N';
    file[16] = 0x82;
    file[17] = 0x04;
    for (size_t i = 18; i < 240; ++i) file[i] = 0;
    PutFile(folder.File(L"damaged.bin"), file);
    ImportMacroFile(store, MacroFileFamily::Mesk, folder.File(L"damaged.bin").c_str());
    ASSERT_EQ(MeskMacroList.size(), 2u);
    EXPECT_EQ(MeskMacroList[0]->data, (Bytes{0x82, 0x04, 0x00}));
    EXPECT_EQ(MeskMacroList[1]->data.size(), 224u) << "a record without 00 keeps its field";
    EXPECT_EQ(MeskMacroList[1]->name.GetLength(), 8) << "eight units, no zero";
    EXPECT_EQ(DecodeNolxMacro(NolxChip::Mesk, MeskMacroList[1]->data).steps.size(), 224u);

    // A Kelvo record whose length byte says 255 keeps its 224-byte field.
    Bytes kelvo(256 + 100, 0xA1);
    kelvo[32] = 0;
    kelvo[33] = 0xFF;
    PutFile(folder.File(L"kelvo.bin"), kelvo);
    ImportMacroFile(store, MacroFileFamily::Kelvo, folder.File(L"kelvo.bin").c_str());
    ASSERT_EQ(KelvoMacroList.size(), 1u);
    ASSERT_EQ(KelvoMacroList[0]->data.size(), 224u);
    EXPECT_EQ(DecodeKelvoMacro(KelvoVariant::Kelvo, KelvoMacroList[0]->data).steps.size(), 222u);
}

TEST_F(FamilyFiles, HostileFilesNeverReadPastTheirBytes) {
    const std::vector<Bytes> tokens = {{0x00}, {0xFD}, {0xFE}, {0x04}, {0x82}, {0xFF}, {0xFC, 0x00}};
    for (MacroFileFamily family : kFamilies) {
        const MacroFileLayout layout = MacroFileLayoutOf(family);
        const std::vector<Bytes> seeds = {
            EncodeMacroFile(family, {Macro(L"One", SampleData(family))}),
            EncodeMacroFile(family, {Macro(L"Two", SampleData(family)), Macro(L"", {}), Macro(L"Three", {0x82})}),
        };
        hostile::Mutator mutator(0x46494C45 + static_cast<uint32_t>(family));
        for (int round = 0; round < 5000; ++round) {
            const Bytes bytes = mutator.Mutate(seeds, tokens);
            hostile::GuardedBytes guarded(bytes);
            const MacroList macros = DecodeMacroFile(family, guarded.data(), guarded.size());
            ASSERT_EQ(macros.size(), bytes.size() / layout.RecordSize());
            for (const MacroRef& macro : macros) ASSERT_LE(macro->data.size(), layout.dataField);
            if (round % 50 == 0) {
                PutFile(folder.File(L"hostile.bin"), bytes);
                MacroListOf(family).clear();
                ImportMacroFile(store, family, folder.File(L"hostile.bin").c_str());
                ASSERT_EQ(MacroListOf(family).size(), macros.size());
            }
        }
    }
}

}  // namespace
