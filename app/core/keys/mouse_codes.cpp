#include "app/core/keys/mouse_codes.h"

#include "app/core/keys/assignment_text_parts.h"

namespace {

constexpr int kPressEvent = 0xA0;
constexpr int kReleaseEvent = 0x20;

// The bit of a side-button message: 8 for XBUTTON2, else 16.
int SideButtonBit(const MSLLHOOKSTRUCT& record) { return HIWORD(record.mouseData) == XBUTTON2 ? 8 : 16; }

}  // namespace

int MouseMessageToButtonBit(UINT message, const MSLLHOOKSTRUCT& record) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return 1;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return 2;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return 4;
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
            return SideButtonBit(record);
        default:
            return 0;
    }
}

int MouseMessageToMacroEvent(UINT message, const MSLLHOOKSTRUCT& record) {
    const int bit = MouseMessageToButtonBit(message, record);
    if (bit == 0) return 0;
    const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
                       message == WM_XBUTTONDOWN;
    return (press ? kPressEvent : kReleaseEvent) | bit;
}

// A button reads as the assignment of its bit reads: 8 the XBUTTON2 (forward)
// button, 16 the XBUTTON1 (back) button.
SkinUI::CUIString GetMouseButtonToken(int buttonBit) { return AssignmentButtonToken(buttonBit); }

SkinUI::CUIString GetMacroMouseEventToken(int macroEvent) {
    const int kind = macroEvent & ~0x1F;
    if (kind != kPressEvent && kind != kReleaseEvent) return SkinUI::CUIString();
    return GetMouseButtonToken(macroEvent & 0x1F);
}
