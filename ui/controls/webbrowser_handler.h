#pragma once

#include "ui/controls/com_guids.h"

namespace SkinUI {

// What a web browser control tells the code that owns it: the browser's
// events and the document host's requests. The defaults are the answers
// the control gives without a handler; out pointers are never null here.
class CWebBrowserEventHandler {
public:
    virtual ~CWebBrowserEventHandler() = default;

    virtual void BeforeNavigate2(IDispatch*, VARIANT*& /*url*/, VARIANT*& /*flags*/, VARIANT*& /*targetFrame*/,
                                 VARIANT*& /*postData*/, VARIANT*& /*headers*/, VARIANT_BOOL*& /*cancel*/)
    {
    }
    virtual void NavigateError(IDispatch*, VARIANT*& /*url*/, VARIANT*& /*targetFrame*/,
                               VARIANT*& /*statusCode*/, VARIANT_BOOL*& /*cancel*/)
    {
    }
    virtual void NavigateComplete2(IDispatch*, VARIANT*& /*url*/) {}
    virtual void DocumentComplete(IDispatch*, VARIANT*& /*url*/) {}
    virtual void NewWindow3(IDispatch** /*browser*/, VARIANT_BOOL*& /*cancel*/, DWORD /*flags*/,
                            BSTR /*urlContext*/, BSTR /*url*/)
    {
    }
    virtual void CommandStateChange(long /*command*/, VARIANT_BOOL /*enable*/) {}

    // Document host requests.
    virtual HRESULT ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_FALSE; }
    virtual HRESULT GetHostInfo(DOCHOSTUIINFO*) { return E_NOTIMPL; }
    virtual HRESULT ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                           IOleInPlaceUIWindow*)
    {
        return S_OK;
    }
    virtual HRESULT HideUI() { return S_OK; }
    virtual HRESULT UpdateUI() { return S_OK; }
    virtual HRESULT EnableModeless(BOOL) { return E_NOTIMPL; }
    virtual HRESULT OnDocWindowActivate(BOOL) { return E_NOTIMPL; }
    virtual HRESULT OnFrameWindowActivate(BOOL) { return E_NOTIMPL; }
    virtual HRESULT ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return E_NOTIMPL; }
    virtual HRESULT TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_FALSE; }
    virtual HRESULT GetOptionKeyPath(LPOLESTR* key, DWORD)
    {
        *key = nullptr;
        return E_NOTIMPL;
    }
    virtual HRESULT GetDropTarget(IDropTarget*, IDropTarget** target)
    {
        *target = nullptr;
        return S_FALSE;
    }
    virtual HRESULT GetExternal(IDispatch** external)
    {
        *external = nullptr;
        return S_FALSE;
    }
    virtual HRESULT TranslateUrl(DWORD, OLECHAR*, OLECHAR** translated)
    {
        *translated = nullptr;
        return E_NOTIMPL;
    }
    virtual HRESULT FilterDataObject(IDataObject*, IDataObject** filtered)
    {
        *filtered = nullptr;
        return E_NOTIMPL;
    }
    // A download the browser hands to its host.
    virtual HRESULT Download(IMoniker*, IBindCtx*, DWORD, LONG, BINDINFO*, LPCOLESTR, LPCOLESTR, UINT)
    {
        return E_NOTIMPL;
    }
};

}  // namespace SkinUI
