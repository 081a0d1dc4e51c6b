#pragma once
// Paths in the macro folder (MacroTempFolder).

#include "ui/core/ui_string.h"

// MacroTempFolder, a backslash and the name; empty while no folder is set.
SkinUI::CUIString MacroFolderPath(const wchar_t* name);

// MacroFolderPath for a file about to be written: the folder is made again
// when it is gone (a cleaner of the temporary folder may remove it while the
// program runs).
SkinUI::CUIString MacroFolderPathForWrite(const wchar_t* name);

// The file a loader reads for a name: the macro folder's file of that name
// when it exists, else the name itself.
SkinUI::CUIString LocateDataFile(const wchar_t* name);
