#pragma once

#include "ui/controls/list_interfaces.h"
#include "ui/core/vertical_layout.h"

namespace SkinUI {

// The row part every list row keeps: its place in the owner, its selection
// and hover state and the owner itself.
struct ListRowStateUI {
    int index = -1;
    int drawIndex = 0;  // position among the painted rows, drives the alternate background
    bool selected = false;
    UINT buttonState = 0;  // kStateHot while the mouse is over the row
    IListOwnerUI* owner = nullptr;
};

// The row part of the drawn rows and the container rows: the IListItemUI
// operations that only read and write the row state.
class CListItemPartUI : public IListItemUI {
public:
    int GetIndex() const override { return m_row.index; }
    void SetIndex(int index) override { m_row.index = index; }
    int GetDrawIndex() const override { return m_row.drawIndex; }
    void SetDrawIndex(int index) override { m_row.drawIndex = index; }
    IListOwnerUI* GetOwner() override { return m_row.owner; }
    void SetOwner(CControlUI* owner) override { m_row.owner = AsListOwner(owner); }
    bool IsSelected() const override { return m_row.selected; }
    bool IsHot() const { return (m_row.buttonState & kStateHot) != 0; }

protected:
    ~CListItemPartUI() = default;

    ListRowStateUI m_row;
};

// Behaviour shared by the drawn rows and the container rows.
namespace ListRowUI {

// Disabled rows refuse; selecting tells the owner, which returns at once when
// it already holds this row.
bool Select(CControlUI& row, ListRowStateUI& state, bool select, bool takeFocus);
// Visible and enabled rows send "itemactivate".
bool Activate(CControlUI& row);
// A selected row that was hidden gives up the selection in its owner.
void AfterHidden(ListRowStateUI& state);

// Mouse events of a row that is not mouse-enabled belong to the owner.
bool ForwardsMouseEvents(const CControlUI& row, const EventRecordUI& event);
// Hover, press, release and leave; true when the event is consumed. A press
// selects through the row's own Select.
bool HandlePointer(CControlUI& row, IListItemUI& item, ListRowStateUI& state, EventRecordUI& event);
// Double-click and Return activate; true when the event is consumed.
bool HandleActivation(CControlUI& row, EventRecordUI& event);
// Hands the event to the owner; false when there is none.
bool ForwardToOwner(ListRowStateUI& state, EventRecordUI& event);

// Background colour and image of the row from the owner's style.
void DrawBackground(HDC dc, CControlUI& row, ListItemStyleUI& style, const ListRowStateUI& state);
// Paints the body of a list or combo pop-up as a vertical layout, after
// giving each visible, non-floating row its draw index, then the style's row
// line under each of them within the body's client area.
bool PaintBody(CVerticalLayoutUI& body, HDC dc, const RECT& paintRect, CControlUI* stopControl,
               const ListItemStyleUI* style);

}  // namespace ListRowUI

}  // namespace SkinUI
