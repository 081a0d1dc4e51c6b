#include "ui/core/vertical_layout.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/scrollbar.h"
#include "ui/core/layout_limits.h"

namespace SkinUI {

CVerticalLayoutUI::CVerticalLayoutUI() : CStackLayoutUI(true) {}

const wchar_t* CVerticalLayoutUI::GetClassName() const
{
    return L"VerticalLayout";
}

void* CVerticalLayoutUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"VerticalLayout") == 0)
        return this;
    return CContainerUI::GetInterfaceByName(name);
}

void CVerticalLayoutUI::SetPosition(RECT rect, bool invalidate)
{
    RECT rc;
    if (!BeginScrollingLayout(rect, invalidate, rc))
        return;
    const CScrollBarUI* vertical = ShownVerticalBar();
    const CScrollBarUI* horizontal = ShownHorizontalBar();
    const SIZE available = GetScrollableSize(rc);

    // Estimate: the fixed heights, the number of children sharing the rest,
    // and the widest child.
    int adjustables = 0;
    int fixedTotal = 0;
    int estimated = 0;
    int neededWidth = 0;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = static_cast<CControlUI*>(m_items.ItemAt(i));
        if (!child->IsVisible() || child->IsFloating())
            continue;
        const RECT pad = child->GetPadding();
        const int widthLimit = WidthLimit(*child);
        const int heightLimit = HeightLimit(*child);
        SIZE desired = child->GetDesiredSize(SIZE{
            std::min<int>(widthLimit, available.cx - pad.left - pad.right),
            std::min<int>(heightLimit, available.cy)});
        if (desired.cy == 0) {
            ++adjustables;
        } else {
            desired.cy = ClampHeight(*child, desired.cy);
            fixedTotal += desired.cy;
        }
        fixedTotal += pad.top + pad.bottom;
        const int width =
ClampWidth(*child, desired.cx < 1 ? 0 : desired.cx) + pad.left + pad.right;
        neededWidth = std::max(neededWidth, width);
        ++estimated;
    }
    const int paddings = m_childPadding * std::max(estimated - 1, 0);
    fixedTotal += paddings;
    int share = 0;
    if (adjustables > 0)
        share = std::max<int>((available.cy - fixedTotal) / adjustables, 0);

    // Placement, top to bottom; the last adjustable child takes what is left.
    int remaining = available.cy;
    int fixedRemaining = fixedTotal;
    int y = rc.top - (vertical != nullptr ? vertical->GetScrollPosition() : 0);
    int placedAdjustables = 0;
    int placed = 0;
    int neededHeight = 0;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* child = FlowChildAt(i);
        if (child == nullptr)
            continue;
        const RECT pad = child->GetPadding();
        remaining -= pad.top;
        const int widthLimit = WidthLimit(*child);
        const int heightLimit = HeightLimit(*child);
        fixedRemaining -= pad.top + pad.bottom;
        if (placed > 0)
            fixedRemaining -= m_childPadding;
        const int widthRoom = std::min<int>(widthLimit, available.cx - pad.left - pad.right);
        const SIZE desired = child->GetDesiredSize(SIZE{widthRoom, std::min(heightLimit, remaining)});

        int height;
        if (desired.cy != 0) {
            height = ClampHeight(*child, desired.cy);
            fixedRemaining -= height;
        } else {
            ++placedAdjustables;
            height = placedAdjustables == adjustables
                         ? std::max(0, remaining - static_cast<int>(pad.bottom) - fixedRemaining)
                         : share;
            height = ClampHeight(*child, height);
        }

        int width = child->GetMaxWidth();
        if (width == 0)
            width = std::max<int>(available.cx - pad.left - pad.right, 0);
        width = std::max(std::min(width, widthRoom), child->GetMinWidth());

        int left;
        if (m_childAlign == kAlignCenter) {
            int centre = (rc.left + rc.right) / 2;
            if (horizontal != nullptr)
                centre += horizontal->GetScrollRange() / 2 - horizontal->GetScrollPosition();
            left = centre - width / 2;
        } else if (m_childAlign == kAlignRight) {
            int rightEdge = rc.right - pad.right;
            if (horizontal != nullptr)
                rightEdge += horizontal->GetScrollRange() - horizontal->GetScrollPosition();
            left = rightEdge - width;
        } else {
            left = rc.left + pad.left - (horizontal != nullptr ? horizontal->GetScrollPosition() : 0);
        }
        child->SetPosition(RECT{left, y + pad.top, left + width, y + pad.top + height}, false);

        y += height + pad.top + pad.bottom + m_childPadding;
        neededHeight += height + pad.top + pad.bottom;
        remaining -= height + pad.bottom + m_childPadding;
        ++placed;
    }
    UpdateScrollBars(rc, neededWidth, neededHeight + paddings);
}

}  // namespace SkinUI
