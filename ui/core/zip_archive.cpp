#include "ui/core/zip_archive.h"

#include <unzip.h>

#include <cstring>
#include <cwchar>
#include <vector>

#include "ui/core/zip_source.h"

namespace SkinUI {
namespace {

const int MAX_ENTRY_NAME = 256;  // minizip refuses longer names
const DWORD COPY_CHUNK = 0x4000;
const int CASE_SENSITIVE = 1;    // minizip's flags (0 would mean "the OS default")
const int CASE_INSENSITIVE = 2;
const WORD EXTENDED_TIMESTAMP_TAG = 0x5455;  // "UT"

int g_lastResult = ZIP_OK;

void ToAnsi(const wchar_t* text, char (&out)[MAX_PATH])
{
    std::memset(out, 0, sizeof(out));
    WideCharToMultiByte(CP_ACP, 0, text, -1, out, MAX_PATH - 1, nullptr, nullptr);
    out[MAX_PATH - 1] = '\0';
}

void FromAnsi(const char* text, wchar_t (&out)[MAX_PATH])
{
    std::memset(out, 0, sizeof(out));
    MultiByteToWideChar(CP_ACP, 0, text, -1, out, MAX_PATH - 1);
    out[MAX_PATH - 1] = L'\0';
}

void ResetEntry(ZipEntryUI* entry)
{
    if (entry) {
        std::memset(entry, 0, sizeof(*entry));
        entry->index = -1;
    }
}

DWORD AttributesOf(uLong external)
{
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    if (external & (1ul << 30) || external & 0x10)
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (external & 0x20)
        attributes |= FILE_ATTRIBUTE_ARCHIVE;
    if (external & 0x02)
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    if (!(external & (1ul << 23)) || external & 0x01)
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (external & 0x04)
        attributes |= FILE_ATTRIBUTE_SYSTEM;
    return attributes;
}

WORD ReadWord(const unsigned char* p)
{
    return static_cast<WORD>(p[0] | p[1] << 8);
}

LONG ReadLong(const unsigned char* p)
{
    return static_cast<LONG>(static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 |
                             static_cast<DWORD>(p[2]) << 16 | static_cast<DWORD>(p[3]) << 24);
}

// Applies an extended time stamp record ("UT") of a local extra field.
void ApplyExtraTimes(const std::vector<unsigned char>& extra, ZipEntryUI* entry)
{
    size_t offset = 0;
    while (extra.size() - offset >= 4) {
        const unsigned char* record = extra.data() + offset;
        const WORD tag = ReadWord(record);
        const size_t length = ReadWord(record + 2);
        if (length > extra.size() - offset - 4)
            return;
        if (tag == EXTENDED_TIMESTAMP_TAG && length >= 1) {
            const unsigned char flags = record[4];
            size_t at = 5;
            FILETIME* targets[3] = {&entry->modificationTime, &entry->accessTime,
                                    &entry->creationTime};
            for (int bit = 0; bit < 3; ++bit) {
                if (!(flags & (1 << bit)))
                    continue;
                if (at + 4 > length + 4)
                    break;
                ZipArchiveUI::UnixTimeToFileTime(ReadLong(record + at), targets[bit]);
                at += 4;
            }
        }
        offset += 4 + length;
    }
}

// A name that stays below the folder it is joined to.
bool IsContainedName(const wchar_t* name)
{
    if (name[0] == L'/' || name[0] == L'\\' || std::wcschr(name, L':'))
        return false;
    const wchar_t* segment = name;
    for (const wchar_t* p = name;; ++p) {
        if (*p == L'/' || *p == L'\\' || *p == L'\0') {
            if (p - segment == 2 && segment[0] == L'.' && segment[1] == L'.')
                return false;
            if (*p == L'\0')
                return true;
            segment = p + 1;
        }
    }
}

bool IsAbsolutePath(const wchar_t* path)
{
    return path[0] == L'/' || path[0] == L'\\' || (path[0] && path[1] == L':');
}

// A destination whose folders may be made below the base folder.
bool IsPlainRelativePath(const wchar_t* path)
{
    return !IsAbsolutePath(path) && !std::wcsstr(path, L"../") && !std::wcsstr(path, L"..\\");
}

}  // namespace

ZipArchiveUI::ZipArchiveUI()
    : m_unzip(nullptr), m_source(nullptr), m_openEntry(-1), m_currentEntry(0), m_cachedEntry()
{
    m_cachedEntry.index = -1;
}

ZipArchiveUI::~ZipArchiveUI()
{
    CloseOpenEntry();
    if (m_unzip)
        unzClose(m_unzip);
    delete m_source;
}

int ZipArchiveUI::Store(int result)
{
    g_lastResult = result;
    return result;
}

int ZipArchiveUI::GetLastResult()
{
    return g_lastResult;
}

int ZipArchiveUI::CheckHandle(HZIPUI handle)
{
    if (!handle)
        return ZIP_BAD_ARGUMENT;
    if (handle->kind != ZipHandleUI::ZIP_HANDLE_ARCHIVE || !handle->archive)
        return ZIP_NOT_AN_ARCHIVE;
    return ZIP_OK;
}

void ZipArchiveUI::UnixTimeToFileTime(LONG unixTime, FILETIME* fileTime)
{
    const LONGLONG ticksTo1970 = 116444736000000000LL;
    const ULONGLONG ticks = static_cast<ULONGLONG>(unixTime * 10000000LL + ticksTo1970);
    fileTime->dwLowDateTime = static_cast<DWORD>(ticks);
    fileTime->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
}

void ZipArchiveUI::CreatePath(const wchar_t* base, const wchar_t* relative)
{
    CUIString path(base);
    const int baseLength = path.GetLength();
    path += relative;
    path.Replace(L"/", L"\\");
    for (int at = path.FindChar(L'\\', baseLength); at >= 0; at = path.FindChar(L'\\', at + 1))
        CreateDirectoryW(path.Left(at), nullptr);
    if (path.GetLength() > baseLength && path.GetAt(path.GetLength() - 1) != L'\\')
        CreateDirectoryW(path, nullptr);
}

HZIPUI ZipArchiveUI::Open(const void* source, DWORD length, ZipStreamKindUI kind)
{
    ZipArchiveUI* archive = new ZipArchiveUI;
    if (Store(archive->OpenArchive(source, length, kind)) != ZIP_OK) {
        delete archive;
        return nullptr;
    }
    return new ZipHandleUI{ZipHandleUI::ZIP_HANDLE_ARCHIVE, archive};
}

int ZipArchiveUI::OpenArchive(const void* source, DWORD length, ZipStreamKindUI kind)
{
    if (m_unzip)
        return ZIP_ALREADY_OPEN;
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    m_baseFolder = folder;
    if (m_baseFolder.IsEmpty() || m_baseFolder.GetAt(m_baseFolder.GetLength() - 1) != L'\\')
        m_baseFolder += L'\\';

    switch (kind) {
    case ZIP_STREAM_HANDLE: {
        HANDLE file = const_cast<HANDLE>(source);
        if (GetFileType(file) != FILE_TYPE_DISK)
            return ZIP_NOT_A_DISK_FILE;
        HANDLE copy = nullptr;
        if (!DuplicateHandle(GetCurrentProcess(), file, GetCurrentProcess(), &copy, 0, FALSE,
                             DUPLICATE_SAME_ACCESS))
            return ZIP_DUPLICATE_FAILED;
        m_source = ZipSourceUI::FromFile(copy);
        break;
    }
    case ZIP_STREAM_FILE: {
        if (!source)
            return ZIP_BAD_ARGUMENT;
        HANDLE file = CreateFileW(static_cast<const wchar_t*>(source), GENERIC_READ,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return ZIP_OPEN_FAILED;
        m_source = ZipSourceUI::FromFile(file);
        break;
    }
    case ZIP_STREAM_MEMORY:
        if (!source)
            return ZIP_BAD_ARGUMENT;
        m_source = ZipSourceUI::FromMemory(source, length);
        break;
    default:
        return ZIP_BAD_ARGUMENT;
    }
    zlib_filefunc_def functions = m_source->FileFunctions();
    m_unzip = unzOpen2(nullptr, &functions);
    if (!m_unzip)
        return ZIP_UNREADABLE_ARCHIVE;
    m_currentEntry = 0;
    return ZIP_OK;
}

int ZipArchiveUI::EntryCount() const
{
    unz_global_info info = {};
    if (unzGetGlobalInfo(m_unzip, &info) != UNZ_OK)
        return 0;
    return static_cast<int>(info.number_entry);
}

void ZipArchiveUI::CloseOpenEntry()
{
    if (m_openEntry >= 0) {
        unzCloseCurrentFile(m_unzip);
        m_openEntry = -1;
    }
}

int ZipArchiveUI::MoveTo(int index)
{
    if (index < m_currentEntry) {
        if (unzGoToFirstFile(m_unzip) != UNZ_OK)
            return ZIP_LOCAL_HEADER_FAILED;
        m_currentEntry = 0;
    }
    while (m_currentEntry < index) {
        if (unzGoToNextFile(m_unzip) != UNZ_OK)
            return ZIP_LOCAL_HEADER_FAILED;
        ++m_currentEntry;
    }
    return ZIP_OK;
}

int ZipArchiveUI::FindItem(HZIPUI handle, const wchar_t* name, bool ignoreCase, int* index,
                           ZipEntryUI* entry)
{
    const int check = CheckHandle(handle);
    if (check != ZIP_OK)
        return Store(check);
    return Store(handle->archive->Find(name, ignoreCase, index, entry));
}

int ZipArchiveUI::Find(const wchar_t* name, bool ignoreCase, int* index, ZipEntryUI* entry)
{
    if (index)
        *index = -1;
    ResetEntry(entry);
    if (!name || std::wcslen(name) >= static_cast<size_t>(MAX_ENTRY_NAME))
        return ZIP_NOT_FOUND;
    char ansi[MAX_PATH];
    ToAnsi(name, ansi);
    for (char* p = ansi; *p; ++p) {
        if (*p == '\\')
            *p = '/';
    }
    if (unzLocateFile(m_unzip, ansi, ignoreCase ? CASE_INSENSITIVE : CASE_SENSITIVE) != UNZ_OK)
        return ZIP_NOT_FOUND;
    CloseOpenEntry();
    unz_file_pos position = {};
    unzGetFilePos(m_unzip, &position);
    m_currentEntry = static_cast<int>(position.num_of_file);
    if (index)
        *index = m_currentEntry;
    return entry ? Describe(m_currentEntry, entry) : ZIP_OK;
}

int ZipArchiveUI::GetItem(HZIPUI handle, int index, ZipEntryUI* entry)
{
    const int check = CheckHandle(handle);
    if (check != ZIP_OK)
        return Store(check);
    if (!entry)
        return Store(ZIP_BAD_ARGUMENT);
    return Store(handle->archive->Describe(index, entry));
}

int ZipArchiveUI::Describe(int index, ZipEntryUI* entry)
{
    const int count = EntryCount();
    if (index < -1 || index >= count)
        return ZIP_BAD_ARGUMENT;
    CloseOpenEntry();
    if (index == -1) {
        ResetEntry(entry);
        entry->index = count;
        return ZIP_OK;
    }
    if (index == m_cachedEntry.index) {
        *entry = m_cachedEntry;
        return ZIP_OK;
    }
    if (MoveTo(index) != ZIP_OK)
        return ZIP_LOCAL_HEADER_FAILED;

    unz_file_info info = {};
    char name[MAX_PATH] = {};
    if (unzGetCurrentFileInfo(m_unzip, &info, name, MAX_PATH - 1, nullptr, 0, nullptr, 0) != UNZ_OK)
        return ZIP_LOCAL_HEADER_FAILED;
    if (unzOpenCurrentFile(m_unzip) != UNZ_OK)
        return ZIP_LOCAL_HEADER_FAILED;
    std::vector<unsigned char> extra;
    const int extraSize = unzGetLocalExtrafield(m_unzip, nullptr, 0);
    bool extraRead = extraSize >= 0;
    if (extraSize > 0) {
        extra.resize(static_cast<size_t>(extraSize));
        extraRead = unzGetLocalExtrafield(m_unzip, extra.data(), static_cast<unsigned>(extraSize)) ==
                    extraSize;
    }
    unzCloseCurrentFile(m_unzip);
    if (!extraRead)
        return ZIP_EXTRA_FIELD_FAILED;

    ZipEntryUI described = {};
    described.index = index;
    FromAnsi(name, described.name);
    described.attributes = AttributesOf(info.external_fa);
    FILETIME dosTime = {};
    DosDateTimeToFileTime(HIWORD(info.dosDate), LOWORD(info.dosDate), &dosTime);
    described.accessTime = dosTime;
    described.creationTime = dosTime;
    described.modificationTime = dosTime;
    ApplyExtraTimes(extra, &described);
    described.compressedSize = info.compressed_size;
    described.uncompressedSize = info.uncompressed_size;

    m_cachedEntry = described;
    *entry = described;
    return ZIP_OK;
}

int ZipArchiveUI::ExtractItem(HZIPUI handle, int index, void* destination, DWORD length,
                              ZipStreamKindUI kind)
{
    const int check = CheckHandle(handle);
    if (check != ZIP_OK)
        return Store(check);
    switch (kind) {
    case ZIP_STREAM_MEMORY:
        return Store(handle->archive->ExtractToMemory(index, destination, length));
    case ZIP_STREAM_HANDLE:
    case ZIP_STREAM_FILE:
        return Store(handle->archive->ExtractToFile(index, destination, kind));
    default:
        return Store(ZIP_BAD_ARGUMENT);
    }
}

int ZipArchiveUI::ExtractToMemory(int index, void* buffer, DWORD length)
{
    if (!buffer && length > 0)
        return ZIP_BAD_ARGUMENT;
    if (index < 0 || index != m_openEntry) {
        CloseOpenEntry();
        if (index < 0 || index >= EntryCount())
            return ZIP_BAD_ARGUMENT;
        if (MoveTo(index) != ZIP_OK || unzOpenCurrentFile(m_unzip) != UNZ_OK)
            return ZIP_LOCAL_HEADER_FAILED;
        m_openEntry = index;
    }
    const int read = length > 0 ? unzReadCurrentFile(m_unzip, buffer, length) : 0;
    if (read > 0)
        return ZIP_MORE_DATA;
    m_openEntry = -1;
    const int closed = unzCloseCurrentFile(m_unzip);
    return read == 0 && closed == UNZ_OK ? ZIP_OK : ZIP_READ_FAILED;
}

int ZipArchiveUI::ExtractToFile(int index, void* destination, ZipStreamKindUI kind)
{
    CloseOpenEntry();
    if (index < 0 || index >= EntryCount() || !destination)
        return ZIP_BAD_ARGUMENT;
    ZipEntryUI entry;
    const int described = Describe(index, &entry);
    if (described != ZIP_OK)
        return described;

    if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (kind == ZIP_STREAM_FILE) {
            if (!IsContainedName(entry.name))
                return ZIP_BAD_ARGUMENT;
            CreatePath(m_baseFolder, entry.name);
        }
        return ZIP_OK;
    }

    HANDLE file = static_cast<HANDLE>(destination);
    if (kind == ZIP_STREAM_FILE) {
        const CUIString path(static_cast<const wchar_t*>(destination));
        CUIString target(path);
        if (!IsAbsolutePath(path))
            target = m_baseFolder + path;
        if (IsPlainRelativePath(path)) {
            const int slash = path.ReverseFindChar(L'/');
            const int backslash = path.ReverseFindChar(L'\\');
            const int folderEnd = slash > backslash ? slash : backslash;
            if (folderEnd > 0)
                CreatePath(m_baseFolder, path.Left(folderEnd));
        }
        file = CreateFileW(target, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, entry.attributes,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return ZIP_OPEN_FAILED;
    }
    int result = MoveTo(index) == ZIP_OK && unzOpenCurrentFile(m_unzip) == UNZ_OK
                     ? CopyOpenEntry(file)
                     : ZIP_LOCAL_HEADER_FAILED;
    if (result == ZIP_OK && GetFileType(file) == FILE_TYPE_DISK)
        SetFileTime(file, &entry.creationTime, &entry.accessTime, &entry.modificationTime);
    if (kind == ZIP_STREAM_FILE)
        CloseHandle(file);
    return result;
}

int ZipArchiveUI::CopyOpenEntry(HANDLE file)
{
    std::vector<unsigned char> chunk(COPY_CHUNK);
    int result = ZIP_OK;
    for (;;) {
        const int read = unzReadCurrentFile(m_unzip, chunk.data(), COPY_CHUNK);
        if (read < 0) {
            result = ZIP_WRITE_FAILED;
            break;
        }
        if (read == 0)
            break;
        DWORD written = 0;
        if (!WriteFile(file, chunk.data(), static_cast<DWORD>(read), &written, nullptr) ||
            written != static_cast<DWORD>(read)) {
            result = ZIP_WRITE_FAILED;
            break;
        }
    }
    if (unzCloseCurrentFile(m_unzip) != UNZ_OK && result == ZIP_OK)
        result = ZIP_WRITE_FAILED;
    return result;
}

int ZipArchiveUI::Close(HZIPUI handle)
{
    const int check = CheckHandle(handle);
    if (check != ZIP_OK)
        return Store(check);
    delete handle->archive;
    delete handle;
    return Store(ZIP_OK);
}

}  // namespace SkinUI
