#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "ui/core/geometry.h"
#include "ui/core/ptr_array.h"
#include "ui/core/skin_resources.h"
#include "ui/core/string_map.h"
#include "ui/core/ui_events.h"
#include "ui/core/ui_string.h"

namespace SkinUI {

class CControlUI;
struct ImageDrawInfoUI;
struct ImageRecordUI;

// A font of a window manager; a record in a font table is owned by the table.
struct FontRecordUI {
    HFONT handle = nullptr;
    CUIString faceName;
    int size = 0;  // pixels
    bool bold = false;
    bool underline = false;
    bool italic = false;
    TEXTMETRICW metrics = {};  // zero until filled from the window's DC
};

// A manager's resources: colours, default font and the resource tables.
struct ResourceSetUI {
    DWORD disabledTextColor = 0;
    DWORD defaultTextColor = 0;
    DWORD linkColor = 0;
    DWORD linkHoverColor = 0;
    DWORD selectedBackgroundColor = 0;
    FontRecordUI defaultFont;
    CStringMapUI fonts{83};              // decimal id -> FontRecordUI*
    CStringMapUI images{83};             // image name -> ImageRecordUI*
    CStringMapUI defaultAttributes{83};  // class name -> CUIString*
};

// The per-window heart of the framework: owns a window's control tree, turns
// window messages into control events, holds fonts, images, default
// attribute lists and option groups, and queues notifications and timers.
// Process-wide settings live in its static operations. UI thread only.
class CWindowManagerUI {
public:
    CWindowManagerUI();
    ~CWindowManagerUI();
    CWindowManagerUI(const CWindowManagerUI&) = delete;
    CWindowManagerUI& operator=(const CWindowManagerUI&) = delete;

    // Process-wide settings.
    static void SetInstance(HINSTANCE instance);
    static HINSTANCE GetInstance();
    static CUIString GetInstanceFolder();
    static HINSTANCE GetResourceModule();
    static void SetResourceFolder(const wchar_t* folder);
    static const CUIString& GetResourceFolder();
    static void SetResourceZip(const wchar_t* zipName, bool keepOpen = true);
    static void SetResourceZipFromMemory(const void* data, DWORD size);
    static const CUIString& GetResourceZipName();
    static bool IsResourceZipKeptOpen();
    static HZIPUI GetResourceZipHandle();
    static void CloseResourceZip();
    static bool GetHSL(short* hue, short* saturation, short* lightness);
    static CPtrArrayUI* GetPlugins();

    // Language texts, keyed by the decimal text of their id.
    static void AddLanguageText(int id, const wchar_t* text);
    // Null when the current language has no text of that id.
    static const wchar_t* GetLanguageText(int id);
    static void RemoveAllLanguageTexts();
    static void ReplaceLanguageTokens(CUIString& text);

    static WORD GetModifierKeyState();

    // Window and tree.
    void AttachWindow(HWND window, const wchar_t* name = nullptr);
    HWND GetWindowHandle() const { return m_window; }
    HDC GetWindowDC() const { return m_windowDC; }
    const CUIString& GetName() const { return m_name; }
    bool AttachRoot(CControlUI* root);
    bool InitControls(CControlUI* control, CControlUI* parent = nullptr);
    // Puts the names of the control and of all below it in the name table;
    // a name already there keeps its control.
    void RegisterControlNames(CControlUI* control);
    CControlUI* GetRoot() const { return m_root; }
    CControlUI* FindControlByName(const wchar_t* name);
    CControlUI* FindControlAt(POINT point) const;
    bool RenameControl(CControlUI* control, const wchar_t* name);
    // Re-keys the name table after a control changed its name from oldName.
    void UpdateControlName(CControlUI* control, const wchar_t* oldName);
    void ForgetControl(CControlUI* control);
    // Drops every reference to a control leaving this manager (focus, hover,
    // capture, timers, name, listeners, option groups, native windows);
    // queued notifications keep their sender.
    void ForgetControlReferences(CControlUI* control);
    void AddDelayedCleanup(CControlUI* control);

