#pragma once
// The exported functions of the device libraries, as the program binds them by
// name: one list per library, each line X(library, base, suffix, result, params).
// The export name is base followed by suffix; every entry is __stdcall.

#include <windows.h>

#include <cstdint>

// Called by the Dolv library's reader thread (caller cleans the stack).
typedef void (*ChangeCallbackDolv)(int* mode, int* level, void* user);

enum class DeviceLibrary { Wenk, Kelvo, KelvoDriver, Dolv, Mesk, Qiro };
constexpr int kDeviceLibraryCount = 6;

#define VASTEMOR_WENK_ENTRIES(X)                                                                       \
    X(Wenk, InitMCUDevice, , int, (int vendorId, int productId))                                      \
    X(Wenk, Device_GetProFileData, , int, (int profile, uint8_t* block216))                           \
    X(Wenk, Device_GetMarcoData, , int, (int slot, uint8_t* name32, uint8_t* data144))                \
    X(Wenk, Device_WriteProFileData, , int, (int profile, const uint8_t* block216))                   \
    X(Wenk, Device_WriteMarcoData, , int, (int slot, const uint8_t* name32, const uint8_t* data144))  \
    X(Wenk, Device_GetProFileIndex, , int, (int* index))                                              \
    X(Wenk, Device_WriteProFileIndex, , int, (int index))                                             \
    X(Wenk, Device_ReloadDevice, , int, ())                                                           \
    X(Wenk, Device_WriteEEpromData, , int, (const uint8_t* image2048))                                \
    X(Wenk, Device_ReadEEPromData, , int, (uint8_t* image2048))                                       \
    X(Wenk, Device_GetLedData, , int, (int profile, uint8_t* type, uint8_t* speed, uint8_t* brightness, uint8_t* sync)) \
    X(Wenk, Device_WriteLedData, , int, (int profile, int type, int speed, int brightness, int sync))

