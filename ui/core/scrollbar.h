#pragma once

#include <windows.h>

#include "ui/core/control.h"
#include "ui/core/renderer.h"

namespace SkinUI {

class CContainerUI;

// A drawn scroll bar: two arrow buttons, a track and a thumb, vertical or
// horizontal. A bar owned by a container hands every step and drag to the
// owner's scrolling; a free bar keeps its own position and sends "scroll".
class CScrollBarUI : public CControlUI {
public:
    // Timer of the press auto-repeat and the thumb drag.
    static constexpr UINT kRepeatTimerId = 10;
    static constexpr UINT kRepeatPeriodMs = 50;

    CScrollBarUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void SetFocus() override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

    CContainerUI* GetOwner() const { return m_owner; }
    void SetOwner(CContainerUI* owner) { m_owner = owner; }
    bool IsHorizontal() const { return m_horizontal; }
    void SetHorizontal(bool horizontal = true);

    int GetScrollRange() const { return m_range; }
    void SetScrollRange(int range);
    int GetScrollPosition() const { return m_scrollPosition; }
    // Clamps to 0..range, rounds to the scroll unit and, with notify and a
    // manager, sends "scroll" (new position, old position) asynchronously.
    void SetScrollPosition(int position, bool notify = true);
    int GetLineSize() const { return m_lineSize; }
    void SetLineSize(int size);
    int GetScrollUnit() const { return m_scrollUnit; }
    void SetScrollUnit(int unit);
    // The scroll unit when above 1, else the line size.
    int GetLineStep() const;

    bool IsShowButton1() const { return m_button1.shown; }
    void SetShowButton1(bool show);
    bool IsShowButton2() const { return m_button2.shown; }
    void SetShowButton2(bool show);

    DWORD GetButton1Color() const { return m_button1.color; }
    void SetButton1Color(DWORD color);
    DWORD GetButton2Color() const { return m_button2.color; }
    void SetButton2Color(DWORD color);
    DWORD GetThumbColor() const { return m_thumb.color; }
    void SetThumbColor(DWORD color);

    void SetButton1NormalImage(const wchar_t* description);
    void SetButton1HotImage(const wchar_t* description);
    void SetButton1PushedImage(const wchar_t* description);
    void SetButton1DisabledImage(const wchar_t* description);
    void SetButton2NormalImage(const wchar_t* description);
    void SetButton2HotImage(const wchar_t* description);
    void SetButton2PushedImage(const wchar_t* description);
    void SetButton2DisabledImage(const wchar_t* description);
    void SetThumbNormalImage(const wchar_t* description);
    void SetThumbHotImage(const wchar_t* description);
    void SetThumbPushedImage(const wchar_t* description);
    void SetThumbDisabledImage(const wchar_t* description);
    void SetRailNormalImage(const wchar_t* description);
    void SetRailHotImage(const wchar_t* description);
    void SetRailPushedImage(const wchar_t* description);
    void SetRailDisabledImage(const wchar_t* description);
    void SetBkNormalImage(const wchar_t* description);
    void SetBkHotImage(const wchar_t* description);
    void SetBkPushedImage(const wchar_t* description);
    void SetBkDisabledImage(const wchar_t* description);

    // Part rectangles in window coordinates, and their state bits.
    const RECT& GetButton1Rect() const { return m_button1.rect; }
    const RECT& GetButton2Rect() const { return m_button2.rect; }
    const RECT& GetThumbRect() const { return m_thumb.rect; }
    UINT GetButton1State() const { return m_button1.state; }
    UINT GetButton2State() const { return m_button2.state; }
    UINT GetThumbState() const { return m_thumb.state; }

private:
    enum ImageState { kNormal = 0, kHot, kPushed, kDisabled, kImageStates };

    // A button, the thumb, or (without rectangle and colour) the rail and
    // the whole bar: its images by state.
    struct PartUI {
        bool shown = true;
        RECT rect = {0, 0, 0, 0};
        UINT state = 0;
        DWORD color = 0;
        ImageDrawInfoUI images[kImageStates];
    };

    void SetPartImage(PartUI& part, ImageState state, const wchar_t* description);
    bool SetPartImageAttribute(const wchar_t* name, const wchar_t* value);
    void LayOutParts();
    // Lays the bar out again where it stands.
    void LayOutAgain();
    int Thickness() const;
    int Length() const;
    int ShownButtons() const;

    void OnPress(POINT point);
    void OnRelease();
    void OnMouseMove(POINT point);
    void OnTimerTick();
    void OnMouseEnter(POINT point);
    // False when the pointer is still over the bar (the event ends there).
    bool OnMouseLeave(POINT point);
    void PassOn(EventRecordUI& event);
    void StepBack();
    void StepForward();
    void PageTowards(POINT point);

    // The disabled, pushed or hot image by the state bits, else the normal one.
    void PaintStateImage(HDC dc, PartUI& images, UINT state, const RECT& rect);
    bool DrawPartImage(HDC dc, ImageDrawInfoUI& image, const RECT& rect);
    void PaintPart(HDC dc, PartUI& part);
    void PaintRail(HDC dc);

    bool m_horizontal = false;
    int m_range = 100;
    int m_scrollPosition = 0;
    int m_lineSize = 8;
    int m_scrollUnit = 1;
    CContainerUI* m_owner = nullptr;
    POINT m_dragOrigin = {0, 0};
    int m_dragStartPosition = 0;
    int m_dragOffset = 0;
    int m_repeatTicks = 0;
    PartUI m_background;
    PartUI m_button1;
    PartUI m_button2;
    PartUI m_thumb;
    PartUI m_rail;
};

// Registers the "ScrollBar" tag with the control registry (once).
void RegisterScrollBarControl();

}  // namespace SkinUI
