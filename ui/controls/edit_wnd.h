#pragma once

#include <windows.h>

#include "ui/core/window_wnd.h"

namespace SkinUI {

class CEditUI;
class CWindowManagerUI;

// The native edit control an edit opens over its text area: a superclass of
// the system's "Edit" class, a child of the framework window. It ends when
// it loses the keyboard focus and deletes itself with its window.
class CEditWnd : public CWindowWnd {
public:
    // Creates the control for the edit and gives it the focus; null when no
    // window could be created.
    static CEditWnd* Open(CEditUI* owner);
    // The edit goes away: the window forgets it and ends now.
    void Detach();

protected:
    const wchar_t* GetWindowClassName() const override;
    const wchar_t* GetSuperClassName() const override;
    UINT GetWindowClassStyle() const override;
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND formerWindow) override;

private:
    explicit CEditWnd(CEditUI* owner);
    ~CEditWnd() override;

    CWindowManagerUI* Manager() const;
    bool IsLayered() const;
    void InvalidateInFramework();
    void Initialize();
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    void OnTextChanged();
    LRESULT OnControlColor(HDC dc);
    void DrawCaret(HDC dc);

    CEditUI* m_owner;
    HBRUSH m_bkBrush = nullptr;
    bool m_initialized = false;
    bool m_caretOn = false;
};

}  // namespace SkinUI
