#pragma once
// How a family's traits make the dialogs and editors of its page.

#include "app/dialogs/fire/fire_key_edit.h"
#include "app/windows/page_services.h"

template <class Dialog>
bool RunKeyEdit(const PageServices& services, MacroKeyEntry* entry) {
    return (new Dialog(services, entry))->RunDialog();
}

template <class Manager>
SkinUI::CControlUI* MakeMacroManager(const PageServices& services) {
    return new Manager(services.owner);
}

template <class Editor>
FireKeyEdit* MakeFireKeyEditor(const PageServices& services) {
    return new Editor(services);
}
