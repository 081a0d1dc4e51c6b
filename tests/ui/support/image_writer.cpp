#include "tests/ui/support/image_writer.h"

#include <zlib.h>


namespace SkinUI {
namespace test {

namespace {

void PutBig32(std::vector<BYTE>& out, uLong value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<BYTE>(value >> shift));
}

void PutLittle(std::vector<BYTE>& out, uLong value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(i < 4 ? static_cast<BYTE>(value >> (8 * i)) : 0);
}

void PutChunk(std::vector<BYTE>& out, const char* type, const std::vector<BYTE>& data)
{
    PutBig32(out, static_cast<uLong>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, crc32(0, out.data() + start, static_cast<uInt>(out.size() - start)));
}

}  // namespace

std::vector<BYTE> EncodePng(int width, int height, const std::vector<BYTE>& rgba)
{
    static const BYTE signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<BYTE> out(signature, signature + 8);

    std::vector<BYTE> header;
    PutBig32(header, static_cast<uLong>(width));
    PutBig32(header, static_cast<uLong>(height));
    const BYTE rest[5] = {8, 6, 0, 0, 0};  // 8 bits, RGBA, deflate, no filter, no interlace
    header.insert(header.end(), rest, rest + 5);
    PutChunk(out, "IHDR", header);

    std::vector<BYTE> raw;
    const size_t row = static_cast<size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgba.begin() + y * row, rgba.begin() + (y + 1) * row);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<BYTE> packed(packedSize);
    compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()));
    packed.resize(packedSize);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

std::vector<BYTE> SolidRgba(int width, int height, DWORD argb)
{
    std::vector<BYTE> rgba(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetRgbaPixel(rgba, width, x, y, argb);
    return rgba;
}

void SetRgbaPixel(std::vector<BYTE>& rgba, int width, int x, int y, DWORD argb)
{
    BYTE* pixel = rgba.data() + (static_cast<size_t>(y) * width + x) * 4;
    pixel[0] = static_cast<BYTE>(argb >> 16);
    pixel[1] = static_cast<BYTE>(argb >> 8);
    pixel[2] = static_cast<BYTE>(argb);
    pixel[3] = static_cast<BYTE>(argb >> 24);
}

std::vector<BYTE> EncodeStoredZip(const std::vector<std::pair<std::string, std::vector<BYTE>>>& entries)
{
    std::vector<BYTE> out;
    std::vector<BYTE> directory;
    for (const auto& entry : entries) {
        const std::string& name = entry.first;
        const std::vector<BYTE>& data = entry.second;
        const uLong crc = crc32(0, data.data(), static_cast<uInt>(data.size()));
        const uLong offset = static_cast<uLong>(out.size());
        // Version needed, flags, method (stored), time and date, CRC, sizes, name length.
        auto putCommon = [&](std::vector<BYTE>& to) {
            PutLittle(to, 10, 2);
            PutLittle(to, 0, 2);
            PutLittle(to, 0, 2);
            PutLittle(to, 0, 4);
            PutLittle(to, crc, 4);
            PutLittle(to, static_cast<uLong>(data.size()), 4);
            PutLittle(to, static_cast<uLong>(data.size()), 4);
            PutLittle(to, static_cast<uLong>(name.size()), 2);
        };
        PutLittle(out, 0x04034B50, 4);
        putCommon(out);
        PutLittle(out, 0, 2);  // extra
        out.insert(out.end(), name.begin(), name.end());
        out.insert(out.end(), data.begin(), data.end());

        PutLittle(directory, 0x02014B50, 4);
        PutLittle(directory, 20, 2);  // made by
        putCommon(directory);
        PutLittle(directory, 0, 12);  // extra, comment, disk, internal and external attributes
        PutLittle(directory, offset, 4);
        directory.insert(directory.end(), name.begin(), name.end());
    }
    const uLong directoryOffset = static_cast<uLong>(out.size());
    out.insert(out.end(), directory.begin(), directory.end());
    PutLittle(out, 0x06054B50, 4);
    PutLittle(out, 0, 4);  // disk numbers
    PutLittle(out, static_cast<uLong>(entries.size()), 2);
    PutLittle(out, static_cast<uLong>(entries.size()), 2);
    PutLittle(out, static_cast<uLong>(directory.size()), 4);
    PutLittle(out, directoryOffset, 4);
    PutLittle(out, 0, 2);
    return out;
}

bool WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = bytes.empty() ||
                    (::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                     written == bytes.size());
    CloseHandle(file);
    return ok;
}

std::vector<BYTE> EncodeGif(const std::vector<int>& frames, const std::vector<int>& delays)
{
    std::vector<BYTE> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0};
    gif.insert(gif.end(), {0xFF, 0, 0, 0, 0, 0xFF});
    for (size_t i = 0; i < frames.size(); ++i) {
        if (delays[i] != kGifNoDelay) {
            const BYTE delay = static_cast<BYTE>(delays[i]);
            gif.insert(gif.end(), {0x21, 0xF9, 4, 0, delay, 0, 0, 0});
        }
        gif.insert(gif.end(), {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0});
        // LZW, minimum code size 2: clear, the pixel's index, end.
        const BYTE first = static_cast<BYTE>(frames[i] == 0 ? 0x44 : 0x4C);
        gif.insert(gif.end(), {2, 2, first, 0x01, 0});
    }
    gif.push_back(0x3B);
    return gif;
}

}  // namespace test
}  // namespace SkinUI
