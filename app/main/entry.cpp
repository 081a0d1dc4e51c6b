// The program entry: prepares the framework, COM and OLE, makes the main
// window and runs the message loop until it is gone.
#include "app/main/frame/app_module.h"
#include "app/main/frame/main_frame.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/window_manager.h"

#include <objbase.h>
#include <ole2.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    using SkinUI::CWindowManagerUI;
    CWindowManagerUI::SetInstance(instance);
    CWindowManagerUI::SetResourceFolder(CWindowManagerUI::GetInstanceFolder() + L"res\\Skin\\");
    SkinUI::RegisterStandardControls();
    const HMODULE richEdit = LoadLibraryW(L"Riched20.dll");

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    OleInitialize(nullptr);
    AppModule module;
    module.Init(instance);

    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 0;

    auto* frame = new MainFrame();
    if (frame->Create(nullptr, L"Vastemor", 0x10CF0000, 0x60000, 0, 0, 1310, 749, nullptr) == nullptr) {
        delete frame;
        return 0;
    }
    CWindowManagerUI::RunMessageLoop();

    CWindowManagerUI::CloseResourceZip();
    module.Term();
    OleUninitialize();
    CoUninitialize();
    if (richEdit != nullptr)
        FreeLibrary(richEdit);
    return 0;
}
