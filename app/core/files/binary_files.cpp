#include "app/core/files/binary_files.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <share.h>
#include <string>

namespace {

// A windowed program shows nothing here; a console run sees the failure.
void ReportFileFailure(const char* what, const wchar_t* path) {
    std::fprintf(stdout, "%s \"%ls\" failed\n", what, path ? path : L"");
}

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

// The folder part of the path with its backslash, "" for a bare name.
std::wstring FolderOf(const wchar_t* path) {
    const wchar_t* backslash = std::wcsrchr(path, L'\\');
    const wchar_t* slash = std::wcsrchr(path, L'/');
    const wchar_t* last = backslash > slash ? backslash : slash;
    return last ? std::wstring(path, static_cast<size_t>(last - path) + 1) : std::wstring();
}

bool WriteWholeFile(const wchar_t* path, const uint8_t* data, size_t byteCount) {
    FILE* file = _wfsopen(path, L"wb", _SH_DENYNO);
    if (!file) return false;
    bool written = byteCount == 0 || std::fwrite(data, 1, byteCount, file) == byteCount;
    written = std::fflush(file) == 0 && written;
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool ReadBinaryFile(const wchar_t* path, uint8_t* buffer, size_t bufferSize, size_t* byteCount) {
    *byteCount = 0;
    FILE* opened = path ? _wfsopen(path, L"rb", _SH_DENYNO) : nullptr;
    if (!opened) {
        // A file not there yet (a first start's macro files) is no failure to report.
        if (errno != ENOENT) ReportFileFailure("reading", path);
        return false;
    }
    std::unique_ptr<FILE, FileCloser> file(opened);
    std::memset(buffer, 0, bufferSize);
    if (_fseeki64(opened, 0, SEEK_END) != 0) return false;
    const long long fileSize = _ftelli64(opened);
    if (fileSize < 0 || _fseeki64(opened, 0, SEEK_SET) != 0) return false;
    const size_t wanted = static_cast<unsigned long long>(fileSize) < bufferSize ? static_cast<size_t>(fileSize)
                                                                                 : bufferSize;
    const size_t read = std::fread(buffer, 1, wanted, opened);
    if (read != wanted && std::ferror(opened)) return false;
    *byteCount = read;
    return true;
}

bool WriteBinaryFile(const wchar_t* path, const uint8_t* data, size_t byteCount) {
    if (!path || !*path) {
        ReportFileFailure("writing", path);
        return false;
    }
    // A read-only file stays as it is, as an open for writing would leave it.
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        ReportFileFailure("writing", path);
        return false;
    }
    const std::wstring folder = FolderOf(path);
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"vst", 0, temporary)) {
        ReportFileFailure("writing", path);
        return false;
    }
    if (!WriteWholeFile(temporary, data, byteCount) ||
        !MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary);
        ReportFileFailure("writing", path);
        return false;
    }
    return true;
}
