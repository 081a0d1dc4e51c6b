#include "tests/ui/render/markup_host.h"

namespace SkinUI {
namespace test {

MarkupHost::MarkupHost()
{
    m_window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    m_manager.reset(new CWindowManagerUI);
    m_manager->AttachWindow(m_window, L"markup");
}

MarkupHost::~MarkupHost()
{
    m_manager.reset();
    DestroyWindow(m_window);
}

void MarkupHost::MoveMouse(int x, int y)
{
    LRESULT result = 0;
    m_manager->HandleWindowMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y), result);
}

}  // namespace test
}  // namespace SkinUI
