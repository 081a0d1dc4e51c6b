#pragma once

#include "ui/core/vertical_layout.h"

namespace SkinUI {

class CListUI;

// The scrolling part of a list that holds its rows: stacks them in the
// header's column span, separates them by the row lines and keeps the
// header's columns in step with horizontal scrolling.
class CListBodyUI : public CVerticalLayoutUI {
public:
    explicit CListBodyUI(CListUI* owner);

    void SetPosition(RECT rect, bool invalidate = true) override;
    void SetScrollPosition(SIZE position) override;
    void HandleEvent(EventRecordUI& event) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

private:
    // The width every row gets: the column span, else the client width.
    int RowWidth(int clientWidth) const;
    void ShiftHeaderColumns(int dx);

    CListUI* m_owner;
};

}  // namespace SkinUI
