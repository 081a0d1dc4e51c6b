#pragma once

#include <windows.h>
#include <ole2.h>

#include "ui/controls/com_util.h"

namespace SkinUI {

// The in-place frame a hosted control is given: the framework window, with
// no menus, tool space or accelerators of its own.
class CActiveXFrameWnd : public IOleInPlaceFrame {
public:
    explicit CActiveXFrameWnd(HWND frameWindow);

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // IOleWindow
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL enterMode) override;

    // IOleInPlaceUIWindow
    STDMETHOD(GetBorder)(LPRECT border) override;
    STDMETHOD(RequestBorderSpace)(LPCBORDERWIDTHS widths) override;
    STDMETHOD(SetBorderSpace)(LPCBORDERWIDTHS widths) override;
    STDMETHOD(SetActiveObject)(IOleInPlaceActiveObject* object, LPCOLESTR name) override;

    // IOleInPlaceFrame
    STDMETHOD(InsertMenus)(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
    STDMETHOD(SetMenu)(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
    STDMETHOD(RemoveMenus)(HMENU shared) override;
    STDMETHOD(SetStatusText)(LPCOLESTR text) override;
    STDMETHOD(EnableModeless)(BOOL enable) override;
    STDMETHOD(TranslateAccelerator)(LPMSG msg, WORD id) override;

private:
    virtual ~CActiveXFrameWnd() = default;

    CComRefCountUI m_refs;
    HWND m_frameWindow;
};

// Enumerates the one control of a container.
class CActiveXEnum : public IEnumUnknown {
public:
    explicit CActiveXEnum(IUnknown* control);

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // IEnumUnknown
    STDMETHOD(Next)(ULONG count, IUnknown** items, ULONG* fetched) override;
    STDMETHOD(Skip)(ULONG count) override;
    STDMETHOD(Reset)() override;
    STDMETHOD(Clone)(IEnumUnknown** copy) override;

private:
    virtual ~CActiveXEnum();

    CComRefCountUI m_refs;
    IUnknown* m_control;
    ULONG m_position = 0;
};

}  // namespace SkinUI
