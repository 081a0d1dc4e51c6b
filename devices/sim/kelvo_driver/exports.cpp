// The flat export interface of the simulated KorvaneIT_Kelvo_Driver over its
// one device object. Getters and setters work on the library's image; an
// index outside its table is refused (-1) and changes nothing.
#include "devices/sim/kelvo_driver/driver_device.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace kelvo_driver;

DriverDevice* device = nullptr;

Image& image() { return device->image(); }

bool ValidIndex(int index, int count) { return index >= 0 && index < count; }

int GetByte(size_t address, int* value) {
    *value = image()[address];
    return 0;
}

int SetByte(size_t address, int value) {
    image()[address] = static_cast<uint8_t>(value);
    return 0;
}

int GetBit(uint8_t bit, int* on) {
    *on = (image()[address::kLedFlags] & bit) ? 1 : 0;
    return 0;
}

int SetBit(uint8_t bit, int on) {
    uint8_t& flags = image()[address::kLedFlags];
    flags = static_cast<uint8_t>(on ? flags | bit : flags & ~bit);
    return 0;
}

// The place of a macro's name, or 0 when the macro's name and data of that
// length do not fit the macro area.
size_t MacroPlace(int number, size_t length) {
    if (number < static_cast<int>(address::kMacroArea + kMacroNameSize)) return 0;
    const size_t data = static_cast<size_t>(number);
    if (length > kMacroDataMax || data + length > kImageSize) return 0;
    return data - kMacroNameSize;
}

size_t MacroLength(const uint8_t* data, size_t available) {
    if (available < 3) return available;
    return std::min(((static_cast<size_t>(data[1]) << 8) | data[2]) + 3, std::min(available, kMacroDataMax));
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) device = new DriverDevice;
    // At process exit the system reclaims the handles; the HID platform may be gone.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        delete device;
        device = nullptr;
    }
    return TRUE;
}

// Exported by undecorated name through the module definition file.
#define DRIVER_EXPORT extern "C" int __stdcall

DRIVER_EXPORT InitMCUDevice_Kelvo_Driver(int vendorId, int productId) { return device->open(vendorId, productId); }
DRIVER_EXPORT CloseMCUDevice_Kelvo_Driver() { return device->close(); }
DRIVER_EXPORT ReadMCUDevice_Kelvo_Driver() { return device->readImage(); }
DRIVER_EXPORT WriteMCUDevice_Kelvo_Driver() { return device->writeImage(); }

DRIVER_EXPORT Device_Get_Key_Mode_Kelvo_Driver(int* mode) { return GetByte(address::kKeyMode, mode); }
DRIVER_EXPORT Device_Set_Key_Mode_Kelvo_Driver(int mode) { return SetByte(address::kKeyMode, mode ? 1 : 0); }
DRIVER_EXPORT Device_Get_Fire_Count_Kelvo_Driver(int* count) { return GetByte(address::kFireCount, count); }
DRIVER_EXPORT Device_Set_Fire_Count_Kelvo_Driver(int count) { return SetByte(address::kFireCount, count); }
DRIVER_EXPORT Device_Get_Fire_Time_Kelvo_Driver(int* time) { return GetByte(address::kFireTime, time); }
DRIVER_EXPORT Device_Set_Fire_Time_Kelvo_Driver(int time) { return SetByte(address::kFireTime, time); }
DRIVER_EXPORT Device_Get_CPI_Step_Kelvo_Driver(int* count) { return GetByte(address::kCpiStep, count); }
DRIVER_EXPORT Device_Set_CPI_Step_Kelvo_Driver(int count) { return SetByte(address::kCpiStep, count); }
DRIVER_EXPORT Device_Get_Current_CPI_Kelvo_Driver(int* level) { return GetByte(address::kCurrentCpi, level); }
DRIVER_EXPORT Device_Set_Current_CPI_Kelvo_Driver(int level) { return SetByte(address::kCurrentCpi, level); }
DRIVER_EXPORT Device_Get_Led_B4CPI_Kelvo_Driver(int* on) { return GetBit(0x01, on); }
DRIVER_EXPORT Device_Set_Led_B4CPI_Kelvo_Driver(int on) { return SetBit(0x01, on); }
DRIVER_EXPORT Device_Get_Led_LCPI_Kelvo_Driver(int* on) { return GetBit(0x04, on); }
DRIVER_EXPORT Device_Set_Led_LCPI_Kelvo_Driver(int on) { return SetBit(0x04, on); }

