#pragma once
// Throwaway folders and plain file access for tests of file handling.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A new empty folder under the user's temporary folder, removed with its files at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::wstring Path() const { return path_.wstring(); }
    std::wstring File(const wchar_t* name) const { return (path_ / name).wstring(); }

private:
    std::filesystem::path path_;
};

// Makes the folder the current folder for the object's life.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::wstring& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

void PutFile(const std::wstring& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> FileBytes(const std::wstring& path);
// The names in a folder.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
