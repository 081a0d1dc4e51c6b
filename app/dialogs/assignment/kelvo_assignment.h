#pragma once
// The choice of a Kelvo or Kelvo driver key-assignment dialog turned into the
// button's three bytes, with the macros of the controller's memory kept in
// step: a chosen macro is placed, a macro no button uses any more is dropped,
// and every macro-carrying button follows its macro's new number.

#include "app/dialogs/assignment/assignment_choice.h"
#include "app/dialogs/assignment/mouse_family.h"

// Holds the family's library lock while it reads and changes the records.
AssignmentOutcome ApplyKelvoChoice(MouseFamily family, const AssignmentChoice& choice, ButtonAssignmentEntry& entry,
                                   DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance());
