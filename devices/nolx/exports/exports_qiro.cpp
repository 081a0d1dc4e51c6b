// Exports only the Qiro library has: combo keys and the raw image read.
#include "devices/nolx/exports/library_device.h"

using nolx::ExportResult;

extern "C" int __stdcall Devcie_Get_Combo_Key_Qiro(int index, unsigned char* b0, unsigned char* b1,
                                                   unsigned char* b2, unsigned char* b3) {
    return ExportResult(LibraryDevice().getComboKey(index, b0, b1, b2, b3));
}
extern "C" int __stdcall Devcie_Set_Combo_Key_Qiro(int index, int b0, int b1, int b2, int b3) {
    return ExportResult(LibraryDevice().setComboKey(index, b0, b1, b2, b3));
}
extern "C" int __stdcall Devcie_Get_Device_Data_Qiro(unsigned char* buffer, int length) {
    return ExportResult(LibraryDevice().getDeviceData(buffer, length));
}
