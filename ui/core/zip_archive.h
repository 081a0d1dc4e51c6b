#pragma once

#include <windows.h>

#include "ui/core/ui_string.h"

namespace SkinUI {

class ZipArchiveUI;
class ZipSourceUI;

// Result codes of the archive operations.
enum : int {
    ZIP_OK = 0,
    ZIP_DUPLICATE_FAILED = 0x100,
    ZIP_OPEN_FAILED = 0x200,
    ZIP_WRITE_FAILED = 0x400,
    ZIP_NOT_FOUND = 0x500,
    ZIP_MORE_DATA = 0x600,
    ZIP_LOCAL_HEADER_FAILED = 0x700,
    ZIP_EXTRA_FIELD_FAILED = 0x800,
    ZIP_BAD_ARGUMENT = 0x10000,
    ZIP_NOT_AN_ARCHIVE = 0x80000,
    ZIP_ALREADY_OPEN = 0x1000000,
    ZIP_NOT_A_DISK_FILE = 0x2000000,
    ZIP_READ_FAILED = 0x5000000,
    ZIP_UNREADABLE_ARCHIVE = -103,  // minizip's own code for a bad central directory
};

// What Open reads and where ExtractItem writes.
enum ZipStreamKindUI {
    ZIP_STREAM_HANDLE = 1,  // a file handle (a disk file)
    ZIP_STREAM_FILE = 2,    // a file name
    ZIP_STREAM_MEMORY = 3,  // a block of memory of the given length
};

// An archive handle; operations refuse any kind but ZIP_HANDLE_ARCHIVE.
struct ZipHandleUI {
    enum { ZIP_HANDLE_ARCHIVE = 1 };
    int kind;
    ZipArchiveUI* archive;
};
typedef ZipHandleUI* HZIPUI;

// One entry of an archive; index -1 when there is none.
struct ZipEntryUI {
    int index;
    wchar_t name[MAX_PATH];
    DWORD attributes;  // FILE_ATTRIBUTE_* bits
    FILETIME accessTime;
    FILETIME creationTime;
    FILETIME modificationTime;
    DWORD compressedSize;
    DWORD uncompressedSize;
};

// Skin archives over minizip. Every operation stores its result as the
// process-wide last result.
class ZipArchiveUI {
public:
    // Null on failure. A memory block is not copied: keep it until Close.
    static HZIPUI Open(const void* source, DWORD length, ZipStreamKindUI kind);
    // Finds the first entry of that name ('\' matches '/'); names of 256
    // characters or more are never found.
    static int FindItem(HZIPUI handle, const wchar_t* name, bool ignoreCase, int* index,
                        ZipEntryUI* entry);
    // Describes an entry; index -1 describes the archive (index = entry count).
    static int GetItem(HZIPUI handle, int index, ZipEntryUI* entry);
    // To memory: ZIP_MORE_DATA while bytes come (call again to go on), then
    // ZIP_OK. Directory entries with absolute names or ".." are refused.
    static int ExtractItem(HZIPUI handle, int index, void* destination, DWORD length,
                           ZipStreamKindUI kind);
    static int Close(HZIPUI handle);
    static int GetLastResult();

    static void UnixTimeToFileTime(LONG unixTime, FILETIME* fileTime);
    // Creates every missing folder of `relative` (a folder path) below `base`.
    static void CreatePath(const wchar_t* base, const wchar_t* relative);

private:
    ZipArchiveUI();
    ~ZipArchiveUI();
    ZipArchiveUI(const ZipArchiveUI&) = delete;
    ZipArchiveUI& operator=(const ZipArchiveUI&) = delete;

    static int CheckHandle(HZIPUI handle);
    static int Store(int result);

    int OpenArchive(const void* source, DWORD length, ZipStreamKindUI kind);
    int Find(const wchar_t* name, bool ignoreCase, int* index, ZipEntryUI* entry);
    int Describe(int index, ZipEntryUI* entry);
    int MoveTo(int index);
    int EntryCount() const;
    void CloseOpenEntry();
    int ExtractToMemory(int index, void* buffer, DWORD length);
    int ExtractToFile(int index, void* destination, ZipStreamKindUI kind);
    int CopyOpenEntry(HANDLE file);

    void* m_unzip;
    ZipSourceUI* m_source;
    int m_openEntry;
    int m_currentEntry;
    ZipEntryUI m_cachedEntry;
    CUIString m_baseFolder;
};

}  // namespace SkinUI
