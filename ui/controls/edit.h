#pragma once

#include "ui/controls/label.h"

namespace SkinUI {

class CEditWnd;

// The one-line text box: drawn like a label while idle; with the focus it
// opens a native edit control over its text area, whose changes flow back
// into the text with "textchanged"; Return there sends "return".
class CEditUI : public CLabelUI {
public:
    CEditUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    UINT GetBehaviorFlags() const override;
    HWND GetNativeWindow() const override;
    void SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize = true) override;
    // Also puts the text into an open native control.
    void SetText(const wchar_t* text) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override;
    void SetVisible(bool visible = true) override;
    void SetInternalVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(EventRecordUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    SIZE GetDesiredSize(SIZE available) override;
    void PaintStatusImage(HDC dc) override;
    void PaintText(HDC dc) override;

    // Limits typing in the native control only.
    UINT GetMaxChars() const { return m_maxChars; }
    void SetMaxChars(UINT count);
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    // Digits only; applies when the native control next opens.
    bool IsNumberOnly() const { return (m_nativeStyle & ES_NUMBER) != 0; }
    void SetNumberOnly(bool numberOnly);
    // Applies to the native control when it next opens.
    bool IsPasswordMode() const { return m_password; }
    void SetPasswordMode(bool password);
    wchar_t GetPasswordChar() const { return m_passwordChar; }
    bool IsAutoSelAll() const { return m_autoSelAll; }
    void SetAutoSelAll(bool autoSelAll) { m_autoSelAll = autoSelAll; }
    // 0xFFFFFFFF leaves the native control's colours alone.
    DWORD GetNativeBkColor() const { return m_nativeBkColor; }
    void SetNativeBkColor(DWORD color) { m_nativeBkColor = color; }
    // Extra window styles of the native control.
    UINT GetNativeStyle() const { return m_nativeStyle; }

    const CUIString& GetNormalImage() const { return m_normalImage.description; }
    void SetNormalImage(const wchar_t* description);
    const CUIString& GetHotImage() const { return m_hotImage.description; }
    void SetHotImage(const wchar_t* description);
    const CUIString& GetFocusedImage() const { return m_focusedImage.description; }
    void SetFocusedImage(const wchar_t* description);
    const CUIString& GetDisabledImage() const { return m_disabledImage.description; }
    void SetDisabledImage(const wchar_t* description);
    UINT GetEditState() const { return m_editState; }

    // Where the native control goes: the text area, shrunk to the font's
    // height and clipped by the ancestors; empty when nothing is visible.
    RECT GetNativeRect() const;

protected:
    ~CEditUI() override;

private:
    friend class CEditWnd;

    void OpenNativeWindow();
    // Ends an open native control at once.
    void CloseNativeWindow();
    void PlaceNativeWindow();
    void CloseNativeWindowIfHidden();
    bool HandleMouseEvent(EventRecordUI& event);
    void ForwardPress(const EventRecordUI& event);

    CEditWnd* m_window = nullptr;
    UINT m_maxChars = 255;
    bool m_readOnly = false;
    bool m_password = false;
    bool m_autoSelAll = false;
    wchar_t m_passwordChar = L'*';
    DWORD m_nativeBkColor = 0xFFFFFFFF;
    UINT m_nativeStyle = 0;
    UINT m_editState = 0;
    ImageDrawInfoUI m_normalImage;
    ImageDrawInfoUI m_hotImage;
    ImageDrawInfoUI m_focusedImage;
    ImageDrawInfoUI m_disabledImage;
};

}  // namespace SkinUI
