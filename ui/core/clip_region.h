#pragma once

#include <windows.h>

#include "ui/core/geometry.h"

namespace SkinUI {

// Narrows a DC's clip while a control paints; the destructor restores the
// clip that was in force before.
class CClipRegionUI {
public:
    CClipRegionUI() = default;
    CClipRegionUI(const CClipRegionUI&) = delete;
    CClipRegionUI& operator=(const CClipRegionUI&) = delete;
    ~CClipRegionUI();

    static void BeginRectClip(HDC hDC, const RECT& rc, CClipRegionUI& clip);
    static void BeginRoundClip(HDC hDC, const RECT& rc, const RECT& rcRound, int width, int height,
                               CClipRegionUI& clip);
    // Paint outside the clip for a while (a focus border), then narrow it again.
    static void SuspendClip(HDC hDC, CClipRegionUI& clip);
    static void ResumeClip(HDC hDC, CClipRegionUI& clip);

private:
    void Release();

    CRectUI m_rect;
    HDC m_dc = nullptr;
    HRGN m_clip = nullptr;
    HRGN m_outer = nullptr;
};

}  // namespace SkinUI
