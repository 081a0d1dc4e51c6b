#include <algorithm>

#include "ui/core/control.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

const RECT& CControlUI::GetPosition() const
{
    return m_position;
}

RECT CControlUI::GetRelativePosition() const
{
    if (m_parent == nullptr)
        return RECT{0, 0, 0, 0};
    const RECT& parent = m_parent->GetPosition();
    RECT rect = m_position;
    OffsetRect(&rect, -parent.left, -parent.top);
    return rect;
}

RECT CControlUI::GetClientPosition() const
{
    return m_position;
}

bool CControlUI::ClipToAncestors(RECT& rect) const
{
    for (const CControlUI* ancestor = m_parent; ancestor != nullptr; ancestor = ancestor->GetParent()) {
        if (!ancestor->IsVisible())
            return false;
        RECT clipped;
        if (!IntersectRect(&clipped, &rect, &ancestor->GetPosition()))
            return false;
        rect = clipped;
    }
    return true;
}

bool CControlUI::ClipToAncestorClients(RECT& rect) const
{
    for (const CControlUI* ancestor = m_parent; ancestor != nullptr; ancestor = ancestor->GetParent()) {
        if (!ancestor->IsVisible())
            return false;
        const RECT client = ancestor->GetClientPosition();
        if (!IntersectRect(&rect, &rect, &client))
            return false;
    }
    return true;
}

void CControlUI::SetPosition(RECT rect, bool invalidate)
{
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;

    const bool hadPosition = !IsRectEmpty(&m_position);
    const RECT old = m_position;
    if (!m_floating) {
        m_position = rect;
    } else if (m_parent != nullptr) {
        // A floating control takes its rectangle relative to its parent and
        // keeps its anchors consistent with it.
        const RECT& parent = m_parent->GetPosition();
        const int width = parent.right - parent.left;
        const int height = parent.bottom - parent.top;
        m_position = rect;
        OffsetRect(&m_position, parent.left, parent.top);
        m_fixedXY.cx = rect.left - static_cast<int>(width * m_floatPercent[0]);
        m_fixedSize.cx = rect.right - m_fixedXY.cx - static_cast<int>(width * m_floatPercent[2]);
        m_fixedXY.cy = rect.top - static_cast<int>(height * m_floatPercent[1]);
        m_fixedSize.cy = rect.bottom - m_fixedXY.cy - static_cast<int>(height * m_floatPercent[3]);
    }

    if (m_manager == nullptr)
        return;
    if (!m_sizeEventGuard) {
        m_sizeEventGuard = true;
        if (OnSize.HasDelegates())
            OnSize.Invoke(this);
        m_sizeEventGuard = false;
    }
    m_needsLayout = false;

    if (invalidate && IsVisible()) {
        RECT area;
        UnionRect(&area, hadPosition ? &old : &m_position, &m_position);
        if (ClipToAncestors(area))
            m_manager->InvalidateArea(area);
    }
    // The cover follows even when nothing was invalidated.
    PositionCover(rect);
}

void CControlUI::PositionCover(const RECT& normalised)
{
    if (m_cover == nullptr || !m_cover->IsVisible())
        return;
    RECT rect;
    if (m_cover->IsFloating()) {
        const int width = m_position.right - m_position.left;
        const int height = m_position.bottom - m_position.top;
        double percent[4];
        m_cover->GetFloatPercent(percent);
        const SIZE xy = m_cover->GetFixedXY();
        rect.left = static_cast<int>(width * percent[0]) + xy.cx;
        rect.top = static_cast<int>(height * percent[1]) + xy.cy;
        rect.right = static_cast<int>(width * percent[2]) + xy.cx + m_cover->GetFixedWidth();
        rect.bottom = static_cast<int>(height * percent[3]) + xy.cy + m_cover->GetFixedHeight();
    } else {
        int width = normalised.right - normalised.left;
        int height = normalised.bottom - normalised.top;
        width = std::min(std::max(width, m_cover->GetMinWidth()), m_cover->GetMaxWidth());
        height = std::min(std::max(height, m_cover->GetMinHeight()), m_cover->GetMaxHeight());
        rect = RECT{normalised.left, normalised.top, normalised.left + width, normalised.top + height};
    }
    m_cover->SetPosition(rect, false);
}

