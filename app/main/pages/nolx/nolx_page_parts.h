#pragma once
// How a family's traits make the dialogs and editors of its page.

#include "app/dialogs/fire/fire_key_edit.h"
#include "app/macro/managers/mouse_macro_manager.h"
#include "app/windows/page_services.h"

template <class Dialog>
KeyEditDialog* MakeKeyEdit(const PageServices& services, MacroKeyEntry* entry) {
    return new Dialog(services, entry);
}

template <class Manager>
MouseMacroManager* MakeMacroManager(const PageServices& services) {
    return new Manager(services.owner);
}

template <class Editor>
FireKeyEdit* MakeFireKeyEditor(const PageServices& services) {
    return new Editor(services);
}
