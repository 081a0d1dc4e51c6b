#pragma once
// The low-level keyboard hook of the keyboard key-assignment dialog: one
// process-wide hook and the one dialog it serves. The procedure hands every
// key-down to that dialog and always passes the event on.

#include <windows.h>

class KeyEdit;

namespace key_edit_hook {

// The dialog the hook serves; null for none.
void Serve(KeyEdit* dialog);
KeyEdit* ServedDialog();
// Installs the hook, removing one that is still installed first.
bool Install();
void Remove();
bool IsInstalled();

}  // namespace key_edit_hook