void CControlUI::MoveBy(int dx, int dy, bool invalidate)
{
    const RECT old = m_position;
    OffsetRect(&m_position, dx, dy);
    if (invalidate && m_manager != nullptr && IsVisible()) {
        RECT area;
        UnionRect(&area, &old, &m_position);
        if (ClipToAncestors(area))
            m_manager->InvalidateArea(area);
    }
    // Moving is relative: a cover skipped here would stay offset for good.
    if (m_cover != nullptr && m_cover->IsVisible())
        m_cover->MoveBy(dx, dy, false);
}

int CControlUI::GetWidth() const
{
    return m_position.right - m_position.left;
}

int CControlUI::GetHeight() const
{
    return m_position.bottom - m_position.top;
}

int CControlUI::GetX() const
{
    return m_position.left;
}

int CControlUI::GetY() const
{
    return m_position.top;
}

RECT CControlUI::GetPadding() const
{
    return m_padding;
}

void CControlUI::SetPadding(RECT padding)
{
    m_padding = padding;
    RequestParentLayout();
}

SIZE CControlUI::GetFixedXY() const
{
    return m_fixedXY;
}

void CControlUI::SetFixedXY(SIZE xy)
{
    m_fixedXY = xy;
    RequestParentLayout();
}

void CControlUI::GetFloatPercent(double percent[4]) const
{
    std::copy(m_floatPercent, m_floatPercent + 4, percent);
}

void CControlUI::SetFloatPercent(const double percent[4])
{
    std::copy(percent, percent + 4, m_floatPercent);
    RequestParentLayout();
}

int CControlUI::GetFixedWidth() const
{
    return m_fixedSize.cx;
}

void CControlUI::SetFixedWidth(int width)
{
    if (width < 0)
        return;
    m_fixedSize.cx = width;
    RequestParentLayout();
}

int CControlUI::GetFixedHeight() const
{
    return m_fixedSize.cy;
}

void CControlUI::SetFixedHeight(int height)
{
    if (height < 0)
        return;
    m_fixedSize.cy = height;
    RequestParentLayout();
}

namespace {

// Size limits ignore negative and unchanged values.
bool ChangeLimit(LONG& limit, int value)
{
    if (value < 0 || limit == value)
        return false;
    limit = value;
    return true;
}

}  // namespace

int CControlUI::GetMinWidth() const
{
    return m_minSize.cx;
}

void CControlUI::SetMinWidth(int width)
{
    if (ChangeLimit(m_minSize.cx, width))
        RequestParentLayout();
}

int CControlUI::GetMaxWidth() const
{
    return std::max(m_maxSize.cx, m_minSize.cx);
}

void CControlUI::SetMaxWidth(int width)
{
    if (ChangeLimit(m_maxSize.cx, width))
        RequestParentLayout();
}

int CControlUI::GetMinHeight() const
{
    return m_minSize.cy;
}

void CControlUI::SetMinHeight(int height)
{
    if (ChangeLimit(m_minSize.cy, height))
        RequestParentLayout();
}

int CControlUI::GetMaxHeight() const
{
    return std::max(m_maxSize.cy, m_minSize.cy);
}

void CControlUI::SetMaxHeight(int height)
{
    if (ChangeLimit(m_maxSize.cy, height))
        RequestParentLayout();
}

bool CControlUI::IsFloating() const
{
    return m_floating;
}

void CControlUI::SetFloating(bool floating)
{
    if (m_floating == floating)
        return;
    m_floating = floating;
    RequestParentLayout();
}

void CControlUI::Invalidate()
{
    if (!IsVisible() || m_manager == nullptr)
        return;
    RECT area = m_position;
    if (ClipToAncestors(area))
        m_manager->InvalidateArea(area);
}

void CControlUI::RequestLayout()
{
    if (!IsVisible())
        return;
    m_needsLayout = true;
    Invalidate();
    if (m_manager != nullptr)
        m_manager->SetLayoutPending();
}

void CControlUI::RequestParentLayout()
{
    if (m_parent != nullptr) {
        m_parent->RequestLayout();
        m_parent->Invalidate();
    } else {
        RequestLayout();
    }
    if (m_manager != nullptr)
        m_manager->SetLayoutPending();
}

}  // namespace SkinUI
