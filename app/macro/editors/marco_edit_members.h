#pragma once
// The step editors of the mouse macro managers: MarcoEdit with the control
// suffix, layout, name length and delay limit of each controller family.

#include "app/macro/editors/marco_edit.h"

class MarcoEdit_Kelvo : public MarcoEdit {
public:
    MarcoEdit_Kelvo(SkinUI::CWindowWnd* owner, int mode);
};

class MarcoEdit_Kelvo_Driver : public MarcoEdit {
public:
    MarcoEdit_Kelvo_Driver(SkinUI::CWindowWnd* owner, int mode);
};

class MarcoEdit_Dolv : public MarcoEdit {
public:
    MarcoEdit_Dolv(SkinUI::CWindowWnd* owner, int mode);
};

class MarcoEdit_Mesk : public MarcoEdit {
public:
    MarcoEdit_Mesk(SkinUI::CWindowWnd* owner, int mode);
};

class MarcoEdit_Qiro : public MarcoEdit {
public:
    MarcoEdit_Qiro(SkinUI::CWindowWnd* owner, int mode);
};
