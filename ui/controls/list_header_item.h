#pragma once

#include "ui/core/control.h"
#include "ui/core/renderer.h"

namespace SkinUI {

// One column of a list header: a clickable caption with a separator at its
// edge that the user drags to resize the column.
class CListHeaderItemUI : public CControlUI {
public:
    static constexpr UINT kStateDragging = 0x40;

    CListHeaderItemUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    SIZE GetDesiredSize(SIZE available) override;
    void PaintStatusImage(HDC dc) override;
    void PaintText(HDC dc) override;

    bool IsDragable() const { return m_dragable; }
    void SetDragable(bool dragable);
    int GetSepWidth() const { return m_sepWidth; }
    // Negative puts the separator at the left edge.
    void SetSepWidth(int width) { m_sepWidth = width; }
    UINT GetTextStyle() const { return m_textStyle; }
    void SetTextStyle(UINT style);
    DWORD GetTextColor() const { return m_textColor; }
    void SetTextColor(DWORD color);
    DWORD GetSepColor() const { return m_sepColor; }
    void SetSepColor(DWORD color);
    RECT GetTextPadding() const { return m_textPadding; }
    void SetTextPadding(RECT padding);
    int GetFont() const { return m_font; }
    void SetFont(int font) { m_font = font; }
    bool IsShowHtml() const { return m_showHtml; }
    void SetShowHtml(bool show = true);
    void SetNormalImage(const wchar_t* description);
    void SetHotImage(const wchar_t* description);
    void SetPushedImage(const wchar_t* description);
    void SetFocusedImage(const wchar_t* description);
    void SetSepImage(const wchar_t* description);
    UINT GetButtonState() const { return m_buttonState; }

    RECT GetSeparatorRect() const;

private:
    void SetImage(ImageDrawInfoUI& image, const wchar_t* description);
    void OnPress(POINT point);
    void OnRelease();
    void OnDrag(POINT point);
    // The list that owns the header lays the columns out again.
    void RequestColumnLayout();

    POINT m_lastPoint = {0, 0};
    bool m_dragable = true;
    UINT m_buttonState = 0;
    int m_sepWidth = 4;
    DWORD m_textColor = 0;
    DWORD m_sepColor = 0;
    int m_font = -1;
    UINT m_textStyle = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    bool m_showHtml = false;
    RECT m_textPadding = {2, 0, 2, 0};
    ImageDrawInfoUI m_normalImage;
    ImageDrawInfoUI m_hotImage;
    ImageDrawInfoUI m_pushedImage;
    ImageDrawInfoUI m_focusedImage;
    ImageDrawInfoUI m_sepImage;
};

}  // namespace SkinUI
