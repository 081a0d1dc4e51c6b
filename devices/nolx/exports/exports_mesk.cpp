// Mesk keeps one LED breath rate value, 1..10.
#include "devices/nolx/exports/library_device.h"

using nolx::ExportResult;

extern "C" int __stdcall Device_Get_LED_Breath_Rate_Mesk(int* rate) {
    return ExportResult(LibraryDevice().getLedBreath(rate, nullptr));
}
extern "C" int __stdcall Device_Set_LED_Breath_Rate_Mesk(int rate) {
    return ExportResult(LibraryDevice().setLedBreath(rate, 0));
}
