#include "ui/core/wide_format.h"

#include <windows.h>

namespace SkinUI {
namespace {

typedef int(__cdecl* CountFn)(const wchar_t*, va_list);
typedef int(__cdecl* WriteFn)(wchar_t*, size_t, const wchar_t*, va_list);

struct RuntimeFormatters {
    CountFn count;
    WriteFn write;
};

const RuntimeFormatters& Formatters()
{
    static const RuntimeFormatters formatters = [] {
        RuntimeFormatters f = {nullptr, nullptr};
        HMODULE crt = GetModuleHandleW(L"msvcrt.dll");
        if (!crt)
            crt = LoadLibraryW(L"msvcrt.dll");
        if (crt) {
            f.count = reinterpret_cast<CountFn>(
                reinterpret_cast<void*>(GetProcAddress(crt, "_vscwprintf")));
            f.write = reinterpret_cast<WriteFn>(
                reinterpret_cast<void*>(GetProcAddress(crt, "_vsnwprintf")));
        }
        return f;
    }();
    return formatters;
}

}  // namespace

int CountWideFormat(const wchar_t* format, va_list args)
{
    const CountFn count = Formatters().count;
    return count ? count(format, args) : -1;
}

int WriteWideFormat(wchar_t* buffer, size_t count, const wchar_t* format, va_list args)
{
    const WriteFn write = Formatters().write;
    return write ? write(buffer, count, format, args) : -1;
}

}  // namespace SkinUI
