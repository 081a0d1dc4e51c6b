#include "app/core/files/file_paths.h"

#include <windows.h>
#include <shlwapi.h>

#include <cwchar>
#include <string>

namespace {

constexpr size_t kMaxDirectoryPath = 259;

bool IsDirectory(const wchar_t* path) { return PathIsDirectoryW(path) != FALSE; }

}  // namespace

const wchar_t* FindLastChar(const wchar_t* text, wchar_t ch) { return text ? std::wcsrchr(text, ch) : nullptr; }

bool CreateDirectoryPath(const wchar_t* path) {
    if (!path || std::wcslen(path) > kMaxDirectoryPath) return false;
    const wchar_t* lastBackslash = FindLastChar(path, L'\\');
    if (!lastBackslash) return false;
    if (IsDirectory(path)) return true;
    const std::wstring parent(path, static_cast<size_t>(lastBackslash - path));
    CreateDirectoryPath(parent.c_str());
    CreateDirectoryW(path, nullptr);
    return IsDirectory(path);
}

bool EnsureDirectory(const wchar_t* path) {
    if (!path) return false;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(path, &found);
    if (search == INVALID_HANDLE_VALUE) return CreateDirectoryPath(path);
    FindClose(search);
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return CreateDirectoryPath(path);
    return true;
}

bool FileExists(const wchar_t* path) {
    if (!path) return false;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}
