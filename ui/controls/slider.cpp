#include "ui/controls/slider.h"

#include <climits>
#include <cwchar>

#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

// numerator / denominator to the nearest integer, halves away from zero; 0
// for a zero denominator.
long long NearestQuotient(long long numerator, long long denominator)
{
    if (denominator == 0)
        return 0;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const long long half = denominator / 2;
    return (numerator >= 0 ? numerator + half : numerator - half) / denominator;
}

}  // namespace

CSliderUI::CSliderUI()
{
    m_textStyle = DT_CENTER | DT_SINGLELINE;
}

const wchar_t* CSliderUI::GetClassName() const
{
    return L"Slider";
}

void* CSliderUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"Slider") == 0)
        return this;
    return CProgressUI::GetInterfaceByName(name);
}

UINT CSliderUI::GetBehaviorFlags() const
{
    return IsEnabled() ? (kBehaviorTabStop | kBehaviorSetCursor) : 0;
}

void CSliderUI::SetEnabled(bool enabled)
{
    CProgressUI::SetEnabled(enabled);
    if (!IsEnabled())
        m_thumbState = 0;
}

void CSliderUI::SetThumbSize(int width, int height)
{
    m_thumbSize = SIZE{width, height};
}

void CSliderUI::SetThumbImage(const wchar_t* description)
{
    ReplaceImage(m_thumbImage, description);
}

void CSliderUI::SetThumbHotImage(const wchar_t* description)
{
    ReplaceImage(m_thumbHotImage, description);
}

void CSliderUI::SetThumbPushedImage(const wchar_t* description)
{
    ReplaceImage(m_thumbPushedImage, description);
}

int CSliderUI::ValueFromPoint(POINT point) const
{
    const RECT& p = m_position;
    const int halfWidth = m_thumbSize.cx / 2;
    const int halfHeight = m_thumbSize.cy / 2;
    if (m_horizontal) {
        if (point.x >= p.right - halfWidth)
            return m_max;
        if (point.x <= p.left + halfWidth)
            return m_min;
        return static_cast<int>(m_min + NearestQuotient(Range() * (point.x - p.left - halfWidth),
                                                        p.right - p.left - m_thumbSize.cx));
    }
    if (point.y >= p.bottom - halfHeight)
        return m_min;
    if (point.y <= p.top + halfHeight)
        return m_max;
    return static_cast<int>(m_min + NearestQuotient(Range() * (p.bottom - halfHeight - point.y),
                                                    p.bottom - p.top - m_thumbSize.cy));
}

int CSliderUI::DraggedValue(POINT point) const
{
    const long long travel =
        m_horizontal ? GetWidth() - m_thumbSize.cx : GetHeight() - m_thumbSize.cy;
    if (travel <= 0)
        return m_grabValue;
    const long long moved = m_horizontal ? point.x - m_grabPoint.x : m_grabPoint.y - point.y;
    long long value = m_grabValue + NearestQuotient(Range() * moved, travel);
    if (value > m_max)
        value = m_max;
    if (value < m_min)
        value = m_min;
    return static_cast<int>(value);
}

RECT CSliderUI::GetThumbRect() const
{
    const RECT& p = m_position;
    const long long done = static_cast<long long>(m_value) - m_min;
    RECT thumb;
    if (m_horizontal) {
        thumb.left =
            p.left + static_cast<int>(ScaleSpan(GetWidth() - m_thumbSize.cx, done, Range()));
        thumb.top = (p.top + p.bottom - m_thumbSize.cy) / 2;
    } else {
        thumb.left = (p.left + p.right - m_thumbSize.cx) / 2;
        thumb.top = p.bottom -
                    static_cast<int>(ScaleSpan(GetHeight() - m_thumbSize.cy, done, Range())) -
                    m_thumbSize.cy;
    }
    thumb.right = thumb.left + m_thumbSize.cx;
    thumb.bottom = thumb.top + m_thumbSize.cy;
    return thumb;
}

void CSliderUI::Notify(const wchar_t* type)
{
    if (m_manager != nullptr)
        m_manager->SendNotification(this, type);
}

void CSliderUI::HandleEvent(EventRecordUI& event)
{
    if (ForwardMouseEventWhenMouseDisabled(event))
        return;
    if (HandleMouseEvent(event))
        return;
    if (event.type == EventTypeUI::SetCursor && IsEnabled()) {
        const RECT thumb = GetThumbRect();
        if (PtInRect(&thumb, event.mousePoint)) {
            ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return;
        }
    }
    CProgressUI::HandleEvent(event);
}

