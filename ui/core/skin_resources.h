#pragma once

#include <windows.h>

#include "ui/core/ui_string.h"
#include "ui/core/zip_archive.h"

namespace SkinUI {

// Where the process reads its skin from: the module instance, the skin
// folder and, optionally, a skin archive inside it (kept open while the
// keep-open flag is set). The window manager's operations of the same names
// forward here.
class SkinResourcesUI {
public:
    static const wchar_t* const MEMORY_ZIP_NAME;  // "membuffer"

    static void SetInstance(HINSTANCE instance);
    static HINSTANCE GetInstance();
    // The instance's folder with its trailing backslash; empty without one.
    static CUIString GetInstanceFolder();
    static HINSTANCE GetResourceModule();

    // Stored with a trailing backslash unless empty.
    static void SetResourceFolder(const wchar_t* folder);
    static const CUIString& GetResourceFolder();

    // A name relative to the resource folder; with keepOpen the archive is
    // opened at once and kept.
    static void SetResourceZip(const wchar_t* zipName, bool keepOpen);
    // The block must outlive its use; it is not copied.
    static void SetResourceZipFromMemory(const void* data, DWORD size);
    static const CUIString& GetResourceZipName();
    static bool IsResourceZipKeptOpen();
    static HZIPUI GetResourceZipHandle();
    static void CloseResourceZip();
};

}  // namespace SkinUI
