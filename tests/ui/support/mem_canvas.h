#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace SkinUI {
namespace test {

// A memory DC over a 32-bit top-down DIB to draw into and read back.
class MemCanvas {
public:
    MemCanvas(int width, int height, DWORD fill = 0xFF000000);
    ~MemCanvas();
    MemCanvas(const MemCanvas&) = delete;
    MemCanvas& operator=(const MemCanvas&) = delete;

    HDC dc() const { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    // Every pixel set to the ARGB value, alpha byte included.
    void Fill(DWORD argb);
    // The pixel as ARGB (GDI leaves alpha 0 where it draws).
    DWORD Pixel(int x, int y) const;
    // The image as an opaque PNG, for a person to look at.
    bool SavePng(const std::wstring& path) const;

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
    int m_width;
    int m_height;
};

// Red, green and blue each within the tolerance (alpha ignored).
::testing::AssertionResult RgbNear(DWORD actual, DWORD expected, int tolerance = 2);

}  // namespace test
}  // namespace SkinUI
