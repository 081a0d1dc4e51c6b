#pragma once

#include <windows.h>

#include <memory>

#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {

// A hidden top-level window whose procedure hands every message to its
// window manager first, as a framework window does.
class HostWindow {
public:
    explicit HostWindow(int width = 200, int height = 150, DWORD style = WS_POPUP);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND hwnd() const { return m_hwnd; }
    CWindowManagerUI& manager() { return *m_manager; }

    // Dispatches messages (through the managers' pre-translation) for at
    // most `ms` milliseconds; never blocks longer.
    void Pump(DWORD ms);
    // Shows the window, paints it synchronously and pumps briefly.
    void ShowAndPaint();
    // Sends through the window procedure.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::unique_ptr<CWindowManagerUI> m_manager;
    HWND m_hwnd = nullptr;
};

// Processes pending messages of the thread for at most `ms` milliseconds.
void PumpMessages(DWORD ms);

}  // namespace test
}  // namespace SkinUI
