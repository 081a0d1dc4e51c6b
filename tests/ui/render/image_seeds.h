#pragma once
// Small valid files of every format the image loader decodes, to be damaged
// by the hostile-input tests.

#include <windows.h>

#include <string>
#include <vector>

namespace SkinUI {
namespace test {

struct ImageSeeds {
    std::string format;
    std::vector<std::vector<BYTE>> files;
};

// PNG, GIF, BMP, JPEG, TGA, PSD, PIC and PNM.
std::vector<ImageSeeds> EveryImageFormat();

// A Radiance HDR image of 8 x 8 run-length scanlines, or only its header and
// the first scanline's header (a decoder that reads zeros past the end then
// finds runs of length 0).
std::vector<BYTE> EncodeHdr(bool cutAfterHeader);

}  // namespace test
}  // namespace SkinUI
