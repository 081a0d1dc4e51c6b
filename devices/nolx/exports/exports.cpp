// The exports all three libraries share.
#include "devices/nolx/exports/library_device.h"

using nolx::ExportResult;

NOLX_EXPORT(InitMCUDevice)(int vendorId, int productId, int flag) {
    if (FAILED(CoInitialize(nullptr))) return -1;
    return ExportResult(LibraryDevice().init(vendorId, productId, flag));
}

NOLX_EXPORT(ReadDeviceData)() {
    if (FAILED(CoInitialize(nullptr))) return -1;
    return ExportResult(LibraryDevice().readDeviceData());
}

NOLX_EXPORT(Device_Get_VID)(int* out) { return ExportResult(LibraryDevice().getVendorId(out)); }
NOLX_EXPORT(Device_Set_VID)(int vendorId) { return ExportResult(LibraryDevice().setVendorId(vendorId)); }
NOLX_EXPORT(Device_Get_PID)(int* out) { return ExportResult(LibraryDevice().getProductId(out)); }
NOLX_EXPORT(Device_Set_PID)(int productId) { return ExportResult(LibraryDevice().setProductId(productId)); }

NOLX_EXPORT(Device_Get_Number_CPI)(int* out) { return ExportResult(LibraryDevice().getCpiLevelCount(out)); }
NOLX_EXPORT(Device_Set_Number_CPI)(int count) { return ExportResult(LibraryDevice().setCpiLevelCount(count)); }
NOLX_EXPORT(Device_Get_Current_CPI_Gear)(int* out) { return ExportResult(LibraryDevice().getCurrentGear(out)); }
NOLX_EXPORT(Device_Set_Current_CPI_Gear)(int gear) { return ExportResult(LibraryDevice().setCurrentGear(gear)); }

NOLX_EXPORT(Device_Get_CPI_Value)(int level, int* out) {
    return ExportResult(LibraryDevice().getCpiValue(level, out));
}
NOLX_EXPORT(Device_Set_CPI_Value)(int level, int step) {
    return ExportResult(LibraryDevice().setCpiValue(level, step));
}
NOLX_EXPORT(Device_Get_CPI_Color)(int level, unsigned char* r, unsigned char* g, unsigned char* b) {
    return ExportResult(LibraryDevice().getCpiColour(level, r, g, b));
}
NOLX_EXPORT(Device_Set_CPI_Color)(int level, int r, int g, int b) {
    return ExportResult(LibraryDevice().setCpiColour(level, r, g, b));
}
NOLX_EXPORT(Device_Get_User_Color)(int index, unsigned char* r, unsigned char* g, unsigned char* b) {
    return ExportResult(LibraryDevice().getUserColour(index, r, g, b));
}
NOLX_EXPORT(Device_Set_User_Color)(int index, int r, int g, int b) {
    return ExportResult(LibraryDevice().setUserColour(index, r, g, b));
}

NOLX_EXPORT(Devcie_Get_USB_Product_String)(char* out) { return ExportResult(LibraryDevice().getProductString(out)); }
NOLX_EXPORT(Devcie_Set_USB_Product_String)(const char* text) {
    return ExportResult(LibraryDevice().setProductString(text));
}
NOLX_EXPORT(Devcie_Get_Report_Rate)(int* out) { return ExportResult(LibraryDevice().getReportRate(out)); }
NOLX_EXPORT(Devcie_Set_Report_Rate)(int code) { return ExportResult(LibraryDevice().setReportRate(code)); }
NOLX_EXPORT(Devcie_Get_Sensor_Rotation)(int* out) { return ExportResult(LibraryDevice().getSensorRotation(out)); }
NOLX_EXPORT(Devcie_Set_Sensor_Rotation)(int degrees) {
    return ExportResult(LibraryDevice().setSensorRotation(degrees));
}
NOLX_EXPORT(Device_Get_LED_Breath_Mode)(int* out) { return ExportResult(LibraryDevice().getBreathMode(out)); }
NOLX_EXPORT(Device_Set_LED_Breath_Mode)(int mode) { return ExportResult(LibraryDevice().setBreathMode(mode)); }
NOLX_EXPORT(Devcie_Get_Key_Mode)(int* out) { return ExportResult(LibraryDevice().getKeyMode(out)); }
NOLX_EXPORT(Devcie_Set_Key_Mode)(int mode) { return ExportResult(LibraryDevice().setKeyMode(mode)); }

NOLX_EXPORT(Devcie_Get_Macro_Key)(int table, int index, unsigned char* b0, unsigned char* b1, unsigned char* b2,
                                  unsigned char* b3) {
    return ExportResult(LibraryDevice().getMacroKey(table, index, b0, b1, b2, b3));
}
NOLX_EXPORT(Devcie_Set_Macro_Key)(int table, int index, int b0, int b1, int b2, int b3) {
    return ExportResult(LibraryDevice().setMacroKey(table, index, b0, b1, b2, b3));
}

NOLX_EXPORT(Device_Get_Fire_Key_Data)(int key, int* code, int* value) {
    return ExportResult(LibraryDevice().getFireKey(key, code, value));
}
NOLX_EXPORT(Device_Set_Fire_Key_Data)(int key, int code, int value) {
    return ExportResult(LibraryDevice().setFireKey(key, code, value));
}
NOLX_EXPORT(Device_Get_Fire_Macro_Data)(int index, unsigned char* record, int* first, int* second, int* r, int* g,
                                        int* b) {
    return ExportResult(LibraryDevice().getFireMacro(index, record, first, second, r, g, b));
}
NOLX_EXPORT(Device_Set_Fire_Macro_Data)(int index, const unsigned char* record, int first, int second, int r, int g,
                                        int b) {
    return ExportResult(LibraryDevice().setFireMacro(index, record, first, second, r, g, b));
}
NOLX_EXPORT(Device_Get_Macro_Data)(int index, unsigned char* header, unsigned char* data, int* address,
                                   int* length) {
    return ExportResult(LibraryDevice().getMacro(index, header, data, address, length));
}
NOLX_EXPORT(Device_Set_Macro_Data)(int index, const unsigned char* header, const unsigned char* data, int length) {
    return ExportResult(LibraryDevice().setMacro(index, header, data, length));
}

NOLX_EXPORT(EEPROM_Save_Configuration)(unsigned char* image) {
    return ExportResult(LibraryDevice().saveConfiguration(image));
}
NOLX_EXPORT(EEPROM_Write_Configuration)(const unsigned char* image) {
    return ExportResult(LibraryDevice().writeConfiguration(image));
}
NOLX_EXPORT(Devcie_Import_Base_Macro)(const unsigned char* area) {
    return ExportResult(LibraryDevice().importBaseMacro(area));
}
NOLX_EXPORT(Devcie_Import_Patch_Code)(const unsigned char* buffer) {
    return ExportResult(LibraryDevice().importPatchCode(buffer));
}
NOLX_EXPORT(Devcie_Import_Configuration)(const unsigned char*) { return -1; }

NOLX_EXPORT(Device_Get_Data_By_Addr)(int* out, int address) {
    return ExportResult(LibraryDevice().getDataByAddress(out, address));
}
NOLX_EXPORT(Device_Get_Change_Data)(int* out) { return ExportResult(LibraryDevice().getChangeData(out)); }
