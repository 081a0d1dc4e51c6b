// The page's dialogs and the editors it embeds, on the user-interface thread.
#include "app/main/pages/nolx/nolx_mouse_page.h"

#include "app/dialogs/fire/fire_key_edit.h"
#include "app/dialogs/keyedit/key_edit_dialog.h"
#include "app/macro/managers/mouse_macro_manager.h"

#include <algorithm>
#include <cwchar>

using SkinUI::CControlUI;
using SkinUI::CUIString;

CControlUI* NolxMousePage::CreateControl(const wchar_t* tag) {
    if (!tag) return nullptr;
    if (_wcsicmp(tag, traits_.macroManagerTag) == 0) {
        macroManager_ = traits_.makeMacroManager(services_);
        return macroManager_;
    }
    if (_wcsicmp(tag, traits_.fireKeyEditorTag) == 0) {
        fireKeyEditor_ = traits_.makeFireKeyEditor(services_);
        return fireKeyEditor_;
    }
    return nullptr;
}

bool NolxMousePage::RecordingMacro() const { return macroManager_ && macroManager_->IsRecording(); }

int NolxMousePage::ButtonNumberOf(const CUIString& name) const {
    const DeviceLibraryBinder::Guard guard = Lock();
    const int count = static_cast<int>(traits_.keyTables.front()->size());
    for (int n = 1; n <= count; ++n) {
        if (SameName(name, traits_.ButtonName(n))) return n;
    }
    return 0;
}

// The lock is taken around the records only: a read on a worker may replace
// the tables, and the change poll may show another profile, while the dialog
// is open. The entry is looked up again after it in the set it was opened
// for; that set is written, and its button shows the text while it is shown.
void NolxMousePage::AssignButton(int number, const CUIString& buttonName) {
    int set = 0;
    KeyEditDialog* dialog = nullptr;
    {
        const DeviceLibraryBinder::Guard guard = Lock();
        set = traits_.ActiveSet();
        MacroKeyEntry* entry = RecordAt(*traits_.keyTables[static_cast<size_t>(set)], number - 1);
        if (!entry) return;
        dialog = traits_.makeKeyEdit(services_, entry);
    }
    if (!dialog->RunDialog()) return;
    bool found = false, shown = false;
    MacroKeyEntry assigned;
    {
        const DeviceLibraryBinder::Guard guard = Lock();
        if (const MacroKeyEntry* entry = RecordAt(*traits_.keyTables[static_cast<size_t>(set)], number - 1)) {
            found = true;
            shown = traits_.ActiveSet() == set;
            assigned = *entry;
            const EntryRef key{set, entry->index};
            if (std::find(assignedKeys_.begin(), assignedKeys_.end(), key) == assignedKeys_.end())
                assignedKeys_.push_back(key);
        }
    }
    if (!found) {
        services_.messages->Show(services_.owner, kAssignmentNotMade);
        return;
    }
    if (shown) ShowButton(Find(buttonName), assigned);
    RequestCommand(kWriteButton);
}