    // Window attributes of a layout.
    void SetWindowAttribute(const wchar_t* name, const wchar_t* value);
    SIZE GetInitialSize() const { return m_initialSize; }
    void SetInitialSize(int cx, int cy);
    const RECT& GetSizeBox() const { return m_sizeBox; }
    void SetSizeBox(const RECT& box) { m_sizeBox = box; }
    const RECT& GetCaptionRect() const { return m_caption; }
    void SetCaptionRect(const RECT& caption) { m_caption = caption; }
    SIZE GetRoundCorner() const { return m_roundCorner; }
    void SetRoundCorner(int cx, int cy) { m_roundCorner = {cx, cy}; }
    SIZE GetMinimumSize() const { return m_minimumSize; }
    void SetMinimumSize(int cx, int cy) { m_minimumSize = {cx, cy}; }
    SIZE GetMaximumSize() const { return m_maximumSize; }
    void SetMaximumSize(int cx, int cy) { m_maximumSize = {cx, cy}; }
    bool IsShowUpdateRect() const { return m_showUpdateRect; }
    void SetShowUpdateRect(bool show) { m_showUpdateRect = show; }
    bool IsNoActivate() const { return m_noActivate; }
    void SetNoActivate(bool noActivate) { m_noActivate = noActivate; }

    // Colours; with shared the process-wide colour changes too.
    DWORD GetDisabledTextColor() const { return m_resources.disabledTextColor; }
    void SetDisabledTextColor(DWORD color, bool shared = false);
    DWORD GetDefaultTextColor() const { return m_resources.defaultTextColor; }
    void SetDefaultTextColor(DWORD color, bool shared = false);
    DWORD GetLinkColor() const { return m_resources.linkColor; }
    void SetLinkColor(DWORD color, bool shared = false);
    DWORD GetLinkHoverColor() const { return m_resources.linkHoverColor; }
    void SetLinkHoverColor(DWORD color, bool shared = false);
    DWORD GetSelectedBackgroundColor() const { return m_resources.selectedBackgroundColor; }
    void SetSelectedBackgroundColor(DWORD color, bool shared = false);

    void SetResourcesShared(bool shared) { m_resourcesShared = shared; }
    bool IsResourcesShared() const { return m_resourcesShared; }

    // Fonts. A manager given a font source answers every font lookup with
    // the source's fonts (a pop-up drawing in the fonts of its owner's window).
    void SetFontSource(CWindowManagerUI* source) { m_fontSource = source; }
    FontRecordUI* GetDefaultFontRecord();
    void SetDefaultFont(const wchar_t* face, int size, bool bold, bool underline, bool italic,
                        bool shared = false);
    HFONT AddFont(int id, const wchar_t* face, int size, bool bold, bool underline, bool italic,
                  bool shared = false);
    HFONT GetFontHandle(int id);
    FontRecordUI* GetFontRecord(int id);
    FontRecordUI* GetFontRecordByHandle(HFONT font);
    HFONT FindFont(const wchar_t* face, int size, bool bold, bool underline, bool italic);
    int GetFontCount(bool shared = false) const;
    void RemoveAllFonts(bool shared = false);

    // Images, cached by name.
    ImageRecordUI* GetImage(const wchar_t* name);
    ImageRecordUI* GetImageEx(const wchar_t* name, const wchar_t* type = nullptr, DWORD mask = 0,
                              bool adjust = false);
    ImageRecordUI* AddImage(const wchar_t* name, const wchar_t* type = nullptr, DWORD mask = 0,
                            bool adjust = false, bool shared = false);
    void RemoveAllImages(bool shared = false);

    // Default attribute lists per control class.
    void AddDefaultAttributeList(const wchar_t* className, const wchar_t* list, bool shared = false);
    const wchar_t* GetDefaultAttributes(const wchar_t* className);
    void RemoveAllDefaultAttributeLists(bool shared = false);

    // Custom window attributes (unrecognised names of the layout's Window element).
    void AddCustomAttribute(const wchar_t* name, const wchar_t* value);
    const wchar_t* GetCustomAttribute(const wchar_t* name);
    void RemoveAllCustomAttributes();

    // Option groups (the options are COptionUI controls).
    bool AddOptionToGroup(const wchar_t* group, CControlUI* option);
    CPtrArrayUI* GetOptionGroup(const wchar_t* group);
    void RemoveOptionFromGroup(const wchar_t* group, CControlUI* option);
    void RemoveAllOptionGroups();

    // Messages, painting and input.
    bool HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool PreMessageHandler(UINT message, WPARAM wParam, LPARAM lParam);
    static bool PreTranslateMessage(const MSG* msg);
    static int RunMessageLoop();

    void InvalidateAll();
    void InvalidateArea(const RECT& area);
    void CaptureMouse();
    void ReleaseMouse();
    bool IsMouseCaptured() const { return m_mouseCaptured; }
    bool IsPainting() const { return m_painting; }
    void SetPainting(bool painting) { m_painting = painting; }
    bool IsLayoutPending() const { return m_layoutPending; }
    void SetLayoutPending() { m_layoutPending = true; }
    bool IsFocusPending() const { return m_focusPending; }

