#pragma once

#include "ui/core/container.h"

namespace SkinUI {

// What the vertical and horizontal layouts share: a separator strip on one
// edge ("sepheight" of the vertical, "sepwidth" of the horizontal) with which
// the user resizes the layout itself by dragging, either live ("sepimm") or
// with a tracking strip applied on release.
class CStackLayoutUI : public CContainerUI {
public:
    UINT GetBehaviorFlags() const override;
    void HandleEvent(EventRecordUI& event) override;
    void PostPaint(HDC dc, const RECT& paintRect) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    void SetImmediateSeparatorDrag(bool immediate);
    bool IsImmediateSeparatorDrag() const { return m_immediate; }
    // 0 = none; negative = a strip along the top (left) edge, positive =
    // along the bottom (right) edge. No layout or invalidation.
    void SetSeparatorSize(int size) { m_separatorSize = size; }
    int GetSeparatorSize() const { return m_separatorSize; }
    // The strip of the drag rectangle while dragging (when asked), else of
    // the position.
    RECT GetSeparatorRect(bool useDragRect = false) const;
    bool IsDraggingSeparator() const { return (m_dragState & kStateCaptured) != 0; }

protected:
    explicit CStackLayoutUI(bool vertical);

private:
    void BeginDrag(POINT point);
    void EndDrag();
    void DragTo(POINT point);
    // The edge of a rectangle that the separator moves, and the one it keeps.
    LONG& MovingEdge(RECT& rect) const;
    LONG KeptEdge(const RECT& rect) const;
    int Extent(const RECT& rect) const;

    bool m_vertical;
    int m_separatorSize = 0;
    UINT m_dragState = 0;
    POINT m_lastPoint = {0, 0};
    RECT m_dragRect = {0, 0, 0, 0};
    bool m_immediate = false;
};

}  // namespace SkinUI
