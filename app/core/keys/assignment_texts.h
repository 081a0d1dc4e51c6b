#pragma once
// Display texts of stored button assignments: Kelvo families [type, p1, p2],
// Dolv, Mesk and Qiro [type, p1, p2, p3]. Language tokens in a text are
// replaced by the current language's texts; key and macro names stay as they are.

#include "app/core/binder/device_binder.h"
#include "ui/core/ui_string.h"

// A macro assignment (types 6 and 14) names the macro at that number, read
// into the family's macro cache through the binder when it is not cached.
SkinUI::CUIString GetAssignmentTextKelvo(int type, int p1, int p2,
                                         DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance());
SkinUI::CUIString GetAssignmentTextKelvoDriver(int type, int p1, int p2,
                                               DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance());

// A fire key (type 6) sets the continue flag of the matching entry of the
// family's fire-key table; a fire macro (type 11) keeps p3 in the family's
// LastFireMacroByte; a macro (type 16) names the device macro of that number.
SkinUI::CUIString GetAssignmentTextDolv(int type, int p1, int p2, int p3);
SkinUI::CUIString GetAssignmentTextMesk(int type, int p1, int p2, int p3);
SkinUI::CUIString GetAssignmentTextQiro(int type, int p1, int p2, int p3);

// The fourth byte of the last fire-macro assignment whose text was made; the
// key-assignment dialog puts it into the next fire-macro assignment it builds.
extern int DolvLastFireMacroByte;
extern int MeskLastFireMacroByte;
extern int QiroLastFireMacroByte;
