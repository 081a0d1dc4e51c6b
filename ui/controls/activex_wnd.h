#pragma once

#include <windows.h>

#include "ui/core/window_wnd.h"

namespace SkinUI {

class CActiveXCtrl;
class CWindowManagerUI;

// The child window a windowed control lives in, laid over its framework
// control inside the framework window.
class CActiveXWnd : public CWindowWnd {
public:
    explicit CActiveXWnd(CActiveXCtrl* site);

    // Creates the window over `position` as a child of `parent`.
    HWND Init(HWND parent, const RECT& position);

protected:
    const wchar_t* GetWindowClassName() const override;
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The object deletes itself with its window.
    void OnFinalMessage(HWND formerWindow) override;

private:
    static constexpr UINT kCaretTimerId = 20;
    static constexpr UINT kCaretTimerPeriodMs = 50;
    static constexpr int kTicksPerCaretBlink = 10;

    CWindowManagerUI* Manager() const;
    void OnCreate();
    void OnCaretTimer();
    void OnSetFocus();
    void OnMouseActivate();
    void OnPrint(HDC dc);

    CActiveXCtrl* m_site;
    int m_caretTicks = 0;
    bool m_caretVisible = false;
};

}  // namespace SkinUI
