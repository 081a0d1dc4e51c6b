#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include "ui/controls/com_util.h"

namespace SkinUI {

class CActiveXUI;
class CActiveXWnd;

// The container side of a hosted OLE control: client site, windowless
// in-place site, control site, object-with-site and container. Reference
// counted; its owner clears the owner pointer before letting go, after which
// every operation answers E_UNEXPECTED.
class CActiveXCtrl : public IOleClientSite,
                     public IOleInPlaceSiteWindowless,
                     public IOleControlSite,
                     public IObjectWithSite,
                     public IOleContainer {
    friend class CActiveXUI;
    friend class CActiveXWnd;

public:
    explicit CActiveXCtrl(CActiveXUI* owner);

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // IObjectWithSite
    STDMETHOD(SetSite)(IUnknown* site) override;
    STDMETHOD(GetSite)(REFIID iid, void** out) override;

    // IOleClientSite
    STDMETHOD(SaveObject)() override;
    STDMETHOD(GetMoniker)(DWORD assign, DWORD whichMoniker, IMoniker** moniker) override;
    STDMETHOD(GetContainer)(IOleContainer** container) override;
    STDMETHOD(ShowObject)() override;
    STDMETHOD(OnShowWindow)(BOOL show) override;
    STDMETHOD(RequestNewObjectLayout)() override;

    // IOleInPlaceSiteWindowless
    STDMETHOD(CanWindowlessActivate)() override;
    STDMETHOD(GetCapture)() override;
    STDMETHOD(SetCapture)(BOOL capture) override;
    STDMETHOD(GetFocus)() override;
    STDMETHOD(SetFocus)(BOOL focus) override;
    STDMETHOD(GetDC)(LPCRECT rect, DWORD flags, HDC* dc) override;
    STDMETHOD(ReleaseDC)(HDC dc) override;
    STDMETHOD(InvalidateRect)(LPCRECT rect, BOOL erase) override;
    STDMETHOD(InvalidateRgn)(HRGN region, BOOL erase) override;
    STDMETHOD(ScrollRect)(INT dx, INT dy, LPCRECT scroll, LPCRECT clip) override;
    STDMETHOD(AdjustRect)(LPRECT rect) override;
    STDMETHOD(OnDefWindowMessage)(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // IOleInPlaceSiteEx
    STDMETHOD(OnInPlaceActivateEx)(BOOL* noRedraw, DWORD flags) override;
    STDMETHOD(OnInPlaceDeactivateEx)(BOOL noRedraw) override;
    STDMETHOD(RequestUIActivate)() override;

    // IOleInPlaceSite
    STDMETHOD(CanInPlaceActivate)() override;
    STDMETHOD(OnInPlaceActivate)() override;
    STDMETHOD(OnUIActivate)() override;
    STDMETHOD(GetWindowContext)(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo) override;
    STDMETHOD(Scroll)(SIZE extent) override;
    STDMETHOD(OnUIDeactivate)(BOOL undoable) override;
    STDMETHOD(OnInPlaceDeactivate)() override;
    STDMETHOD(DiscardUndoState)() override;
    STDMETHOD(DeactivateAndUndo)() override;
    STDMETHOD(OnPosRectChange)(LPCRECT position) override;

    // IOleWindow
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL enterMode) override;

    // IOleControlSite
    STDMETHOD(OnControlInfoChanged)() override;
    STDMETHOD(LockInPlaceActive)(BOOL lock) override;
    STDMETHOD(GetExtendedControl)(IDispatch** control) override;
    STDMETHOD(TransformCoords)(POINTL* himetric, POINTF* container, DWORD flags) override;
    STDMETHOD(TranslateAccelerator)(MSG* msg, DWORD modifiers) override;
    STDMETHOD(OnFocus)(BOOL gotFocus) override;
    STDMETHOD(ShowPropertyFrame)() override;

    // IOleContainer
    STDMETHOD(EnumObjects)(DWORD flags, IEnumUnknown** enumerator) override;
    STDMETHOD(LockContainer)(BOOL lock) override;

    // IParseDisplayName
    STDMETHOD(ParseDisplayName)(IBindCtx* context, LPOLESTR name, ULONG* eaten, IMoniker** moniker) override;

    bool IsWindowless() const { return m_windowless; }
    bool IsInPlaceActive() const { return m_inPlaceActive; }
    bool IsFocused() const { return m_focused; }
    bool IsCaptured() const { return m_captured; }
    bool IsUIActive() const { return m_uiActive; }
    IViewObject* GetViewObject() const { return m_viewObject; }
    IOleInPlaceObject* GetInPlaceObject() const { return m_inPlaceObject; }
    // The host window of a windowed control, null while windowless.
    CActiveXWnd* GetHostWindow() const { return m_hostWindow; }

    // Draws the control into `dc` within `bounds`; false without a view object.
    bool DrawControl(HDC dc, const RECT& bounds);
    // Whether the view object reports a hit at the point (client coordinates).
    bool HitsControl(POINT point) const;
    // The owner lets go: every held interface and the host window are
    // released, the object's running lock is lifted, and later calls fail.
    void DetachOwner();

protected:
    virtual ~CActiveXCtrl();

private:
    // Takes the view interface: IViewObjectEx, else IViewObject2, else IViewObject.
    void TakeViewObject(IUnknown* object);
    // The windowed control's host window, created on first need.
    HWND CreateHostWindow();
    void DestroyHostWindow();
    HWND OwnerWindow() const;

    CComRefCountUI m_refs;
    CActiveXUI* m_owner;
    CActiveXWnd* m_hostWindow = nullptr;
    IUnknown* m_objectSite = nullptr;
    IViewObject* m_viewObject = nullptr;
    bool m_viewObjectIsEx = false;
    IOleInPlaceObject* m_inPlaceObject = nullptr;
    bool m_windowless = false;
    bool m_focused = false;
    bool m_captured = false;
    bool m_uiActive = false;
    bool m_inPlaceActive = false;
    bool m_lockedRunning = false;
};

}  // namespace SkinUI
