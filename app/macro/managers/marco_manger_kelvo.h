#pragma once
// The macro managers of the Kelvo and Kelvo driver pages.
#include "app/macro/managers/mouse_macro_manager.h"

class MarcoManger_Kelvo : public MouseMacroManagerOf<MarcoManger_Kelvo> {
public:
    explicit MarcoManger_Kelvo(SkinUI::CWindowWnd* owner);
};

class MarcoManger_Kelvo_Driver : public MouseMacroManagerOf<MarcoManger_Kelvo_Driver> {
public:
    explicit MarcoManger_Kelvo_Driver(SkinUI::CWindowWnd* owner);
};