// Value indexes count from 0, colour levels from 1.
DRIVER_EXPORT Device_Get_CPI_Value_Kelvo_Driver(int* value, int index) {
    return ValidIndex(index, kLevels) ? GetByte(address::kCpiValues + static_cast<size_t>(index), value) : -1;
}
DRIVER_EXPORT Device_Set_CPI_Value_Kelvo_Driver(int value, int index) {
    return ValidIndex(index, kLevels) ? SetByte(address::kCpiValues + static_cast<size_t>(index), value) : -1;
}
DRIVER_EXPORT Device_Get_CPI_RGB_Kelvo_Driver(int* red, int* green, int* blue, int level) {
    if (!ValidIndex(level - 1, kLevels)) return -1;
    const size_t at = address::kCpiColours + 3 * static_cast<size_t>(level - 1);
    GetByte(at, red);
    GetByte(at + 1, green);
    return GetByte(at + 2, blue);
}
DRIVER_EXPORT Device_Set_CPI_RGB_Kelvo_Driver(int red, int green, int blue, int level) {
    if (!ValidIndex(level - 1, kLevels)) return -1;
    const size_t at = address::kCpiColours + 3 * static_cast<size_t>(level - 1);
    SetByte(at, red);
    SetByte(at + 1, green);
    return SetByte(at + 2, blue);
}

// Set 0 is the first key set, any other set the second.
DRIVER_EXPORT Device_Get_Pro_File_Data_Kelvo_Driver(int set, int index, uint8_t* b0, uint8_t* b1, uint8_t* b2) {
    if (!ValidIndex(index, kButtons)) return -1;
    const uint8_t* entry = &image()[address::kKeySets[set == 0 ? 0 : 1] + 3 * static_cast<size_t>(index)];
    *b0 = entry[0];
    *b1 = entry[1];
    *b2 = entry[2];
    return 0;
}
DRIVER_EXPORT Device_Set_Pro_File_Data_Kelvo_Driver(int set, int index, int b0, int b1, int b2) {
    if (!ValidIndex(index, kButtons)) return -1;
    uint8_t* entry = &image()[address::kKeySets[set == 0 ? 0 : 1] + 3 * static_cast<size_t>(index)];
    entry[0] = static_cast<uint8_t>(b0);
    entry[1] = static_cast<uint8_t>(b1);
    entry[2] = static_cast<uint8_t>(b2);
    return 0;
}

// The data buffer holds 2048 bytes.
DRIVER_EXPORT Device_Get_Marco_Buffer_Kelvo_Driver(int number, uint8_t* name32, uint8_t* data) {
    if (number < 0 || static_cast<size_t>(number) >= kImageSize) return -1;
    const uint8_t* stored = &image()[static_cast<size_t>(number)];
    const size_t place = MacroPlace(number, MacroLength(stored, kImageSize - static_cast<size_t>(number)));
    if (place == 0) return -1;
    std::memcpy(name32, &image()[place], kMacroNameSize);
    std::memcpy(data, stored, MacroLength(stored, kImageSize - static_cast<size_t>(number)));
    return 0;
}
DRIVER_EXPORT Device_Set_Marco_Buffer_Kelvo_Driver(int number, const uint8_t* name32, const uint8_t* data) {
    const size_t length = MacroLength(data, kMacroDataMax);
    const size_t place = MacroPlace(number, length);
    if (place == 0) return -1;
    std::memcpy(&image()[place], name32, kMacroNameSize);
    std::memcpy(&image()[place + kMacroNameSize], data, length);
    return 0;
}

DRIVER_EXPORT Device_WriteLedCPIData_Kelvo_Driver(int b0, int b1, int b2, int b3) {
    const uint8_t block[4] = {static_cast<uint8_t>(b0), static_cast<uint8_t>(b1), static_cast<uint8_t>(b2),
                              static_cast<uint8_t>(b3)};
    return device->writeLedCpiBlock(block);
}

// The library's image as last read or set; the controller is not read.
DRIVER_EXPORT Device_Get_Device_Data_Kelvo_Driver(uint8_t* buffer, int count) {
    if (!buffer || count < 0 || static_cast<size_t>(count) > kImageSize) return -1;
    std::memcpy(buffer, image().data(), static_cast<size_t>(count));
    return 0;
}
DRIVER_EXPORT Device_Set_Device_Data_Kelvo_Driver(const uint8_t* data, int size) {
    return device->writeRawImage(data, size);
}
