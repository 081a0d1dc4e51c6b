#pragma once
// The macro managers of the Dolv, Mesk and Qiro pages.
#include "app/macro/managers/mouse_macro_manager.h"

class MarcoManger_Dolv : public MouseMacroManagerOf<MarcoManger_Dolv> {
public:
    explicit MarcoManger_Dolv(SkinUI::CWindowWnd* owner);
};

class MarcoManger_Mesk : public MouseMacroManagerOf<MarcoManger_Mesk> {
public:
    explicit MarcoManger_Mesk(SkinUI::CWindowWnd* owner);
};

class MarcoManger_Qiro : public MouseMacroManagerOf<MarcoManger_Qiro> {
public:
    explicit MarcoManger_Qiro(SkinUI::CWindowWnd* owner);
};
