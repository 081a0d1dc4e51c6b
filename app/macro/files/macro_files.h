#pragma once
// The macro files of every family: the managers rewrite their family's file
// in the macro folder after every change, export the same format to a path
// of the user's choice and import such a file. A write goes to a temporary
// file beside the target first, so a failed write leaves the old file whole.

#include "app/core/files/macro_file_format.h"
#include "app/core/settings/settings_containers.h"
#include "ui/core/ui_string.h"

class ConfigFileStore;

// "MacroKeyBoardData_Kelvo.bin", "MacroMouseKelvoData.bin", ... : the
// family's file in the macro folder.
const SkinUI::CUIString& MacroFileNameOf(MacroFileFamily family);

// The family's macro list: WenkMacroList, KelvoMacroList, ...
MacroList& MacroListOf(MacroFileFamily family);

// Writes every macro of the family's list, in order, to its file in the
// macro folder, which is made again when it is missing. False when the file
// was not written (no macro folder set, folder that cannot be made or takes
// no file, file read-only); the old file is then kept.
bool SaveMacroFile(MacroFileFamily family);

// The same file format at any path.
bool ExportMacroFile(MacroFileFamily family, const wchar_t* path);

// Loads the file at the path through the store's loader of the family: the
// mouse families' lists are replaced, the keyboard's list is appended to; a
// file that cannot be read changes nothing.
void ImportMacroFile(ConfigFileStore& store, MacroFileFamily family, const wchar_t* path);
