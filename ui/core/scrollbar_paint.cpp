#include "ui/core/scrollbar.h"

namespace SkinUI {

namespace {

void SetDisabledBit(UINT& state, bool enabled)
{
    if (enabled)
        state &= ~kStateDisabled;
    else
        state |= kStateDisabled;
}

}  // namespace

bool CScrollBarUI::DrawPartImage(HDC dc, ImageDrawInfoUI& image, const RECT& rect)
{
    if (image.description.IsEmpty())
        return false;
    return CRendererUI::DrawImageDescription(dc, m_manager, rect, m_paintRect, image);
}

void CScrollBarUI::PaintStateImage(HDC dc, PartUI& images, UINT state, const RECT& rect)
{
    ImageState chosen = kNormal;
    if ((state & kStateDisabled) != 0)
        chosen = kDisabled;
    else if ((state & kStatePushed) != 0)
        chosen = kPushed;
    else if ((state & kStateHot) != 0)
        chosen = kHot;
    if (chosen != kNormal && DrawPartImage(dc, images.images[chosen], rect))
        return;
    DrawPartImage(dc, images.images[kNormal], rect);
}

void CScrollBarUI::PaintPart(HDC dc, PartUI& part)
{
    SetDisabledBit(part.state, IsEnabled());
    if (part.color != 0)
        CRendererUI::FillColor(dc, part.rect, AdjustColor(part.color));
    PaintStateImage(dc, part, part.state, part.rect);
}

void CScrollBarUI::PaintRail(HDC dc)
{
    // A grip square of the bar's thickness on the middle of the thumb.
    const RECT& thumb = m_thumb.rect;
    const int side = Thickness();
    RECT rail = thumb;
    if (m_horizontal) {
        rail.left = (thumb.left + thumb.right) / 2 - side / 2;
        rail.right = rail.left + side;
    } else {
        rail.top = (thumb.top + thumb.bottom) / 2 - side / 2;
        rail.bottom = rail.top + side;
    }
    PaintStateImage(dc, m_rail, m_thumb.state, rail);
}

bool CScrollBarUI::PaintContent(HDC dc, const RECT&, CControlUI*)
{
    PaintBackgroundColor(dc);
    PaintBackgroundImage(dc);
    SetDisabledBit(m_thumb.state, IsEnabled());
    PaintStateImage(dc, m_background, m_thumb.state, m_position);
    if (m_button1.shown)
        PaintPart(dc, m_button1);
    if (m_button2.shown)
        PaintPart(dc, m_button2);
    const RECT& thumb = m_thumb.rect;
    if (thumb.left != 0 || thumb.top != 0 || thumb.right != 0 || thumb.bottom != 0) {
        PaintPart(dc, m_thumb);
        PaintRail(dc);
    }
    PaintBorder(dc);
    return true;
}

}  // namespace SkinUI
