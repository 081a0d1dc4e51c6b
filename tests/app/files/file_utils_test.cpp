// Whole-file access, folders, dialogs setup, checksum and colour conversions.
#include "app/core/binary_files.h"
#include "app/core/data_checksum.h"
#include "app/core/elapsed_clock.h"
#include "app/core/file_dialogs.h"
#include "app/core/file_paths.h"
#include "app/core/hsl_colors.h"
#include "tests/app/support/temp_folder.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace {

std::vector<uint8_t> Counting(size_t size) {
    std::vector<uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), uint8_t{1});
    return bytes;
}

TEST(BinaryFiles, ReadNeverPassesTheBufferAndZeroesBehindAShortFile) {
    TempFolder folder;
    const std::wstring path = folder.File(L"ten.bin");
    PutFile(path, Counting(10));

    uint8_t guarded[8];
    std::fill(std::begin(guarded), std::end(guarded), 0xEE);
    size_t count = 99;
    ASSERT_TRUE(ReadBinaryFile(path.c_str(), guarded, 4, &count));
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(guarded[3], 4);
    EXPECT_EQ(guarded[4], 0xEE) << "byte behind the buffer";

    uint8_t roomy[16];
    std::fill(std::begin(roomy), std::end(roomy), 0xEE);
    ASSERT_TRUE(ReadBinaryFile(path.c_str(), roomy, sizeof(roomy), &count));
    EXPECT_EQ(count, 10u);
    EXPECT_EQ(roomy[9], 10);
    EXPECT_EQ(roomy[15], 0);

    EXPECT_FALSE(ReadBinaryFile(folder.File(L"missing.bin").c_str(), roomy, sizeof(roomy), &count));
    EXPECT_EQ(count, 0u);
}

TEST(BinaryFiles, ConfigurationImageSurvivesExportAndImport) {
    TempFolder folder;
    const std::wstring path = folder.File(L"config.bin");
    std::vector<uint8_t> image(2048);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 + 3);

    ASSERT_TRUE(WriteBinaryFile(path.c_str(), image.data(), image.size()));
    std::vector<uint8_t> imported(2048);
    size_t count = 0;
    ASSERT_TRUE(ReadBinaryFile(path.c_str(), imported.data(), imported.size(), &count));
    EXPECT_EQ(count, 2048u);
    EXPECT_EQ(imported, image);

    ASSERT_TRUE(WriteBinaryFile(path.c_str(), image.data(), 3)) << "a shorter file replaces a longer one";
    EXPECT_EQ(FileBytes(path), std::vector<uint8_t>(image.begin(), image.begin() + 3));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::wstring>{L"config.bin"}) << "no temporary left";
}

