#pragma once

#include <windows.h>

#include "ui/core/window_wnd.h"

namespace SkinUI {

class CDateTimeUI;
class CWindowManagerUI;

// The system's date picker laid over a date-time control as a child of the
// framework window. It closes when it loses the focus (its own drop-down
// calendar aside) or when that calendar closes elsewhere, and deletes itself
// with its window.
class CDateTimeWnd : public CWindowWnd {
public:
    // A new picker for the control, initialised; null when no window could be made.
    static CDateTimeWnd* Open(CDateTimeUI* owner);
    // Creates the window when there is none yet, then hands it the
    // control's date (today's when the text is empty), shows it without
    // activation and gives it the keyboard focus.
    bool Init(CDateTimeUI* owner);
    // The control's position clipped by every ancestor's client area; empty
    // when an ancestor is hidden or nothing is left.
    RECT CalculatePosition() const;
    // The control goes away: the picker forgets it and ends now.
    void Detach();

protected:
    const wchar_t* GetWindowClassName() const override;
    const wchar_t* GetSuperClassName() const override;
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND formerWindow) override;

private:
    CDateTimeWnd() = default;
    ~CDateTimeWnd() override = default;

    CWindowManagerUI* Manager() const;
    bool CreatePicker();
    LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    HWND DropDownCalendar() const;
    void OnCloseUp();
    // The picking ends with the focus going to `gaining`: an untouched
    // control takes the picker's date, the framework window hears of the
    // lost focus, and the picker closes.
    void Finish(HWND gaining, LPARAM lParam);

    CDateTimeUI* m_owner = nullptr;
};

}  // namespace SkinUI
