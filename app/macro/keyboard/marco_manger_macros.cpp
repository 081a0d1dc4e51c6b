// The keyboard macro window's macro list: new, rename, delete, export,
// import, and the keyboard macro file rewritten after every change. The
// list is shared with the keyboard page's write, so every change holds the
// keyboard library's lock.
#include "app/core/binder/device_binder.h"
#include "app/core/files/config_file_store.h"
#include "app/core/keys/wenk_key_texts.h"
#include "app/core/settings/settings_containers.h"
#include "app/macro/editors/marco_edit.h"
#include "app/macro/files/macro_files.h"
#include "app/macro/keyboard/marco_manger.h"
#include "app/macro/list/marco_list.h"
#include "ui/controls/list.h"
#include "ui/controls/list_label_element.h"

using SkinUI::CUIString;

namespace {

// The code units of a name the macro file and the keyboard keep.
constexpr int kNameLength = 16;

DeviceLibraryBinder::Guard LockWenk() { return DeviceLibraryBinder::Instance().LockLibrary(DeviceLibrary::Wenk); }

void AddNameRow(SkinUI::CListUI& names, const CUIString& name) {
    auto* row = new SkinUI::CListLabelElementUI;
    row->SetText(name);
    names.AddItem(row);
}

}  // namespace

int MarcoManger::SelectedMacro() {
    SkinUI::CListUI* names = NameList();
    const int index = names ? names->GetCurSel() : -1;
    const DeviceLibraryBinder::Guard guard = LockWenk();
    return index >= 0 && static_cast<size_t>(index) < WenkMacroList.size() ? index : -1;
}

void MarcoManger::FillMacroNames() {
    SkinUI::CListUI* names = NameList();
    if (!names) return;
    names->RemoveAllItems();
    const DeviceLibraryBinder::Guard guard = LockWenk();
    for (const MacroRef& macro : WenkMacroList) AddNameRow(*names, macro ? macro->name : CUIString());
}

// The box is shown once the lock is released.
void MarcoManger::WriteMacroFile() {
    bool saved = false;
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        saved = SaveMacroFile(MacroFileFamily::Wenk);
    }
    m_saveNotice.Report(saved, this);
}

void MarcoManger::AddMacro(const CUIString& name) {
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name.Left(kNameLength);
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        WenkMacroList.push_back(macro);
    }
    if (SkinUI::CListUI* names = NameList()) AddNameRow(*names, macro->name);
    WriteMacroFile();
}

void MarcoManger::RenameSelectedMacro(const CUIString& name) {
    const int index = SelectedMacro();
    if (index < 0) return;
    const CUIString kept = name.Left(kNameLength);
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        const MacroRef& macro = WenkMacroList[static_cast<size_t>(index)];
        macro->name = kept;
        NameMacroKeys(macro);
    }
    NameList()->GetItemAt(index)->SetText(kept);
    WriteMacroFile();
}

void MarcoManger::DeleteSelectedMacro() {
    const int index = SelectedMacro();
    if (index < 0) return;
    NameList()->RemoveItemAt(index);
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        WenkMacroList.erase(WenkMacroList.begin() + index);
    }
    if (MarcoListUI* steps = StepList()) steps->RemoveAllItems();
    WriteMacroFile();
}

void MarcoManger::NewMacro() {
    CUIString name;
    if ((new MarcoEdit(this, kEditNewName))->RunForText(name)) AddMacro(name);
}

void MarcoManger::RenameMacro() {
    CUIString name;
    if (SelectedMacro() >= 0 && (new MarcoEdit(this, kEditRename))->RunForText(name)) RenameSelectedMacro(name);
}

void MarcoManger::DeleteMacro() {
    CUIString unused;
    if (SelectedMacro() >= 0 && (new MarcoEdit(this, kEditConfirm))->RunForText(unused)) DeleteSelectedMacro();
}

void MarcoManger::ExportMacros() {
    const CUIString path = m_files ? m_files->ChooseSaveFile() : CUIString();
    if (path.IsEmpty()) return;
    bool exported = false;
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        exported = ExportMacroFile(MacroFileFamily::Wenk, path);
    }
    ReportMacroExport(exported, this);
}

// The file's macros follow the ones kept; the macro file keeps them at once.
void MarcoManger::ImportMacros() {
    const CUIString path = m_files ? m_files->ChooseOpenFile() : CUIString();
    if (path.IsEmpty()) return;
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        ImportMacroFile(ConfigFileStore::Instance(&m_manager), MacroFileFamily::Wenk, path);
    }
    FillMacroNames();
    if (MarcoListUI* steps = StepList()) steps->RemoveAllItems();
    WriteMacroFile();
}