    void SetOpacity(BYTE alpha);
    BYTE GetOpacity() const { return m_opacity; }
    void SetLayered(bool layered);
    bool IsLayered() const { return m_layered; }
    void SetLayeredOpacity(BYTE alpha);
    void SetLayeredImage(const wchar_t* description);
    void SetOffscreenPainting(bool offscreen) { m_offscreenPainting = offscreen; }
    bool IsOffscreenPainting() const { return m_offscreenPainting; }

    HBITMAP GetOffscreenBitmap() const { return m_offscreenBitmap; }
    POINT GetLastMousePoint() const { return m_lastMousePoint; }
    RECT GetChildWindowRect(HWND child) const;
    CControlUI* GetHoverControl() const { return m_hover; }
    // The pointer is taken as gone from every control: the hovered control
    // and the leave listeners are told it left, wherever it last was.
    void EndHover();
    CControlUI* GetPressedControl() const { return m_pressed; }
    HWND GetTooltipWindow() const { return m_tooltip; }
    UINT GetHoverTime() const { return m_hoverTime; }
    void SetHoverTime(UINT milliseconds) { m_hoverTime = milliseconds; }

    // Notifications.
    void SendNotification(CControlUI* sender, const wchar_t* type, WPARAM wParam = 0,
                          LPARAM lParam = 0, bool async = false, bool allowRepeat = true);
    void SendNotificationRecord(NotifyRecordUI& record, bool async = false, bool allowRepeat = true);
    void PostAsyncNotify();
    void SetUsesVirtualWindows(bool uses) { m_usesVirtualWindows = uses; }
    bool UsesVirtualWindows() const { return m_usesVirtualWindows; }

    // Focus and the tab order.
    CControlUI* GetFocusControl() const { return m_focus; }
    void SetFocusControl(CControlUI* control, bool focusWindow = true);
    void SetFocusFromTabOrder(CControlUI* control);
    bool FocusNextTabStop(bool forward = true);

    // Control timers.
    bool StartTimer(CControlUI* control, UINT localId, UINT periodMs);
    bool StopTimer(CControlUI* control, UINT localId);
    void StopControlTimers(CControlUI* control);
    void RemoveAllTimers();

    // Lists; none of these objects is owned.
    bool AddNotifyReceiver(INotifyUI* receiver);
    bool RemoveNotifyReceiver(INotifyUI* receiver);
    bool AddPreTranslateFilter(IMessageFilterUI* filter);
    bool RemovePreTranslateFilter(IMessageFilterUI* filter);
    bool AddMessageFilter(IMessageFilterUI* filter);
    bool RemoveMessageFilter(IMessageFilterUI* filter);
    bool AddPostPaintControl(CControlUI* control);
    bool RemovePostPaintControl(CControlUI* control);
    void AddMouseLeaveListener(CControlUI* control);
    bool RemoveMouseLeaveListener(CControlUI* control);
    bool AddNativeWindow(CControlUI* control, HWND child);
    bool RemoveNativeWindow(HWND child);
    bool AddAcceleratorTranslator(ITranslateAccelerator* translator);
    bool RemoveAcceleratorTranslator(ITranslateAccelerator* translator);
    bool TranslateAccelerator(MSG* msg);

    // Used by the layout pass: a control that needs a new position.
    void AddNeedsUpdate(CControlUI* control) { m_needsUpdate.Add(control); }

private:
    static constexpr UINT kAsyncNotifyMessage = WM_APP + 1;
    static constexpr UINT_PTR kLayeredTimerId = 0x2000;

    FontRecordUI* CreateFontRecord(const wchar_t* face, int size, bool bold, bool underline,
                                   bool italic);
    void FillMetrics(FontRecordUI* record);
    // Fonts, images, default lists, custom attributes, option groups, timers.
    void ReleaseOwnResources();
    void DeleteTableFonts(CStringMapUI& table);
    void DeleteTableImages(CStringMapUI& table);
    void DeleteOptionGroups();
    void SetColor(DWORD ResourceSetUI::*field, DWORD color, bool shared);
    void RemoveFromOptionGroups(CControlUI* control);
    void DeleteDelayedCleanup();
    void DeleteQueuedNotifications();
    void DeliverNotification(NotifyRecordUI& record);
    void DrainAsyncQueue();
    bool AllocateTimerId(UINT* id);
    void FireTimer(UINT windowTimerId, LPARAM lParam);
    CControlUI* WalkTabOrder(CControlUI* start, bool forward, CControlUI** lastSeen) const;
    void KillFocusOf(CControlUI* next);