// Getter and setter of one 32-bit field: Device_Get_<name>(int*), Device_Set_<name>(int).
#define VASTEMOR_FIELD_PAIR(X, lib, name, suffix)                \
    X(lib, Device_Get_##name, suffix, int, (int* value))       \
    X(lib, Device_Set_##name, suffix, int, (int value))

#define VASTEMOR_KELVO_ENTRIES(X)                                                                      \
    X(Kelvo, InitMCUDevice, _Kelvo, int, (int vendorId, int productId))                               \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Led_Type, _Kelvo)                                                   \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Led_On_Off, _Kelvo)                                                 \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Led_B4CPI_On_Off, _Kelvo)                                           \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Led_LCPI_On_Off, _Kelvo)                                            \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Led_FireFn_On_Off, _Kelvo)                                          \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Save_KeyMode_On_Off, _Kelvo)                                        \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Key_Mode, _Kelvo)                                                   \
    X(Kelvo, Device_Get_CPI_RGB, _Kelvo, int, (int* red, int* green, int* blue, int level))           \
    X(Kelvo, Device_Set_CPI_RGB, _Kelvo, int, (int red, int green, int blue, int level))              \
    VASTEMOR_FIELD_PAIR(X, Kelvo, MCULED_Control, _Kelvo)                                             \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Key_Count, _Kelvo)                                                  \
    VASTEMOR_FIELD_PAIR(X, Kelvo, MCULED_Count, _Kelvo)                                               \
    VASTEMOR_FIELD_PAIR(X, Kelvo, MCULED_Current_Mode, _Kelvo)                                        \
    VASTEMOR_FIELD_PAIR(X, Kelvo, RB_Current_Mode, _Kelvo)                                            \
    VASTEMOR_FIELD_PAIR(X, Kelvo, MCULED_Current_Step, _Kelvo)                                        \
    VASTEMOR_FIELD_PAIR(X, Kelvo, MiddleKey_Press_Type, _Kelvo)                                       \
    VASTEMOR_FIELD_PAIR(X, Kelvo, CPIKey_Press_Type, _Kelvo)                                          \
    VASTEMOR_FIELD_PAIR(X, Kelvo, GunKey_Press_Type, _Kelvo)                                          \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Fire_Count, _Kelvo)                                                 \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Fire_Time, _Kelvo)                                                  \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Sensor_Ori, _Kelvo)                                                 \
    VASTEMOR_FIELD_PAIR(X, Kelvo, DeviceVID, _Kelvo)                                                  \
    VASTEMOR_FIELD_PAIR(X, Kelvo, DevicePID, _Kelvo)                                                  \
    VASTEMOR_FIELD_PAIR(X, Kelvo, CPI_Step, _Kelvo)                                                   \
    VASTEMOR_FIELD_PAIR(X, Kelvo, Current_CPI, _Kelvo)                                                \
    X(Kelvo, Device_Get_CPI_Value, _Kelvo, int, (int* value, int index))                              \
    X(Kelvo, Device_Set_CPI_Value, _Kelvo, int, (int value, int index))                               \
    X(Kelvo, Device_Get_Pro_File_Data, _Kelvo, int, (int set, int index, uint8_t* b0, uint8_t* b1, uint8_t* b2)) \
    X(Kelvo, Device_Set_Pro_File_Data, _Kelvo, int, (int set, int index, int b0, int b1, int b2))     \
    X(Kelvo, Device_Get_Fire_Macro_Data, _Kelvo, int, (int index, uint8_t* b0, uint8_t* b1, uint8_t* b2)) \
    X(Kelvo, Device_Set_Fire_Macro_Data, _Kelvo, int, (int index, int b0, int b1, int b2))            \
    X(Kelvo, Device_Get_Fire_YAxis, _Kelvo, int, (int index, uint8_t* value))                         \
    X(Kelvo, Device_Set_Fire_YAxis, _Kelvo, int, (int index, int value))                              \
    X(Kelvo, Device_Get_Fire_RGB, _Kelvo, int, (int* red, int* green, int* blue, int index))          \
    X(Kelvo, Device_Set_Fire_RGB, _Kelvo, int, (int red, int green, int blue, int index))             \
    X(Kelvo, Device_Get_Fire_Buffer, _Kelvo, int, (int index, uint8_t* buffer, int length))           \
    X(Kelvo, Device_Set_Fire_Buffer, _Kelvo, int, (int index, uint8_t* buffer, int length))           \
    X(Kelvo, Device_Get_Marco_Buffer, _Kelvo, int, (int address, uint8_t* name32, uint8_t* data))     \
    X(Kelvo, Device_Set_Marco_Buffer, _Kelvo, int, (int address, const uint8_t* name32, const uint8_t* data)) \
    X(Kelvo, Device_Get_MCU_LED_Source, _Kelvo, int, (int* flag, int source))                         \
    X(Kelvo, Device_Set_MCU_LED_Source, _Kelvo, int, (int flag, int source))                          \
    X(Kelvo, WriteMCUDevice, _Kelvo, int, ())                                                         \
    X(Kelvo, WriteFireData, _Kelvo, int, ())                                                          \
    X(Kelvo, ReadMCUDevice, _Kelvo, int, ())                                                          \
    X(Kelvo, Device_Get_Data_By_Addr, _Kelvo, int, (int* value, int address))                         \
    X(Kelvo, CloseMCUDevice, _Kelvo, int, ())                                                         \
    X(Kelvo, Device_Get_Device_Data, _Kelvo, int, (uint8_t* buffer, int count))                       \
    X(Kelvo, Device_Set_Device_Data, _Kelvo, int, (const uint8_t* image2048, int unused))             \
    X(Kelvo, Device_Get_Change_Data, _Kelvo, int, (int* report))

