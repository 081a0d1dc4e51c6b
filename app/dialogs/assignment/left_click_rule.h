#pragma once
// A mouse must keep a button that clicks left: a choice is allowed when it
// gives the edited button left click, or when another button of the current
// key mode's table still clicks left.

#include "app/dialogs/assignment/assignment_choice.h"
#include "app/dialogs/assignment/mouse_family.h"

bool IsLeftClickKept(MouseFamily family, const AssignmentChoice& choice, int editedIndex);
