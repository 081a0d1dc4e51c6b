#include "tests/app/support/temp_folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static unsigned counter = 0;
    do {
        path_ = fs::temp_directory_path() /
                (L"vastemor_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter));
    } while (!fs::create_directory(path_));
}

// Removes what is there: a case may have removed the folder, or part of it, itself.
TempFolder::~TempFolder() {
    std::error_code ignored;
    for (fs::recursive_directory_iterator entry(path_, ignored), end; !ignored && entry != end; entry.increment(ignored))
        SetFileAttributesW(entry->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(path_, ignored);
}

void PutFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(fs::path(path), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                          static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> FileBytes(const std::wstring& path) {
    std::ifstream file(fs::path(path), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().wstring());
    return names;
}
