#include "ui/core/clip_region.h"

namespace SkinUI {

namespace {

// The clip in force is kept as its bounding box.
HRGN CurrentClip(HDC hDC)
{
    RECT box = {};
    GetClipBox(hDC, &box);
    return CreateRectRgnIndirect(&box);
}

}  // namespace

CClipRegionUI::~CClipRegionUI()
{
    Release();
}

void CClipRegionUI::Release()
{
    if (m_dc && m_outer) SelectClipRgn(m_dc, m_outer);
    if (m_clip) DeleteObject(m_clip);
    if (m_outer) DeleteObject(m_outer);
    m_clip = nullptr;
    m_outer = nullptr;
    m_dc = nullptr;
}

void CClipRegionUI::BeginRectClip(HDC hDC, const RECT& rc, CClipRegionUI& clip)
{
    clip.Release();
    if (!hDC) return;
    clip.m_dc = hDC;
    clip.m_rect = rc;
    clip.m_outer = CurrentClip(hDC);
    clip.m_clip = CreateRectRgnIndirect(&rc);
    if (!clip.m_outer || !clip.m_clip) return;
    CombineRgn(clip.m_clip, clip.m_clip, clip.m_outer, RGN_AND);
    SelectClipRgn(hDC, clip.m_clip);
}

void CClipRegionUI::BeginRoundClip(HDC hDC, const RECT& rc, const RECT& rcRound, int width, int height,
                                   CClipRegionUI& clip)
{
    clip.Release();
    if (!hDC) return;
    clip.m_dc = hDC;
    clip.m_rect = rc;
    clip.m_outer = CurrentClip(hDC);
    clip.m_clip = CreateRectRgnIndirect(&rc);
    HRGN round = CreateRoundRectRgn(rcRound.left, rcRound.top, rcRound.right + 1, rcRound.bottom + 1,
                                    width, height);
    if (clip.m_outer && clip.m_clip && round) {
        CombineRgn(clip.m_clip, clip.m_clip, clip.m_outer, RGN_AND);
        CombineRgn(clip.m_clip, clip.m_clip, round, RGN_AND);
        SelectClipRgn(hDC, clip.m_clip);
    }
    if (round) DeleteObject(round);
}

void CClipRegionUI::SuspendClip(HDC hDC, CClipRegionUI& clip)
{
    if (hDC && clip.m_outer) SelectClipRgn(hDC, clip.m_outer);
}

void CClipRegionUI::ResumeClip(HDC hDC, CClipRegionUI& clip)
{
    if (hDC && clip.m_clip) SelectClipRgn(hDC, clip.m_clip);
}

}  // namespace SkinUI
