#pragma once
// How the device binder reaches the libraries: load a module, find an export
// by name, free the module. Tests put fake modules behind it.

#include <windows.h>

#include <string>

class ModuleLoader {
public:
    virtual ~ModuleLoader() = default;
    // Null when the library cannot be loaded.
    virtual HMODULE Load(const std::wstring& fileName) = 0;
    // Null when the module does not export the name.
    virtual void* FindExport(HMODULE module, const char* name) = 0;
    virtual void Free(HMODULE module) = 0;
};

// Loads libraries from one folder by full path, never through the search
// order: a library of the same name in the current folder is not taken.
class FolderModuleLoader : public ModuleLoader {
public:
    // folder ends with a backslash.
    explicit FolderModuleLoader(std::wstring folder);

    HMODULE Load(const std::wstring& fileName) override;
    void* FindExport(HMODULE module, const char* name) override;
    void Free(HMODULE module) override;

private:
    std::wstring folder_;
};

// The folder of the running program, with a trailing backslash.
std::wstring ProgramFolder();
