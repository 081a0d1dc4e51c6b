#pragma once
// The macro managers of the Dolv, Mesk and Qiro pages.
#include "app/macro/managers/nolx_macro_manager.h"

class MarcoManger_Dolv : public NolxMacroManager {
public:
    explicit MarcoManger_Dolv(SkinUI::CWindowWnd* owner);
};

class MarcoManger_Mesk : public NolxMacroManager {
public:
    explicit MarcoManger_Mesk(SkinUI::CWindowWnd* owner);
};

class MarcoManger_Qiro : public NolxMacroManager {
public:
    explicit MarcoManger_Qiro(SkinUI::CWindowWnd* owner);
};
