// The flat export interface of KorvaneIT_Wenk over its one device object.
#include "devices/wenk/wenk_device.h"

#include <objbase.h>

namespace {

wenk::WenkDevice* device = nullptr;

int negativeAsFailure(HRESULT status) { return status < 0 ? -1 : 0; }

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) device = new wenk::WenkDevice;
    // At process exit the system reclaims the handle; the HID platform may be gone.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        delete device;
        device = nullptr;
    }
    return TRUE;
}

// Exported by undecorated name through the module definition file.
#define WENK_EXPORT extern "C" int __stdcall

WENK_EXPORT InitMCUDevice(int vendorId, int productId) {
    if (FAILED(CoInitialize(nullptr))) return -1;
    return device->open(vendorId, productId) ? 0 : -1;
}

WENK_EXPORT Device_GetProFileData(int profile, uint8_t* block) {
    return negativeAsFailure(device->readProfile(profile, block));
}

WENK_EXPORT Device_WriteProFileData(int profile, const uint8_t* block) {
    return negativeAsFailure(device->writeProfile(profile, block));
}

WENK_EXPORT Device_GetProFileIndex(int* index) {
    int value = 0;
    const HRESULT read = device->readProfileIndex(value);
    if (SUCCEEDED(read)) *index = value;
    return negativeAsFailure(read);
}

WENK_EXPORT Device_WriteProFileIndex(int index) { return negativeAsFailure(device->writeProfileIndex(index)); }

WENK_EXPORT Device_GetMarcoData(int slot, uint8_t* name, uint8_t* data) {
    return negativeAsFailure(device->readMacro(slot, name, data));
}

WENK_EXPORT Device_WriteMarcoData(int slot, const uint8_t* name, const uint8_t* data) {
    return negativeAsFailure(device->writeMacro(slot, name, data));
}

WENK_EXPORT Device_GetLedData(int profile, uint8_t* type, uint8_t* speed, uint8_t* brightness, uint8_t* sync) {
    wenk::LedSettings settings;
    const HRESULT read = device->readLed(profile, settings);
    if (FAILED(read)) return -1;
    *type = settings.type;
    *speed = settings.speed;
    *brightness = settings.brightness;
    *sync = settings.sync;
    return 0;
}

WENK_EXPORT Device_WriteLedData(int profile, int type, int speed, int brightness, int sync) {
    const wenk::LedSettings settings{static_cast<uint8_t>(type), static_cast<uint8_t>(speed),
                                     static_cast<uint8_t>(brightness), static_cast<uint8_t>(sync)};
    return negativeAsFailure(device->writeLed(profile, settings));
}

WENK_EXPORT Device_ReloadDevice() { return negativeAsFailure(device->reload()); }

// Kept for callers that bind it; the controller has nothing behind it.
WENK_EXPORT Device_Write_Data(int, int, int, int, int, int, int) { return 0; }
