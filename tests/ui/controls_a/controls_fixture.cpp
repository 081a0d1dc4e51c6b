#include "tests/ui/controls_a/controls_fixture.h"

#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {

void Send(CControlUI* control, EventTypeUI type, int x, int y, WPARAM wParam, wchar_t key)
{
    EventRecordUI event;
    event.type = type;
    event.sender = control;
    event.timestamp = GetTickCount();
    event.mousePoint = POINT{x, y};
    event.keyChar = key;
    event.wParam = wParam;
    control->DispatchEvent(event);
}

int CountNear(const MemCanvas& canvas, DWORD rgb, int tolerance)
{
    int count = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x)
            count += RgbNear(canvas.Pixel(x, y), rgb, tolerance) ? 1 : 0;
    }
    return count;
}

int CountDiffering(const MemCanvas& a, const MemCanvas& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += (a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF) ? 1 : 0;
    }
    return count;
}

TempFile::TempFile(const wchar_t* name, const std::vector<BYTE>& bytes) : m_name(name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    m_folder = std::wstring(temp) + L"controls_a_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
               std::to_wstring(++serial) + L"\\";
    CreateDirectoryW(m_folder.c_str(), nullptr);
    WriteBytes(path(), bytes);
}

TempFile::~TempFile()
{
    DeleteFileW(path().c_str());
    RemoveDirectoryW(m_folder.c_str());
}

ResourceFolderScope::ResourceFolderScope(const std::wstring& folder)
    : m_previous(CWindowManagerUI::GetResourceFolder().GetData())
{
    CWindowManagerUI::SetResourceFolder(folder.c_str());
}

ResourceFolderScope::~ResourceFolderScope()
{
    CWindowManagerUI::SetResourceFolder(m_previous.c_str());
}

}  // namespace test
}  // namespace SkinUI
