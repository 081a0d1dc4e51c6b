#include "ui/core/scrollbar.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/container.h"
#include "ui/core/control_registry.h"
#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

constexpr int kDefaultThickness = 16;

// Colours skip leading blanks, then read as hexadecimal ARGB after one '#'.
DWORD ReadColor(const wchar_t* value)
{
    while (*value > L'\0' && *value <= L' ')
        ++value;
    return ReadHexColor(value);
}

int ReadInt(const wchar_t* value)
{
    return static_cast<int>(wcstol(value, nullptr, 10));
}

}  // namespace

CScrollBarUI::CScrollBarUI()
{
    m_fixedSize.cx = kDefaultThickness;
}

const wchar_t* CScrollBarUI::GetClassName() const
{
    return L"ScrollBar";
}

void* CScrollBarUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"ScrollBar") == 0)
        return this;
    return CControlUI::GetInterfaceByName(name);
}

void CScrollBarUI::SetHorizontal(bool horizontal)
{
    if (m_horizontal == horizontal)
        return;
    m_horizontal = horizontal;
    if (horizontal && m_fixedSize.cy == 0) {
        m_fixedSize.cx = 0;
        m_fixedSize.cy = kDefaultThickness;
    } else if (!horizontal && m_fixedSize.cx == 0) {
        m_fixedSize.cy = 0;
        m_fixedSize.cx = kDefaultThickness;
    }
    if (m_owner != nullptr)
        m_owner->RequestLayout();
    else
        RequestParentLayout();
}

void CScrollBarUI::LayOutAgain()
{
    // A floating bar takes its rectangle relative to its parent.
    SetPosition(IsFloating() ? GetRelativePosition() : m_position);
}

void CScrollBarUI::SetScrollRange(int range)
{
    if (m_range == range)
        return;
    m_range = std::max(range, 0);
    if (m_scrollPosition > m_range)
        m_scrollPosition = m_range;
    LayOutAgain();
}

void CScrollBarUI::SetScrollPosition(int position, bool notify)
{
    if (position == m_scrollPosition)
        return;
    const int old = m_scrollPosition;
    m_scrollPosition = std::max(position, 0);
    if (m_scrollUnit > 1) {
        const int remainder = m_scrollPosition % m_scrollUnit;
        if (remainder != 0)
            m_scrollPosition += remainder < m_scrollUnit / 2 ? -remainder : m_scrollUnit - remainder;
    }
    if (m_scrollPosition > m_range)
        m_scrollPosition = m_range;
    LayOutAgain();
    if (notify && m_manager != nullptr)
        m_manager->SendNotification(this, L"scroll", m_scrollPosition, old, true, false);
}

void CScrollBarUI::SetLineSize(int size)
{
    if (size >= 0)
        m_lineSize = size;
}

void CScrollBarUI::SetScrollUnit(int unit)
{
    if (unit >= 0)
        m_scrollUnit = unit;
}

int CScrollBarUI::GetLineStep() const
{
    return m_scrollUnit > 1 ? m_scrollUnit : m_lineSize;
}

void CScrollBarUI::SetShowButton1(bool show)
{
    m_button1.shown = show;
    LayOutAgain();
}

void CScrollBarUI::SetShowButton2(bool show)
{
    m_button2.shown = show;
    LayOutAgain();
}

namespace {

void ChangeColor(CControlUI& bar, DWORD& field, DWORD color)
{
    if (field == color)
        return;
    field = color;
    bar.Invalidate();
}

}  // namespace

void CScrollBarUI::SetButton1Color(DWORD color)
{
    ChangeColor(*this, m_button1.color, color);
}

void CScrollBarUI::SetButton2Color(DWORD color)
{
    ChangeColor(*this, m_button2.color, color);
}

void CScrollBarUI::SetThumbColor(DWORD color)
{
    ChangeColor(*this, m_thumb.color, color);
}

void CScrollBarUI::SetPartImage(PartUI& part, ImageState state, const wchar_t* description)
{
    ImageDrawInfoUI& info = part.images[state];
    const wchar_t* text = description != nullptr ? description : L"";
    if (info.description == text && info.image != nullptr)
        return;
    info.Reset();
    info.description = text;
    Invalidate();
}