TEST(BinaryFiles, FailedWriteReportsFalseAndKeepsTheOldFile) {
    TempFolder folder;
    const std::wstring path = folder.File(L"kept.bin");
    PutFile(path, {1, 2, 3});
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::vector<uint8_t> replacement = Counting(64);

    EXPECT_FALSE(WriteBinaryFile(path.c_str(), replacement.data(), replacement.size()));
    EXPECT_EQ(FileBytes(path), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(FolderEntries(folder.Path()).size(), 1u) << "the temporary file is removed";

    EXPECT_FALSE(WriteBinaryFile(folder.File(L"no\\such\\folder.bin").c_str(), replacement.data(), 4));
    CreateDirectoryW(folder.File(L"folder").c_str(), nullptr);
    EXPECT_FALSE(WriteBinaryFile(folder.File(L"folder").c_str(), replacement.data(), 4));
    EXPECT_FALSE(WriteBinaryFile(L"", replacement.data(), 4));
}

TEST(Folders, CreationMakesMissingParentsAndReportsExistence) {
    TempFolder folder;
    const std::wstring twoDown = folder.File(L"a\\b");
    EXPECT_TRUE(CreateDirectoryPath(twoDown.c_str()));
    EXPECT_TRUE(PathIsDirectoryW(twoDown.c_str()));
    EXPECT_TRUE(CreateDirectoryPath(twoDown.c_str())) << "an existing folder";

    const std::wstring trailing = folder.File(L"c\\d\\");
    EXPECT_TRUE(CreateDirectoryPath(trailing.c_str()));
    EXPECT_TRUE(PathIsDirectoryW(folder.File(L"c\\d").c_str()));

    EXPECT_FALSE(CreateDirectoryPath(L"nobackslash"));
    EXPECT_FALSE(CreateDirectoryPath(nullptr));
    EXPECT_FALSE(CreateDirectoryPath((folder.Path() + L"\\" + std::wstring(300, L'x')).c_str()));

    PutFile(folder.File(L"plain"), {1});
    EXPECT_FALSE(EnsureDirectory(folder.File(L"plain").c_str())) << "a file of that name";
    EXPECT_TRUE(EnsureDirectory(folder.File(L"e\\f").c_str()));
    EXPECT_TRUE(EnsureDirectory(folder.Path().c_str()));

    EXPECT_TRUE(FileExists(folder.File(L"plain").c_str()));
    EXPECT_TRUE(FileExists(folder.File(L"e").c_str()));
    EXPECT_FALSE(FileExists(folder.File(L"none").c_str()));

    const wchar_t text[] = L"a\\b\\c";
    EXPECT_EQ(FindLastChar(text, L'\\'), text + 3);
    EXPECT_EQ(FindLastChar(text, L'/'), nullptr);
    EXPECT_EQ(FindLastChar(nullptr, L'\\'), nullptr);
}

TEST(FileDialogs, SaveAndOpenSetups) {
    wchar_t path[kFileDialogPathLength];
    path[0] = L'x';
    const OPENFILENAMEW save = BuildFileDialogSetup(FileDialogKind::Save, nullptr, nullptr, nullptr, path);
    EXPECT_EQ(save.lStructSize, sizeof(OPENFILENAMEW));
    EXPECT_EQ(save.Flags, 0x80Eu) << "overwrite prompt, no read-only box, path must exist, folder kept";
    EXPECT_STREQ(save.lpstrDefExt, L"bin");
    EXPECT_STREQ(save.lpstrTitle, L"Please Seleted File");
    EXPECT_STREQ(save.lpstrFilter, L"Bin File");
    EXPECT_STREQ(save.lpstrFilter + wcslen(L"Bin File") + 1, L"*.bin");
    EXPECT_EQ(save.nFilterIndex, 1u);
    EXPECT_EQ(save.nMaxFile, 260u);
    EXPECT_EQ(save.lpstrFile, path);
    EXPECT_EQ(path[0], L'\0');
    EXPECT_EQ(save.hwndOwner, nullptr);
    EXPECT_EQ(save.lpstrInitialDir, nullptr);

    const OPENFILENAMEW open = BuildFileDialogSetup(FileDialogKind::Open, L"All\0*.*\0", L"Import", L"C:\\", path);
    EXPECT_EQ(open.Flags, 0x180Cu) << "no read-only box, path and file must exist, folder kept";
    EXPECT_EQ(open.lpstrDefExt, nullptr);
    EXPECT_STREQ(open.lpstrTitle, L"Import");
    EXPECT_STREQ(open.lpstrFilter, L"All");
    EXPECT_STREQ(open.lpstrInitialDir, L"C:\\");
}

TEST(Checksum, SumsAllButTheFirstByte) {
    EXPECT_EQ(DataChecksum({0x10, 0x01, 0x02}), 0x59);
    EXPECT_EQ(DataChecksum({0xFF, 0x01, 0x02}), 0x59);
    EXPECT_EQ(DataChecksum({}), 0x5A);
    EXPECT_EQ(DataChecksum({0x33}), 0x5A);
    EXPECT_EQ(DataChecksum({0, 0xFF, 0x02}), (0x01 ^ 0x5A)) << "the sum wraps at 256";
}

TEST(HslColors, PrimaryColoursAndRoundTrips) {
    float h = -1, s = -1, l = -1;
    RgbToHsl(RGB(255, 0, 0), &h, &s, &l);
    EXPECT_FLOAT_EQ(h, 0);
    EXPECT_FLOAT_EQ(s, 1);
    EXPECT_FLOAT_EQ(l, 0.5f);
    RgbToHsl(RGB(255, 255, 255), &h, &s, &l);
    EXPECT_FLOAT_EQ(h, 0);
    EXPECT_FLOAT_EQ(s, 0);
    EXPECT_FLOAT_EQ(l, 1);
    RgbToHsl(RGB(0, 0, 255), &h, &s, &l);
    EXPECT_FLOAT_EQ(h, 240);
    RgbToHsl(RGB(0, 128, 0), &h, &s, &l);
    EXPECT_FLOAT_EQ(h, 120);
    EXPECT_LT(l, 0.5f);

    DWORD argb = 0x7F123456;
    HslToRgb(&argb, 0, 1, 0.5f);
    EXPECT_EQ(argb, 0x7FFF0000u) << "alpha kept, red set";

    // Every colour of a coarse grid comes back within truncation error.
    for (int r = 0; r < 256; r += 51) {
        for (int g = 0; g < 256; g += 51) {
            for (int b = 0; b < 256; b += 51) {
                RgbToHsl(RGB(r, g, b), &h, &s, &l);
                ASSERT_GE(h, 0.0f);
                ASSERT_LT(h, 360.0f);
                DWORD back = 0xFF000000;
                HslToRgb(&back, h, s, l);
                EXPECT_NEAR(static_cast<int>((back >> 16) & 0xFF), r, 1) << r << "," << g << "," << b;
                EXPECT_NEAR(static_cast<int>((back >> 8) & 0xFF), g, 1);
                EXPECT_NEAR(static_cast<int>(back & 0xFF), b, 1);
            }
        }
    }
}

TEST(Clock, CountsMilliseconds) {
    const int64_t before = ElapsedMilliseconds();
    Sleep(30);
    const int64_t elapsed = ElapsedMilliseconds() - before;
    EXPECT_GE(elapsed, 20);
    EXPECT_LT(elapsed, 5000);
}

}  // namespace
