#pragma once

#include <windows.h>

#include <memory>

#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {

// A manager attached to a hidden window, so that its fonts get text metrics.
class ManagerHost {
public:
    ManagerHost();
    ~ManagerHost();
    ManagerHost(const ManagerHost&) = delete;
    ManagerHost& operator=(const ManagerHost&) = delete;

    CWindowManagerUI* manager() { return m_manager.get(); }
    // The manager's last mouse point, as a mouse message would leave it.
    void MoveMouse(int x, int y);

private:
    HWND m_window = nullptr;
    std::unique_ptr<CWindowManagerUI> m_manager;
};

}  // namespace test
}  // namespace SkinUI