#define VASTEMOR_KELVO_DRIVER_ENTRIES(X)                                                               \
    X(KelvoDriver, InitMCUDevice, _Kelvo_Driver, int, (int vendorId, int productId))                  \
    X(KelvoDriver, CloseMCUDevice, _Kelvo_Driver, int, ())                                            \
    X(KelvoDriver, ReadMCUDevice, _Kelvo_Driver, int, ())                                             \
    X(KelvoDriver, WriteMCUDevice, _Kelvo_Driver, int, ())                                            \
    VASTEMOR_FIELD_PAIR(X, KelvoDriver, Key_Mode, _Kelvo_Driver)                                      \
    X(KelvoDriver, Device_Get_CPI_RGB, _Kelvo_Driver, int, (int* red, int* green, int* blue, int level)) \
    X(KelvoDriver, Device_Set_CPI_RGB, _Kelvo_Driver, int, (int red, int green, int blue, int level)) \
    VASTEMOR_FIELD_PAIR(X, KelvoDriver, Fire_Count, _Kelvo_Driver)                                    \
    VASTEMOR_FIELD_PAIR(X, KelvoDriver, Fire_Time, _Kelvo_Driver)                                     \
    VASTEMOR_FIELD_PAIR(X, KelvoDriver, CPI_Step, _Kelvo_Driver)                                      \
    VASTEMOR_FIELD_PAIR(X, KelvoDriver, Current_CPI, _Kelvo_Driver)                                   \
    X(KelvoDriver, Device_Get_CPI_Value, _Kelvo_Driver, int, (int* value, int index))                 \
    X(KelvoDriver, Device_Set_CPI_Value, _Kelvo_Driver, int, (int value, int index))                  \
    X(KelvoDriver, Device_Get_Pro_File_Data, _Kelvo_Driver, int, (int set, int index, uint8_t* b0, uint8_t* b1, uint8_t* b2)) \
    X(KelvoDriver, Device_Set_Pro_File_Data, _Kelvo_Driver, int, (int set, int index, int b0, int b1, int b2)) \
    X(KelvoDriver, Device_Get_Marco_Buffer, _Kelvo_Driver, int, (int address, uint8_t* name32, uint8_t* data)) \
    X(KelvoDriver, Device_Set_Marco_Buffer, _Kelvo_Driver, int, (int address, const uint8_t* name32, const uint8_t* data)) \
    X(KelvoDriver, Device_WriteLedCPIData, _Kelvo_Driver, int, (int b0, int b1, int b2, int b3))     \
    X(KelvoDriver, Device_Get_Device_Data, _Kelvo_Driver, int, (uint8_t* buffer, int count))          \
    X(KelvoDriver, Device_Set_Device_Data, _Kelvo_Driver, int, (const uint8_t* image, int size))      \
    VASTEMOR_FIELD_PAIR(X, KelvoDriver, Led_LCPI, _Kelvo_Driver)                                      \
    VASTEMOR_FIELD_PAIR(X, KelvoDriver, Led_B4CPI, _Kelvo_Driver)

// The Nolx-family entries before and after the LED breath-rate pair, which
// differs between the families.
#define VASTEMOR_NOLX_HEAD(X, lib, suffix)                                                             \
    X(lib, InitMCUDevice, suffix, int, (int vendorId, int productId, int openFlag))                   \
    VASTEMOR_FIELD_PAIR(X, lib, LED_Breath_Mode, suffix)                                              \
    VASTEMOR_FIELD_PAIR(X, lib, VID, suffix)                                                          \
    VASTEMOR_FIELD_PAIR(X, lib, PID, suffix)                                                          \
    VASTEMOR_FIELD_PAIR(X, lib, Number_CPI, suffix)                                                   \
    X(lib, Device_Get_CPI_Value, suffix, int, (int level, int* step))                                 \
    X(lib, Device_Set_CPI_Value, suffix, int, (int level, int step))                                  \
    X(lib, Device_Get_CPI_Color, suffix, int, (int level, uint8_t* red, uint8_t* green, uint8_t* blue)) \
    X(lib, Device_Set_CPI_Color, suffix, int, (int level, int red, int green, int blue))              \
    X(lib, Device_Get_User_Color, suffix, int, (int index, uint8_t* red, uint8_t* green, uint8_t* blue)) \
    X(lib, Device_Set_User_Color, suffix, int, (int index, int red, int green, int blue))             \
    X(lib, Devcie_Get_USB_Product_String, suffix, int, (char* text17))                                \
    X(lib, Devcie_Set_USB_Product_String, suffix, int, (const char* text))                            \
    VASTEMOR_FIELD_PAIR(X, lib, Current_CPI_Gear, suffix)                                             \
    X(lib, Devcie_Get_Macro_Key, suffix, int, (int table, int index, uint8_t* b0, uint8_t* b1, uint8_t* b2, uint8_t* b3)) \
    X(lib, Devcie_Set_Macro_Key, suffix, int, (int table, int index, int b0, int b1, int b2, int b3)) \
    X(lib, Devcie_Import_Base_Macro, suffix, int, (const uint8_t* area512))                           \
    X(lib, Devcie_Import_Patch_Code, suffix, int, (const uint8_t* buffer))                            \
    X(lib, Devcie_Import_Configuration, suffix, int, (const uint8_t* buffer))                         \
    X(lib, Devcie_Get_Report_Rate, suffix, int, (int* code))                                          \
    X(lib, Devcie_Set_Report_Rate, suffix, int, (int code))                                           \
    X(lib, Devcie_Get_Sensor_Rotation, suffix, int, (int* degrees))                                   \
    X(lib, Devcie_Set_Sensor_Rotation, suffix, int, (int degrees))

#define VASTEMOR_NOLX_BREATH_RATE_WITH_ON_FLAG(X, lib, suffix)                                         \
    X(lib, Device_Get_LED_Breath_Rate, suffix, int, (int* rate, int* on))                             \
    X(lib, Device_Set_LED_Breath_Rate, suffix, int, (int rate, int on))

