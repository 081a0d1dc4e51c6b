#pragma once
// The save and open dialogs of the configuration export and import.

#include "ui/core/ui_string.h"

#include <windows.h>
#include <commdlg.h>

enum class FileDialogKind { Save, Open };

constexpr DWORD kFileDialogPathLength = 260;

// The dialog's setup: a null filter means "Bin File" (*.bin), a null title
// "Please Seleted File", a null folder none. pathBuffer holds
// kFileDialogPathLength characters and is zeroed here.
OPENFILENAMEW BuildFileDialogSetup(FileDialogKind kind, const wchar_t* filter, const wchar_t* title,
                                   const wchar_t* initialFolder, wchar_t* pathBuffer);

// The chosen path, empty when the dialog was cancelled or failed.
SkinUI::CUIString ChooseSaveFile(const wchar_t* filter = nullptr, const wchar_t* title = nullptr,
                                 const wchar_t* initialFolder = nullptr);
SkinUI::CUIString ChooseOpenFile(const wchar_t* filter = nullptr, const wchar_t* title = nullptr,
                                 const wchar_t* initialFolder = nullptr);
