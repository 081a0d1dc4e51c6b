#include "ui/core/geometry.h"

namespace SkinUI {

CRectUI::CRectUI() : RECT{0, 0, 0, 0} {}

CRectUI::CRectUI(const RECT& rc) : RECT(rc) {}

CRectUI::CRectUI(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}

void CRectUI::Union(const RECT& other)
{
    if (other.left < left)
        left = other.left;
    if (other.top < top)
        top = other.top;
    if (other.right > right)
        right = other.right;
    if (other.bottom > bottom)
        bottom = other.bottom;
}

void CRectUI::MoveToOrigin()
{
    OffsetRect(this, -left, -top);
}

void CRectUI::Offset(int dx, int dy)
{
    OffsetRect(this, dx, dy);
}

CSizeUI::CSizeUI(LONG x, LONG y) : SIZE{x, y} {}

CPointUI::CPointUI(LONG px, LONG py) : POINT{px, py} {}

ResourceIdUI::ResourceIdUI(int id) : m_name(MAKEINTRESOURCEW(static_cast<WORD>(id))) {}

}  // namespace SkinUI