#define VASTEMOR_NOLX_TAIL(X, lib, suffix)                                                             \
    X(lib, EEPROM_Save_Configuration, suffix, int, (uint8_t* image2048))                              \
    X(lib, EEPROM_Write_Configuration, suffix, int, (const uint8_t* image2048))                       \
    X(lib, Device_Get_Data_By_Addr, suffix, int, (int* value, int address))                           \
    X(lib, Devcie_Get_Key_Mode, suffix, int, (int* mode))                                             \
    X(lib, Devcie_Set_Key_Mode, suffix, int, (int mode))                                              \
    X(lib, ReadDeviceData, suffix, int, ())                                                           \
    X(lib, Device_Get_Fire_Key_Data, suffix, int, (int key, int* code, int* value))                   \
    X(lib, Device_Set_Fire_Key_Data, suffix, int, (int key, int code, int value))                     \
    X(lib, Device_Set_Macro_Data, suffix, int, (int index, const uint8_t* header16, const uint8_t* data, int length)) \
    X(lib, Device_Get_Macro_Data, suffix, int, (int index, uint8_t* header16, uint8_t* data, int* address, int* length)) \
    X(lib, Device_Get_Fire_Macro_Data, suffix, int, (int index, uint8_t* record, int* first, int* second, int* red, int* green, int* blue)) \
    X(lib, Device_Set_Fire_Macro_Data, suffix, int, (int index, const uint8_t* record, int first, int second, int red, int green, int blue))

#define VASTEMOR_DOLV_ENTRIES(X)                                                                       \
    VASTEMOR_NOLX_HEAD(X, Dolv, _Dolv)                                                                \
    VASTEMOR_NOLX_BREATH_RATE_WITH_ON_FLAG(X, Dolv, _Dolv)                                            \
    VASTEMOR_NOLX_TAIL(X, Dolv, _Dolv)                                                                \
    X(Dolv, Device_Get_Change_Data, _Dolv, int, (int* report))                                        \
    X(Dolv, Device_SetCallBack, _Dolv, int, (ChangeCallbackDolv callback, void* user))

#define VASTEMOR_MESK_ENTRIES(X)                                                                       \
    VASTEMOR_NOLX_HEAD(X, Mesk, _Mesk)                                                                \
    X(Mesk, Device_Get_LED_Breath_Rate, _Mesk, int, (int* rate))                                      \
    X(Mesk, Device_Set_LED_Breath_Rate, _Mesk, int, (int rate))                                       \
    VASTEMOR_NOLX_TAIL(X, Mesk, _Mesk)                                                                \
    X(Mesk, Device_Get_Change_Data, _Mesk, int, (int* report))

#define VASTEMOR_QIRO_ENTRIES(X)                                                                       \
    VASTEMOR_NOLX_HEAD(X, Qiro, _Qiro)                                                                \
    VASTEMOR_NOLX_BREATH_RATE_WITH_ON_FLAG(X, Qiro, _Qiro)                                            \
    VASTEMOR_NOLX_TAIL(X, Qiro, _Qiro)                                                                \
    X(Qiro, Devcie_Get_Combo_Key, _Qiro, int, (int index, uint8_t* b0, uint8_t* b1, uint8_t* b2, uint8_t* b3)) \
    X(Qiro, Devcie_Set_Combo_Key, _Qiro, int, (int index, int b0, int b1, int b2, int b3))            \
    X(Qiro, Devcie_Get_Device_Data, _Qiro, int, (uint8_t* buffer, int length))                        \
    X(Qiro, Device_Get_Change_Data, _Qiro, int, (int* report))

#define VASTEMOR_DEVICE_ENTRIES(X) \
    VASTEMOR_WENK_ENTRIES(X)       \
    VASTEMOR_KELVO_ENTRIES(X)      \
    VASTEMOR_KELVO_DRIVER_ENTRIES(X) \
    VASTEMOR_DOLV_ENTRIES(X)       \
    VASTEMOR_MESK_ENTRIES(X)       \
    VASTEMOR_QIRO_ENTRIES(X)

// One function pointer per export, named as the export; null while unbound.
struct DeviceEntries {
#define VASTEMOR_DECLARE_ENTRY(lib, base, suffix, result, params) result(__stdcall* base##suffix) params = nullptr;
    VASTEMOR_DEVICE_ENTRIES(VASTEMOR_DECLARE_ENTRY)
#undef VASTEMOR_DECLARE_ENTRY
};
