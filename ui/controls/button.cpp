#include "ui/controls/button.h"

#include <cwchar>

#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CButtonUI::CButtonUI()
{
    m_textStyle = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
}

const wchar_t* CButtonUI::GetClassName() const
{
    return L"Button";
}

void* CButtonUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"Button") == 0)
        return this;
    return CLabelUI::GetInterfaceByName(name);
}

UINT CButtonUI::GetBehaviorFlags() const
{
    if (!IsEnabled())
        return 0;
    return kBehaviorSetCursor | (IsKeyboardEnabled() ? kBehaviorTabStop : 0);
}

bool CButtonUI::Activate()
{
    if (!CControlUI::Activate())
        return false;
    if (m_manager != nullptr)
        m_manager->SendNotification(this, L"click");
    return true;
}

void CButtonUI::SetEnabled(bool enabled)
{
    CControlUI::SetEnabled(enabled);
    if (!IsEnabled())
        m_buttonState = 0;
}

void CButtonUI::HandleEvent(EventRecordUI& event)
{
    if (ForwardMouseEventWhenMouseDisabled(event))
        return;
    switch (event.type) {
    case EventTypeUI::SetFocus:
    case EventTypeUI::KillFocus:
        Invalidate();
        break;
    case EventTypeUI::KeyDown:
        if (IsKeyboardEnabled() && IsEnabled() &&
            (event.keyChar == VK_SPACE || event.keyChar == VK_RETURN)) {
            Activate();
            return;
        }
        break;
    case EventTypeUI::SetCursor:
        ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return;
    case EventTypeUI::Timer:
        if (event.wParam == kButtonFadeTimerId) {
            OnFadeTimer();
            return;
        }
        break;
    default:
        if (HandleMouseEvent(event))
            return;
        break;
    }
    CLabelUI::HandleEvent(event);
}

// The mouse part of the state machine; true when the event is done.
bool CButtonUI::HandleMouseEvent(EventRecordUI& event)
{
    const bool inside = PtInRect(&m_position, event.mousePoint) != FALSE;
    const bool captured = (m_buttonState & kStateCaptured) != 0;
    switch (event.type) {
    case EventTypeUI::ButtonDown:
    case EventTypeUI::DoubleClick:
        if (inside && IsEnabled()) {
            m_buttonState |= kStatePushed | kStateCaptured;
            Invalidate();
        }
        return true;
    case EventTypeUI::MouseMove:
        if (captured) {
            if (inside)
                m_buttonState |= kStatePushed;
            else
                m_buttonState &= ~kStatePushed;
            Invalidate();
        }
        return true;
    case EventTypeUI::ButtonUp:
        if (captured) {
            if (inside && IsEnabled())
                Activate();
            m_buttonState &= ~(kStatePushed | kStateCaptured);
            Invalidate();
        }
        return true;
    case EventTypeUI::CaptureLost:
        if (captured) {
            m_buttonState &= ~(kStatePushed | kStateCaptured);
            Invalidate();
        }
        return true;
    case EventTypeUI::ContextMenu:
        if (IsContextMenuEnabled() && IsEnabled() && m_manager != nullptr)
            m_manager->SendNotification(this, L"menu", event.wParam, event.lParam);
        return true;
    case EventTypeUI::MouseEnter:
        if (inside && IsEnabled() && (m_buttonState & kStateHot) == 0) {
            m_buttonState |= kStateHot;
            if (m_manager != nullptr)
                m_manager->SendNotification(this, L"Button_Mouse_Focus", event.wParam,
                                            event.lParam);
            Invalidate();
        }
        if (m_fadeDelta != 0 && m_manager != nullptr)
            m_manager->StartTimer(this, kButtonFadeTimerId, kButtonFadePeriodMs);
        return false;
    case EventTypeUI::MouseLeave:
        if (StaysHoveredOnLeave(event))
            return true;
        if (IsEnabled() && (m_buttonState & kStateHot) != 0) {
            m_buttonState &= ~kStateHot;
            if (m_manager != nullptr)
                m_manager->SendNotification(this, L"Button_Mouse_Lose_Focus", event.wParam,
                                            event.lParam);
            Invalidate();
        }
        if (m_fadeDelta != 0 && m_manager != nullptr)
            m_manager->StartTimer(this, kButtonFadeTimerId, kButtonFadePeriodMs);
        return false;
    default:
        return false;
    }
}

