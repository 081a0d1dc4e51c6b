#pragma once

#include "ui/core/container.h"

// The keyboard page's key container with `count` keys, for a manager's tree.
inline SkinUI::CContainerUI* KeyContainer(const wchar_t* name, int count) {
    auto* container = new SkinUI::CContainerUI;
    container->SetName(name);
    for (int i = 0; i < count; ++i) container->AddItem(new SkinUI::CControlUI);
    return container;
}
