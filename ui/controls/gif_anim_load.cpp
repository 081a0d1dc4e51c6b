#include <cstring>
#include <vector>

#include "ui/controls/gdiplus_compat.h"
#include "ui/controls/gif_anim.h"
#include "ui/core/image_loader.h"

namespace SkinUI {

bool CGifAnimUI::LoadGif()
{
    DeleteGif();
    std::vector<BYTE> bytes;
    const bool found = !m_imageName.IsEmpty() && (ImageLoaderUI::ReadSkinFile(m_imageName, bytes) ||
                                                  ImageLoaderUI::ReadWholeFile(m_imageName, bytes));
    if (!found || bytes.empty() || !m_gdiplus.IsStarted() || !DecodeImage(bytes)) {
        m_loadFailed = true;
        return false;
    }
    ReadFrames();
    if (m_autoSize) {
        SetFixedWidth(static_cast<int>(m_image->GetWidth()));
        SetFixedHeight(static_cast<int>(m_image->GetHeight()));
    }
    if (m_autoPlay && !m_frameDelays.empty())
        Play();
    return true;
}

bool CGifAnimUI::DecodeImage(const std::vector<BYTE>& bytes)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr)
        return false;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return false;
    }
    Gdiplus::Image* image = Gdiplus::Image::FromStream(stream);
    if (image == nullptr || image->GetLastStatus() != Gdiplus::Ok) {
        delete image;
        stream->Release();
        return false;
    }
    m_image = image;
    m_stream = stream;
    return true;
}

void CGifAnimUI::ReadFrames()
{
    const UINT dimensions = m_image->GetFrameDimensionsCount();
    if (dimensions > 0) {
        std::vector<GUID> ids(dimensions);
        if (m_image->GetFrameDimensionsList(ids.data(), dimensions) == Gdiplus::Ok)
            m_frameCount = m_image->GetFrameCount(&ids[0]);
    }
    const UINT size = m_image->GetPropertyItemSize(PropertyTagFrameDelay);
    if (size < sizeof(Gdiplus::PropertyItem))
        return;
    std::vector<BYTE> buffer(size);
    Gdiplus::PropertyItem* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (m_image->GetPropertyItem(PropertyTagFrameDelay, size, item) != Gdiplus::Ok ||
        item->value == nullptr || item->type != PropertyTagTypeLong)
        return;
    // The item's value lies inside the buffer; never read past either.
    const BYTE* valueStart = static_cast<const BYTE*>(item->value);
    const BYTE* bufferEnd = buffer.data() + buffer.size();
    if (valueStart < buffer.data() || valueStart > bufferEnd)
        return;
    size_t count = item->length / sizeof(UINT);
    const size_t room = static_cast<size_t>(bufferEnd - valueStart) / sizeof(UINT);
    if (count > room)
        count = room;
    m_frameDelays.resize(count);
    if (count > 0)
        memcpy(m_frameDelays.data(), valueStart, count * sizeof(UINT));
}

}  // namespace SkinUI
