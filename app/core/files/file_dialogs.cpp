#include "app/core/files/file_dialogs.h"

#include <cstring>

namespace {

// Pairs of display text and pattern, ended by an empty text.
constexpr wchar_t kDefaultFilter[] = L"Bin File\0*.bin\0";
constexpr wchar_t kDefaultTitle[] = L"Please Seleted File";
// The current folder stays: bare data file names are looked up there.
constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;

}  // namespace

OPENFILENAMEW BuildFileDialogSetup(FileDialogKind kind, const wchar_t* filter, const wchar_t* title,
                                   const wchar_t* initialFolder, wchar_t* pathBuffer) {
    std::memset(pathBuffer, 0, kFileDialogPathLength * sizeof(wchar_t));
    OPENFILENAMEW setup = {};
    setup.lStructSize = sizeof(setup);
    setup.hwndOwner = nullptr;
    setup.lpstrFilter = filter ? filter : kDefaultFilter;
    setup.nFilterIndex = 1;
    setup.lpstrFile = pathBuffer;
    setup.nMaxFile = kFileDialogPathLength;
    setup.lpstrTitle = title ? title : kDefaultTitle;
    setup.lpstrInitialDir = initialFolder;
    const bool save = kind == FileDialogKind::Save;
    setup.Flags = save ? kSaveFlags : kOpenFlags;
    setup.lpstrDefExt = save ? L"bin" : nullptr;
    return setup;
}

SkinUI::CUIString ChooseSaveFile(const wchar_t* filter, const wchar_t* title, const wchar_t* initialFolder) {
    wchar_t path[kFileDialogPathLength];
    OPENFILENAMEW setup = BuildFileDialogSetup(FileDialogKind::Save, filter, title, initialFolder, path);
    return GetSaveFileNameW(&setup) ? SkinUI::CUIString(path) : SkinUI::CUIString();
}

SkinUI::CUIString ChooseOpenFile(const wchar_t* filter, const wchar_t* title, const wchar_t* initialFolder) {
    wchar_t path[kFileDialogPathLength];
    OPENFILENAMEW setup = BuildFileDialogSetup(FileDialogKind::Open, filter, title, initialFolder, path);
    return GetOpenFileNameW(&setup) ? SkinUI::CUIString(path) : SkinUI::CUIString();
}
