#include "app/macro/files/macro_files.h"

#include "app/core/files/binary_files.h"
#include "app/core/files/config_file_store.h"
#include "app/core/files/macro_folder.h"
#include "app/core/settings/constants.h"

#include <vector>

namespace {

bool WriteFamilyFile(MacroFileFamily family, const wchar_t* path) {
    const std::vector<uint8_t> bytes = EncodeMacroFile(family, MacroListOf(family));
    return WriteBinaryFile(path, bytes.data(), bytes.size());
}

}  // namespace

const SkinUI::CUIString& MacroFileNameOf(MacroFileFamily family) {
    switch (family) {
        case MacroFileFamily::Wenk:
            return MacroFileWenk;
        case MacroFileFamily::Kelvo:
            return MacroFileKelvo;
        case MacroFileFamily::KelvoDriver:
            return MacroFileKelvoDriver;
        case MacroFileFamily::Dolv:
            return MacroFileDolv;
        case MacroFileFamily::Mesk:
            return MacroFileMesk;
        case MacroFileFamily::Qiro:
            break;
    }
    return MacroFileQiro;
}

MacroList& MacroListOf(MacroFileFamily family) {
    switch (family) {
        case MacroFileFamily::Wenk:
            return WenkMacroList;
        case MacroFileFamily::Kelvo:
            return KelvoMacroList;
        case MacroFileFamily::KelvoDriver:
            return KelvoDriverMacroList;
        case MacroFileFamily::Dolv:
            return DolvMacroList;
        case MacroFileFamily::Mesk:
            return MeskMacroList;
        case MacroFileFamily::Qiro:
            break;
    }
    return QiroMacroList;
}

bool SaveMacroFile(MacroFileFamily family) {
    return WriteFamilyFile(family, MacroFolderPathForWrite(MacroFileNameOf(family)));
}

bool ExportMacroFile(MacroFileFamily family, const wchar_t* path) { return WriteFamilyFile(family, path); }

void ImportMacroFile(ConfigFileStore& store, MacroFileFamily family, const wchar_t* path) {
    switch (family) {
        case MacroFileFamily::Wenk:
            store.LoadMacroFileWenk(path);
            return;
        case MacroFileFamily::Kelvo:
            store.LoadMacroFileKelvo(path);
            return;
        case MacroFileFamily::KelvoDriver:
            store.LoadMacroFileKelvoDriver(path);
            return;
        case MacroFileFamily::Dolv:
            store.LoadMacroFileDolv(path);
            return;
        case MacroFileFamily::Mesk:
            store.LoadMacroFileMesk(path);
            return;
        case MacroFileFamily::Qiro:
            store.LoadMacroFileQiro(path);
            return;
    }
}
