#include "app/core/settings/constants.h"

using SkinUI::CUIString;

const FamilyNotificationNames WenkNotifications = {
    L"READ_WenkDATA", L"WRITE_WenkDATA", L"Wenk_Connet_Error", L"GET_CHANGE_WenkDATA"};
const FamilyNotificationNames KelvoNotifications = {
    L"READ_KelvoDATA", L"WRITE_KelvoDATA", L"Kelvo_Connet_Error", L"GET_CHANGE_KelvoDATA"};
const FamilyNotificationNames KelvoDriverNotifications = {
    L"READ_Kelvo_DRIVER_DATA", L"WRITE_Kelvo_DRIVER_DATA", L"Kelvo_DRIVER_Connet_Error",
    L"GET_CHANGE_Kelvo_DRIVER_DATA"};
const FamilyNotificationNames DolvNotifications = {
    L"READ_DolvDATA", L"WRITE_DolvDATA", L"Dolv_Connet_Error", L"GET_CHANGE_DolvDATA"};
const FamilyNotificationNames MeskNotifications = {
    L"READ_MeskDATA", L"WRITE_MeskDATA", L"Mesk_Connet_Error", L"GET_CHANGE_MeskDATA"};
const FamilyNotificationNames QiroNotifications = {
    L"READ_QiroDATA", L"WRITE_QiroDATA", L"Qiro_Connet_Error", L"GET_CHANGE_QiroDATA"};

const CUIString ChangeLanguageNotification = L"Change_Language_Profile";
const CUIString UpdateProfileNotification = L"Update_Profile";

const CUIString MacroFileWenk = L"MacroKeyBoardData_Kelvo.bin";
const CUIString MacroFileKelvo = L"MacroMouseKelvoData.bin";
const CUIString MacroFileKelvoDriver = L"MacroMouseKelvoDriverData.bin";
const CUIString LedCpiFileKelvoDriver = L"DriverTempCPIAndLedData.bin";
const CUIString MacroFileDolv = L"MacroMouseDolvData.bin";
const CUIString MacroFileMesk = L"MacroMouseMeskData.bin";
const CUIString MacroFileQiro = L"MacroMouseQiroData.bin";
const CUIString MacroManagerFileDolv = L"MacroMouseData_Dolv.bin";
const CUIString MacroManagerFileMesk = L"MacroMouseData_Mesk.bin";
const CUIString MacroManagerFileQiro = L"MacroMouseData_Qiro.bin";

const std::vector<CUIString> DpiStepsKelvo = {L"500",  L"800",  L"1000", L"1200", L"1600", L"2000",
                                              L"2400", L"3200", L"4000", L"4800", L"6400", L"8000"};
const std::vector<CUIString> DpiStepsDolv = {L"200",  L"400",  L"600",  L"800",  L"1000", L"1200",
                                             L"1600", L"2000", L"2400", L"3200", L"4800", L"6400"};
const std::vector<CUIString> DpiStepsMesk = DpiStepsDolv;
const std::vector<CUIString> DpiStepsQiro = {L"200",  L"400",  L"600",  L"800",  L"1000",
                                             L"1200", L"1600", L"2000", L"2400", L"3200",
                                             L"4800", L"6400", L"8000", L"10000", L"12000"};

CUIString DpiStepText(const std::vector<CUIString>& steps, int index) {
    if (index < 0 || static_cast<size_t>(index) >= steps.size()) return CUIString();
    return steps[static_cast<size_t>(index)];
}

const std::vector<CUIString> FunctionKeyNames = {L"FN_1", L"FN_2", L"FN_3",  L"FN_4",  L"FN_5",  L"FN_6",
                                                 L"FN_7", L"FN_8", L"FN_9", L"FN_10", L"FN_11", L"FN_12"};

// "Play/Pause " and "WWW Search " end in a blank.
const std::vector<CUIString> MediaKeyNames = {
    L"Scan Next Track", L"Scan Previous Track", L"Stop",          L"Play/Pause ",    L"Mute",
    L"Bass Boost",      L"Loudness",            L"Volume Increment", L"Volume Decrement",
    L"Bass Increment",  L"Bass Decrement",      L"Treble Increment", L"Treble Decrement",
    L"Media Select",    L"Mail",                L"Calculator",    L"My Computer",    L"WWW Search ",
    L"WWW Home",        L"WWW Back",            L"WWW Forward",   L"WWW Stop",       L"WWW Refresh",
    L"WWW Favorites"};
