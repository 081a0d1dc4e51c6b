// The second yardstick of the start-up benchmark: the bare window after the
// platform work that the program must do before its first paint. It links the
// program's system libraries, loads rich edit, starts COM and OLE, loads the
// six device libraries beside the simulated program, starts GDI+ and decodes
// the animated image of the keyboard page (a layout's animated image is
// decoded when the layout is built), and opens a top-most pop-up over the
// window before its message loop, as the progress window is.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "ui/controls/gdiplus_compat.h"

namespace {

// One function of each system library that the program links: the loader
// maps them all at the start, as it does for the program (the table is read
// at run time, so that none of them is dropped).
const void* const volatile kLinked[] = {reinterpret_cast<const void*>(&InitCommonControlsEx),
                               reinterpret_cast<const void*>(&GetOpenFileNameW),
                               reinterpret_cast<const void*>(&ImmGetContext),
                               reinterpret_cast<const void*>(&SysAllocString),
                               reinterpret_cast<const void*>(&ShellExecuteW),
                               reinterpret_cast<const void*>(&PathIsDirectoryW),
                               reinterpret_cast<const void*>(&RegOpenKeyExW),
                               reinterpret_cast<const void*>(&Gdiplus::GdiplusStartup)};

const wchar_t* const kDeviceLibraries[] = {L"KorvaneIT_Wenk.dll", L"KorvaneIT_Kelvo.dll",
                                           L"KorvaneIT_Kelvo_Driver.dll", L"KorvaneIT_Dolv.dll",
                                           L"KorvaneIT_Mesk.dll", L"KorvaneIT_Qiro.dll"};

// bin-sim\ of the build, two folders above this program's.
std::wstring SimulatedFolder()
{
    wchar_t path[MAX_PATH] = {};
    std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    for (int level = 0; level < 3; ++level)
        folder.erase(folder.find_last_of(L'\\'));
    return folder + L"\\bin-sim\\";
}

std::vector<BYTE> FileBytes(const std::wstring& path)
{
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (bytes.empty() || !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        bytes.clear();
    CloseHandle(file);
    return bytes;
}

// As the animated image control loads its file: a stream over a copy of the
// bytes, the GDI+ image, its frames and their delays.
void DecodeAnimatedImage(const std::wstring& path)
{
    const std::vector<BYTE> bytes = FileBytes(path);
    HGLOBAL memory = bytes.empty() ? nullptr : GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr)
        return;
    CopyMemory(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return;
    }
    Gdiplus::Image* image = Gdiplus::Image::FromStream(stream);
    if (image != nullptr && image->GetFrameDimensionsCount() > 0) {
        GUID dimension;
        image->GetFrameDimensionsList(&dimension, 1);
        image->GetFrameCount(&dimension);
        std::vector<BYTE> delays(image->GetPropertyItemSize(PropertyTagFrameDelay));
        if (!delays.empty())
            image->GetPropertyItem(PropertyTagFrameDelay, static_cast<UINT>(delays.size()),
                                   reinterpret_cast<Gdiplus::PropertyItem*>(delays.data()));
    }
    delete image;
    stream->Release();
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY && GetWindow(window, GW_OWNER) == nullptr) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

ATOM Register(HINSTANCE instance, const wchar_t* name)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.hbrBackground = CreateSolidBrush(RGB(0x1A, 0x1C, 0x22));
    wc.lpszClassName = name;
    return RegisterClassW(&wc);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    for (const void* const volatile& function : kLinked) {
        if (function == nullptr)
            return 1;
    }
    const HMODULE richEdit = LoadLibraryW(L"Riched20.dll");
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    OleInitialize(nullptr);
    const std::wstring folder = SimulatedFolder();
    for (const wchar_t* library : kDeviceLibraries)
        LoadLibraryExW((folder + library).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    DecodeAnimatedImage(folder + L"res\\Skin\\Image\\ui\\loading.gif");

    Register(instance, L"PlatformWindow");
    Register(instance, L"PlatformPopup");
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, L"PlatformWindow", L"Platform", WS_POPUP, 0, 0, 1310, 749,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ShowWindow(window, SW_SHOW);
    CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"PlatformPopup", L"", WS_POPUP | WS_VISIBLE, 383, 177, 544,
                    394, window, nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Gdiplus::GdiplusShutdown(token);
    OleUninitialize();
    CoUninitialize();
    FreeLibrary(richEdit);
    return 0;
}
