#pragma once

#include "ui/controls/list_interfaces.h"

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
// The row line of the style under a row, in the colour given, where it meets the paint rectangle.
void DrawRowLine(HDC dc, CControlUI& row, const ListItemStyleUI& style, DWORD color,
                 const RECT& paintRect);

}  // namespace ListRowUI

}  // namespace SkinUI
