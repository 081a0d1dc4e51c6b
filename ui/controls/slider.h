#pragma once

#include "ui/controls/progress.h"

namespace SkinUI {

// A progress bar with a draggable thumb: pressing, dragging and the wheel
// set its value. Sends "valuechanging" while dragging and "valuechanged"
// when a change is done (also on every drag move with immediate notify).
class CSliderUI : public CProgressUI {
public:
    CSliderUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintStatusImage(HDC dc) override;

    int GetChangeStep() const { return m_step; }
    void SetChangeStep(int step) { m_step = step; }
    void SetThumbSize(int width, int height);
    SIZE GetThumbSize() const { return m_thumbSize; }
    // In window client coordinates.
    RECT GetThumbRect() const;
    bool IsImmediateNotify() const { return m_immediate; }
    void SetImmediateNotify(bool immediate) { m_immediate = immediate; }
    const CUIString& GetThumbImage() const { return m_thumbImage.description; }
    void SetThumbImage(const wchar_t* description);
    const CUIString& GetThumbHotImage() const { return m_thumbHotImage.description; }
    void SetThumbHotImage(const wchar_t* description);
    const CUIString& GetThumbPushedImage() const { return m_thumbPushedImage.description; }
    void SetThumbPushedImage(const wchar_t* description);
    UINT GetThumbState() const { return m_thumbState; }

    // The value nearest to the point on the track.
    int ValueFromPoint(POINT point) const;

protected:
    ~CSliderUI() override = default;

private:
    bool HandleMouseEvent(EventRecordUI& event);
    // The value of a press dragged to the point: the thumb keeps the offset
    // at which it was grabbed, so a release where it was pressed keeps the value.
    int DraggedValue(POINT point) const;
    void Notify(const wchar_t* type);

    SIZE m_thumbSize = {10, 10};
    UINT m_thumbState = 0;
    POINT m_grabPoint = {0, 0};
    int m_grabValue = 0;
    int m_step = 1;
    bool m_immediate = false;
    ImageDrawInfoUI m_thumbImage;
    ImageDrawInfoUI m_thumbHotImage;
    ImageDrawInfoUI m_thumbPushedImage;
};

}  // namespace SkinUI
