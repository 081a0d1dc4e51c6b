#pragma once
// The limits a fire-key value edit is held to. A value that breaks one gets
// a replacement the edit shows instead (and nothing is stored); the paired
// rules compare a move with its adjustment (Kelvo: Y with its offset).

#include "app/dialogs/fire/stage_control.h"

// True when a rule of the value edit fires; *replacement is then the value
// to show. `partner` is the other value of a pair (ignored by the other
// edits). The stop box and the colour have no limits.
bool BreaksFireLimit(StageControl edit, int value, int partner, int* replacement);
