#pragma once

#include <memory>

#include "ui/core/renderer.h"

namespace SkinUI {
namespace test {

struct ImageDeleter {
    void operator()(ImageRecordUI* image) const { CRendererUI::FreeImage(image); }
};
using OwnedImage = std::unique_ptr<ImageRecordUI, ImageDeleter>;

// The stored pixel as ARGB (bytes blue, green, red, alpha).
inline DWORD StoredPixel(const ImageRecordUI& image, int x, int y)
{
    const BYTE* p = image.bits + (y * image.width + x) * 4;
    return static_cast<DWORD>(p[3]) << 24 | static_cast<DWORD>(p[2]) << 16 | static_cast<DWORD>(p[1]) << 8 | p[0];
}

}  // namespace test
}  // namespace SkinUI
