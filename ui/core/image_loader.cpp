#include "ui/core/image_loader.h"

#include <climits>
#include <cwchar>

#include "stb_image.h"
#include "ui/core/render_dib.h"
#include "ui/core/renderer.h"

namespace SkinUI {

bool ImageLoaderUI::ReadWholeFile(LPCWSTR path, std::vector<BYTE>& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    bool ok = size != INVALID_FILE_SIZE && size > 0 && size <= MAX_ENCODED_SIZE;
    if (ok) {
        bytes.assign(size, 0);
        DWORD read = 0;
        ok = ::ReadFile(file, bytes.data(), size, &read, nullptr) && read == size;
    }
    CloseHandle(file);
    if (!ok) bytes.clear();
    return ok;
}

bool ImageLoaderUI::FitsLimits(int width, int height)
{
    return width > 0 && height > 0 && width <= MAX_DIMENSION && height <= MAX_DIMENSION &&
           static_cast<long long>(width) * height <= MAX_PIXELS;
}

ImageRecordUI* ImageLoaderUI::CreateFromRgba(const BYTE* rgba, int width, int height, DWORD mask)
{
    if (!rgba || !FitsLimits(width, height)) return nullptr;
    LPBYTE bits = nullptr;
    HBITMAP bitmap = CreateDib32(nullptr, width, height, true, &bits);
    if (!bitmap) return nullptr;

    bool alpha = false;
    const int count = width * height;
    for (int i = 0; i < count; ++i) {
        const BYTE* in = rgba + i * 4;
        BYTE* out = bits + i * 4;
        const BYTE a = in[3];
        out[3] = a;
        if (a == 255) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        } else {
            out[0] = static_cast<BYTE>(in[2] * a / 255);
            out[1] = static_cast<BYTE>(in[1] * a / 255);
            out[2] = static_cast<BYTE>(in[0] * a / 255);
            alpha = true;
        }
        const DWORD value = static_cast<DWORD>(out[3]) << 24 | static_cast<DWORD>(out[2]) << 16 |
                            static_cast<DWORD>(out[1]) << 8 | out[0];
        if (value == mask) {
            out[0] = out[1] = out[2] = out[3] = 0;
            alpha = true;
        }
    }

    ImageRecordUI* image = new ImageRecordUI;
    image->bitmap = bitmap;
    image->bits = bits;
    image->width = width;
    image->height = height;
    image->alpha = alpha;
    return image;
}

ImageRecordUI* ImageLoaderUI::CreateColorImage(LPCWSTR colorText, DWORD mask)
{
    if (!colorText || IS_INTRESOURCE(colorText)) return nullptr;
    if (*colorText == L'#') ++colorText;
    const DWORD color = static_cast<DWORD>(wcstoul(colorText, nullptr, 16));
    const BYTE rgba[4] = {static_cast<BYTE>(color >> 16), static_cast<BYTE>(color >> 8),
                          static_cast<BYTE>(color), static_cast<BYTE>(color >> 24)};
    return CreateFromRgba(rgba, 1, 1, mask);
}

ImageRecordUI* ImageLoaderUI::Decode(const BYTE* data, size_t size, DWORD mask)
{
    if (!data || size == 0 || size > INT_MAX) return nullptr;
    const int length = static_cast<int>(size);
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(data, length, &width, &height, &channels)) return nullptr;
    if (!FitsLimits(width, height)) return nullptr;
    stbi_uc* rgba = stbi_load_from_memory(data, length, &width, &height, &channels, 4);
    if (!rgba) return nullptr;
    ImageRecordUI* image = CreateFromRgba(rgba, width, height, mask);
    stbi_image_free(rgba);
    return image;
}

void CRendererUI::FreeImage(ImageRecordUI* image, bool deleteRecord)
{
    if (!image) return;
    if (image->bitmap) DeleteObject(image->bitmap);
    image->bitmap = nullptr;
    image->bits = nullptr;
    image->unadjusted.clear();
    image->unadjusted.shrink_to_fit();
    if (deleteRecord) delete image;
}

}  // namespace SkinUI
