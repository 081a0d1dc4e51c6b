#pragma once

#include <windows.h>
#include <ole2.h>

#include "ui/core/control.h"

namespace SkinUI {

class CActiveXCtrl;

// Key messages a hosted control is given: 256 (WM_KEYDOWN) to 264.
inline bool IsHostedKeyMessage(UINT message)
{
    return message >= WM_KEYDOWN && message <= 0x108;
}

// A COM control (an OLE control named by its class id) placed in a framework
// window: the control is its container and in-place site, draws windowless
// controls itself and feeds them window messages as a message filter, and
// gives windowed ones a child host window.
class CActiveXUI : public CControlUI, public IMessageFilterUI {
    friend class CActiveXCtrl;
    friend class CActiveXWnd;

public:
    CActiveXUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    HWND GetNativeWindow() const override;
    void SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize = true) override;
    void SetVisible(bool visible = true) override;
    void SetInternalVisible(bool visible = true) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    // Lets go of the control and its site.
    virtual void ReleaseControl();
    // Creates, initialises and activates the control; false leaves none.
    virtual bool CreateControl();

    // False for the zero id; creates the control unless creation is delayed
    // or the control is not yet in a window's tree.
    bool SetClassId(REFCLSID clsid);
    const CLSID& GetClassId() const { return m_clsid; }
    // A library that serves the class; empty asks the COM registry.
    void SetModuleName(const wchar_t* path);
    const CUIString& GetModuleName() const { return m_moduleName; }
    bool IsDelayCreate() const { return m_delayCreate; }
    void SetDelayCreate(bool delay = true);
    bool IsCreated() const { return m_created; }
    // E_POINTER for a null out pointer, E_UNEXPECTED without a control.
    HRESULT GetControl(REFIID iid, void** out);

    LRESULT MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

protected:
    ~CActiveXUI() override;

    // Only a control in a window's tree can be activated: a layout sets the
    // class id before the tree is attached, and the first layout pass
    // creates the control then.
    bool IsInWindowTree() const;
    // The object from the module's class factory, else from the registry.
    IUnknown* CreateObject();
    // Size of the control in HIMETRIC.
    SIZEL GetHimetricExtent() const;
    // The position as the in-place object takes it: relative to a host
    // window, which sits at the position, for windowed controls.
    RECT GetObjectRect() const;
    // Object rectangles and host window follow the position.
    void PlaceObject();
    void ShowHostWindow(bool show);
    // The message's point in client coordinates of the window.
    POINT MessagePoint(UINT message, LPARAM lParam) const;

    CLSID m_clsid = GUID_NULL;
    CUIString m_moduleName;
    bool m_created = false;
    bool m_delayCreate = false;
    IOleObject* m_object = nullptr;
    CActiveXCtrl* m_site = nullptr;
    HWND m_window = nullptr;
    bool m_comInitialized = false;
};


}  // namespace SkinUI
