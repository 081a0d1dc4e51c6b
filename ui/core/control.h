#pragma once

#include <windows.h>

#include <memory>

#include "ui/core/delegate.h"
#include "ui/core/geometry.h"
#include "ui/core/string_map.h"
#include "ui/core/ui_events.h"
#include "ui/core/ui_string.h"

namespace SkinUI {

class CWindowManagerUI;
struct ImageDrawInfoUI;

// FindControl flags.
constexpr UINT kFindVisible = 0x00000001;
constexpr UINT kFindEnabled = 0x00000002;
constexpr UINT kFindHitTest = 0x00000004;      // data is a POINT*
constexpr UINT kFindUpdateTest = 0x00000008;
constexpr UINT kFindTopFirst = 0x00000010;     // children last to first
constexpr UINT kFindMeFirst = 0x80000000;

// Behaviour flags (GetBehaviorFlags).
constexpr UINT kBehaviorTabStop = 0x1;
constexpr UINT kBehaviorSetCursor = 0x2;

// Control state bits of the drawn controls.
constexpr UINT kStateFocused = 0x01;
constexpr UINT kStateDisabled = 0x04;
constexpr UINT kStateHot = 0x08;
constexpr UINT kStatePushed = 0x10;
constexpr UINT kStateCaptured = 0x40;

class CControlUI;
typedef CControlUI* (*FindControlProcUI)(CControlUI* control, void* data);

// Answered by GetInterfaceByName(kRichEditKeysInterface) of a rich edit:
// whether it keeps Tab and Return for itself instead of the tab walk.
constexpr const wchar_t* kRichEditKeysInterface = L"RichEditKeys";
class IRichEditKeysUI {
public:
    virtual bool IsWantTab() const = 0;
    virtual bool IsWantReturn() const = 0;

protected:
    virtual ~IRichEditKeysUI() = default;
};

// Base of every drawn element: a windowless rectangle with position and size
// rules, colours, images, border, text, visibility and input flags, an owned
// cover, event sources and custom attributes. Destroyed only through Delete.
class CControlUI {
public:
    CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    virtual void Delete();

    virtual const CUIString& GetName() const;
    virtual void SetName(const wchar_t* name);
    virtual const wchar_t* GetClassName() const;
    virtual void* GetInterfaceByName(const wchar_t* name);
    virtual UINT GetBehaviorFlags() const;
    virtual HWND GetNativeWindow() const;
    virtual bool Activate();
    virtual CWindowManagerUI* GetManager() const;
    virtual void SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize = true);
    virtual CControlUI* GetParent() const;
    virtual CControlUI* GetCover() const;
    virtual void SetCover(CControlUI* cover);
    virtual CUIString GetText() const;
    virtual void SetText(const wchar_t* text);

    virtual const RECT& GetPosition() const;
    virtual RECT GetRelativePosition() const;
    virtual RECT GetClientPosition() const;
    // Clips the rectangle to the client areas of the ancestors; false (and
    // the rectangle unusable) when an ancestor is hidden or nothing is left.
    bool ClipToAncestorClients(RECT& rect) const;
    virtual void SetPosition(RECT rect, bool invalidate = true);
    virtual void MoveBy(int dx, int dy, bool invalidate = true);
    virtual int GetWidth() const;
    virtual int GetHeight() const;
    virtual int GetX() const;
    virtual int GetY() const;
    virtual RECT GetPadding() const;
    virtual void SetPadding(RECT padding);
    virtual SIZE GetFixedXY() const;
    virtual void SetFixedXY(SIZE xy);
    virtual void GetFloatPercent(double percent[4]) const;
    virtual void SetFloatPercent(const double percent[4]);
    virtual int GetFixedWidth() const;
    virtual void SetFixedWidth(int width);
    virtual int GetFixedHeight() const;
    virtual void SetFixedHeight(int height);
    virtual int GetMinWidth() const;
    virtual void SetMinWidth(int width);
    virtual int GetMaxWidth() const;
    virtual void SetMaxWidth(int width);
    virtual int GetMinHeight() const;
    virtual void SetMinHeight(int height);
    virtual int GetMaxHeight() const;
    virtual void SetMaxHeight(int height);

    virtual CUIString GetToolTip() const;
    virtual void SetToolTip(const wchar_t* text);
    virtual void SetToolTipWidth(int width);
    virtual int GetToolTipWidth() const;
    virtual wchar_t GetShortcutKey() const;
    virtual void SetShortcutKey(wchar_t key);
    virtual bool IsContextMenuEnabled() const;
    virtual void SetContextMenuEnabled(bool enabled);
    virtual const CUIString& GetUserData() const;
    virtual void SetUserData(const wchar_t* text);
    virtual UINT_PTR GetTag() const;
    virtual void SetTag(UINT_PTR tag);

    virtual bool IsVisible() const;
    virtual void SetVisible(bool visible = true);
    virtual void SetInternalVisible(bool visible = true);
    virtual bool IsEnabled() const;
    virtual void SetEnabled(bool enabled = true);
    virtual bool IsMouseEnabled() const;
    virtual void SetMouseEnabled(bool enabled = true);
    virtual bool IsKeyboardEnabled() const;
    virtual void SetKeyboardEnabled(bool enabled = true);
    virtual bool IsFocused() const;
    virtual void SetFocus();
    virtual bool IsFloating() const;
    virtual void SetFloating(bool floating = true);

