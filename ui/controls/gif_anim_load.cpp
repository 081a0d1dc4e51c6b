#include <cstring>
#include <vector>

#include "ui/controls/decoded_gif.h"
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
    if (found && !bytes.empty() && m_gdiplus.IsStarted())
        m_decoded = DecodeSharedGif(bytes);
    if (m_decoded == nullptr) {
        m_loadFailed = true;
        return false;
    }
    m_image = m_decoded->image;
    ReadFrames();
    if (m_autoSize) {
        SetFixedWidth(static_cast<int>(m_image->GetWidth()));
        SetFixedHeight(static_cast<int>(m_image->GetHeight()));
    }
    if (m_autoPlay && !m_frameDelays.empty())
        Play();
    return true;
}

void CGifAnimUI::ShowOwnFrame()
{
    if (m_frameCount > 0 && m_decoded->activeFrame != m_selectedFrame) {
        m_image->SelectActiveFrame(&FrameDimensionTime, m_selectedFrame);
        m_decoded->activeFrame = m_selectedFrame;
    }
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
