#include "tests/program/support/program_process.h"

#include "tests/ui/support/mem_canvas.h"

#include <psapi.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace program_test {

namespace {

std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

struct WindowSearch {
    DWORD process;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (process == search->process && wcscmp(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

double FileTimeMs(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 10000.0;
}

}  // namespace

std::wstring BuildFolder()
{
    // Tests and benchmarks run in folders below the build folder.
    std::wstring folder = ExeFolder();
    do {
        folder.pop_back();
        folder.erase(folder.find_last_of(L'\\') + 1);
    } while (folder.size() > 3 && GetFileAttributesW((folder + L"CMakeCache.txt").c_str()) == INVALID_FILE_ATTRIBUTES);
    return folder;
}

std::wstring ScreenshotFolder()
{
    const std::wstring folder = BuildFolder() + L"screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\";
}

std::wstring SimulatedProgram()
{
    return BuildFolder() + L"bin-sim\\Vastemor.exe";
}

ProgramProcess::ProgramProcess(const std::wstring& exe, const std::wstring& folder,
                               const std::vector<std::pair<std::wstring, std::wstring>>& variables)
{
    std::vector<std::pair<std::wstring, std::wstring>> previous;
    for (const auto& variable : variables) {
        wchar_t value[1024] = {};
        const DWORD length = GetEnvironmentVariableW(variable.first.c_str(), value, 1024);
        previous.emplace_back(variable.first, length > 0 ? value : L"");
        SetEnvironmentVariableW(variable.first.c_str(), variable.second.empty() ? nullptr : variable.second.c_str());
    }
    STARTUPINFOW startup = {sizeof(startup)};
    std::wstring command = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info_))
        info_ = {};
    for (const auto& variable : previous)
        SetEnvironmentVariableW(variable.first.c_str(), variable.second.empty() ? nullptr : variable.second.c_str());
}

ProgramProcess::~ProgramProcess()
{
    if (info_.hProcess == nullptr)
        return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND ProgramProcess::FindWindowOfClass(const wchar_t* className) const
{
    WindowSearch search = {info_.dwProcessId, className, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramProcess::WaitForWindow(const wchar_t* className, DWORD milliseconds, DWORD pollMs) const
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        HWND window = FindWindowOfClass(className);
        if (window != nullptr && IsWindowVisible(window))
            return window;
        if (GetTickCount64() > end || WaitForSingleObject(info_.hProcess, 0) != WAIT_TIMEOUT)
            return nullptr;
        Sleep(pollMs);
    }
}

bool ProgramProcess::WaitWhileWindowsOfClassShow(const wchar_t* className, DWORD quietMs, DWORD timeoutMs) const
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    ULONGLONG quietSince = GetTickCount64();
    while (GetTickCount64() - quietSince < quietMs) {
        if (GetTickCount64() > end)
            return false;
        if (FindWindowOfClass(className) != nullptr)
            quietSince = GetTickCount64();
        Sleep(20);
    }
    return true;
}

bool ProgramProcess::WaitForExit(DWORD milliseconds, DWORD* exitCode)
{
    if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(info_.hProcess, exitCode);
    return true;
}

double ProgramProcess::CpuMs() const
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(info_.hProcess, &created, &exited, &kernel, &user))
        return -1;
    return FileTimeMs(kernel) + FileTimeMs(user);
}

size_t ProgramProcess::WorkingSetBytes() const
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    return K32GetProcessMemoryInfo(info_.hProcess, &counters, sizeof(counters)) ? counters.WorkingSetSize : 0;
}

void PostClick(HWND window, POINT client)
{
    // What the program has changed but not drawn yet (a page just chosen) is
    // laid out when it paints: it paints now, before the click is handled.
    UpdateWindow(window);
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, at);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
}

bool SaveScreenCapture(HWND window, const std::wstring& name)
{
    RECT rect;
    if (!GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top)
        return false;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    SkinUI::test::MemCanvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.SavePng(ScreenshotFolder() + name + L".png");
}

DWORD ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

std::vector<std::string> FileLines(const std::wstring& path)
{
    std::vector<std::string> lines;
    std::ifstream file(path.c_str());
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

std::vector<uint8_t> FileBytes(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace program_test
