#include "app/core/binder/module_loader.h"

#include <utility>
#include <vector>

FolderModuleLoader::FolderModuleLoader(std::wstring folder) : folder_(std::move(folder)) {}

HMODULE FolderModuleLoader::Load(const std::wstring& fileName) {
    if (folder_.empty()) return nullptr;
    const std::wstring path = folder_ + fileName;
    // The library's own dependencies are looked up beside it as well.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void* FolderModuleLoader::FindExport(HMODULE module, const char* name) {
    return module ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

void FolderModuleLoader::Free(HMODULE module) {
    if (module) FreeLibrary(module);
}

std::wstring ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return L"";
        if (length < path.size()) {
            std::wstring folder(path.data(), length);
            const size_t slash = folder.find_last_of(L"\\/");
            return slash == std::wstring::npos ? L"" : folder.substr(0, slash + 1);
        }
        path.resize(path.size() * 2);
    }
}
