// Times a layout pass over a tree of thousands of controls and the paint of
// a 1310 x 749 window of a few hundred controls into a memory DC.
#include <windows.h>

#include <cstdio>

#include "ui/core/horizontal_layout.h"
#include "ui/core/tile_layout.h"
#include "ui/core/vertical_layout.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;

namespace {

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

// rows x columns labels-to-be in a scrolling vertical layout, plus a tile grid.
CVerticalLayoutUI* MakeTree(int rows, int columns, int tiles, int* count)
{
    CVerticalLayoutUI* root = new CVerticalLayoutUI;
    root->SetAttribute(L"vscrollbar", L"true");
    root->SetAttribute(L"inset", L"4,4,4,4");
    root->SetAttribute(L"childpadding", L"2");
    root->SetBackgroundColor(0xFF202020);
    *count = 1;
    for (int r = 0; r < rows; ++r) {
        CHorizontalLayoutUI* row = new CHorizontalLayoutUI;
        row->SetFixedHeight(24);
        row->SetAttribute(L"childpadding", L"4");
        row->SetAttribute(L"childvalign", L"vcenter");
        for (int c = 0; c < columns; ++c) {
            CControlUI* cell = new CControlUI;
            if (c % 3 == 0)
                cell->SetFixedWidth(60);
            cell->SetFixedHeight(c % 2 == 0 ? 20 : 0);
            cell->SetBackgroundColor(0xFF000000 | (0x10203 * (r + c) & 0xFFFFFF));
            cell->SetBorderColor(0xFF808080);
            cell->SetBorderSize(1);
            row->AddItem(cell);
        }
        root->AddItem(row);
        *count += columns + 1;
    }
    CTileLayoutUI* grid = new CTileLayoutUI;
    grid->SetItemSize(SIZE{60, 40});
    grid->SetFixedHeight(((tiles + 19) / 20) * 40);
    for (int t = 0; t < tiles; ++t) {
        CControlUI* tile = new CControlUI;
        tile->SetBackgroundColor(0xFF3060A0);
        grid->AddItem(tile);
    }
    root->AddItem(grid);
    *count += tiles + 1;
    return root;
}

void BenchLayout()
{
    CWindowManagerUI manager;
    int count = 0;
    CVerticalLayoutUI* root = MakeTree(400, 10, 1000, &count);
    manager.AttachRoot(root);
    const int passes = 50;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < passes; ++i)
        root->SetPosition(RECT{0, 0, 1310 - (i & 1), 749}, false);
    QueryPerformanceCounter(&end);
    std::printf("ui_layout: layout pass over %d controls: %.3f ms\n", count,
                Seconds(start, end) * 1000.0 / passes);
}

void BenchPaint()
{
    CWindowManagerUI manager;
    int count = 0;
    CVerticalLayoutUI* root = MakeTree(26, 12, 60, &count);
    manager.AttachRoot(root);
    root->SetPosition(RECT{0, 0, 1310, 749}, false);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 1310;
    info.bmiHeader.biHeight = -749;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);

    const RECT whole = {0, 0, 1310, 749};
    const int frames = 40;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < frames; ++i)
        root->Paint(dc, whole, nullptr);
    QueryPerformanceCounter(&end);
    std::printf("ui_layout: paint of 1310 x 749 with %d controls: %.3f ms per frame\n", count,
                Seconds(start, end) * 1000.0 / frames);

    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace

int main()
{
    BenchLayout();
    BenchPaint();
    return 0;
}
