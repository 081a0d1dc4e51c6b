#pragma once

#include "ui/controls/label.h"

namespace SkinUI {

// A label that shows a value between a minimum and a maximum by the extent
// of its fore image: filled from the left, or from the bottom when vertical.
// Base of the slider.
class CProgressUI : public CLabelUI {
public:
    CProgressUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintStatusImage(HDC dc) override;

    bool IsHorizontal() const { return m_horizontal; }
    void SetHorizontal(bool horizontal);
    // The limits are stored as given; painting puts them in order.
    int GetMinValue() const { return m_min; }
    void SetMinValue(int value);
    int GetMaxValue() const { return m_max; }
    void SetMaxValue(int value);
    int GetValue() const { return m_value; }
    // Clamped to the limits; no notification.
    void SetValue(int value);

protected:
    ~CProgressUI() override = default;

    // Raises a maximum that is not above the minimum and clamps the value (stored).
    void NormalizeRange();
    // length * part / range, truncated, without overflow; 0 for an empty range.
    static long long ScaleSpan(long long length, long long part, long long range);
    // The filled part relative to the position: horizontally `track` pixels
    // at the maximum, vertically up from the bottom.
    RECT GetForeDestination(int track) const;
    // Draws the image into a destination relative to the position.
    bool DrawImageInto(HDC dc, ImageDrawInfoUI& image, const RECT& dest);
    long long Range() const { return static_cast<long long>(m_max) - m_min; }

    bool m_horizontal = true;
    int m_max = 100;
    int m_min = 0;
    int m_value = 0;
};

}  // namespace SkinUI
