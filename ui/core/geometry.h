#pragma once

#include <windows.h>

namespace SkinUI {

// Rectangle with the layout of RECT; passes wherever a RECT is expected.
class CRectUI : public RECT {
public:
    CRectUI();
    CRectUI(const RECT& rc);
    CRectUI(LONG l, LONG t, LONG r, LONG b);

    int GetWidth() const { return right - left; }
    int GetHeight() const { return bottom - top; }
    // Smaller left/top and larger right/bottom; empty rectangles count too.
    void Union(const RECT& other);
    void MoveToOrigin();
    void Offset(int dx, int dy);
};

class CSizeUI : public SIZE {
public:
    CSizeUI(LONG x = 0, LONG y = 0);
};

class CPointUI : public POINT {
public:
    CPointUI(LONG px = 0, LONG py = 0);
};

// An integer resource id in the form resource functions take (MAKEINTRESOURCE).
class ResourceIdUI {
public:
    explicit ResourceIdUI(int id);
    operator LPCWSTR() const { return m_name; }

private:
    LPCWSTR m_name;
};

static_assert(sizeof(CRectUI) == sizeof(RECT), "CRectUI must have the layout of RECT");
static_assert(sizeof(CSizeUI) == sizeof(SIZE), "CSizeUI must have the layout of SIZE");
static_assert(sizeof(CPointUI) == sizeof(POINT), "CPointUI must have the layout of POINT");
static_assert(sizeof(ResourceIdUI) == sizeof(void*), "ResourceIdUI is one pointer");

}  // namespace SkinUI
