#include "tests/app/frame/frame_fakes.h"

#include <cstring>

namespace frame_test {

std::vector<std::string>& CallLog()
{
    static std::vector<std::string> log;
    return log;
}

OpenScript& Opens()
{
    static OpenScript script;
    return script;
}

namespace {

int Record(int family, int vendor, int product, int flag)
{
    OpenScript& s = Opens();
    ++s.calls[family];
    s.vendor[family] = vendor;
    s.product[family] = product;
    s.openFlag[family] = flag;
    return s.result[family];
}

int __stdcall OpenWenk(int v, int p) { return Record(0, v, p, -1); }
int __stdcall OpenKelvo(int v, int p) { return Record(1, v, p, -1); }
int __stdcall OpenKelvoDriver(int v, int p) { return Record(2, v, p, -1); }
int __stdcall OpenDolv(int v, int p, int f) { return Record(3, v, p, f); }
int __stdcall OpenMesk(int v, int p, int f) { return Record(4, v, p, f); }
int __stdcall OpenQiro(int v, int p, int f) { return Record(5, v, p, f); }

class OpenOnlyLoader : public ModuleLoader {
public:
    HMODULE Load(const std::wstring&) override { return reinterpret_cast<HMODULE>(&token_); }
    void* FindExport(HMODULE, const char* name) override
    {
        struct Export {
            const char* name;
            void* function;
        };
        static const Export exports[] = {
            {"InitMCUDevice", reinterpret_cast<void*>(&OpenWenk)},
            {"InitMCUDevice_Kelvo", reinterpret_cast<void*>(&OpenKelvo)},
            {"InitMCUDevice_Kelvo_Driver", reinterpret_cast<void*>(&OpenKelvoDriver)},
            {"InitMCUDevice_Dolv", reinterpret_cast<void*>(&OpenDolv)},
            {"InitMCUDevice_Mesk", reinterpret_cast<void*>(&OpenMesk)},
            {"InitMCUDevice_Qiro", reinterpret_cast<void*>(&OpenQiro)},
        };
        for (const Export& e : exports) {
            if (std::strcmp(e.name, name) == 0)
                return e.function;
        }
        return nullptr;
    }
    void Free(HMODULE) override {}

private:
    int token_ = 0;
};

LRESULT CALLBACK SinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

std::unique_ptr<DeviceLibraryBinder> MakeOpenOnlyBinder()
{
    return std::make_unique<DeviceLibraryBinder>(std::make_unique<OpenOnlyLoader>());
}

MessageSink::MessageSink()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &SinkProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FrameTestMessageSink";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                            nullptr);
}

MessageSink::~MessageSink()
{
    Take();
    DestroyWindow(hwnd_);
}

std::vector<std::pair<UINT, LPARAM>> MessageSink::Take()
{
    std::vector<std::pair<UINT, LPARAM>> messages;
    MSG msg;
    while (PeekMessageW(&msg, hwnd_, 0, 0, PM_REMOVE))
        messages.emplace_back(msg.message, msg.lParam);
    return messages;
}

}  // namespace frame_test
