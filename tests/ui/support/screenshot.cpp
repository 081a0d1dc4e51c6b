#include "tests/ui/support/screenshot.h"

#include "tests/ui/support/mem_canvas.h"

namespace SkinUI {
namespace test {

namespace {

// Test programs run in the build's test folder; screenshots go beside it.
std::wstring ScreenshotFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\'));
    folder.erase(folder.find_last_of(L'\\') + 1);
    folder += L"screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\";
}

}  // namespace

std::wstring SaveScreenshot(HWND window, const std::wstring& name)
{
    RECT client;
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return {};
    MemCanvas canvas(client.right, client.bottom, 0xFFFFFFFF);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    const std::wstring path = ScreenshotFolder() + name + L".png";
    return canvas.SavePng(path) ? path : std::wstring();
}

}  // namespace test
}  // namespace SkinUI
