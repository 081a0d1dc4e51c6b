#include "tests/ui/support/mem_canvas.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/ui/support/image_writer.h"

namespace SkinUI {
namespace test {

MemCanvas::MemCanvas(int width, int height, DWORD fill) : m_width(width), m_height(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<DWORD*>(bits);
    m_dc = CreateCompatibleDC(nullptr);
    m_old = SelectObject(m_dc, m_bitmap);
    Fill(fill);
}

MemCanvas::~MemCanvas()
{
    SelectObject(m_dc, m_old);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
}

void MemCanvas::Fill(DWORD argb)
{
    GdiFlush();
    for (int i = 0; i < m_width * m_height; ++i) m_bits[i] = argb;
}

DWORD MemCanvas::Pixel(int x, int y) const
{
    GdiFlush();
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    return m_bits[y * m_width + x];
}

bool MemCanvas::SavePng(const std::wstring& path) const
{
    GdiFlush();
    std::vector<BYTE> rgba(static_cast<size_t>(m_width) * m_height * 4);
    for (int i = 0; i < m_width * m_height; ++i) {
        rgba[i * 4] = static_cast<BYTE>(m_bits[i] >> 16);
        rgba[i * 4 + 1] = static_cast<BYTE>(m_bits[i] >> 8);
        rgba[i * 4 + 2] = static_cast<BYTE>(m_bits[i]);
        rgba[i * 4 + 3] = 0xFF;
    }
    return WriteBytes(path, EncodePng(m_width, m_height, rgba));
}

::testing::AssertionResult RgbNear(DWORD actual, DWORD expected, int tolerance)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - e) > tolerance) {
            char text[96];
            std::snprintf(text, sizeof text, "colour %06lX, expected %06lX (+/-%d)",
                          static_cast<unsigned long>(actual & 0xFFFFFF),
                          static_cast<unsigned long>(expected & 0xFFFFFF), tolerance);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace test
}  // namespace SkinUI
