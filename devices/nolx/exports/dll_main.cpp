#include "devices/nolx/exports/library_device.h"

#include <new>

namespace {
nolx::McuDevice* device = nullptr;
}

nolx::McuDevice& LibraryDevice() { return *device; }

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        device = new (std::nothrow) nolx::McuDevice(nolx::ChipSettings(nolx::ChipId::NOLX_CHIP));
        return device != nullptr;
    case DLL_PROCESS_DETACH:
        // At process exit the other threads are gone and the system reclaims
        // the handles; only an unload by FreeLibrary tears the device down.
        if (reserved == nullptr) delete device;
        device = nullptr;
        break;
    default:
        break;
    }
    return TRUE;
}
