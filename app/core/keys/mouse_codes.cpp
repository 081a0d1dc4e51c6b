#include "app/core/keys/mouse_codes.h"

namespace {

constexpr int kPressEvent = 0xA0;
constexpr int kReleaseEvent = 0x20;

// The bit of a side-button message: 8 for XBUTTON2, else 16.
int SideButtonBit(const MSLLHOOKSTRUCT& record) { return HIWORD(record.mouseData) == XBUTTON2 ? 8 : 16; }

const wchar_t* ButtonToken(int buttonBit) {
    switch (buttonBit) {
        case 1:
            return L"%{054}";
        case 2:
            return L"%{055}";
        case 4:
            return L"%{056}";
        case 8:
            return L"%{078}";
        case 16:
            return L"%{079}";
        default:
            return nullptr;
    }
}

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

SkinUI::CUIString GetMouseButtonToken(int buttonBit) { return ButtonToken(buttonBit); }

SkinUI::CUIString GetMacroMouseEventToken(int macroEvent) {
    const int kind = macroEvent & ~0x1F;
    if (kind != kPressEvent && kind != kReleaseEvent) return SkinUI::CUIString();
    return ButtonToken(macroEvent & 0x1F);
}
