#pragma once

#include <windows.h>

#include "ui/core/ui_string.h"

namespace SkinUI {

class CControlUI;

// A notification raised by a control (or by code with no sender) and handed
// to every receiver of the window's manager.
struct NotifyRecordUI {
    CUIString type;               // compared case-sensitively
    CUIString virtualWindowName;  // empty unless the manager uses virtual windows
    CControlUI* sender = nullptr;
    DWORD timestamp = 0;          // GetTickCount at sending
    POINT mousePoint = {0, 0};    // the manager's last mouse point, client coordinates
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Input events the window manager hands to a control's DispatchEvent.
enum class EventTypeUI : int {
    None = 0,
    KeyDown = 3,
    KeyUp = 4,
    Char = 5,
    SysKey = 6,
    MouseMove = 9,
    MouseLeave = 10,
    MouseEnter = 11,
    MouseHover = 12,
    ButtonDown = 13,
    ButtonUp = 14,
    RightButtonDown = 15,
    DoubleClick = 16,
    ContextMenu = 17,
    ScrollWheel = 18,
    KillFocus = 20,
    SetFocus = 21,
    WindowSize = 22,
    SetCursor = 23,
    Timer = 24,
    // The pressed control lost the mouse capture before its release: it ends
    // the press as a release would, without acting on the point.
    CaptureLost = 25,
};

// True for the mouse events MouseMove..ScrollWheel.
inline bool IsMouseEvent(EventTypeUI type)
{
    return type >= EventTypeUI::MouseMove && type <= EventTypeUI::ScrollWheel;
}

struct EventRecordUI {
    EventTypeUI type = EventTypeUI::None;
    CControlUI* sender = nullptr;  // for KillFocus: the control that gets the focus next
    DWORD timestamp = 0;
    POINT mousePoint = {0, 0};
    wchar_t keyChar = 0;           // virtual-key code or character of key events
    WORD keyState = 0;             // MK_ flags for mouse buttons, else the modifier state
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Modifier state bits (CWindowManagerUI::GetModifierKeyState).
constexpr WORD kModifierLeftButton = 0x01;
constexpr WORD kModifierRightButton = 0x02;
constexpr WORD kModifierShift = 0x04;
constexpr WORD kModifierControl = 0x08;
constexpr WORD kModifierAlt = 0x20;

// A control timer: a small id local to the control mapped to a window timer.
struct TimerRecordUI {
    CControlUI* control = nullptr;
    UINT localId = 0;
    HWND window = nullptr;
    UINT windowTimerId = 0;
    bool stopped = false;
};

class INotifyUI {
public:
    virtual void Notify(NotifyRecordUI& record) = 0;

protected:
    virtual ~INotifyUI() = default;
};

class IMessageFilterUI {
public:
    virtual LRESULT MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

protected:
    virtual ~IMessageFilterUI() = default;
};

class ITranslateAccelerator {
public:
    // S_OK takes the message.
    virtual HRESULT TranslateAccelerator(MSG* msg) = 0;

protected:
    virtual ~ITranslateAccelerator() = default;
};

}  // namespace SkinUI
