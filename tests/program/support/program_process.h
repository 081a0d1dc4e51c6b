#pragma once
// The program as a separate process: started from the build's bin-sim folder
// with its own environment, its main window found, captured from the screen,
// closed, and its times and exit read.

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace program_test {

// The build's folders, with a trailing backslash: the build folder is the
// nearest one above the program that holds CMakeCache.txt.
std::wstring BuildFolder();
std::wstring SimulatedProgram();  // bin-sim\Vastemor.exe
std::wstring ScreenshotFolder();  // made when missing

class ProgramProcess {
public:
    // Starts the program in `folder` with the variables added to (or, with an
    // empty value, removed from) this process's environment.
    ProgramProcess(const std::wstring& exe, const std::wstring& folder,
                   const std::vector<std::pair<std::wstring, std::wstring>>& variables);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    // The visible top-level window of the class in this process, looked for
    // every pollMs; null after the timeout or once the process ended.
    HWND WaitForWindow(const wchar_t* className, DWORD milliseconds, DWORD pollMs = 5) const;
    // Null when the process has no window of the class.
    HWND FindWindowOfClass(const wchar_t* className) const;
    // True once no window of the class has shown for `quietMs`, e.g. the
    // progress window of the start-up read, which opens a moment after the
    // main window; false after the timeout.
    bool WaitWhileWindowsOfClassShow(const wchar_t* className, DWORD quietMs, DWORD timeoutMs) const;
    // True when the process ended in time; the exit code is stored.
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode);
    // User plus kernel time so far.
    double CpuMs() const;
    // The process's working set now in bytes; 0 when it cannot be read.
    size_t WorkingSetBytes() const;

private:
    PROCESS_INFORMATION info_ = {};
};

// A left click posted to a window of another process, at that point of its
// client area, once the window has drawn what it shows.
void PostClick(HWND window, POINT client);

// The window's rectangle as the screen shows it, saved as
// "<build>\screenshots\<name>.png"; false when nothing was written.
bool SaveScreenCapture(HWND window, const std::wstring& name);

// The screen's pixel (0x00RRGGBB).
DWORD ScreenPixel(int x, int y);

// The lines of a text file, empty when it cannot be read.
std::vector<std::string> FileLines(const std::wstring& path);
// The bytes of a file, empty when it cannot be read.
std::vector<uint8_t> FileBytes(const std::wstring& path);

}  // namespace program_test
