#include "ui/controls/gif_anim.h"

#include <cwchar>

#include "ui/controls/decoded_gif.h"
#include "ui/controls/gdiplus_compat.h"
#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CGifAnimUI::CGifAnimUI() = default;

CGifAnimUI::~CGifAnimUI()
{
    DeleteGif();
}

const wchar_t* CGifAnimUI::GetClassName() const
{
    return L"GifAnim";
}

void* CGifAnimUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"GifAnim") == 0)
        return this;
    return CControlUI::GetInterfaceByName(name);
}

void CGifAnimUI::SetVisible(bool visible)
{
    CControlUI::SetVisible(visible);
    if (visible)
        Play();
    else
        Stop();
}

void CGifAnimUI::OnInitialize()
{
    if (m_image == nullptr)
        LoadGif();
}

UINT CGifAnimUI::GetFrameDelayMs(UINT frame) const
{
    const UINT delay = frame < m_frameDelays.size() ? m_frameDelays[frame] : 0;
    return delay != 0 ? delay * 10 : 100;
}

void CGifAnimUI::StartFrameTimer()
{
    if (m_manager != nullptr)
        m_manager->StartTimer(this, kGifFrameTimerId, GetFrameDelayMs(m_currentFrame));
}

void CGifAnimUI::Play()
{
    if (m_playing || m_image == nullptr || m_frameCount == 0 || m_frameDelays.empty())
        return;
    StartFrameTimer();
    m_playing = true;
}

void CGifAnimUI::Stop()
{
    if (!m_playing)
        return;
    if (m_manager != nullptr)
        m_manager->StopTimer(this, kGifFrameTimerId);
    m_currentFrame = 0;
    Invalidate();
    m_playing = false;
}

void CGifAnimUI::HandleEvent(EventRecordUI& event)
{
    // A tick queued before the animation stopped is dropped.
    if (event.type != EventTypeUI::Timer || event.wParam != kGifFrameTimerId || !m_playing)
        return;
    if (m_manager != nullptr)
        m_manager->StopTimer(this, kGifFrameTimerId);
    Invalidate();
    m_currentFrame = (m_currentFrame + 1) % m_frameCount;
    StartFrameTimer();
}

void CGifAnimUI::SetBkImage(const wchar_t* name)
{
    if (name == nullptr || m_imageName == name)
        return;
    m_imageName = name;
    DeleteGif();
    m_loadFailed = false;
    Invalidate();
}

void CGifAnimUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"bkimage") == 0)
        SetBkImage(value);
    else if (wcscmp(name, L"autoplay") == 0)
        SetAutoPlay(IsTrueValue(value));
    else if (wcscmp(name, L"autosize") == 0)
        SetAutoSize(IsTrueValue(value));
    else
        CControlUI::SetAttribute(name, value);
}

void CGifAnimUI::DeleteGif()
{
    Stop();
    m_image = nullptr;
    m_decoded.reset();
    m_frameDelays.clear();
    m_frameCount = 0;
    m_currentFrame = 0;
    m_selectedFrame = 0;
}

bool CGifAnimUI::PaintContent(HDC dc, const RECT&, CControlUI*)
{
    if (m_image == nullptr && !m_loadFailed)
        LoadGif();
    if (m_image == nullptr || dc == nullptr)
        return true;
    ShowOwnFrame();
    Gdiplus::Graphics graphics(dc);
    graphics.DrawImage(m_image, m_position.left, m_position.top, GetWidth(), GetHeight());
    if (m_frameCount > 0) {
        m_image->SelectActiveFrame(&FrameDimensionTime, m_currentFrame);
        m_selectedFrame = m_currentFrame;
        m_decoded->activeFrame = m_currentFrame;
    }
    return true;
}

}  // namespace SkinUI
