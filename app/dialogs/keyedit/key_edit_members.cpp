#include "app/dialogs/keyedit/key_edit_members.h"

KeyEdit_Kelvo::KeyEdit_Kelvo(const PageServices& services, ButtonAssignmentEntry* entry)
    : KeyEditMember(MouseFamily::Kelvo, services, entry, nullptr) {}

KeyEdit_Kelvo_Driver::KeyEdit_Kelvo_Driver(const PageServices& services, ButtonAssignmentEntry* entry)
    : KeyEditMember(MouseFamily::KelvoDriver, services, entry, nullptr) {}

KeyEdit_Dolv::KeyEdit_Dolv(const PageServices& services, MacroKeyEntry* entry)
    : KeyEditMember(MouseFamily::Dolv, services, nullptr, entry) {}

KeyEdit_Mesk::KeyEdit_Mesk(const PageServices& services, MacroKeyEntry* entry)
    : KeyEditMember(MouseFamily::Mesk, services, nullptr, entry) {}

KeyEdit_Qiro::KeyEdit_Qiro(const PageServices& services, MacroKeyEntry* entry)
    : KeyEditMember(MouseFamily::Qiro, services, nullptr, entry) {}
