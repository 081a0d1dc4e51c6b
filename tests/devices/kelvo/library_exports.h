#pragma once
// Loading a built device library by full path and reading its export table.

#include <windows.h>

#include <set>
#include <string>

namespace library_exports {

// <build folder>\<folder>\<file>, from the test binary in <build folder>\tests.
inline std::wstring builtFile(const wchar_t* folder, const wchar_t* file) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result(path, length);
    result.erase(result.find_last_of(L"\\/"));
    result.erase(result.find_last_of(L"\\/") + 1);
    return result + folder + L"\\" + file;
}

struct ExportTable {
    std::string module;           // the name the table gives its module
    std::set<std::string> names;  // every exported name
};

inline ExportTable exportTable(HMODULE module) {
    const auto* base = reinterpret_cast<const uint8_t*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ExportTable table;
    if (directory.VirtualAddress == 0) return table;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    table.module = reinterpret_cast<const char*>(base + exports->Name);
    const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        table.names.insert(reinterpret_cast<const char*>(base + names[i]));
    }
    return table;
}

// Loads the library for the lifetime of the object.
class Library {
public:
    explicit Library(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {}
    ~Library() {
        if (module_) FreeLibrary(module_);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    HMODULE module() const { return module_; }
    template <class Function>
    Function* entry(const char* name) const {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

}  // namespace library_exports
