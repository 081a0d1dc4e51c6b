#include "ui/controls/list_label_element.h"

#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

constexpr UINT kHorizontalAlignment = DT_CENTER | DT_RIGHT;
constexpr int kMeasureExtent = 9999;

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

const wchar_t* CListLabelElementUI::GetClassName() const
{
    return L"ListLabelElement";
}

void* CListLabelElementUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"ListLabelElement"))
        return this;
    return CListElementUI::GetInterfaceByName(name);
}

void CListLabelElementUI::SetText(const wchar_t* text)
{
    m_needsMeasure = true;
    CListElementUI::SetText(text);
}

void CListLabelElementUI::SetFixedWidth(int width)
{
    m_needsMeasure = true;
    CListElementUI::SetFixedWidth(width);
}

void CListLabelElementUI::SetFixedHeight(int height)
{
    m_needsMeasure = true;
    CListElementUI::SetFixedHeight(height);
}

void CListLabelElementUI::SetOwner(CControlUI* owner)
{
    m_needsMeasure = true;
    CListElementUI::SetOwner(owner);
}

void CListLabelElementUI::HandleEvent(EventRecordUI& event)
{
    if (!ListRowUI::ForwardsMouseEvents(*this, event) &&
        ListRowUI::HandlePointer(*this, *this, m_row, event))
        return;
    CListElementUI::HandleEvent(event);
}

ListItemStyleUI* CListLabelElementUI::OwnerStyle() const
{
    return m_row.owner != nullptr ? m_row.owner->GetItemStyle() : nullptr;
}

bool CListLabelElementUI::StyleDiffersFromMeasured(const ListItemStyleUI& style) const
{
    return style.itemHeight != m_measuredItemHeight || style.font != m_measuredFont ||
           style.textStyle != m_measuredTextStyle ||
           !SameRect(style.textPadding, m_measuredPadding);
}

SIZE CListLabelElementUI::MeasureText(const ListItemStyleUI& style, const wchar_t* text,
                                      RECT area) const
{
    HDC dc = m_manager != nullptr ? m_manager->GetWindowDC() : nullptr;
    if (dc == nullptr)
        return SIZE{0, 0};
    const UINT format = (style.textStyle & ~kHorizontalAlignment) | DT_CALCRECT;
    if (style.showHtml) {
        int noLinks = 0;
        CRendererUI::DrawMarkupText(dc, m_manager, area, text, 0, nullptr, nullptr, noLinks,
                                    style.font, format);
    } else {
        CRendererUI::DrawPlainText(dc, m_manager, area, text, 0, style.font, format);
    }
    return SIZE{area.right - area.left, area.bottom - area.top};
}

SIZE CListLabelElementUI::MeasureRow(SIZE available, const wchar_t* text, int span)
{
    const ListItemStyleUI* style = OwnerStyle();
    if (style == nullptr)
        return SIZE{0, 0};
    if (m_fixedSize.cx > 0) {
        if (m_fixedSize.cy > 0)
            return m_fixedSize;
        if (style->itemHeight != 0)
            return SIZE{m_fixedSize.cx, style->itemHeight};
    }
    const bool singleLine = (style->textStyle & DT_SINGLELINE) != 0;
    const bool availableChanged =
        available.cx != m_measuredFor.cx || available.cy != m_measuredFor.cy;
    if (!m_needsMeasure && !(availableChanged && !singleLine) && !StyleDiffersFromMeasured(*style))
        return m_measured;

    m_needsMeasure = false;
    m_measuredFor = available;
    m_measuredItemHeight = style->itemHeight;
    m_measuredFont = style->font;
    m_measuredTextStyle = style->textStyle;
    m_measuredPadding = style->textPadding;

    const RECT& pad = style->textPadding;
    if (singleLine) {
        if (m_fixedSize.cy > 0) {
            m_measured.cy = m_fixedSize.cy;
        } else if (style->itemHeight != 0) {
            m_measured.cy = style->itemHeight;
        } else {
            const FontRecordUI* font =
                m_manager != nullptr ? m_manager->GetFontRecord(style->font) : nullptr;
            const int fontHeight = font != nullptr ? font->metrics.tmHeight : 0;
            m_measured.cy = fontHeight + 8 + pad.top + pad.bottom;
        }
        if (m_fixedSize.cx > 0)
            m_measured.cx = m_fixedSize.cx;
        else if (span >= 0)
            m_measured.cx = span;
        else
            m_measured.cx = MeasureText(*style, text, RECT{0, 0, kMeasureExtent, kMeasureExtent}).cx +
                            pad.left + pad.right;
    } else {
        if (m_fixedSize.cx > 0)
            m_measured.cx = m_fixedSize.cx;
        else
            m_measured.cx = span >= 0 ? span : available.cx;
        const RECT area = {pad.left, 0, m_measured.cx - pad.right, kMeasureExtent};
        m_measured.cy = pad.top + pad.bottom + MeasureText(*style, text, area).cy;
    }
    return m_measured;
}

SIZE CListLabelElementUI::GetDesiredSize(SIZE available)
{
    return MeasureRow(available, m_text, -1);
}

bool CListLabelElementUI::PaintContent(HDC dc, const RECT&, CControlUI*)
{
    DrawItemBackground(dc);
    DrawItemText(dc, m_position);
    return true;
}

DWORD CListLabelElementUI::StateTextColor(const ListItemStyleUI& style) const
{
    DWORD color = style.textColor;
    if (IsHot())
        color = style.hotTextColor;
    if (m_row.selected)
        color = style.selectedTextColor;
    if (!IsEnabled())
        color = style.disabledTextColor;
    return color;
}

void CListLabelElementUI::DrawCellText(HDC dc, const ListItemStyleUI& style, const RECT& cell,
                                       const wchar_t* text, DWORD color, RECT* links,
                                       CUIString* linkTexts, int& linkCount)
{
    RECT area = {cell.left + style.textPadding.left, cell.top + style.textPadding.top,
                 cell.right - style.textPadding.right, cell.bottom - style.textPadding.bottom};
    if (style.showHtml) {
        CRendererUI::DrawMarkupText(dc, m_manager, area, text, color, links, linkTexts, linkCount,
                                    style.font, style.textStyle);
    } else {
        linkCount = 0;
        CRendererUI::DrawPlainText(dc, m_manager, area, text, color, style.font, style.textStyle);
    }
}

void CListLabelElementUI::DrawItemText(HDC dc, const RECT& rect)
{
    const ListItemStyleUI* style = OwnerStyle();
    if (m_text.IsEmpty() || style == nullptr)
        return;
    int noLinks = 0;
    DrawCellText(dc, *style, rect, m_text, StateTextColor(*style), nullptr, nullptr, noLinks);
}

}  // namespace SkinUI
