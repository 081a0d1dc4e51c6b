#pragma once
// Reaches a running colour picker from a step of the modal loop.

#include "ui/core/control.h"
#include "ui/core/window_manager.h"

#include <string>

namespace firecolor_test {

struct PickerView {
    HWND hwnd = nullptr;
    SkinUI::CWindowManagerUI* manager = nullptr;

    SkinUI::CControlUI* Control(const wchar_t* name) const;
    std::wstring Text(const wchar_t* name) const;
    // Left button down and up at a client point, as mouse messages.
    void Press(POINT point) const;
    void Release(POINT point) const;
    void Move(POINT point) const;
    void Click(const wchar_t* name) const;
    // Sets an edit's text as typing does: the edit reports the change.
    void Type(const wchar_t* name, const wchar_t* text) const;
};

// The open picker; an empty view when none is open.
PickerView OpenPicker();

POINT Centre(const RECT& rect);

}  // namespace firecolor_test
