#include "ui/core/horizontal_layout.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/scrollbar.h"
#include "ui/core/layout_limits.h"

namespace SkinUI {

CHorizontalLayoutUI::CHorizontalLayoutUI() : CStackLayoutUI(false) {}

const wchar_t* CHorizontalLayoutUI::GetClassName() const
{
    return L"HorizontalLayout";
}

void* CHorizontalLayoutUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"HorizontalLayout") == 0)
        return this;
    return CContainerUI::GetInterfaceByName(name);
}

void CHorizontalLayoutUI::SetPosition(RECT rect, bool invalidate)
{
    RECT rc;
    if (!BeginScrollingLayout(rect, invalidate, rc))
        return;
    const CScrollBarUI* vertical = ShownVerticalBar();
    const CScrollBarUI* horizontal = ShownHorizontalBar();
    const SIZE available = GetScrollableSize(rc);

    // Estimate: a child without a fixed width shares the rest unasked; one
    // with a fixed width is asked and shares only when it wants no width.
    int adjustables = 0;
    int fixedTotal = 0;
    int estimated = 0;
    int neededHeight = 0;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (!child->IsVisible() || child->IsFloating())
            continue;
        const RECT pad = child->GetPadding();
        int height = child->GetFixedHeight();
        if (child->GetFixedWidth() == 0) {
            ++adjustables;
        } else {
            const SIZE desired = child->GetDesiredSize(SIZE{
                std::min<int>(WidthLimit(*child), available.cx),
                std::min<int>(HeightLimit(*child), available.cy - pad.top - pad.bottom)});
            if (desired.cx == 0)
                ++adjustables;
            else
                fixedTotal += ClampWidth(*child, desired.cx);
            height = desired.cy < 1 ? 0 : desired.cy;
        }
        fixedTotal += pad.left + pad.right;
        neededHeight = std::max<int>(neededHeight, ClampHeight(*child, height) + pad.top + pad.bottom);
        ++estimated;
    }
    const int paddings = m_childPadding * std::max(estimated - 1, 0);
    fixedTotal += paddings;
    int share = 0;
    if (adjustables > 0)
        share = std::max<int>((available.cx - fixedTotal) / adjustables, 0);

    // Placement, left to right; the last adjustable child takes what is left.
    int remaining = available.cx;
    int fixedRemaining = fixedTotal;
    int x = rc.left - (horizontal != nullptr ? horizontal->GetScrollPosition() : 0);
    int placedAdjustables = 0;
    int placed = 0;
    int neededWidth = 0;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = FlowChildAt(i);
        if (child == nullptr)
            continue;
        const RECT pad = child->GetPadding();
        remaining -= pad.left;
        fixedRemaining -= pad.left + pad.right;
        if (placed > 0)
            fixedRemaining -= m_childPadding;
        const int heightRoom = std::min<int>(HeightLimit(*child), available.cy - pad.top - pad.bottom);
        const SIZE desired =
            child->GetDesiredSize(SIZE{std::min(WidthLimit(*child), remaining), heightRoom});

        int width;
        if (child->GetFixedWidth() != 0 && desired.cx != 0) {
            width = ClampWidth(*child, desired.cx);
            fixedRemaining -= width;
        } else {
            ++placedAdjustables;
            width = placedAdjustables == adjustables
                        ? std::max(0, remaining - static_cast<int>(pad.right) - fixedRemaining)
                        : share;
            width = ClampWidth(*child, width);
        }

        int height = child->GetMaxHeight();
        if (height == 0)
            height = std::max<int>(available.cy - pad.top - pad.bottom, 0);
        height = std::max(std::min(height, heightRoom), child->GetMinHeight());

        int top;
        if (m_childVAlign == kAlignVCenter) {
            int centre = (rc.top + rc.bottom) / 2;
            if (vertical != nullptr)
                centre += vertical->GetScrollRange() / 2 - vertical->GetScrollPosition();
            top = centre - height / 2;
        } else if (m_childVAlign == kAlignBottom) {
            int bottomEdge = rc.bottom;
            if (vertical != nullptr)
                bottomEdge += vertical->GetScrollRange() - vertical->GetScrollPosition();
            top = bottomEdge - height - pad.bottom;
        } else {
            top = rc.top + pad.top - (vertical != nullptr ? vertical->GetScrollPosition() : 0);
        }
        child->SetPosition(RECT{x + pad.left, top, x + pad.left + width, top + height}, false);

        x += width + pad.left + pad.right + m_childPadding;
        neededWidth += width + pad.left + pad.right;
        remaining -= width + pad.right + m_childPadding;
        ++placed;
    }
    UpdateScrollBars(rc, neededWidth + paddings, neededHeight);
}

}  // namespace SkinUI
