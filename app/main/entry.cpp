// The program entry: prepares the framework, COM and OLE, makes the main
// window and runs the message loop until it is gone.
#include "app/main/frame/app_module.h"
#include "app/main/frame/main_frame.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/skin_preload.h"
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
    // The layouts the start builds, and the images they draw, are read while
    // the window is made; earlier, the reads would slow the loading of the
    // libraries down as much as they save.
    const SkinUI::CSkinPreloadUI preload(CWindowManagerUI::GetResourceFolder(),
                                         {L"XML\\main_frame.xml", L"XML\\KeyboardPage.xml", L"XML\\MousePage_*.xml",
                                          L"XML\\MarcoManagerPage_*.xml", L"XML\\FireKeyEdit_*.xml",
                                          L"XML\\ProgressBox.xml", L"Languages\\*.xml"});
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