    virtual CControlUI* FindControl(FindControlProcUI proc, void* data, UINT flags);

    virtual void Initialize();
    virtual void OnInitialize();
    virtual void DispatchEvent(EventRecordUI& event);
    virtual void HandleEvent(EventRecordUI& event);

    virtual CUIString GetAttribute(const wchar_t* name) const;
    virtual void SetAttribute(const wchar_t* name, const wchar_t* value);
    virtual CUIString GetAttributeList() const;
    virtual void SetAttributeList(const wchar_t* list);
    virtual SIZE GetDesiredSize(SIZE available);

    virtual bool Paint(HDC dc, const RECT& paintRect, CControlUI* stopControl);
    virtual bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl);
    virtual void PaintBackgroundColor(HDC dc);
    virtual void PaintBackgroundImage(HDC dc);
    virtual void PaintStatusImage(HDC dc);
    virtual void PaintText(HDC dc);
    virtual void PaintBorder(HDC dc);
    virtual void PostPaint(HDC dc, const RECT& paintRect);

    void Invalidate();
    void RequestLayout();
    void RequestParentLayout();
    bool IsLayoutNeeded() const { return m_needsLayout; }
    DWORD AdjustColor(DWORD color) const;
    bool DrawImage(HDC dc, ImageDrawInfoUI& image);

    DWORD GetBackgroundColor() const { return m_bkColor; }
    void SetBackgroundColor(DWORD color);
    DWORD GetBackgroundColor2() const { return m_bkColor2; }
    void SetBackgroundColor2(DWORD color);
    DWORD GetBackgroundColor3() const { return m_bkColor3; }
    void SetBackgroundColor3(DWORD color);
    DWORD GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(DWORD color);
    DWORD GetFocusBorderColor() const { return m_focusBorderColor; }
    void SetFocusBorderColor(DWORD color);
    bool IsColorHsl() const { return m_colorHsl; }
    void SetColorHsl(bool colorHsl);
    RECT GetBorderSize() const { return m_borderSize; }
    void SetBorderSize(int size);
    void SetBorderSizeRect(RECT size);
    SIZE GetBorderRound() const { return m_borderRound; }
    void SetBorderRound(SIZE round);
    int GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int style);

    const CUIString& GetBackgroundImage() const;
    void SetBackgroundImage(const wchar_t* description);
    const CUIString& GetForeImage() const;
    void SetForeImage(const wchar_t* description);
    ImageDrawInfoUI& BackgroundImageInfo() { return *m_bkImage; }
    ImageDrawInfoUI& ForeImageInfo() { return *m_foreImage; }

    void SetVirtualWindowName(const wchar_t* name);
    CUIString GetVirtualWindowName() const;

    void AddCustomAttribute(const wchar_t* name, const wchar_t* value);
    const wchar_t* GetCustomAttribute(const wchar_t* name);
    void RemoveAllCustomAttributes();

    const RECT& GetPaintRect() const { return m_paintRect; }

    CDelegateListUI OnInit;
    CDelegateListUI OnDestroy;
    CDelegateListUI OnSize;
    CDelegateListUI OnEvent;
    CDelegateListUI OnNotify;
    CDelegateListUI OnPaint;
    CDelegateListUI OnPostPaint;

protected:
    // Controls are destroyed only through Delete.
    virtual ~CControlUI();

    CWindowManagerUI* m_manager = nullptr;
    CControlUI* m_parent = nullptr;
    CControlUI* m_cover = nullptr;
    CUIString m_virtualWindowName;
    CUIString m_name;
    bool m_needsLayout = true;
    bool m_contextMenu = false;
    RECT m_position = {0, 0, 0, 0};
    RECT m_padding = {0, 0, 0, 0};
    SIZE m_fixedXY = {0, 0};
    SIZE m_fixedSize = {0, 0};
    SIZE m_minSize = {0, 0};
    SIZE m_maxSize = {9999, 9999};
    bool m_visible = true;
    bool m_internalVisible = true;
    bool m_enabled = true;
    bool m_mouseEnabled = true;
    bool m_keyboardEnabled = true;
    bool m_focused = false;
    bool m_floating = false;
    double m_floatPercent[4] = {0, 0, 0, 0};
    bool m_sizeEventGuard = false;
    CUIString m_text;
    CUIString m_toolTip;
    wchar_t m_shortcut = 0;
    CUIString m_userData;
    UINT_PTR m_tag = 0;
    DWORD m_bkColor = 0;
    DWORD m_bkColor2 = 0;
    DWORD m_bkColor3 = 0;
    std::unique_ptr<ImageDrawInfoUI> m_bkImage;
    std::unique_ptr<ImageDrawInfoUI> m_foreImage;
    DWORD m_borderColor = 0;
    DWORD m_focusBorderColor = 0;
    bool m_colorHsl = false;
    int m_borderStyle = PS_SOLID;
    int m_toolTipWidth = 300;
    SIZE m_borderRound = {0, 0};
    RECT m_paintRect = {0, 0, 0, 0};
    RECT m_borderSize = {0, 0, 0, 0};
    CStringMapUI m_customAttributes{83};

    // The filters every FindControl applies to the control itself first:
    // visible, enabled, point inside and the update test, by the flags.
    bool PassesFindFilters(FindControlProcUI proc, void* data, UINT flags);

private:
    bool ClipToAncestors(RECT& rect) const;
    void PositionCover(const RECT& normalised);
};

}  // namespace SkinUI
