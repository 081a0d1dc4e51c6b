#include "ui/controls/decoded_gif.h"

#include <algorithm>
#include <cstring>

#include "ui/controls/gdiplus_compat.h"

namespace SkinUI {

namespace {

Gdiplus::Image* Decode(const std::vector<BYTE>& bytes, IStream** stream)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr)
        return nullptr;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    Gdiplus::Image* image = Gdiplus::Image::FromStream(*stream);
    if (image == nullptr || image->GetLastStatus() != Gdiplus::Ok) {
        delete image;
        (*stream)->Release();
        return nullptr;
    }
    return image;
}

// The decoded images that animations hold; expired ones are dropped.
std::vector<std::weak_ptr<DecodedGifUI>>& Decoded()
{
    static std::vector<std::weak_ptr<DecodedGifUI>> decoded;
    return decoded;
}

}  // namespace

DecodedGifUI::DecodedGifUI(std::vector<BYTE> encoded, Gdiplus::Image* decoded, IStream* source)
    : bytes(std::move(encoded)), image(decoded), stream(source)
{
}

DecodedGifUI::~DecodedGifUI()
{
    delete image;
    stream->Release();
}

std::shared_ptr<DecodedGifUI> DecodeSharedGif(const std::vector<BYTE>& bytes)
{
    std::vector<std::weak_ptr<DecodedGifUI>>& decoded = Decoded();
    decoded.erase(std::remove_if(decoded.begin(), decoded.end(),
                                 [](const std::weak_ptr<DecodedGifUI>& held) { return held.expired(); }),
                  decoded.end());
    for (const std::weak_ptr<DecodedGifUI>& held : decoded) {
        std::shared_ptr<DecodedGifUI> shared = held.lock();
        if (shared != nullptr && shared->bytes == bytes)
            return shared;
    }
    IStream* stream = nullptr;
    Gdiplus::Image* image = Decode(bytes, &stream);
    if (image == nullptr)
        return nullptr;
    auto shared = std::make_shared<DecodedGifUI>(bytes, image, stream);
    decoded.push_back(shared);
    return shared;
}

}  // namespace SkinUI
