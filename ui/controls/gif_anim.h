#pragma once

#include <objidl.h>

#include <memory>
#include <vector>

#include "ui/controls/gdiplus_session.h"
#include "ui/core/control.h"

namespace Gdiplus {
class Image;
}

namespace SkinUI {

struct DecodedGifUI;

// Local id of the frame timer.
constexpr UINT kGifFrameTimerId = 100;

// Plays an animated GIF of the skin through GDI+, one frame per tick of a
// window timer whose period is the frame's delay. Animations of the same
// file share one decoded image, each showing its own frame.
class CGifAnimUI : public CControlUI {
public:
    CGifAnimUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetVisible(bool visible = true) override;
    void OnInitialize() override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

    // Starts the frame timer; needs a loaded image with frame delays.
    void Play();
    // Stops and rewinds to the first frame.
    void Stop();
    // The GIF file: a skin file, or a path. A new name unloads the old image.
    void SetBkImage(const wchar_t* name);
    const CUIString& GetBkImage() const { return m_imageName; }
    // Reads and decodes the file; false when there is no image.
    bool LoadGif();
    // Stops and releases the image.
    void DeleteGif();

    bool IsLoaded() const { return m_image != nullptr; }
    bool IsPlaying() const { return m_playing; }
    UINT GetFrameCount() const { return m_frameCount; }
    UINT GetCurrentFrame() const { return m_currentFrame; }
    // The frame's delay; a zero or missing delay counts as 100 ms.
    UINT GetFrameDelayMs(UINT frame) const;
    bool IsAutoPlay() const { return m_autoPlay; }
    void SetAutoPlay(bool autoPlay) { m_autoPlay = autoPlay; }
    bool IsAutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }

protected:
    ~CGifAnimUI() override;

private:
    void ReadFrames();
    void StartFrameTimer();
    // Makes the shared image's active frame the one this animation selected last.
    void ShowOwnFrame();

    CGdiplusSessionUI m_gdiplus;
    std::shared_ptr<DecodedGifUI> m_decoded;
    Gdiplus::Image* m_image = nullptr;  // m_decoded's
    UINT m_frameCount = 0;
    UINT m_currentFrame = 0;
    // The frame this animation last made active; the image of its own would still show it.
    UINT m_selectedFrame = 0;
    // In hundredths of a second; empty without the frame-delay property.
    std::vector<UINT> m_frameDelays;
    CUIString m_imageName;
    bool m_autoPlay = true;
    bool m_autoSize = false;
    bool m_playing = false;
    // A failed load is not retried until the name changes.
    bool m_loadFailed = false;
};

}  // namespace SkinUI
