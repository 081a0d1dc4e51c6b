#pragma once
// Where the built device libraries are, seen from the test binary's folder.

#include <windows.h>

#include <string>

namespace nolx_test {

inline std::wstring BuildFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/"));        // tests
    folder.erase(folder.find_last_of(L"\\/") + 1);    // the build folder
    return folder;
}

// variant: L"bin" (delivered) or L"bin-sim" (over HidSim.dll).
inline std::wstring LibraryPath(const wchar_t* variant, const std::wstring& chip) {
    return BuildFolder() + variant + L"\\KorvaneIT_" + chip + L".dll";
}

}  // namespace nolx_test
