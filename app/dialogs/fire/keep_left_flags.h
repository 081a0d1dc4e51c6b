#pragma once
// Whether a fire preset holds the left button down while it fires: one flag
// per Dolv, Mesk and Qiro controller, written by the fire-key pages and read
// by the key-assignment dialogs, which add 0x10 to a fire-preset assignment
// while it is set.

#include <cstdint>

extern uint8_t keepLeftFireFlagDolv;
extern uint8_t keepLeftFireFlagMesk;
extern uint8_t keepLeftFireFlagQiro;
