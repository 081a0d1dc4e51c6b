#pragma once

#include "ui/controls/animation.h"
#include "ui/core/tab_layout.h"

namespace SkinUI {

// Local timer id of the page slide and its shape.
constexpr UINT kTabSlideTimerId = 1;
constexpr int kTabSlideFrames = 8;
constexpr int kTabSlidePeriodMs = 15;

// A tab layout that can slide a newly selected page into place: its own
// rectangle starts one extent beside its place and moves back step by step.
// Sideways by default; "animation_direction" "vertical" slides up and down.
class CAnimationTabLayoutUI : public CTabLayoutUI, public CUIAnimation {
public:
    CAnimationTabLayoutUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    void OnStep(int frameCount, int frame, UINT id) override;
    void OnStop(UINT id) override;

    bool IsVerticalSlide() const { return m_vertical; }
    void SetVerticalSlide(bool vertical) { m_vertical = vertical; }
    // SelectPage, then a slide from the side of the old page's index: a
    // later page comes in from the right (or below), an earlier one from the
    // left (or above). Without a previous page or an extent there is no slide.
    bool SlideToPage(int index, bool notify = true);

protected:
    ~CAnimationTabLayoutUI() override = default;

private:
    bool m_vertical = false;
    int m_stepFactor = 1;
    RECT m_current = {0, 0, 0, 0};
    RECT m_target = {0, 0, 0, 0};
    CControlUI* m_revealed = nullptr;
    bool m_isRevealed = false;
};

}  // namespace SkinUI
