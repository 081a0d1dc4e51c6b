#include "ui/core/zip_archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "scratch_folder.h"
#include "zip_builder.h"

using namespace SkinUI;

namespace {

// An archive opened from memory for the length of a test.
class OpenedZip {
public:
    explicit OpenedZip(const ZipBuilder& builder) : m_bytes(builder.Build())
    {
        m_handle = ZipArchiveUI::Open(m_bytes.data(), static_cast<DWORD>(m_bytes.size()), ZIP_STREAM_MEMORY);
    }
    ~OpenedZip()
    {
        if (m_handle)
            ZipArchiveUI::Close(m_handle);
    }
    HZIPUI get() const { return m_handle; }

private:
    std::string m_bytes;
    HZIPUI m_handle;
};

// Runs a test with the current folder set to a scratch folder.
class InFolder {
public:
    explicit InFolder(const std::wstring& folder)
    {
        GetCurrentDirectoryW(MAX_PATH, m_previous);
        SetCurrentDirectoryW(folder.c_str());
    }
    ~InFolder() { SetCurrentDirectoryW(m_previous); }

private:
    wchar_t m_previous[MAX_PATH] = {};
};

ULONGLONG Ticks(const FILETIME& time)
{
    return static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

ULONGLONG UnixTicks(ULONGLONG seconds)
{
    return seconds * 10000000ULL + 116444736000000000ULL;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST(ZipArchive, FindsNamesIgnoringCaseAndSlashDirection)
{
    ZipBuilder builder;
    builder.Add("image/a.png", "png");
    builder.Add("xml/Main_Frame.xml", "<Window/>", true);
    OpenedZip zip(builder);
    ASSERT_NE(nullptr, zip.get());

    int index = -1;
    ZipEntryUI entry;
    EXPECT_EQ(ZIP_OK, ZipArchiveUI::FindItem(zip.get(), L"XML\\main_frame.xml", true, &index, &entry));
    EXPECT_EQ(1, index);
    EXPECT_EQ(1, entry.index);
    EXPECT_STREQ(L"xml/Main_Frame.xml", entry.name);
    EXPECT_EQ(9u, entry.uncompressedSize);

    EXPECT_EQ(ZIP_NOT_FOUND, ZipArchiveUI::FindItem(zip.get(), L"XML\\main_frame.xml", false, &index, &entry));
    EXPECT_EQ(-1, index);
    EXPECT_EQ(-1, entry.index);
    EXPECT_EQ(ZIP_OK, ZipArchiveUI::FindItem(zip.get(), L"xml/Main_Frame.xml", false, &index, nullptr));
    EXPECT_EQ(ZIP_OK, ZipArchiveUI::FindItem(zip.get(), L"image\\A.PNG", true, &index, nullptr));
    EXPECT_EQ(0, index);
}

TEST(ZipArchive, NamesOf256CharactersAreNeverFound)
{
    const std::string longest(255, 'n');
    ZipBuilder builder;
    builder.Add(longest, "x");
    builder.Add(longest + "n", "y");
    OpenedZip zip(builder);

    int index = -1;
    ZipEntryUI entry;
    EXPECT_EQ(ZIP_OK, ZipArchiveUI::FindItem(zip.get(), std::wstring(255, L'n').c_str(), true, &index, &entry));
    EXPECT_EQ(0, index);
    EXPECT_EQ(ZIP_NOT_FOUND, ZipArchiveUI::FindItem(zip.get(), std::wstring(256, L'n').c_str(), true, &index, &entry));
    EXPECT_EQ(-1, index);
    EXPECT_EQ(-1, entry.index);
    EXPECT_EQ(0u, entry.uncompressedSize);
    EXPECT_EQ(ZIP_NOT_FOUND, ZipArchiveUI::GetLastResult());
}

TEST(ZipArchive, MemoryExtractionDeliversInPartsThenEnds)
{
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "line " + std::to_string(i) + "\n";
    ZipBuilder builder;
    builder.Add("stored.txt", "plain bytes");
    builder.Add("packed.txt", text, true);
    OpenedZip zip(builder);

    char exact[11];
    EXPECT_EQ(ZIP_MORE_DATA, ZipArchiveUI::ExtractItem(zip.get(), 0, exact, sizeof(exact), ZIP_STREAM_MEMORY));
    EXPECT_EQ("plain bytes", std::string(exact, sizeof(exact)));
    EXPECT_EQ(ZIP_OK, ZipArchiveUI::ExtractItem(zip.get(), 0, exact, sizeof(exact), ZIP_STREAM_MEMORY));

    std::string joined;
    char part[1000];
    int result = ZIP_MORE_DATA;
    int calls = 0;
    while (result == ZIP_MORE_DATA && calls++ < 100) {
        std::memset(part, 0, sizeof(part));
        result = ZipArchiveUI::ExtractItem(zip.get(), 1, part, sizeof(part), ZIP_STREAM_MEMORY);
        if (result == ZIP_MORE_DATA)
            joined.append(part, std::min(sizeof(part), text.size() - joined.size()));
    }
    EXPECT_EQ(ZIP_OK, result);
    EXPECT_EQ(text, joined);

    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::ExtractItem(zip.get(), 2, part, sizeof(part), ZIP_STREAM_MEMORY));
    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::ExtractItem(zip.get(), -1, part, sizeof(part), ZIP_STREAM_MEMORY));
}

TEST(ZipArchive, AttributesAndTimes)
{
    ZipBuilder builder;
    builder.Add("skin/", "").externalAttributes = 0x41ED0010;  // drwxr-xr-x, DOS directory
    builder.Add("dos.txt", "d").externalAttributes = 0x00000027;  // read-only, hidden, system, archive
    ZipEntryRecipe& stamped = builder.Add("stamped.txt", "s");
    stamped.localExtra = std::string("\x99\x99\x02\x00zz", 6) +
                         ZipBuilder::TimeStampExtra(1700000000, 1700000100, 1700000200);
    ZipEntryRecipe& dated = builder.Add("dated.txt", "t");
    dated.dosDate = (44 << 9) | (3 << 5) | 9;  // 2024-03-09
    dated.dosTime = (13 << 11) | (30 << 5) | 10;
    dated.localExtra = ZipBuilder::TimeStampExtra(1700000000, 0, 0);
    OpenedZip zip(builder);

    ZipEntryUI entry;
    ASSERT_EQ(ZIP_OK, ZipArchiveUI::GetItem(zip.get(), -1, &entry));
    EXPECT_EQ(4, entry.index);
    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::GetItem(zip.get(), -2, &entry));
    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::GetItem(zip.get(), 4, &entry));

    ASSERT_EQ(ZIP_OK, ZipArchiveUI::GetItem(zip.get(), 0, &entry));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_DIRECTORY), entry.attributes);
    ASSERT_EQ(ZIP_OK, ZipArchiveUI::GetItem(zip.get(), 1, &entry));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                 FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE),
              entry.attributes);

    ASSERT_EQ(ZIP_OK, ZipArchiveUI::GetItem(zip.get(), 2, &entry));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL), entry.attributes);
    EXPECT_EQ(UnixTicks(1700000000), Ticks(entry.modificationTime));
    EXPECT_EQ(UnixTicks(1700000100), Ticks(entry.accessTime));
    EXPECT_EQ(UnixTicks(1700000200), Ticks(entry.creationTime));

    ASSERT_EQ(ZIP_OK, ZipArchiveUI::GetItem(zip.get(), 3, &entry));
    FILETIME dos;
    DosDateTimeToFileTime(dated.dosDate, dated.dosTime, &dos);
    EXPECT_EQ(UnixTicks(1700000000), Ticks(entry.modificationTime));
    EXPECT_EQ(Ticks(dos), Ticks(entry.accessTime));
    EXPECT_EQ(Ticks(dos), Ticks(entry.creationTime));
    SYSTEMTIME shown;
    FileTimeToSystemTime(&entry.creationTime, &shown);
    EXPECT_EQ(2024, shown.wYear);
    EXPECT_EQ(30, shown.wMinute);
}

