#pragma once
// The Dolv mouse page, created for the layout tag "MousePageDolv".

#include "app/main/pages/nolx/nolx_mouse_page.h"

class CDialogMouseDolvSetting : public NolxMousePage {
public:
    explicit CDialogMouseDolvSetting(const PageServices& services) : NolxMousePage(services, DolvFamilyTraits()) {}
};
