// The flat export interface of KorvaneIT_Kelvo over its one device object.
#include "devices/kelvo/fields.h"
#include "devices/kelvo/kelvo_device.h"

#include <objbase.h>

#include <cstring>

namespace {

kelvo::KelvoDevice* device = nullptr;

kelvo::WorkingCopy& copy() { return device->copy(); }

int refusedUnless(bool accepted) { return accepted ? 0 : -1; }

int negativeAsFailure(HRESULT status) { return status < 0 ? -1 : 0; }

template <class Operation>
int withCom(Operation operation) {
    const HRESULT com = CoInitialize(nullptr);
    if (FAILED(com)) return com;
    return operation();
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) device = new kelvo::KelvoDevice;
    // At process exit the system reclaims the handles; the HID platform may be gone.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        delete device;
        device = nullptr;
    }
    return TRUE;
}

// Exported by undecorated name through the module definition file.
#define KELVO_EXPORT extern "C" int __stdcall

KELVO_EXPORT InitMCUDevice_Kelvo(int vendorId, int productId) {
    return withCom([&] { return device->open(vendorId, productId); });
}
KELVO_EXPORT CloseMCUDevice_Kelvo() { return withCom([] { return device->close(); }); }
KELVO_EXPORT ReadMCUDevice_Kelvo() { return withCom([] { return device->readImage(); }); }
KELVO_EXPORT WriteMCUDevice_Kelvo() { return withCom([] { return device->writeImage(); }); }
KELVO_EXPORT WriteFireData_Kelvo() { return withCom([] { return device->writeFireData(); }); }

KELVO_EXPORT Device_Get_Device_Data_Kelvo(uint8_t* buffer, int count) {
    if (count < 0 || count > static_cast<int>(kelvo::kImageSize)) return -1;
    std::memcpy(buffer, device->wireImage().data(), static_cast<size_t>(count));
    return 0;
}
KELVO_EXPORT Device_Set_Device_Data_Kelvo(const uint8_t* image, int) {
    return negativeAsFailure(device->writeRawImage(image));
}
KELVO_EXPORT Device_Get_Data_By_Addr_Kelvo(int* value, int address) {
    uint8_t byte = 0;
    const HRESULT read = device->readByAddress(static_cast<uint16_t>(address), byte);
    if (SUCCEEDED(read)) *value = byte;
    return negativeAsFailure(read);
}
KELVO_EXPORT Device_Get_Change_Data_Kelvo(int* value) {
    int32_t data = 0;
    const HRESULT read = device->readChangeData(data);
    if (SUCCEEDED(read)) *value = data;
    return negativeAsFailure(read);
}

#define KELVO_FLAG(name, flag)                                                                     \
    KELVO_EXPORT Device_Get_##name##_Kelvo(int* value) {                                           \
        *value = kelvo::getFlag(copy(), kelvo::Flag::flag);                                        \
        return 0;                                                                                  \
    }                                                                                              \
    KELVO_EXPORT Device_Set_##name##_Kelvo(int on) {                                               \
        kelvo::setFlag(copy(), kelvo::Flag::flag, on != 0);                                        \
        return 0;                                                                                  \
    }

KELVO_FLAG(Led_B4CPI_On_Off, LedB4Cpi)
KELVO_FLAG(Led_FireFn_On_Off, LedFireFn)
KELVO_FLAG(Led_LCPI_On_Off, LedLCpi)
KELVO_FLAG(Save_KeyMode_On_Off, SaveKeyMode)
KELVO_FLAG(MiddleKey_Press_Type, MiddleKeyPressType)
KELVO_FLAG(CPIKey_Press_Type, CpiKeyPressType)
KELVO_FLAG(GunKey_Press_Type, GunKeyPressType)
KELVO_FLAG(Key_Count, KeyCount)
KELVO_FLAG(MCULED_Control, McuLedControl)
KELVO_FLAG(Led_On_Off, LedOnOff)
KELVO_FLAG(Key_Mode, KeyMode)

#define KELVO_BYTE(name, field)                                                                    \
    KELVO_EXPORT Device_Get_##name##_Kelvo(int* value) {                                           \
        *value = kelvo::getByte(copy(), kelvo::ByteField::field);                                  \
        return 0;                                                                                  \
    }                                                                                              \
    KELVO_EXPORT Device_Set_##name##_Kelvo(int value) {                                            \
        kelvo::setByte(copy(), kelvo::ByteField::field, value);                                    \
        return 0;                                                                                  \
    }

KELVO_BYTE(CPI_Step, CpiStep)
KELVO_BYTE(Current_CPI, CurrentCpi)
KELVO_BYTE(DeviceVID, DeviceVid)
KELVO_BYTE(DevicePID, DevicePid)
KELVO_BYTE(Fire_Count, FireCount)
KELVO_BYTE(Fire_Time, FireTime)

#define KELVO_CODED(name, getter, setter)                                                          \
    KELVO_EXPORT Device_Get_##name##_Kelvo(int* value) {                                           \
        *value = kelvo::getter(copy());                                                            \
        return 0;                                                                                  \
    }                                                                                              \
    KELVO_EXPORT Device_Set_##name##_Kelvo(int value) {                                            \
        kelvo::setter(copy(), value);                                                              \
        return 0;                                                                                  \
    }