TEST(ZipArchive, ExtractionToFilesStaysBelowTheBaseFolder)
{
    ScratchFolder scratch;
    const std::wstring base = scratch / L"base\\";
    CreateDirectoryW(base.c_str(), nullptr);
    ZipBuilder builder;
    builder.Add("ok/sub/", "").externalAttributes = 0x41ED0010;
    builder.Add("../escape/", "").externalAttributes = 0x41ED0010;
    builder.Add("/rooted/", "").externalAttributes = 0x41ED0010;
    builder.Add("ok/../../up/", "").externalAttributes = 0x41ED0010;
    builder.Add("data.txt", std::string(0x9000, 'z'), true).localExtra =
        ZipBuilder::TimeStampExtra(1600000000, 1600000000, 1600000000);

    InFolder inBase(base);
    OpenedZip zip(builder);
    ASSERT_NE(nullptr, zip.get());
    const wchar_t* unused = L"";
    EXPECT_EQ(ZIP_OK, ZipArchiveUI::ExtractItem(zip.get(), 0, const_cast<wchar_t*>(unused), 0, ZIP_STREAM_FILE));
    EXPECT_TRUE(Exists(base + L"ok\\sub"));
    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::ExtractItem(zip.get(), 1, const_cast<wchar_t*>(unused), 0, ZIP_STREAM_FILE));
    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::ExtractItem(zip.get(), 2, const_cast<wchar_t*>(unused), 0, ZIP_STREAM_FILE));
    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::ExtractItem(zip.get(), 3, const_cast<wchar_t*>(unused), 0, ZIP_STREAM_FILE));
    EXPECT_FALSE(Exists(scratch / L"escape"));
    EXPECT_FALSE(Exists(scratch / L"up"));

    wchar_t nested[] = L"out\\deep\\data.txt";
    EXPECT_EQ(ZIP_OK, ZipArchiveUI::ExtractItem(zip.get(), 4, nested, 0, ZIP_STREAM_FILE));
    std::string written;
    ASSERT_TRUE(ScratchFolder::ReadFile(base + nested, &written));
    EXPECT_EQ(std::string(0x9000, 'z'), written);
    HANDLE file = CreateFileW((base + nested).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    FILETIME modified = {};
    GetFileTime(file, nullptr, nullptr, &modified);
    CloseHandle(file);
    EXPECT_EQ(UnixTicks(1600000000), Ticks(modified));

    // A destination the caller leads upwards is written, but no folder is made for it.
    wchar_t upward[] = L"../made/data.txt";
    EXPECT_EQ(ZIP_OPEN_FAILED, ZipArchiveUI::ExtractItem(zip.get(), 4, upward, 0, ZIP_STREAM_FILE));
    EXPECT_FALSE(Exists(scratch / L"made"));
    wchar_t parent[] = L"../data.txt";
    EXPECT_EQ(ZIP_OK, ZipArchiveUI::ExtractItem(zip.get(), 4, parent, 0, ZIP_STREAM_FILE));
    EXPECT_TRUE(Exists(scratch / L"data.txt"));
}

