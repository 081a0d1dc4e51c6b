#pragma once
// A mouse must keep a button that clicks left: a choice is allowed when it
// gives the edited button left click, or when another button of the edited
// entry's table (the key mode the dialog was opened for, whichever the mouse
// shows now) still clicks left. An entry of no table keeps nothing.

#include "app/dialogs/assignment/assignment_choice.h"
#include "app/dialogs/assignment/mouse_family.h"

bool IsLeftClickKept(MouseFamily family, const AssignmentChoice& choice, const ButtonAssignmentEntry& edited);
bool IsLeftClickKept(MouseFamily family, const AssignmentChoice& choice, const MacroKeyEntry& edited);