void CButtonUI::OnFadeTimer()
{
    int value = m_fadeValue;
    bool done = false;
    if ((m_buttonState & kStateHot) != 0) {
        value -= m_fadeDelta;
        done = value <= 0;
        if (done)
            value = 0;
    } else {
        value += m_fadeDelta;
        done = value >= 255;
        if (done)
            value = 255;
    }
    m_fadeValue = static_cast<BYTE>(value);
    if (done && m_manager != nullptr)
        m_manager->StopTimer(this, kButtonFadeTimerId);
    Invalidate();
}

void CButtonUI::SetNormalImage(const wchar_t* description)
{
    ReplaceImage(m_normalImage, description);
}
void CButtonUI::SetHotImage(const wchar_t* description)
{
    ReplaceImage(m_hotImage, description);
}
void CButtonUI::SetHotForeImage(const wchar_t* description)
{
    ReplaceImage(m_hotForeImage, description);
}
void CButtonUI::SetPushedImage(const wchar_t* description)
{
    ReplaceImage(m_pushedImage, description);
}
void CButtonUI::SetFocusedImage(const wchar_t* description)
{
    ReplaceImage(m_focusedImage, description);
}
void CButtonUI::SetDisabledImage(const wchar_t* description)
{
    ReplaceImage(m_disabledImage, description);
}

void CButtonUI::SetFiveStatusImage(const wchar_t* description)
{
    const wchar_t* text = description != nullptr ? description : L"";
    ImageDrawInfoUI* const strips[5] = {&m_normalImage, &m_pushedImage, &m_hotImage,
                                        &m_focusedImage, &m_disabledImage};
    for (ImageDrawInfoUI* strip : strips) {
        strip->Reset();
        strip->description = text;
        DrawImage(nullptr, *strip);
    }
    if (m_normalImage.image != nullptr) {
        const int width = m_normalImage.image->width / 5;
        const int height = m_normalImage.image->height;
        for (int i = 0; i < 5; ++i)
            strips[i]->source = CRectUI(i * width, 0, (i + 1) * width, height);
        if (m_floating && m_fixedSize.cx == 0 && m_fixedSize.cy == 0)
            m_fixedSize = SIZE{width, height};
    }
    Invalidate();
}

void CButtonUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"normalimage") == 0)
        SetNormalImage(value);
    else if (wcscmp(name, L"hotimage") == 0)
        SetHotImage(value);
    else if (wcscmp(name, L"pushedimage") == 0)
        SetPushedImage(value);
    else if (wcscmp(name, L"focusedimage") == 0)
        SetFocusedImage(value);
    else if (wcscmp(name, L"disabledimage") == 0)
        SetDisabledImage(value);
    else if (wcscmp(name, L"foreimage") == 0)
        SetForeImage(value);
    else if (wcscmp(name, L"hotforeimage") == 0)
        SetHotForeImage(value);
    else if (wcscmp(name, L"fivestatusimage") == 0)
        SetFiveStatusImage(value);
    else if (wcscmp(name, L"fadedelta") == 0)
        SetFadeDelta(static_cast<BYTE>(wcstol(value, nullptr, 10)));
    else if (wcscmp(name, L"hotbkcolor") == 0)
        SetHotBkColor(ReadHexColor(value));
    else if (wcscmp(name, L"hottextcolor") == 0)
        SetHotTextColor(ReadHexColor(value));
    else if (wcscmp(name, L"pushedtextcolor") == 0)
        SetPushedTextColor(ReadHexColor(value));
    else if (wcscmp(name, L"focusedtextcolor") == 0)
        SetFocusedTextColor(ReadHexColor(value));
    else
        CLabelUI::SetAttribute(name, value);
}

SIZE CButtonUI::GetDesiredSize(SIZE available)
{
    if (m_fixedSize.cy != 0)
        return CControlUI::GetDesiredSize(available);
    return SIZE{m_fixedSize.cx, FontHeight() + 8};
}

}  // namespace SkinUI
