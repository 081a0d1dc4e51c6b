// LED breath rate and on flag of the controllers that keep them in the LED header.
#include "devices/nolx/exports/library_device.h"

using nolx::ExportResult;

NOLX_EXPORT(Device_Get_LED_Breath_Rate)(int* rate, int* on) {
    return ExportResult(LibraryDevice().getLedBreath(rate, on));
}
NOLX_EXPORT(Device_Set_LED_Breath_Rate)(int rate, int on) {
    return ExportResult(LibraryDevice().setLedBreath(rate, on));
}
