#include "app/core/keys/key_codes.h"

#include "app/core/settings/constants.h"

#include <windows.h>

namespace {

struct CodePair {
    int from;
    int to;
};

constexpr CodePair kVirtualKeyCodes[] = {
    {VK_BACK, 0x2A},       {VK_TAB, 0x2B},        {VK_CLEAR, 0x9C},       {VK_RETURN, 0x28},
    {VK_CONTROL, 0x91},    {VK_MENU, 0xE2},       {VK_PAUSE, 0x48},       {VK_CAPITAL, 0x39},
    {VK_ESCAPE, 0x29},     {VK_SPACE, 0x2C},      {VK_PRIOR, 0x4B},       {VK_NEXT, 0x4E},
    {VK_END, 0x4D},        {VK_HOME, 0x4A},       {VK_LEFT, 0x50},        {VK_UP, 0x52},
    {VK_RIGHT, 0x4F},      {VK_DOWN, 0x51},       {VK_SELECT, 0x77},      {VK_SNAPSHOT, 0x46},
    {VK_INSERT, 0x49},     {VK_DELETE, 0x4C},     {VK_HELP, 0x75},        {VK_LWIN, 0x88},
    {VK_RWIN, 0x98},       {VK_APPS, 0x65},       {VK_MULTIPLY, 0x55},    {VK_ADD, 0x57},
    {VK_SEPARATOR, 0x58},  {VK_SUBTRACT, 0x56},   {VK_DECIMAL, 0x63},     {VK_DIVIDE, 0x54},
    {VK_NUMLOCK, 0x53},    {VK_SCROLL, 0x47},     {VK_LSHIFT, 0x82},      {VK_RSHIFT, 0x92},
    {VK_LCONTROL, 0x81},   {VK_RCONTROL, 0x91},   {VK_OEM_1, 0x33},       {VK_OEM_PLUS, 0x2E},
    {VK_OEM_COMMA, 0x36},  {VK_OEM_MINUS, 0x2D},  {VK_OEM_PERIOD, 0x37},  {VK_OEM_2, 0x38},
    {VK_OEM_3, 0x35},      {VK_OEM_4, 0x2F},      {VK_OEM_5, 0x31},       {VK_OEM_6, 0x30},
    {VK_OEM_7, 0x34},
    {VK_MEDIA_NEXT_TRACK, 0xC0}, {VK_MEDIA_PREV_TRACK, 0xC1}, {VK_MEDIA_STOP, 0xC2},
    {VK_MEDIA_PLAY_PAUSE, 0xC3}, {VK_VOLUME_MUTE, 0xC4},      {VK_VOLUME_UP, 0xC5},
    {VK_VOLUME_DOWN, 0xC6},      {VK_LAUNCH_MAIL, 0xC7},      {VK_BROWSER_SEARCH, 0xC8},
    {VK_BROWSER_HOME, 0xC9},     {VK_BROWSER_BACK, 0xCA},     {VK_BROWSER_FORWARD, 0xCB},
    {VK_BROWSER_STOP, 0xCC},     {VK_BROWSER_REFRESH, 0xCD},  {VK_BROWSER_FAVORITES, 0xCE},
    {VK_LAUNCH_MEDIA_SELECT, 0xD1},
};

// A run of consecutive virtual keys onto consecutive device codes.
struct CodeRun {
    int firstKey;
    int lastKey;
    int firstCode;
};

constexpr CodeRun kVirtualKeyRuns[] = {
    {'A', 'Z', 0x04},
    {'1', '9', 0x1E},
    {'0', '0', 0x27},
    {VK_F1, VK_F12, 0x3A},
    {VK_F13, VK_F24, 0x68},
    {VK_NUMPAD1, VK_NUMPAD9, 0x59},
    {VK_NUMPAD0, VK_NUMPAD0, 0x62},
};

struct KeyName {
    int code;
    const wchar_t* name;
};

constexpr KeyName kKeyNames[] = {
    {0x27, L"0"},
    {0x28, L"Enter"},
    {0x29, L"Esc"},
    {0x2A, L"Backspace"},
    {0x2B, L"Tab"},
    {0x2C, L"Space bar"},
    {0x2D, L"OEM_Minus"},
    {0x2E, L"OEM_Plus"},
    {0x2F, L"OEM_4"},
    {0x30, L"OEM_6"},
    {0x31, L"OEM_5"},
    {0x33, L"OEM_1"},
    {0x34, L"OEM_7"},
    {0x35, L"OEM_3"},
    {0x36, L"OEM_Comma"},
    {0x37, L"OEM_Period"},
    {0x38, L"OEM_2"},
    {0x39, L"Caps Lock"},
    {0x46, L"Print Screen"},
    {0x47, L"Scroll Lock"},
    {0x48, L"Pause"},
    {0x49, L"Insert"},
    {0x4A, L"Home"},
    {0x4B, L"Page Up"},
    {0x4C, L"Delete"},
    {0x4D, L"End"},
    {0x4E, L"Page Down"},
    {0x4F, L"Right Arrow"},
    {0x50, L"Left Arrow"},
    {0x51, L"Down Arrow"},
    {0x52, L"Up Arrow"},
    {0x53, L"Num Lock"},
    {0x54, L"Divide (numeric pad)"},
    {0x55, L"Multiply (numeric pad)"},
    {0x56, L"Subtract (numeric pad)"},
    {0x57, L"Add (numeric pad)"},
    {0x58, L"Separator (numeric pad)"},
    {0x62, L"0 (numeric pad)"},
    {0x63, L"Decimal (numeric pad)"},
    {0x65, L"Applications"},
    {0x75, L"Help"},
    {0x77, L"Select"},
    {0x7E, L"UKB_Fn"},
    {0x7F, L"UKB_LED"},
    {0x81, L"Left Ctrl"},
    {0x82, L"Left Shift"},
    {0x84, L"Left Alt"},
    {0x88, L"Win"},
    {0x91, L"Right Ctrl"},
    {0x92, L"Right Shift"},
    {0x94, L"Right Alt"},
    {0x98, L"Win"},
    {0x9C, L"Clear"},
};

SkinUI::CUIString Formatted(const wchar_t* format, int value) {
    SkinUI::CUIString text;
    text.Format(format, value);
    return text;
}

}  // namespace

