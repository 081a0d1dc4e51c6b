#include "ui/core/scrollbar.h"
#include "ui/core/clip_region.h"
#include "ui/core/container.h"

namespace SkinUI {

namespace {

bool Meets(const RECT& a, const RECT& b)
{
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

}  // namespace

bool CContainerUI::PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    RECT ownPaint;
    if (!IntersectRect(&ownPaint, &paintRect, &m_position))
        return true;
    CClipRegionUI clip;
    CClipRegionUI::BeginRectClip(dc, ownPaint, clip);
    CControlUI::PaintContent(dc, paintRect, stopControl);

    if (!m_items.IsEmpty()) {
        const RECT client = GetClientPosition();
        RECT clientPaint;
        const bool clientMet = IntersectRect(&clientPaint, &paintRect, &client) != FALSE;
        CClipRegionUI childClip;
        if (clientMet)
            CClipRegionUI::BeginRectClip(dc, clientPaint, childClip);
        for (int i = 0; i < m_items.GetSize(); ++i) {
            CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(i));
            if (child == stopControl)
                return false;
            if (!child->IsVisible() || !Meets(paintRect, child->GetPosition()))
                continue;
            if (child->IsFloating()) {
                // Floating children may draw over the inset and the bars.
                if (!Meets(m_position, child->GetPosition()))
                    continue;
                if (clientMet)
                    CClipRegionUI::SuspendClip(dc, childClip);
                const bool painted = child->Paint(dc, paintRect, stopControl);
                if (clientMet)
                    CClipRegionUI::ResumeClip(dc, childClip);
                if (!painted)
                    return false;
            } else if (clientMet && Meets(client, child->GetPosition())) {
                if (!child->Paint(dc, paintRect, stopControl))
                    return false;
            }
        }
    }

    for (CScrollBarUI* bar : {m_verticalScrollBar, m_horizontalScrollBar}) {
        if (bar == nullptr)
            continue;
        if (bar == stopControl)
            return false;
        if (bar->IsVisible() && Meets(paintRect, bar->GetPosition()) &&
            !bar->Paint(dc, paintRect, stopControl))
            return false;
    }
    return true;
}

}  // namespace SkinUI
