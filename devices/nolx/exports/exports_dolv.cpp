// Exports only the Dolv library has: the macro area copy and the callback of
// its reader thread.
#include "devices/nolx/exports/library_device.h"

using nolx::ExportResult;

extern "C" int __stdcall Devcie_Exmport_Base_Macro_Dolv(unsigned char* area) {
    return ExportResult(LibraryDevice().exportBaseMacro(area));
}
extern "C" int __stdcall Device_SetCallBack_Dolv(nolx::ChangeCallback callback, void* user) {
    return ExportResult(LibraryDevice().setChangeCallback(callback, user));
}
