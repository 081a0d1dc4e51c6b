// Whole-file access, folders, the dialogs' setup, checksum and colours.
#include "app/core/files/binary_files.h"
#include "app/core/files/data_checksum.h"
#include "app/core/files/file_dialogs.h"
#include "app/core/files/file_paths.h"
#include "app/core/settings/hsl_colors.h"
#include "tests/app/support/temp_folder.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>

namespace {

TEST(BinaryFiles, ReadStaysInTheBufferAndAnImageRoundTrips) {
    TempFolder folder;
    const std::wstring path = folder.File(L"config.bin");
    std::vector<uint8_t> image(2048);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 + 3);
    ASSERT_TRUE(WriteBinaryFile(path.c_str(), image.data(), image.size()));

    std::vector<uint8_t> read(2050, 0xEE);
    size_t count = 0;
    ASSERT_TRUE(ReadBinaryFile(path.c_str(), read.data(), 2048, &count));
    EXPECT_EQ(count, 2048u);
    EXPECT_EQ(std::vector<uint8_t>(read.begin(), read.begin() + 2048), image);
    ASSERT_TRUE(ReadBinaryFile(path.c_str(), read.data(), 4, &count));
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(read[4], image[4]) << "nothing written behind the buffer";

    ASSERT_TRUE(WriteBinaryFile(path.c_str(), image.data(), 3));
    ASSERT_TRUE(ReadBinaryFile(path.c_str(), read.data(), 8, &count));
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(read[3], 0) << "zero behind a shorter file";
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::wstring>{L"config.bin"}) << "no temporary left";
    EXPECT_FALSE(ReadBinaryFile(folder.File(L"missing").c_str(), read.data(), 8, &count));
}

TEST(BinaryFiles, FailedWriteReportsFalseAndKeepsTheOldFile) {
    TempFolder folder;
    const std::wstring path = folder.File(L"kept.bin");
    PutFile(path, {1, 2, 3});
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const uint8_t replacement[64] = {9};
    testing::internal::CaptureStdout();
    EXPECT_FALSE(WriteBinaryFile(path.c_str(), replacement, sizeof(replacement)));
    uint8_t read[4];
    std::size_t count = 0;
    EXPECT_FALSE(ReadBinaryFile(folder.File(L"gone.bin").c_str(), read, sizeof(read), &count));
    EXPECT_FALSE(ReadBinaryFile(folder.Path().c_str(), read, sizeof(read), &count));
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_NE(console.find("writing"), std::string::npos) << console;
    EXPECT_NE(console.find("kept.bin\" failed"), std::string::npos) << "the console names the file: " << console;
    EXPECT_NE(console.find("reading"), std::string::npos) << "a folder cannot be read: " << console;
    EXPECT_EQ(console.find("gone.bin"), std::string::npos) << "a file not there yet is no failure: " << console;
    EXPECT_EQ(FileBytes(path), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(FolderEntries(folder.Path()).size(), 1u);
    EXPECT_FALSE(WriteBinaryFile(folder.File(L"no\\such\\file.bin").c_str(), replacement, 4));
    EXPECT_FALSE(WriteBinaryFile(folder.Path().c_str(), replacement, 4)) << "a folder";

    // Another program holds the file open without letting it be replaced:
    // the complete new bytes cannot take its place.
    const std::wstring held = folder.File(L"held.bin");
    PutFile(held, {4, 5, 6});
    const HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(WriteBinaryFile(held.c_str(), replacement, sizeof(replacement)));
    testing::internal::GetCapturedStdout();
    CloseHandle(holder);
    EXPECT_EQ(FileBytes(held), (std::vector<uint8_t>{4, 5, 6}));
    std::vector<std::wstring> entries = FolderEntries(folder.Path());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"held.bin", L"kept.bin"})) << "the folder holds what it held";
}

TEST(Folders, CreatedWithTheirParentsAndReportedAsTheyAre) {
    TempFolder folder;
    EXPECT_TRUE(CreateDirectoryPath(folder.File(L"a\\b").c_str()));
    EXPECT_TRUE(PathIsDirectoryW(folder.File(L"a\\b").c_str()));
    EXPECT_TRUE(CreateDirectoryPath(folder.File(L"c\\d\\").c_str())) << "a trailing backslash";
    EXPECT_TRUE(PathIsDirectoryW(folder.File(L"c\\d").c_str()));
    PutFile(folder.File(L"plain"), {1});
    EXPECT_FALSE(EnsureDirectory(folder.File(L"plain").c_str())) << "a file of that name";
}

TEST(Folders, ATestFolderTheCaseRemovedItselfIsLeftWithoutAnError) {
    std::wstring path;
    {
        TempFolder folder;
        path = folder.Path();
        RemoveDirectoryW(path.c_str());
    }
    EXPECT_FALSE(PathIsDirectoryW(path.c_str()));
}

TEST(FileDialogs, SetupsKeepTheCurrentFolder) {
    wchar_t path[kFileDialogPathLength] = L"x";
    const OPENFILENAMEW save = BuildFileDialogSetup(FileDialogKind::Save, nullptr, nullptr, nullptr, path);
    EXPECT_EQ(save.Flags, static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR));
    EXPECT_STREQ(save.lpstrDefExt, L"bin");
    EXPECT_STREQ(save.lpstrTitle, L"Please Seleted File");
    EXPECT_STREQ(save.lpstrFilter + wcslen(save.lpstrFilter) + 1, L"*.bin");
    EXPECT_EQ(save.nMaxFile, 260u);
    EXPECT_EQ(path[0], L'\0');
    const OPENFILENAMEW open = BuildFileDialogSetup(FileDialogKind::Open, nullptr, L"Import", nullptr, path);
    EXPECT_EQ(open.Flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR));
    EXPECT_EQ(open.lpstrDefExt, nullptr);
    EXPECT_STREQ(open.lpstrTitle, L"Import");
}

TEST(ChecksumAndColours, EdgeValues) {
    EXPECT_EQ(DataChecksum({0x10, 0x01, 0x02}), 0x59) << "byte 0 does not count";
    EXPECT_EQ(DataChecksum({0, 0xFF, 0x02}), 0x01 ^ 0x5A) << "the sum wraps";
    EXPECT_EQ(DataChecksum({}), 0x5A);

    float h, s, l;
    RgbToHsl(RGB(255, 0, 0), &h, &s, &l);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(l, 0.5f);
    RgbToHsl(RGB(255, 255, 255), &h, &s, &l);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(l, 1);
    DWORD argb = 0x7F123456;
    HslToRgb(&argb, 0, 1, 0.5f);
    EXPECT_EQ(argb, 0x7FFF0000u) << "alpha kept";
}

}  // namespace
