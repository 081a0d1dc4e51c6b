#pragma once
// The Qiro mouse page, created for the layout tag "MousePageQiro".

#include "app/main/pages/nolx/nolx_mouse_page.h"

class CDialogMouseQiroSetting : public NolxMousePage {
public:
    explicit CDialogMouseQiroSetting(const PageServices& services) : NolxMousePage(services, QiroFamilyTraits()) {}
};
