#pragma once
// Fire-key state of the Dolv, Mesk and Qiro mice that their pages and
// dialogs share.

#include <cstdint>

// Whether a fire preset holds the left button down while it fires: written by
// the fire-key pages, read by the key-assignment dialogs, which add 0x10 to a
// fire-preset assignment while it is set.
extern uint8_t keepLeftFireFlagDolv;
extern uint8_t keepLeftFireFlagMesk;
extern uint8_t keepLeftFireFlagQiro;

// Whether the Mesk mouse offers fire macros; set by the Mesk page.
extern bool MeskFireMacroAvailable;
