#pragma once

#include <windows.h>
#include <objidl.h>

#include <memory>
#include <vector>

namespace Gdiplus {
class Image;
}

namespace SkinUI {

// A GIF decoded by GDI+ from a stream over a copy of its bytes, shared by
// the animations that show the same bytes.
struct DecodedGifUI {
    DecodedGifUI(std::vector<BYTE> encoded, Gdiplus::Image* decoded, IStream* source);
    ~DecodedGifUI();
    DecodedGifUI(const DecodedGifUI&) = delete;
    DecodedGifUI& operator=(const DecodedGifUI&) = delete;

    const std::vector<BYTE> bytes;
    Gdiplus::Image* const image;
    IStream* const stream;
    // The frame the image shows now; a fresh image shows frame 0.
    UINT activeFrame = 0;
};

// The decoded image of these bytes: one that an animation still holds, or a
// new one. Null when GDI+ cannot decode them.
std::shared_ptr<DecodedGifUI> DecodeSharedGif(const std::vector<BYTE>& bytes);

}  // namespace SkinUI
