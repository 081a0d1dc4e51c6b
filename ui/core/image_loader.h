#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "ui/core/image_record.h"

namespace SkinUI {

// The stages of CRendererUI::LoadImage, each usable on its own.
class ImageLoaderUI {
public:
    // Encoded bytes of a program resource; false when missing or empty.
    static bool ReadResource(LPCWSTR name, LPCWSTR type, std::vector<BYTE>& bytes);
    // A skin file (resource folder + name) or, with a skin archive set, its entry.
    static bool ReadSkinFile(LPCWSTR name, std::vector<BYTE>& bytes);
    // A whole file; an empty file or a short read is a failure.
    static bool ReadWholeFile(LPCWSTR path, std::vector<BYTE>& bytes);

    // Decodes PNG, JPEG, BMP... into a premultiplied image; null for corrupt
    // data or dimensions too large to hold.
    static ImageRecordUI* Decode(const BYTE* data, size_t size, DWORD mask);
    // The 1 x 1 image of "AARRGGBB" (optional '#'; six digits mean alpha 0).
    static ImageRecordUI* CreateColorImage(LPCWSTR colorText, DWORD mask);
    // Builds the record from top-down red, green, blue, alpha pixels.
    static ImageRecordUI* CreateFromRgba(const BYTE* rgba, int width, int height, DWORD mask);

    // Images wider or higher than this are refused, and so are larger pixel
    // counts; encoded sources beyond MAX_ENCODED_SIZE bytes are not read.
    static constexpr int MAX_DIMENSION = 16384;
    static constexpr long long MAX_PIXELS = 16 * 1024 * 1024;
    static constexpr DWORD MAX_ENCODED_SIZE = 64 * 1024 * 1024;
    static bool FitsLimits(int width, int height);
};

}  // namespace SkinUI
