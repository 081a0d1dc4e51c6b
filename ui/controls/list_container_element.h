#pragma once

#include "ui/controls/list_row.h"
#include "ui/core/container.h"

namespace SkinUI {

// A row that holds other controls; it can be expanded through its owner.
class CListContainerElementUI : public CContainerUI, public IListItemUI {
public:
    CListContainerElementUI() = default;

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    bool Activate() override;
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    // Its fixed width, and its fixed height or else the owner's item height.
    SIZE GetDesiredSize(SIZE available) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

    int GetIndex() const override { return m_row.index; }
    void SetIndex(int index) override { m_row.index = index; }
    int GetDrawIndex() const override { return m_row.drawIndex; }
    void SetDrawIndex(int index) override { m_row.drawIndex = index; }
    IListOwnerUI* GetOwner() override { return m_row.owner; }
    void SetOwner(CControlUI* owner) override;
    bool IsSelected() const override { return m_row.selected; }
    bool Select(bool select = true, bool takeFocus = false) override;
    bool IsExpanded() const override { return m_expanded; }
    // An expandable row asks its owner and then sends "itemexpand" or
    // "itemcollapse"; a refusal keeps the new flag and gives false.
    bool Expand(bool expand = true) override;
    void DrawItemText(HDC dc, const RECT& rect) override;

    bool IsExpandable() const { return m_expandable; }
    void SetExpandable(bool expandable) { m_expandable = expandable; }
    bool IsHot() const { return (m_row.buttonState & kStateHot) != 0; }
    void DrawItemBackground(HDC dc);

protected:
    ListRowStateUI m_row;
    bool m_expandable = false;
    bool m_expanded = false;
};

// A container row whose children are placed in the header's columns.
class CListHBoxElementUI : public CListContainerElementUI {
public:
    CListHBoxElementUI() = default;

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;
};

}  // namespace SkinUI
