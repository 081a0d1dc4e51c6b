#pragma once

#include "ui/core/control.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_wnd.h"

// The context menu of the macro lists: a borderless skinned pop-up whose
// layout follows the name of the list that opened it, placed at a screen
// point inside the work area, with a layered shadow window behind it. The
// clicked item's name goes back to the list's window manager as an
// asynchronous notification sent by the list. Closes on a choice, on Escape
// and when it loses the focus; created with new, it deletes itself after
// its window is gone.
class CMenuWnd : public SkinUI::CWindowWnd, public SkinUI::INotifyUI {
public:
    CMenuWnd() = default;

    // Nothing without an owner; a menu whose window cannot be made deletes
    // itself.
    void ShowAt(SkinUI::CControlUI* owner, int x, int y);

    void Notify(SkinUI::NotifyRecordUI& record) override;

    HWND GetShadowWindow() const { return m_shadowWindow; }
    SkinUI::CWindowManagerUI& GetManager() { return m_manager; }

protected:
    ~CMenuWnd() override = default;
    const wchar_t* GetWindowClassName() const override;
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND formerWindow) override;

private:
    void OnCreate();
    // Moves the window to the requested point, kept inside the work area of
    // that point's monitor.
    void AdjustPosition();
    void OnSize(WPARAM wParam);
    void OnMove();
    // True when the menu handled the focus change itself.
    bool OnKillFocus(HWND gaining, LRESULT& result);

    SkinUI::CWindowManagerUI m_manager;
    SkinUI::CControlUI* m_owner = nullptr;
    int m_x = 0;
    int m_y = 0;
    HWND m_shadowWindow = nullptr;  // its object deletes itself with its window
};
