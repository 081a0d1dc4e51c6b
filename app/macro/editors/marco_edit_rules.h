#pragma once
// What a step editor accepts while the user types, without a window.

#include "app/windows/text_numbers.h"
#include "ui/core/ui_string.h"

// The limits of one step editor kind.
struct MarcoEditRules {
    const wchar_t* className;   // also the window title
    const wchar_t* layout;
    const wchar_t* suffix;      // appended to every control name
    int nameLength;             // characters of a name; 0 keeps the edit's default
    int delayLimit;             // upper limit of a delay; 0 checks nothing
};

// Step editor modes.
enum MarcoEditMode {
    kEditNewName = 0,
    kEditRename = 1,
    kEditConfirm = 2,
    kEditKey = 3,
    kEditMove = 5,
    kEditDelay = 6,
};


// The text that replaces a typed move outside -128..128 ("128", "-128"),
// tested upper bound first; empty when the value is inside.
SkinUI::CUIString MoveValueCorrection(const wchar_t* text);
// The delay text that replaces a typed value below 0 or above the limit;
// empty when it is inside or the limit is 0.
SkinUI::CUIString DelayValueCorrection(const wchar_t* text, int limit);
