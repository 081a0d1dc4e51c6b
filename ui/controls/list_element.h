#pragma once

#include "ui/controls/list_row.h"
#include "ui/core/control.h"

namespace SkinUI {

// Base of the drawn rows: selection, activation and the row background from
// the owner's style; the text is drawn by the classes below it.
class CListElementUI : public CControlUI, public IListItemUI {
public:
    CListElementUI() = default;

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    bool Activate() override;
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    int GetIndex() const override { return m_row.index; }
    void SetIndex(int index) override { m_row.index = index; }
    int GetDrawIndex() const override { return m_row.drawIndex; }
    void SetDrawIndex(int index) override { m_row.drawIndex = index; }
    IListOwnerUI* GetOwner() override { return m_row.owner; }
    void SetOwner(CControlUI* owner) override;
    bool IsSelected() const override { return m_row.selected; }
    bool Select(bool select = true, bool takeFocus = false) override;
    bool IsExpanded() const override { return false; }
    bool Expand(bool expand = true) override;

    void DrawItemBackground(HDC dc);
    bool IsHot() const { return (m_row.buttonState & kStateHot) != 0; }

protected:
    ListRowStateUI m_row;
};

}  // namespace SkinUI
