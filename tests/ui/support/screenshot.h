#pragma once

#include <windows.h>

#include <string>

namespace SkinUI {
namespace test {

// Paints the client area of a framework window (through WM_PRINTCLIENT) and
// writes it as "<build folder>\screenshots\<name>.png" for a person to look
// at. Returns the file's path, or an empty text when nothing was written.
std::wstring SaveScreenshot(HWND window, const std::wstring& name);

}  // namespace test
}  // namespace SkinUI
