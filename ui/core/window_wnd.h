#pragma once

#include <windows.h>

namespace SkinUI {

// One native window wrapped by an object: class registration (a class of its
// own or a superclass of an existing one), creation, the procedure that routes
// the window's messages to the object, a modal loop and centring.
class CWindowWnd {
public:
    CWindowWnd();
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;
    // A window still open when its object goes is destroyed first.
    virtual ~CWindowWnd();

    HWND GetWindowHandle() const { return m_hwnd; }

    // Null when the class cannot be registered or the window not created; the
    // object then gets no final message and stays its creator's.
    HWND Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, int x = CW_USEDEFAULT,
                int y = CW_USEDEFAULT, int width = CW_USEDEFAULT, int height = CW_USEDEFAULT,
                HMENU menu = nullptr);
    HWND CreateInRect(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, const RECT& rect,
                      HMENU menu = nullptr);

    void ShowWindow(bool show = true, bool takeFocus = true);
    // Shows the window, disables its owner and dispatches messages until the
    // window is gone; returns the result given to Close (0 without one).
    // Whatever closes the window, the owner is enabled and focused again as
    // WM_CLOSE arrives, before the window goes, so that the activation
    // returns to it, unless another window still holds it disabled
    // (window_disable.h). A WM_QUIT that ends the loop is posted again for the
    // outer loop. Loops ended for a closing window (modal_loops.h) destroy
    // the window and return 0.
    UINT RunModal();
    // Posts WM_CLOSE with the result as wParam.
    void Close(UINT result = IDOK);
    // Over the owner, or over the work area without one (or with a minimised
    // owner); kept inside the work area.
    void CenterWindow();

    LRESULT SendWindowMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostWindowMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    virtual const wchar_t* GetWindowClassName() const = 0;
    // A class name asks for a superclass of that class; null for a class of its own.
    virtual const wchar_t* GetSuperClassName() const;
    virtual UINT GetWindowClassStyle() const;
    // Hands the message to the previous window procedure.
    virtual LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After the window's last message; the handle is already null.
    virtual void OnFinalMessage(HWND formerWindow);

    bool RegisterWindowClass();
    bool RegisterSuperclass();

    static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    WNDPROC m_previousProcedure = DefWindowProcW;

private:
    // The object rides in the user data, or for superclasses in a window
    // property. On WM_NCDESTROY the previous procedure runs first, then the
    // object lets go of the window and gets its final message, unless the
    // window goes while it is being created: Create then returns null and
    // the object is still its creator's.
    static LRESULT RouteMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool inProperty);
    static void StoreObject(HWND hwnd, CWindowWnd* window, bool inProperty);
    static CWindowWnd* StoredObject(HWND hwnd, bool inProperty);
    // Drops the hold a running modal loop has on its owner, which is enabled
    // and focused again unless another window still holds it.
    void ReturnModalOwner();

    bool m_creating = false;
    HWND m_modalOwner = nullptr;
};

}  // namespace SkinUI
