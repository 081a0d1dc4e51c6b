#include "app/core/files/file_dialogs.h"

#include "ui/core/modal_loops.h"

#include <cstring>

namespace {

// Pairs of display text and pattern, ended by an empty text.
constexpr wchar_t kDefaultFilter[] = L"Bin File\0*.bin\0";
constexpr wchar_t kDefaultTitle[] = L"Please Seleted File";
// The current folder stays: bare data file names are looked up there.
constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;

// The dialog's loop counts among the thread's modal loops; none opens while
// they are ended for a closing window.
SkinUI::CUIString RunFileDialog(FileDialogKind kind, const wchar_t* filter, const wchar_t* title,
                                const wchar_t* initialFolder) {
    if (SkinUI::ModalLoopsEnded()) return SkinUI::CUIString();
    wchar_t path[kFileDialogPathLength];
    OPENFILENAMEW setup = BuildFileDialogSetup(kind, filter, title, initialFolder, path);
    const SkinUI::ModalLoopScope loop;
    const BOOL chosen = kind == FileDialogKind::Save ? GetSaveFileNameW(&setup) : GetOpenFileNameW(&setup);
    return chosen && !SkinUI::ModalLoopsEnded() ? SkinUI::CUIString(path) : SkinUI::CUIString();
}

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
    return RunFileDialog(FileDialogKind::Save, filter, title, initialFolder);
}

SkinUI::CUIString ChooseOpenFile(const wchar_t* filter, const wchar_t* title, const wchar_t* initialFolder) {
    return RunFileDialog(FileDialogKind::Open, filter, title, initialFolder);
}