void CScrollBarUI::SetButton1NormalImage(const wchar_t* d) { SetPartImage(m_button1, kNormal, d); }
void CScrollBarUI::SetButton1HotImage(const wchar_t* d) { SetPartImage(m_button1, kHot, d); }
void CScrollBarUI::SetButton1PushedImage(const wchar_t* d) { SetPartImage(m_button1, kPushed, d); }
void CScrollBarUI::SetButton1DisabledImage(const wchar_t* d) { SetPartImage(m_button1, kDisabled, d); }
void CScrollBarUI::SetButton2NormalImage(const wchar_t* d) { SetPartImage(m_button2, kNormal, d); }
void CScrollBarUI::SetButton2HotImage(const wchar_t* d) { SetPartImage(m_button2, kHot, d); }
void CScrollBarUI::SetButton2PushedImage(const wchar_t* d) { SetPartImage(m_button2, kPushed, d); }
void CScrollBarUI::SetButton2DisabledImage(const wchar_t* d) { SetPartImage(m_button2, kDisabled, d); }
void CScrollBarUI::SetThumbNormalImage(const wchar_t* d) { SetPartImage(m_thumb, kNormal, d); }
void CScrollBarUI::SetThumbHotImage(const wchar_t* d) { SetPartImage(m_thumb, kHot, d); }
void CScrollBarUI::SetThumbPushedImage(const wchar_t* d) { SetPartImage(m_thumb, kPushed, d); }
void CScrollBarUI::SetThumbDisabledImage(const wchar_t* d) { SetPartImage(m_thumb, kDisabled, d); }
void CScrollBarUI::SetRailNormalImage(const wchar_t* d) { SetPartImage(m_rail, kNormal, d); }
void CScrollBarUI::SetRailHotImage(const wchar_t* d) { SetPartImage(m_rail, kHot, d); }
void CScrollBarUI::SetRailPushedImage(const wchar_t* d) { SetPartImage(m_rail, kPushed, d); }
void CScrollBarUI::SetRailDisabledImage(const wchar_t* d) { SetPartImage(m_rail, kDisabled, d); }
void CScrollBarUI::SetBkNormalImage(const wchar_t* d) { SetPartImage(m_background, kNormal, d); }
void CScrollBarUI::SetBkHotImage(const wchar_t* d) { SetPartImage(m_background, kHot, d); }
void CScrollBarUI::SetBkPushedImage(const wchar_t* d) { SetPartImage(m_background, kPushed, d); }
void CScrollBarUI::SetBkDisabledImage(const wchar_t* d) { SetPartImage(m_background, kDisabled, d); }

void CScrollBarUI::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    // The owner's layout places the bar: no invalidation, no layout request.
    m_visible = visible;
    m_focused = false;
}

void CScrollBarUI::SetEnabled(bool enabled)
{
    CControlUI::SetEnabled(enabled);
    if (enabled)
        return;
    m_button1.state = 0;
    m_button2.state = 0;
    m_thumb.state = 0;
}

void CScrollBarUI::SetFocus()
{
    if (m_owner != nullptr)
        m_owner->SetFocus();
    else
        CControlUI::SetFocus();
}

int CScrollBarUI::Thickness() const
{
    return m_horizontal ? m_fixedSize.cy : m_fixedSize.cx;
}

int CScrollBarUI::Length() const
{
    return m_horizontal ? m_position.right - m_position.left : m_position.bottom - m_position.top;
}

int CScrollBarUI::ShownButtons() const
{
    return (m_button1.shown ? 1 : 0) + (m_button2.shown ? 1 : 0);
}

void CScrollBarUI::SetPosition(RECT rect, bool invalidate)
{
    CControlUI::SetPosition(rect, invalidate);
    LayOutParts();
}

