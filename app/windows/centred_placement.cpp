#include "app/windows/centred_placement.h"

POINT CentredOver(const RECT& owner, SIZE size)
{
    const int ownerWidth = owner.right - owner.left;
    const int ownerHeight = owner.bottom - owner.top;
    return {owner.left + (ownerWidth - size.cx) / 2, owner.top + (ownerHeight - size.cy) / 2};
}

void PlaceCentredOverOwner(HWND window, HWND owner, SIZE size)
{
    RECT area = {};
    if (owner == nullptr || !GetWindowRect(owner, &area))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const POINT corner = CentredOver(area, size);
    MoveWindow(window, corner.x, corner.y, size.cx, size.cy, FALSE);
}
