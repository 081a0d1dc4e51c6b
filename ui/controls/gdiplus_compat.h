#pragma once

// GDI+ C++ wrappers of mingw-w64: they need windows.h and objidl.h first and
// do not declare the time dimension of animated images.
#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

extern "C" const GUID FrameDimensionTime;
