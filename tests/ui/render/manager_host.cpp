#include "tests/ui/render/manager_host.h"

namespace SkinUI {
namespace test {

ManagerHost::ManagerHost()
{
    m_window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    m_manager.reset(new CWindowManagerUI);
    m_manager->AttachWindow(m_window, L"render");
}

ManagerHost::~ManagerHost()
{
    m_manager.reset();
    DestroyWindow(m_window);
}

void ManagerHost::MoveMouse(int x, int y)
{
    LRESULT result = 0;
    m_manager->HandleWindowMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y), result);
}

}  // namespace test
}  // namespace SkinUI
