#pragma once
// Program-wide constant texts: notification names, data file names, DPI step
// lists and key names. Created before the main window; never changed.

#include "ui/core/ui_string.h"

#include <vector>

// The four notifications of one controller family.
struct FamilyNotificationNames {
    SkinUI::CUIString readFinished;     // a device read has finished
    SkinUI::CUIString writeRequest;     // the command code travels in the second parameter
    SkinUI::CUIString connectionError;  // the controller can no longer be opened
    SkinUI::CUIString changePoll;       // start polling for on-device changes
};

extern const FamilyNotificationNames WenkNotifications;
extern const FamilyNotificationNames KelvoNotifications;
extern const FamilyNotificationNames KelvoDriverNotifications;
extern const FamilyNotificationNames DolvNotifications;
extern const FamilyNotificationNames MeskNotifications;
extern const FamilyNotificationNames QiroNotifications;

extern const SkinUI::CUIString ChangeLanguageNotification;  // "Change_Language_Profile"
extern const SkinUI::CUIString UpdateProfileNotification;   // "Update_Profile"

// Bare file names; the files live in the macro folder.
extern const SkinUI::CUIString MacroFileWenk;
extern const SkinUI::CUIString MacroFileKelvo;
extern const SkinUI::CUIString MacroFileKelvoDriver;
extern const SkinUI::CUIString LedCpiFileKelvoDriver;
extern const SkinUI::CUIString MacroFileDolv;
extern const SkinUI::CUIString MacroFileMesk;
extern const SkinUI::CUIString MacroFileQiro;
extern const SkinUI::CUIString MacroManagerFileDolv;
extern const SkinUI::CUIString MacroManagerFileMesk;
extern const SkinUI::CUIString MacroManagerFileQiro;

// DPI texts by step index; the Kelvo and Kelvo driver pages share one list.
extern const std::vector<SkinUI::CUIString> DpiStepsKelvo;
extern const std::vector<SkinUI::CUIString> DpiStepsDolv;
extern const std::vector<SkinUI::CUIString> DpiStepsMesk;
extern const std::vector<SkinUI::CUIString> DpiStepsQiro;

// The text of a step, empty for an index the list does not have.
SkinUI::CUIString DpiStepText(const std::vector<SkinUI::CUIString>& steps, int index);

// "FN_1" .. "FN_12": entry i names function button i + 1 of the keyboard.
extern const std::vector<SkinUI::CUIString> FunctionKeyNames;

// Entry i names the multimedia code kFirstMediaKeyCode + i.
constexpr int kFirstMediaKeyCode = 160;
extern const std::vector<SkinUI::CUIString> MediaKeyNames;