void CScrollBarUI::LayOutParts()
{
    const RECT& p = m_position;
    const int length = Length();
    const int thickness = Thickness();
    const int track = length - thickness * ShownButtons();
    // Along the bar: [near, far) of each part; across: the bar's thickness.
    const int start = m_horizontal ? p.left : p.top;
    const int end = m_horizontal ? p.right : p.bottom;
    const int buttonLength = thickness < track ? thickness : std::min(thickness, length / 2);
    const int button1End = m_button1.shown ? start + buttonLength : start;
    const int button2Start = m_button2.shown ? end - buttonLength : end;

    auto span = [&](int nearEdge, int farEdge) {
        return m_horizontal ? RECT{nearEdge, p.top, farEdge, p.top + thickness}
                            : RECT{p.left, nearEdge, p.left + thickness, farEdge};
    };
    m_button1.rect = m_button1.shown ? span(start, button1End) : RECT{p.left, p.top, p.left, p.top};
    m_button2.rect = m_button2.shown ? span(button2Start, end) : RECT{p.right, p.bottom, p.right, p.bottom};

    if (thickness >= track) {
        m_thumb.rect = RECT{0, 0, 0, 0};
        return;
    }
    if (m_range <= 0) {
        m_thumb.rect = span(button1End, button2Start);
        return;
    }
    // 64-bit products: long bars over large ranges overflow 32 bits.
    const long long thumbLength =
        std::max<long long>(thickness, static_cast<long long>(length) * track / (length + m_range));
    long long thumbStart = (track - thumbLength) * m_scrollPosition / m_range + button1End;
    long long thumbEnd = thumbStart + thumbLength;
    if (thumbEnd > button2Start) {
        thumbStart -= thumbEnd - button2Start;
        thumbEnd = button2Start;
    }
    m_thumb.rect = span(static_cast<int>(thumbStart), static_cast<int>(thumbEnd));
}

bool CScrollBarUI::SetPartImageAttribute(const wchar_t* name, const wchar_t* value)
{
    struct Entry {
        const wchar_t* prefix;
        PartUI CScrollBarUI::*part;
    };
    static const Entry parts[] = {
        {L"button1", &CScrollBarUI::m_button1}, {L"button2", &CScrollBarUI::m_button2},
        {L"thumb", &CScrollBarUI::m_thumb},     {L"rail", &CScrollBarUI::m_rail},
        {L"bk", &CScrollBarUI::m_background},
    };
    static const wchar_t* const states[kImageStates] = {L"normalimage", L"hotimage", L"pushedimage",
                                                        L"disabledimage"};
    for (const Entry& entry : parts) {
        const size_t prefixLength = wcslen(entry.prefix);
        if (wcsncmp(name, entry.prefix, prefixLength) != 0)
            continue;
        for (int state = 0; state < kImageStates; ++state) {
            if (wcscmp(name + prefixLength, states[state]) == 0) {
                SetPartImage(this->*entry.part, static_cast<ImageState>(state), value);
                return true;
            }
        }
    }
    return false;
}

void CScrollBarUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"button1color") == 0)
        SetButton1Color(ReadColor(value));
    else if (wcscmp(name, L"button2color") == 0)
        SetButton2Color(ReadColor(value));
    else if (wcscmp(name, L"thumbcolor") == 0)
        SetThumbColor(ReadColor(value));
    else if (SetPartImageAttribute(name, value))
        return;
    else if (wcscmp(name, L"hor") == 0)
        SetHorizontal(IsTrueValue(value));
    else if (wcscmp(name, L"linesize") == 0)
        SetLineSize(ReadInt(value));
    else if (wcscmp(name, L"range") == 0)
        SetScrollRange(ReadInt(value));
    else if (wcscmp(name, L"value") == 0)
        SetScrollPosition(ReadInt(value));
    else if (wcscmp(name, L"scrollunit") == 0)
        SetScrollUnit(ReadInt(value));
    else if (wcscmp(name, L"showbutton1") == 0)
        SetShowButton1(IsTrueValue(value));
    else if (wcscmp(name, L"showbutton2") == 0)
        SetShowButton2(IsTrueValue(value));
    else
        CControlUI::SetAttribute(name, value);
}

void RegisterScrollBarControl()
{
    CControlRegistryUI::Register(L"ScrollBar", []() -> CControlUI* { return new CScrollBarUI; });
}

}  // namespace SkinUI