int VirtualKeyToKeyCode(int virtualKey) {
    for (const CodeRun& run : kVirtualKeyRuns) {
        if (virtualKey >= run.firstKey && virtualKey <= run.lastKey) return run.firstCode + virtualKey - run.firstKey;
    }
    for (const CodePair& pair : kVirtualKeyCodes) {
        if (pair.from == virtualKey) return pair.to;
    }
    return 0;
}

SkinUI::CUIString GetKeyName(int code) {
    if (code >= 0x04 && code <= 0x1D) return SkinUI::CUIString(static_cast<wchar_t>(L'A' + code - 0x04));
    if (code >= 0x1E && code <= 0x26) return SkinUI::CUIString(static_cast<wchar_t>(L'1' + code - 0x1E));
    if (code >= 0x3A && code <= 0x45) return Formatted(L"F%d", code - 0x3A + 1);
    if (code >= 0x59 && code <= 0x61) return Formatted(L"%d (numeric pad)", code - 0x59 + 1);
    if (code >= 0x68 && code <= 0x73) return Formatted(L"F%d", code - 0x68 + 13);
    for (const KeyName& entry : kKeyNames) {
        if (entry.code == code) return SkinUI::CUIString(entry.name);
    }
    return SkinUI::CUIString();
}

SkinUI::CUIString GetMediaKeyName(int code) {
    const int index = code - kFirstMediaKeyCode;
    if (index < 0 || static_cast<size_t>(index) >= MediaKeyNames.size()) return SkinUI::CUIString();
    return MediaKeyNames[static_cast<size_t>(index)];
}

namespace {

// 1 << bit, 0 for a bit number that names no bit of an int.
int BitMask(int bit) { return bit >= 0 && bit < 31 ? 1 << bit : 0; }

}  // namespace

int SetBit(int value, int bit) { return value | BitMask(bit); }

int ClearBit(int value, int bit) { return value & (BitMask(bit) ^ 0xFF); }
