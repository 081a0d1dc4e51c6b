#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace SkinUI {
namespace test {

// A PNG of 8-bit red, green, blue, alpha pixels, top row first.
std::vector<BYTE> EncodePng(int width, int height, const std::vector<BYTE>& rgba);
// An image of one colour (ARGB) in every pixel.
std::vector<BYTE> SolidRgba(int width, int height, DWORD argb);
void SetRgbaPixel(std::vector<BYTE>& rgba, int width, int x, int y, DWORD argb);

// A 1 x 1 GIF with a red and a blue colour: one frame per entry of
// `frames`, each the colour index 0 or 1; a delay (hundredths) per frame, or
// kGifNoDelay for a frame without a graphic control extension.
const int kGifNoDelay = -1;
std::vector<BYTE> EncodeGif(const std::vector<int>& frames, const std::vector<int>& delays);

// A zip archive of stored (uncompressed) entries: name and content.
std::vector<BYTE> EncodeStoredZip(const std::vector<std::pair<std::string, std::vector<BYTE>>>& entries);

bool WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes);

}  // namespace test
}  // namespace SkinUI
