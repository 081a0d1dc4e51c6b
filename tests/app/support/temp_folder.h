#pragma once
// Throwaway folders and files for tests of file handling.

#include <cstdint>
#include <string>
#include <vector>

// A new empty folder under the user's temporary folder, removed with all it
// holds when the object ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, without a trailing backslash.
    const std::wstring& Path() const { return path_; }
    // The folder, a backslash and the name.
    std::wstring File(const std::wstring& name) const;

private:
    std::wstring path_;
};

// Makes the folder the current folder for the object's life.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::wstring& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::wstring previous_;
};

// Plain file access for setting up and checking, independent of the code under test.
void PutFile(const std::wstring& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> FileBytes(const std::wstring& path);
// The names in a folder, without "." and "..".
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