// The press, drag, release, wheel and hover part; true when the event is done.
bool CSliderUI::HandleMouseEvent(EventRecordUI& event)
{
    const bool captured = (m_thumbState & kStateCaptured) != 0;
    switch (event.type) {
    case EventTypeUI::ButtonDown:
    case EventTypeUI::DoubleClick: {
        if (!IsEnabled())
            return false;
        m_thumbState |= kStateCaptured;
        const RECT thumb = GetThumbRect();
        if (!PtInRect(&thumb, event.mousePoint)) {
            const int value = ValueFromPoint(event.mousePoint);
            if (value != m_value && value >= m_min && value <= m_max) {
                m_value = value;
                Invalidate();
            }
        }
        m_grabPoint = event.mousePoint;
        m_grabValue = m_value;
        return true;
    }
    case EventTypeUI::ButtonUp:
        if (!captured)
            return false;
        SetValue(DraggedValue(event.mousePoint));
        Notify(L"valuechanged");
        m_thumbState &= ~kStateCaptured;
        Invalidate();
        return true;
    case EventTypeUI::CaptureLost:
        if (!captured)
            return false;
        Notify(L"valuechanged");
        m_thumbState &= ~kStateCaptured;
        Invalidate();
        return true;
    case EventTypeUI::MouseMove:
        if (captured) {
            SetValue(DraggedValue(event.mousePoint));
            if (m_immediate)
                Notify(L"valuechanged");
            Notify(L"valuechanging");
            Invalidate();
        }
        return true;
    case EventTypeUI::ScrollWheel: {
        if (event.wParam != 0 && event.wParam != 1)
            return false;
        const long long step = event.wParam == 0 ? m_step : -static_cast<long long>(m_step);
        long long next = m_value + step;
        if (next > INT_MAX)
            next = INT_MAX;
        if (next < INT_MIN)
            next = INT_MIN;
        SetValue(static_cast<int>(next));
        Notify(L"valuechanged");
        return true;
    }
    case EventTypeUI::ContextMenu:
        return true;
    case EventTypeUI::MouseEnter:
        if (PtInRect(&m_position, event.mousePoint) && IsEnabled() &&
            (m_thumbState & kStateHot) == 0) {
            m_thumbState |= kStateHot;
            Invalidate();
        }
        return false;
    case EventTypeUI::MouseLeave:
        if (StaysHoveredOnLeave(event))
            return true;
        if (IsEnabled() && (m_thumbState & kStateHot) != 0) {
            m_thumbState &= ~kStateHot;
            Invalidate();
        }
        return false;
    default:
        return false;
    }
}

void CSliderUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"thumbimage") == 0) {
        SetThumbImage(value);
    } else if (wcscmp(name, L"thumbhotimage") == 0) {
        SetThumbHotImage(value);
    } else if (wcscmp(name, L"thumbpushedimage") == 0) {
        SetThumbPushedImage(value);
    } else if (wcscmp(name, L"thumbsize") == 0) {
        const SIZE size = ReadSize(value);
        SetThumbSize(size.cx, size.cy);
    } else if (wcscmp(name, L"step") == 0) {
        SetChangeStep(static_cast<int>(wcstol(value, nullptr, 10)));
    } else if (wcscmp(name, L"imm") == 0) {
        SetImmediateNotify(IsTrueValue(value));
    } else {
        CProgressUI::SetAttribute(name, value);
    }
}

void CSliderUI::PaintStatusImage(HDC dc)
{
    NormalizeRange();
    DrawImageInto(dc, ForeImageInfo(), GetForeDestination(GetWidth() - m_thumbSize.cx / 2));

    RECT thumb = GetThumbRect();
    OffsetRect(&thumb, -m_position.left, -m_position.top);
    ImageDrawInfoUI* state = nullptr;
    if ((m_thumbState & kStateCaptured) != 0)
        state = &m_thumbPushedImage;
    else if ((m_thumbState & kStateHot) != 0)
        state = &m_thumbHotImage;
    if (state == nullptr || !DrawImageInto(dc, *state, thumb))
        DrawImageInto(dc, m_thumbImage, thumb);
}

}  // namespace SkinUI
