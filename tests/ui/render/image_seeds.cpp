#include "tests/ui/render/image_seeds.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

#include "tests/ui/support/image_writer.h"

#include <algorithm>

namespace SkinUI {
namespace test {

namespace {

constexpr int kSide = 8;

void Append(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<BYTE>*>(context);
    const BYTE* bytes = static_cast<const BYTE*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

// A gradient with a transparent corner, so that every channel carries something.
std::vector<BYTE> Pixels(int channels)
{
    std::vector<BYTE> pixels;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const BYTE rgba[4] = {static_cast<BYTE>(x * 32), static_cast<BYTE>(y * 32), 0x80,
                                  static_cast<BYTE>(x + y < 3 ? 0 : 0xFF)};
            pixels.insert(pixels.end(), rgba, rgba + channels);
        }
    }
    return pixels;
}

template <class Write>
std::vector<BYTE> Written(Write write)
{
    std::vector<BYTE> out;
    write(&out);
    return out;
}

void PutBig(std::vector<BYTE>& out, unsigned value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<BYTE>(value >> shift));
}

std::vector<BYTE> Pnm(const char* magic, int channels)
{
    const std::string header = std::string(magic) + "\n# comment\n8 8\n255\n";
    std::vector<BYTE> out(header.begin(), header.end());
    for (size_t i = 0; i < static_cast<size_t>(kSide * kSide); ++i) {
        const std::vector<BYTE> rgb = Pixels(3);
        out.insert(out.end(), rgb.begin() + 3 * i, rgb.begin() + 3 * i + channels);
    }
    return out;
}

// Uncompressed RGBA, one plane after the other.
std::vector<BYTE> Psd()
{
    std::vector<BYTE> out = {'8', 'B', 'P', 'S', 0, 1, 0, 0, 0, 0, 0, 0};
    PutBig(out, 4, 2);
    PutBig(out, kSide, 4);
    PutBig(out, kSide, 4);
    PutBig(out, 8, 2);
    PutBig(out, 3, 2);
    PutBig(out, 0, 4);
    PutBig(out, 0, 4);
    PutBig(out, 0, 4);
    PutBig(out, 0, 2);
    const std::vector<BYTE> rgba = Pixels(4);
    for (int channel = 0; channel < 4; ++channel) {
        for (size_t i = static_cast<size_t>(channel); i < rgba.size(); i += 4)
            out.push_back(rgba[i]);
    }
    return out;
}

// Softimage PIC: one uncompressed packet carrying red, green, blue and alpha.
std::vector<BYTE> Pic()
{
    std::vector<BYTE> out = {0x53, 0x80, 0xF6, 0x34};
    out.resize(88, 0);
    out.insert(out.end(), {'P', 'I', 'C', 'T'});
    PutBig(out, kSide, 2);
    PutBig(out, kSide, 2);
    PutBig(out, 0, 4);
    PutBig(out, 0, 2);
    PutBig(out, 0, 2);
    out.insert(out.end(), {0, 8, 0, 0xF0});
    const std::vector<BYTE> rgba = Pixels(4);
    out.insert(out.end(), rgba.begin(), rgba.end());
    return out;
}

}  // namespace

std::vector<BYTE> EncodeHdr(bool cutAfterHeader)
{
    std::vector<float> light;
    for (BYTE value : Pixels(3))
        light.push_back(value / 64.0f);
    std::vector<BYTE> out =
        Written([&](void* o) { stbi_write_hdr_to_func(Append, o, kSide, kSide, 3, light.data()); });
    if (cutAfterHeader) {
        // The file ends behind the first scanline's 4-byte header.
        const std::string size = "+X 8\n";
        const auto scanline = std::search(out.begin(), out.end(), size.begin(), size.end()) + size.size();
        out.erase(scanline + 4, out.end());
    }
    return out;
}

std::vector<ImageSeeds> EveryImageFormat()
{
    const std::vector<BYTE> rgba = Pixels(4);
    const std::vector<BYTE> rgb = Pixels(3);
    const auto tga = [&](int rle, int channels) {
        stbi_write_tga_with_rle = rle;
        return Written([&](void* out) {
            stbi_write_tga_to_func(Append, out, kSide, kSide, channels, channels == 4 ? rgba.data() : rgb.data());
        });
    };
    return {
        {"png", {EncodePng(kSide, kSide, rgba)}},
        {"gif", {EncodeGif({0, 1, 0}, {10, kGifNoDelay, 30}), EncodeGif({1}, {kGifNoDelay})}},
        {"bmp",
         {Written([&](void* out) { stbi_write_bmp_to_func(Append, out, kSide, kSide, 3, rgb.data()); }),
          Written([&](void* out) { stbi_write_bmp_to_func(Append, out, kSide, kSide, 4, rgba.data()); })}},
        {"jpeg",
         {Written([&](void* out) { stbi_write_jpg_to_func(Append, out, kSide, kSide, 3, rgb.data(), 90); }),
          Written([&](void* out) { stbi_write_jpg_to_func(Append, out, 2 * kSide, kSide / 2, 3, rgb.data(), 20); })}},
        {"tga", {tga(1, 4), tga(0, 3)}},
        {"psd", {Psd()}},
        {"pic", {Pic()}},
        {"pnm", {Pnm("P6", 3), Pnm("P5", 1)}},
    };
}

}  // namespace test
}  // namespace SkinUI
