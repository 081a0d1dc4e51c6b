#pragma once
// The choice of a Dolv, Mesk or Qiro key-assignment dialog turned into the
// button's four bytes. A chosen macro missing from the controller is uploaded
// by name, a macro no button uses any more is deleted, and the other buttons
// follow their macros' new addresses.

#include "app/dialogs/assignment/assignment_choice.h"
#include "app/dialogs/assignment/mouse_family.h"

// `openingMacros` is the controller's macro list as it was when the dialog
// opened; it names the macros the buttons point at. Holds the family's
// library lock while it reads and changes the records.
AssignmentOutcome ApplyNolxChoice(MouseFamily family, const AssignmentChoice& choice, MacroKeyEntry& entry,
                                  const MacroList& openingMacros,
                                  DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance());
