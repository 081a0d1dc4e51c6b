#pragma once

#include <cstdarg>
#include <cstddef>

namespace SkinUI {

// The C runtime's own wide formatting, where "%s" is a wide text as on
// Windows (the C99 printf this toolchain substitutes reads it as narrow).

// Characters the output needs, without the terminator; -1 for a bad format.
int CountWideFormat(const wchar_t* format, va_list args);
// Writes at most `count` characters; returns the number written or -1.
int WriteWideFormat(wchar_t* buffer, size_t count, const wchar_t* format, va_list args);

}  // namespace SkinUI
