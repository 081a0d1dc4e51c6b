#pragma once

#include "ui/controls/label.h"

namespace SkinUI {

// A word-wrapped label whose markup may carry links: it remembers where
// they were drawn, shows the hand over them, tracks the hovered one and
// sends "link" with the link's number (wParam) when one is clicked.
class CTextUI : public CLabelUI {
public:
    static constexpr int kMaxLinks = 8;

    CTextUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    void HandleEvent(EventRecordUI& event) override;
    void PaintText(HDC dc) override;

    int GetLinkCount() const { return m_linkCount; }
    // In window client coordinates; index below GetLinkCount.
    const RECT& GetLinkRect(int index) const { return m_linkRects[index]; }
    // The link's target as the markup gives it.
    const CUIString& GetLinkText(int index) const { return m_linkTexts[index]; }
    int GetHoveredLink() const { return m_hoveredLink; }

protected:
    ~CTextUI() override = default;

private:
    // The first link holding the point, or -1.
    int LinkAt(POINT point) const;

    int m_linkCount = 0;
    RECT m_linkRects[kMaxLinks] = {};
    CUIString m_linkTexts[kMaxLinks];
    int m_hoveredLink = -1;
};

}  // namespace SkinUI
