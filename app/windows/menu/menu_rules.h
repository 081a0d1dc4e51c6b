#pragma once
// The choices of the macro lists' pop-up menu that need no window: which
// layout a list gets, which clicked items are reported, and where the menu
// goes on the screen.

#include <windows.h>

// "XML\\MarcoNameMenu.xml" for a macro-name list, "XML\\MarcoContentMenu.xml"
// for a step list (names compared without regard to case), null for any
// other list.
const wchar_t* MenuLayoutForList(const wchar_t* listName);

// True only for the exact (case-sensitive) control names of the menu items.
bool IsReportedMenuItem(const wchar_t* itemName);

// The wanted rectangle moved into the work area: a rectangle past the bottom
// (right) edge ends at that edge when it is shorter (narrower) than the work
// area, else it starts at the work area's top (left).
RECT FitMenuIntoWorkArea(const RECT& wanted, const RECT& workArea);