    // Message handling, in window_manager_input.cpp, window_manager_capture.cpp
    // and window_manager_paint.cpp.
    void UpdateMousePoint(UINT message, LPARAM lParam);
    void OnClose();
    void OnPaint();
    void OnPrintClient(HDC dc, LPARAM flags);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    bool OnMouseHover(WPARAM wParam, LPARAM lParam);
    void OnMouseLeave();
    // Sends the leave event to the leave listeners and the hovered control,
    // which is hovered no more.
    void LeaveHover(EventRecordUI& event);
    void OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    void OnButtonUp(WPARAM wParam, LPARAM lParam);
    void OnMinMaxInfo(MINMAXINFO* info) const;
    void OnContextMenu(WPARAM wParam);
    void OnMouseWheel(WPARAM wParam, LPARAM lParam);
    bool OnSetCursor(WPARAM wParam, LPARAM lParam);
    void OnKillFocus(HWND gaining);
    void OnCaptureLost();
    void ShowTooltip(CControlUI* control, POINT point, const CUIString& text);
    void HideTooltip();
    void EnsureMouseTracked();
    CControlUI* ControlOfThisManagerAt(POINT point) const;
    // An event about `target` with the last mouse point, the modifier state
    // as key state and the current tick count.
    EventRecordUI MakeEvent(EventTypeUI type, CControlUI* target, WPARAM wParam = 0,
                            LPARAM lParam = 0) const;
    void LayoutTree(const RECT& client);
    void PaintOffscreen(const RECT& paintArea, const RECT& client);
    void PrintNativeWindows(const RECT& paintArea);
    void ApplyLayeredBackground(const RECT& paintArea, const RECT& client);
    void PresentLayered(const RECT& client);
    void DeleteOffscreen();
    bool HandleSysChar(WPARAM wParam);

    CUIString m_name;
    HWND m_window = nullptr;
    HDC m_windowDC = nullptr;
    HDC m_offscreenDC = nullptr;
    HDC m_backgroundDC = nullptr;
    HBITMAP m_offscreenBitmap = nullptr;
    BYTE* m_offscreenBits = nullptr;
    SIZE m_offscreenSize = {0, 0};
    HBITMAP m_backgroundBitmap = nullptr;
    BYTE* m_backgroundBits = nullptr;
    HWND m_tooltip = nullptr;
    TOOLINFOW m_toolInfo = {};
    CUIString m_tooltipText;  // the text m_toolInfo points at
    UINT m_hoverTime = 1000;
    bool m_noActivate = false;
    bool m_showUpdateRect = false;

    CControlUI* m_root = nullptr;
    CControlUI* m_focus = nullptr;
    CControlUI* m_hover = nullptr;
    CControlUI* m_pressed = nullptr;
    CControlUI* m_keyControl = nullptr;
    POINT m_lastMousePoint = {-1, -1};

    SIZE m_minimumSize = {0, 0};
    SIZE m_maximumSize = {0, 0};
    SIZE m_initialSize = {0, 0};
    RECT m_sizeBox = {0, 0, 0, 0};
    SIZE m_roundCorner = {0, 0};
    RECT m_caption = {0, 0, 0, 0};

    UINT m_timerIdCounter = 4096;
    bool m_windowInitPending = true;
    bool m_layoutPending = false;
    bool m_focusPending = false;
    bool m_offscreenPainting = true;
    BYTE m_opacity = 255;
    bool m_layered = false;
    bool m_layeredChanged = false;
    RECT m_layeredUpdate = {0, 0, 0, 0};
    // The largest area asked to be repainted since the last paint.
    RECT m_pendingUpdate = {0, 0, 0, 0};
    std::unique_ptr<ImageDrawInfoUI> m_layeredImage;

    bool m_mouseTracking = false;
    bool m_mouseCaptured = false;
    bool m_painting = false;
    bool m_usesVirtualWindows = false;
    bool m_asyncPosted = false;

    CPtrArrayUI m_receivers;
    CPtrArrayUI m_timers;
    CPtrArrayUI m_preTranslateFilters;
    CPtrArrayUI m_messageFilters;
    CPtrArrayUI m_postPaintControls;
    CPtrArrayUI m_nativeWindows;
    CPtrArrayUI m_nativeWindowControls;
    CPtrArrayUI m_delayedCleanup;
    CPtrArrayUI m_asyncQueue;
    CPtrArrayUI m_needsUpdate;
    CPtrArrayUI m_mouseLeaveListeners;

    CStringMapUI m_names{83};
    CStringMapUI m_customAttributes{83};
    CStringMapUI m_optionGroups{83};

    bool m_resourcesShared = false;
    ResourceSetUI m_resources;
    CWindowManagerUI* m_fontSource = nullptr;
    CPtrArrayUI m_translators;
};

}  // namespace SkinUI
