#pragma once
// The Mesk mouse page, created for the layout tag "MousePageMesk".

#include "app/main/pages/nolx/nolx_mouse_page.h"

class CDialogMouseMeskSetting : public NolxMousePage {
public:
    explicit CDialogMouseMeskSetting(const PageServices& services) : NolxMousePage(services, MeskFamilyTraits()) {}
};