TEST(ZipArchive, HandlesAndSourcesAreChecked)
{
    ZipHandleUI foreign = {0, nullptr};
    EXPECT_EQ(ZIP_NOT_AN_ARCHIVE, ZipArchiveUI::FindItem(&foreign, L"a", true, nullptr, nullptr));
    EXPECT_EQ(ZIP_NOT_AN_ARCHIVE, ZipArchiveUI::GetLastResult());
    EXPECT_EQ(ZIP_NOT_AN_ARCHIVE, ZipArchiveUI::Close(&foreign));
    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::ExtractItem(nullptr, 0, nullptr, 0, ZIP_STREAM_MEMORY));
    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::Close(nullptr));

    ScratchFolder scratch;
    EXPECT_EQ(nullptr, ZipArchiveUI::Open((scratch / L"none.zip").c_str(), 0, ZIP_STREAM_FILE));
    EXPECT_EQ(ZIP_OPEN_FAILED, ZipArchiveUI::GetLastResult());
    const char garbage[] = "this is not an archive at all";
    EXPECT_EQ(nullptr, ZipArchiveUI::Open(garbage, sizeof(garbage), ZIP_STREAM_MEMORY));
    EXPECT_EQ(nullptr, ZipArchiveUI::Open(garbage, sizeof(garbage), static_cast<ZipStreamKindUI>(7)));
    EXPECT_EQ(ZIP_BAD_ARGUMENT, ZipArchiveUI::GetLastResult());

    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, nullptr, 0));
    EXPECT_EQ(nullptr, ZipArchiveUI::Open(readEnd, 0, ZIP_STREAM_HANDLE));
    EXPECT_EQ(ZIP_NOT_A_DISK_FILE, ZipArchiveUI::GetLastResult());
    CloseHandle(readEnd);
    CloseHandle(writeEnd);

    // A disk file handle read from its current position onwards.
    ZipBuilder builder;
    builder.Add("one.txt", "1");
    const std::wstring path = scratch / L"prefixed.bin";
    ASSERT_TRUE(ScratchFolder::WriteFile(path, "PREFIX" + builder.Build()));
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFilePointer(file, 6, nullptr, FILE_BEGIN);
    HZIPUI zip = ZipArchiveUI::Open(file, 0, ZIP_STREAM_HANDLE);
    CloseHandle(file);
    ASSERT_NE(nullptr, zip);
    char byte = 0;
    EXPECT_EQ(ZIP_MORE_DATA, ZipArchiveUI::ExtractItem(zip, 0, &byte, 1, ZIP_STREAM_MEMORY));
    EXPECT_EQ('1', byte);
    EXPECT_EQ(ZIP_OK, ZipArchiveUI::Close(zip));
}
