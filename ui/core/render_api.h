#pragma once

#include <windows.h>

namespace SkinUI {

// Drawing and layered-window functions that older systems may lack, looked up
// at run time. Every entry may be null; callers then take their fallback path.
// Tests assign null to an entry to exercise that path and restore it after.
struct RenderApiUI {
    using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    using GradientFillFn = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                                BLENDFUNCTION*, DWORD);
    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    AlphaBlendFn alphaBlend = nullptr;                              // msimg32.dll
    GradientFillFn gradientFill = nullptr;                          // msimg32.dll
    UpdateLayeredWindowFn updateLayeredWindow = nullptr;            // user32.dll
    SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;  // user32.dll

    // The process-wide table, resolved on first use.
    static RenderApiUI& Get();
};

}  // namespace SkinUI
