#pragma once
// Fire-key state of the Dolv, Mesk and Qiro mice that their pages and
// dialogs share.

// Whether the fire-key page's keep-left box is ticked: a fire-preset
// assignment then holds the left button down while it fires.
extern bool DolvKeepLeftFireFlag;
extern bool MeskKeepLeftFireFlag;
extern bool QiroKeepLeftFireFlag;

// Whether the Mesk mouse offers fire macros; set by the Mesk page.
extern bool MeskFireMacroAvailable;
