#include "app/core/files/macro_folder.h"

#include "app/core/files/file_paths.h"
#include "app/core/settings/settings_containers.h"

SkinUI::CUIString MacroFolderPath(const wchar_t* name) {
    if (MacroTempFolder.IsEmpty()) return SkinUI::CUIString();
    return MacroTempFolder + L"\\" + name;
}

SkinUI::CUIString MacroFolderPathForWrite(const wchar_t* name) {
    const SkinUI::CUIString path = MacroFolderPath(name);
    if (!path.IsEmpty()) EnsureDirectory(MacroTempFolder);
    return path;
}

SkinUI::CUIString LocateDataFile(const wchar_t* name) {
    const SkinUI::CUIString inFolder = MacroFolderPath(name);
    if (!inFolder.IsEmpty() && FileExists(inFolder)) return inFolder;
    return SkinUI::CUIString(name);
}
