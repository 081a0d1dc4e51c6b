#include "ui/controls/progress.h"

#include <climits>
#include <cwchar>

#include "ui/core/control_values.h"
#include "ui/core/renderer.h"

namespace SkinUI {

CProgressUI::CProgressUI()
{
    m_textStyle = DT_CENTER | DT_SINGLELINE;
    m_fixedSize.cy = 12;
}

const wchar_t* CProgressUI::GetClassName() const
{
    return L"Progress";
}

void* CProgressUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"Progress") == 0)
        return this;
    return CLabelUI::GetInterfaceByName(name);
}

void CProgressUI::SetHorizontal(bool horizontal)
{
    if (m_horizontal == horizontal)
        return;
    m_horizontal = horizontal;
    Invalidate();
}

void CProgressUI::SetMinValue(int value)
{
    m_min = value;
    Invalidate();
}

void CProgressUI::SetMaxValue(int value)
{
    m_max = value;
    Invalidate();
}

void CProgressUI::SetValue(int value)
{
    if (value > m_max)
        value = m_max;
    if (value < m_min)
        value = m_min;
    m_value = value;
    Invalidate();
}

void CProgressUI::NormalizeRange()
{
    if (m_min >= m_max) {
        if (m_min == INT_MAX)
            m_min = INT_MAX - 1;
        m_max = m_min + 1;
    }
    if (m_value > m_max)
        m_value = m_max;
    if (m_value < m_min)
        m_value = m_min;
}

long long CProgressUI::ScaleSpan(long long length, long long part, long long range)
{
    if (range == 0)
        return 0;
    return length * part / range;
}

bool CProgressUI::DrawImageInto(HDC dc, ImageDrawInfoUI& image, const RECT& dest)
{
    // Loaded first, so that the description's parsing cannot replace the
    // destination set here.
    if (!DrawImage(nullptr, image))
        return false;
    image.dest = dest;
    return DrawImage(dc, image);
}

void CProgressUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"foreimage") == 0)
        SetForeImage(value);
    else if (wcscmp(name, L"hor") == 0)
        SetHorizontal(IsTrueValue(value));
    else if (wcscmp(name, L"min") == 0)
        SetMinValue(static_cast<int>(wcstol(value, nullptr, 10)));
    else if (wcscmp(name, L"max") == 0)
        SetMaxValue(static_cast<int>(wcstol(value, nullptr, 10)));
    else if (wcscmp(name, L"value") == 0)
        SetValue(static_cast<int>(wcstol(value, nullptr, 10)));
    else
        CLabelUI::SetAttribute(name, value);
}

RECT CProgressUI::GetForeDestination(int track) const
{
    const int width = GetWidth();
    const int height = GetHeight();
    if (m_horizontal) {
        const long long done = static_cast<long long>(m_value) - m_min;
        return RECT{0, 0, static_cast<int>(ScaleSpan(track, done, Range())), height};
    }
    const long long left = static_cast<long long>(m_max) - m_value;
    return RECT{0, static_cast<int>(ScaleSpan(height, left, Range())), width, height};
}

void CProgressUI::PaintStatusImage(HDC dc)
{
    NormalizeRange();
    DrawImageInto(dc, ForeImageInfo(), GetForeDestination(GetWidth()));
}

}  // namespace SkinUI
