#include "ui/core/render_dib.h"
#include "ui/core/renderer.h"

namespace SkinUI {

namespace {

// The compatible DC that holds the bitmap being drawn, one per thread: making
// and deleting a DC for each image cost two calls into the window system,
// about half of the images' share of a whole window's repaint.
class SourceDC {
public:
    SourceDC() : m_dc(CreateCompatibleDC(nullptr)) {}
    ~SourceDC()
    {
        if (m_dc) DeleteDC(m_dc);
    }
    SourceDC(const SourceDC&) = delete;
    SourceDC& operator=(const SourceDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

bool Meets(const RECT& a, const RECT& b)
{
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

// Draws pieces of the bitmap selected in a source DC: stretched, copied or
// blended, and only where they meet the paint rectangle.
class PiecePainter {
public:
    PiecePainter(HDC dst, HDC src, const RECT& paint, bool blend, BYTE fade)
        : m_dst(dst), m_src(src), m_paint(paint), m_blend(blend), m_fade(fade)
    {
    }

    void Draw(const RECT& dst, const RECT& src, bool oneToOne = false) const
    {
        if (Width(dst) <= 0 || Height(dst) <= 0 || Width(src) <= 0 || Height(src) <= 0) return;
        if (!Meets(dst, m_paint)) return;
        if (m_blend) {
            BlendBitmapPart(m_dst, dst, m_src, src, m_fade);
        } else if (oneToOne) {
            BitBlt(m_dst, dst.left, dst.top, Width(dst), Height(dst), m_src, src.left, src.top, SRCCOPY);
        } else {
            StretchBlt(m_dst, dst.left, dst.top, Width(dst), Height(dst), m_src, src.left, src.top,
                       Width(src), Height(src), SRCCOPY);
        }
    }

    // Tiles of the source's size along x, y or both, the last ones cut short;
    // an axis that is not tiled is stretched over the whole destination.
    void Tile(const RECT& dst, const RECT& src, bool xTiled, bool yTiled) const
    {
        const int tileWidth = xTiled ? Width(src) : Width(dst);
        const int tileHeight = yTiled ? Height(src) : Height(dst);
        if (tileWidth <= 0 || tileHeight <= 0) return;
        for (int top = dst.top; top < dst.bottom; top += tileHeight) {
            const int height = yTiled ? (dst.bottom - top < tileHeight ? dst.bottom - top : tileHeight)
                                      : Height(dst);
            for (int left = dst.left; left < dst.right; left += tileWidth) {
                const int width = xTiled ? (dst.right - left < tileWidth ? dst.right - left : tileWidth)
                                         : Width(dst);
                const RECT piece = {left, top, left + width, top + height};
                const RECT part = {src.left, src.top, xTiled ? src.left + width : src.right,
                                   yTiled ? src.top + height : src.bottom};
                Draw(piece, part, xTiled && yTiled);
            }
        }
    }

private:
    HDC m_dst;
    HDC m_src;
    RECT m_paint;
    bool m_blend;
    BYTE m_fade;
};

}  // namespace

void CRendererUI::DrawImage(HDC hDC, HBITMAP bitmap, const RECT& rcDest, const RECT& rcPaint,
                            const RECT& rcSource, const RECT& rcCorners, bool alphaChannel, BYTE fade,
                            bool hole, bool xTiled, bool yTiled)
{
    if (!hDC || !bitmap) return;
    thread_local const SourceDC sourceDC;
    const HDC source = sourceDC.Get();
    if (!source) return;
    HGDIOBJ oldBitmap = SelectObject(source, bitmap);
    const int oldMode = SetStretchBltMode(hDC, COLORONCOLOR);

    const bool blend = alphaChannel || fade < 255;
    const PiecePainter painter(hDC, source, rcPaint, blend, fade);
    const RECT& D = rcDest;
    const RECT& S = rcSource;
    const LONG cl = rcCorners.left, ct = rcCorners.top, cr = rcCorners.right, cb = rcCorners.bottom;
    const bool noCorners = cl == 0 && ct == 0 && cr == 0 && cb == 0;

    if (!blend && !hole && noCorners && Width(D) == Width(S) && Height(D) == Height(S)) {
        RECT visible;
        if (IntersectRect(&visible, &D, &rcPaint)) {
            BitBlt(hDC, visible.left, visible.top, Width(visible), Height(visible), source,
                   S.left + visible.left - D.left, S.top + visible.top - D.top, SRCCOPY);
        }
    } else {
        if (!hole) {
            const RECT dst = {D.left + cl, D.top + ct, D.right - cr, D.bottom - cb};
            const RECT src = {S.left + cl, S.top + ct, S.right - cr, S.bottom - cb};
            if (Meets(dst, rcPaint)) {
                if (xTiled || yTiled) painter.Tile(dst, src, xTiled, yTiled);
                else painter.Draw(dst, src);
            }
        }
        // Corners 1:1, edges stretched along their length.
        painter.Draw({D.left, D.top, D.left + cl, D.top + ct}, {S.left, S.top, S.left + cl, S.top + ct});
        painter.Draw({D.left + cl, D.top, D.right - cr, D.top + ct},
                     {S.left + cl, S.top, S.right - cr, S.top + ct});
        painter.Draw({D.right - cr, D.top, D.right, D.top + ct}, {S.right - cr, S.top, S.right, S.top + ct});
        painter.Draw({D.left, D.top + ct, D.left + cl, D.bottom - cb},
                     {S.left, S.top + ct, S.left + cl, S.bottom - cb});
        painter.Draw({D.right - cr, D.top + ct, D.right, D.bottom - cb},
                     {S.right - cr, S.top + ct, S.right, S.bottom - cb});
        painter.Draw({D.left, D.bottom - cb, D.left + cl, D.bottom},
                     {S.left, S.bottom - cb, S.left + cl, S.bottom});
        painter.Draw({D.left + cl, D.bottom - cb, D.right - cr, D.bottom},
                     {S.left + cl, S.bottom - cb, S.right - cr, S.bottom});
        painter.Draw({D.right - cr, D.bottom - cb, D.right, D.bottom},
                     {S.right - cr, S.bottom - cb, S.right, S.bottom});
    }

    SetStretchBltMode(hDC, oldMode);
    SelectObject(source, oldBitmap);
}

}  // namespace SkinUI
