#include "tests/ui/support/scratch_dir.h"

#include <windows.h>

namespace SkinUI {
namespace test {

namespace {

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(folder + name + L"\\");
            else DeleteFileW((folder + name).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchDir::ScratchDir(const wchar_t* name)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    m_path = std::wstring(temp) + name + L"_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    RemoveTree(m_path);
    CreateDirectoryW(m_path.c_str(), nullptr);
}

ScratchDir::~ScratchDir() { RemoveTree(m_path); }

void ScratchDir::MakeFolder(const wchar_t* relative) const { CreateDirectoryW((m_path + relative).c_str(), nullptr); }

}  // namespace test
}  // namespace SkinUI
