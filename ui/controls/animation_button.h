#pragma once

#include "ui/controls/button.h"

namespace SkinUI {

// Local id of the marquee timer and its default period.
constexpr UINT kMarqueeTimerId = 400;
constexpr int kMarqueeDefaultSpeedMs = 20;

// A button whose text, when wider than the button, scrolls sideways one
// pixel per tick while the mouse is over it ("speed": the tick in ms).
class CAnimationButtonUI : public CButtonUI {
public:
    CAnimationButtonUI() = default;

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintText(HDC dc) override;

    int GetSpeed() const { return m_speed; }
    void SetSpeed(int speedMs) { m_speed = speedMs; }
    // 0 while the text does not scroll.
    int GetScrollWidth() const { return m_textWidth; }
    int GetScrollOffset() const { return m_offset; }

protected:
    ~CAnimationButtonUI() override = default;

private:
    void StartScrolling();
    void StopScrolling();

    int m_speed = kMarqueeDefaultSpeedMs;
    int m_textWidth = 0;
    int m_offset = 0;
};

}  // namespace SkinUI
