#pragma once
// The five mouse macro manager classes, for tests typed over them, with the
// text their page shows for a button assigned to a mouse button bit.
#include "app/core/files/macro_file_format.h"
#include "app/core/keys/assignment_texts.h"
#include "app/macro/managers/marco_manger_kelvo.h"
#include "app/macro/managers/marco_manger_nolx.h"
#include "tests/app/managers/manager_window.h"

struct KelvoFamily {
    using Manager = MarcoManger_Kelvo;
    static constexpr MacroFileFamily family = MacroFileFamily::Kelvo;
    static constexpr const wchar_t* suffix = L"_Kelvo";
    static SkinUI::CUIString ButtonAssignmentText(int bit) { return GetAssignmentTextKelvo(1, bit, 0); }
};

struct KelvoDriverFamily {
    using Manager = MarcoManger_Kelvo_Driver;
    static constexpr MacroFileFamily family = MacroFileFamily::KelvoDriver;
    static constexpr const wchar_t* suffix = L"_Kelvo_Driver";
    static SkinUI::CUIString ButtonAssignmentText(int bit) { return GetAssignmentTextKelvoDriver(1, bit, 0); }
};

struct DolvFamily {
    using Manager = MarcoManger_Dolv;
    static constexpr MacroFileFamily family = MacroFileFamily::Dolv;
    static constexpr const wchar_t* suffix = L"_Dolv";
    static SkinUI::CUIString ButtonAssignmentText(int bit) { return GetAssignmentTextDolv(1, bit, 0, 0); }
};

struct MeskFamily {
    using Manager = MarcoManger_Mesk;
    static constexpr MacroFileFamily family = MacroFileFamily::Mesk;
    static constexpr const wchar_t* suffix = L"_Mesk";
    static SkinUI::CUIString ButtonAssignmentText(int bit) { return GetAssignmentTextMesk(1, bit, 0, 0); }
};

struct QiroFamily {
    using Manager = MarcoManger_Qiro;
    static constexpr MacroFileFamily family = MacroFileFamily::Qiro;
    static constexpr const wchar_t* suffix = L"_Qiro";
    static SkinUI::CUIString ButtonAssignmentText(int bit) { return GetAssignmentTextQiro(1, bit, 0, 0); }
};

// A manager of the family hosted in a window.
template <class F>
class FamilyWindow : public ManagerWindow<typename F::Manager> {
protected:
    FamilyWindow() : ManagerWindow<typename F::Manager>(F::suffix, F::family) {}
};
