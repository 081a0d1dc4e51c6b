#pragma once

#include "ui/controls/list_element.h"

namespace SkinUI {

// A row that shows one text in the owner's item style. Its desired size is
// measured from the text and cached until the text, the size rules or the
// owner's style change.
class CListLabelElementUI : public CListElementUI {
public:
    CListLabelElementUI() = default;

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetText(const wchar_t* text) override;
    void SetFixedWidth(int width) override;
    void SetFixedHeight(int height) override;
    void SetOwner(CControlUI* owner) override;
    void HandleEvent(EventRecordUI& event) override;
    SIZE GetDesiredSize(SIZE available) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;
    void DrawItemText(HDC dc, const RECT& rect) override;

protected:
    ListItemStyleUI* OwnerStyle() const;
    // The owner's text colour for the row's state.
    DWORD StateTextColor(const ListItemStyleUI& style) const;
    // Draws a text in the cell less the style's padding; markup links found
    // go into the given slots, their number into linkCount (capacity on entry).
    void DrawCellText(HDC dc, const ListItemStyleUI& style, const RECT& cell, const wchar_t* text,
                      DWORD color, RECT* links, CUIString* linkTexts, int& linkCount);
    // The desired size of a row showing `text`; a span of 0 or more replaces
    // the width that would come from the text or the offered width.
    SIZE MeasureRow(SIZE available, const wchar_t* text, int span);

    bool m_needsMeasure = true;

private:
    bool StyleDiffersFromMeasured(const ListItemStyleUI& style) const;
    SIZE MeasureText(const ListItemStyleUI& style, const wchar_t* text, RECT area) const;

    SIZE m_measured = {0, 0};
    SIZE m_measuredFor = {0, 0};
    int m_measuredItemHeight = 0;
    int m_measuredFont = -1;
    UINT m_measuredTextStyle = 0;
    RECT m_measuredPadding = {0, 0, 0, 0};
};

}  // namespace SkinUI