KELVO_CODED(Led_Type, getLedType, setLedType)
KELVO_CODED(Sensor_Ori, getSensorOrientation, setSensorOrientation)
KELVO_CODED(MCULED_Count, getMcuLedCount, setMcuLedCount)
KELVO_CODED(MCULED_Current_Mode, getLedMode, setLedMode)
KELVO_CODED(MCULED_Current_Step, getLedStep, setLedStep)

KELVO_EXPORT Device_Get_MCU_LED_Source_Kelvo(int* on, int source) {
    return refusedUnless(kelvo::getMcuLedSource(copy(), source, *on));
}
KELVO_EXPORT Device_Set_MCU_LED_Source_Kelvo(int on, int source) {
    return refusedUnless(kelvo::setMcuLedSource(copy(), source, on != 0));
}
KELVO_EXPORT Device_Get_CPI_Value_Kelvo(int* value, int index) {
    return refusedUnless(kelvo::getCpiValue(copy(), index, *value));
}
KELVO_EXPORT Device_Set_CPI_Value_Kelvo(int value, int index) {
    return refusedUnless(kelvo::setCpiValue(copy(), index, value));
}

namespace {

template <class Getter>
int copyOutRgb(Getter getter, int* red, int* green, int* blue) {
    kelvo::Rgb colour;
    if (!getter(colour)) return -1;
    *red = colour.red;
    *green = colour.green;
    *blue = colour.blue;
    return 0;
}

template <class Getter>
int copyOutTriple(Getter getter, uint8_t* b0, uint8_t* b1, uint8_t* b2) {
    kelvo::Triple bytes;
    if (!getter(bytes)) return -1;
    *b0 = bytes[0];
    *b1 = bytes[1];
    *b2 = bytes[2];
    return 0;
}

kelvo::Triple triple(int b0, int b1, int b2) {
    return {static_cast<uint8_t>(b0), static_cast<uint8_t>(b1), static_cast<uint8_t>(b2)};
}

}  // namespace

KELVO_EXPORT Device_Get_CPI_RGB_Kelvo(int* red, int* green, int* blue, int level) {
    return copyOutRgb([&](kelvo::Rgb& colour) { return kelvo::getCpiColour(copy(), level, colour); }, red, green, blue);
}
KELVO_EXPORT Device_Set_CPI_RGB_Kelvo(int red, int green, int blue, int level) {
    return refusedUnless(kelvo::setCpiColour(copy(), level, {red, green, blue}));
}
KELVO_EXPORT Device_Get_Pro_File_Data_Kelvo(int set, int index, uint8_t* b0, uint8_t* b1, uint8_t* b2) {
    return copyOutTriple([&](kelvo::Triple& bytes) { return kelvo::getKeyAssignment(copy(), set, index, bytes); }, b0,
                         b1, b2);
}
KELVO_EXPORT Device_Set_Pro_File_Data_Kelvo(int set, int index, int b0, int b1, int b2) {
    return refusedUnless(kelvo::setKeyAssignment(copy(), set, index, triple(b0, b1, b2)));
}
KELVO_EXPORT Device_Get_Fire_Macro_Data_Kelvo(int index, uint8_t* b0, uint8_t* b1, uint8_t* b2) {
    return copyOutTriple([&](kelvo::Triple& bytes) { return kelvo::getFireKey(copy(), index, bytes); }, b0, b1, b2);
}
KELVO_EXPORT Device_Set_Fire_Macro_Data_Kelvo(int index, int b0, int b1, int b2) {
    return refusedUnless(kelvo::setFireKey(copy(), index, triple(b0, b1, b2)));
}
KELVO_EXPORT Device_Get_Fire_YAxis_Kelvo(int index, uint8_t* value) {
    return refusedUnless(kelvo::getFireYAxis(copy(), index, *value));
}
KELVO_EXPORT Device_Set_Fire_YAxis_Kelvo(int index, int value) {
    return refusedUnless(kelvo::setFireYAxis(copy(), index, value));
}
KELVO_EXPORT Device_Get_Fire_RGB_Kelvo(int* red, int* green, int* blue, int index) {
    return copyOutRgb([&](kelvo::Rgb& colour) { return kelvo::getFireColour(copy(), index, colour); }, red, green, blue);
}
KELVO_EXPORT Device_Set_Fire_RGB_Kelvo(int red, int green, int blue, int index) {
    return refusedUnless(kelvo::setFireColour(copy(), index, {red, green, blue}));
}
KELVO_EXPORT Device_Get_Fire_Buffer_Kelvo(int index, uint8_t* buffer, int length) {
    return refusedUnless(kelvo::getFireBuffer(copy(), index, buffer, length));
}
KELVO_EXPORT Device_Set_Fire_Buffer_Kelvo(int index, uint8_t* buffer, int length) {
    return refusedUnless(kelvo::setFireBuffer(copy(), index, buffer, length));
}
KELVO_EXPORT Device_Get_Marco_Buffer_Kelvo(int macroAddress, uint8_t* name, uint8_t* data) {
    return refusedUnless(kelvo::getMacro(copy(), macroAddress, name, data));
}
KELVO_EXPORT Device_Set_Marco_Buffer_Kelvo(int macroAddress, const uint8_t* name, const uint8_t* data) {
    return refusedUnless(kelvo::setMacro(copy(), macroAddress, name, data));
}
