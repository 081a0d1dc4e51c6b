#include "ui/controls/animation_tab_layout.h"

#include <cwchar>

#include "ui/core/window_manager.h"

namespace SkinUI {

CAnimationTabLayoutUI::CAnimationTabLayoutUI() : CUIAnimation(this) {}

const wchar_t* CAnimationTabLayoutUI::GetClassName() const
{
    return L"AnimationTabLayoutUI";
}

void* CAnimationTabLayoutUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && _wcsicmp(name, L"AnimationTabLayout") == 0)
        return this;
    return CTabLayoutUI::GetInterfaceByName(name);
}

void CAnimationTabLayoutUI::HandleEvent(EventRecordUI& event)
{
    if (event.type == EventTypeUI::Timer)
        OnTimer(static_cast<UINT>(event.wParam));
    CTabLayoutUI::HandleEvent(event);
}

void CAnimationTabLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name != nullptr && _wcsicmp(name, L"animation_direction") == 0)
        m_vertical = value != nullptr && _wcsicmp(value, L"vertical") == 0;
    else
        CTabLayoutUI::SetAttribute(name, value);
}

bool CAnimationTabLayoutUI::SlideToPage(int index, bool notify)
{
    const int old = GetSelectedIndex();
    if (!SelectPage(index, notify))
        return false;
    if (old == -1 || old == index)
        return true;
    Stop(kTabSlideTimerId);
    m_target = m_position;
    const int extent = m_vertical ? m_target.bottom - m_target.top : m_target.right - m_target.left;
    if (extent <= 0)
        return true;
    m_stepFactor = index > old ? -1 : 1;
    m_current = m_target;
    const int offset = -extent * m_stepFactor;
    if (m_vertical)
        OffsetRect(&m_current, 0, offset);
    else
        OffsetRect(&m_current, offset, 0);
    m_revealed = GetItemAt(index);
    m_isRevealed = false;
    if (!Start(kTabSlidePeriodMs, kTabSlideFrames, kTabSlideTimerId))
        return true;
    SetPosition(m_current, true);
    return true;
}

void CAnimationTabLayoutUI::OnStep(int frameCount, int frame, UINT)
{
    if (!m_isRevealed) {
        // The page may have been removed since the slide began.
        if (m_revealed != nullptr && GetItemIndex(m_revealed) >= 0)
            m_revealed->SetVisible(true);
        m_isRevealed = true;
    }
    if (frame != frameCount) {
        const int extent =
            m_vertical ? m_target.bottom - m_target.top : m_target.right - m_target.left;
        const int step = extent * m_stepFactor / frameCount;
        if (m_vertical) {
            m_current.top += step;
            m_current.bottom += step;
        } else {
            m_current.left += step;
            m_current.right += step;
        }
    } else {
        m_current = m_target;
        m_position = m_target;
    }
    SetPosition(m_current, true);
}

void CAnimationTabLayoutUI::OnStop(UINT)
{
    SetPosition(m_target, true);
    RequestParentLayout();
}

}  // namespace SkinUI
