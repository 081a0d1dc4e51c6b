#pragma once
// The library's one device object and the naming of its exports.

#include "devices/nolx/mcu_device.h"
#include "devices/nolx/status.h"

// Each build defines NOLX_CHIP (Qiro, Dolv or Mesk) and NOLX_SUFFIX (_Qiro, ...).
#define NOLX_JOIN_(name, suffix) name##suffix
#define NOLX_JOIN(name, suffix) NOLX_JOIN_(name, suffix)
// An export: stdcall, named by the .def file without decoration.
#define NOLX_EXPORT(name) extern "C" int __stdcall NOLX_JOIN(name, NOLX_SUFFIX)

nolx::McuDevice& LibraryDevice();
