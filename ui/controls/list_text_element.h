#pragma once

#include <vector>

#include "ui/controls/list_label_element.h"

namespace SkinUI {

// A row with one text per header column, from the list's text provider or
// its own column texts; markup texts may carry links that send "link".
class CListTextElementUI : public CListLabelElementUI {
public:
    static constexpr int kMaxLinks = 8;

    CListTextElementUI() = default;

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    void SetOwner(CControlUI* owner) override;
    void HandleEvent(EventRecordUI& event) override;
    SIZE GetDesiredSize(SIZE available) override;
    void DrawItemText(HDC dc, const RECT& rect) override;

    // Null past the last column given a text.
    const wchar_t* GetColumnText(int column) const;
    void SetColumnText(int column, const wchar_t* text);
    int GetLinkCount() const { return m_linkCount; }
    const RECT& GetLinkRect(int index) const { return m_links[index]; }
    int GetHotLink() const { return m_hotLink; }

private:
    // The text of a cell: the provider's, else the column text.
    CUIString CellText(int column) const;
    // The text the row is measured by.
    CUIString MeasuredText() const;
    int LinkAt(POINT point) const;

    int m_linkCount = 0;
    RECT m_links[kMaxLinks] = {};
    CUIString m_linkTexts[kMaxLinks];
    int m_hotLink = -1;
    IListUI* m_list = nullptr;
    std::vector<CUIString> m_columnTexts;
    CUIString m_lastMeasuredText;
    int m_lastSpan = -1;
};

}  // namespace SkinUI
