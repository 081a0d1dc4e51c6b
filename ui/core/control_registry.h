#pragma once

#include "ui/core/control.h"

namespace SkinUI {

typedef CControlUI* (*ControlFactoryUI)();

// The factory of a control class made with its default constructor.
template <class Control>
CControlUI* CreateControl()
{
    return new Control;
}

// Layout tags mapped to the control classes that make them. Each control
// class registers its tags; the layout builder creates controls through it.
// Tags compare without regard to case unless registered as exact.
class CControlRegistryUI {
public:
    // False when the tag is empty or already registered.
    static bool Register(const wchar_t* tag, ControlFactoryUI factory, bool exactCase = false);
    // A new control for the tag, or null when no class registered it.
    static CControlUI* Create(const wchar_t* tag);
};

}  // namespace SkinUI
