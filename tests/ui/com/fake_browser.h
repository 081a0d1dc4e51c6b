#pragma once

#include <exdisp.h>

#include "tests/ui/com/fake_control.h"

namespace fake {

// A fake web browser: the fake control plus a minimal IWebBrowser2, one
// DWebBrowserEvents2 connection point, a document and accelerators.
class FakeBrowser : public FakeControl,
                    public IWebBrowser2,
                    public IConnectionPointContainer,
                    public IConnectionPoint,
                    public IOleInPlaceActiveObject {
public:
    static constexpr DWORD kCookie = 7;

    FakeBrowser();

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override { return FakeControl::QueryInterface(iid, out); }
    STDMETHOD_(ULONG, AddRef)() override { return FakeControl::AddRef(); }
    STDMETHOD_(ULONG, Release)() override { return FakeControl::Release(); }

    // Invokes the connected sink.
    HRESULT Fire(DISPID id, DISPPARAMS* params);

    // IDispatch
    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IWebBrowser2: navigation and the document; the rest is not needed.
    STDMETHOD(Navigate2)(VARIANT* url, VARIANT* flags, VARIANT* frame, VARIANT* postData, VARIANT* headers) override;
    STDMETHOD(get_Document)(IDispatch** document) override;
    STDMETHOD(GoBack)() override { return E_NOTIMPL; }
    STDMETHOD(GoForward)() override { return E_NOTIMPL; }
    STDMETHOD(GoHome)() override { return E_NOTIMPL; }
    STDMETHOD(GoSearch)() override { return E_NOTIMPL; }
    STDMETHOD(Navigate)(BSTR, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
    STDMETHOD(Refresh)() override { return E_NOTIMPL; }
    STDMETHOD(Refresh2)(VARIANT*) override { return E_NOTIMPL; }
    STDMETHOD(Stop)() override { return E_NOTIMPL; }
    STDMETHOD(get_Application)(IDispatch**) override { return E_NOTIMPL; }
    STDMETHOD(get_Parent)(IDispatch**) override { return E_NOTIMPL; }
    STDMETHOD(get_Container)(IDispatch**) override { return E_NOTIMPL; }
    STDMETHOD(get_TopLevelContainer)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(get_Type)(BSTR*) override { return E_NOTIMPL; }
    STDMETHOD(get_Left)(LONG*) override { return E_NOTIMPL; }
    STDMETHOD(put_Left)(LONG) override { return E_NOTIMPL; }
    STDMETHOD(get_Top)(LONG*) override { return E_NOTIMPL; }
    STDMETHOD(put_Top)(LONG) override { return E_NOTIMPL; }
    STDMETHOD(get_Width)(LONG*) override { return E_NOTIMPL; }
    STDMETHOD(put_Width)(LONG) override { return E_NOTIMPL; }
    STDMETHOD(get_Height)(LONG*) override { return E_NOTIMPL; }
    STDMETHOD(put_Height)(LONG) override { return E_NOTIMPL; }
    STDMETHOD(get_LocationName)(BSTR*) override { return E_NOTIMPL; }
    STDMETHOD(get_LocationURL)(BSTR*) override { return E_NOTIMPL; }
    STDMETHOD(get_Busy)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(Quit)() override { return E_NOTIMPL; }
    STDMETHOD(ClientToWindow)(int*, int*) override { return E_NOTIMPL; }
    STDMETHOD(PutProperty)(BSTR, VARIANT) override { return E_NOTIMPL; }
    STDMETHOD(GetProperty)(BSTR, VARIANT*) override { return E_NOTIMPL; }
    STDMETHOD(get_Name)(BSTR*) override { return E_NOTIMPL; }
    STDMETHOD(get_HWND)(SHANDLE_PTR*) override { return E_NOTIMPL; }
    STDMETHOD(get_FullName)(BSTR*) override { return E_NOTIMPL; }
    STDMETHOD(get_Path)(BSTR*) override { return E_NOTIMPL; }
    STDMETHOD(get_Visible)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_Visible)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(get_StatusBar)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_StatusBar)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(get_StatusText)(BSTR*) override { return E_NOTIMPL; }
    STDMETHOD(put_StatusText)(BSTR) override { return E_NOTIMPL; }
    STDMETHOD(get_ToolBar)(int*) override { return E_NOTIMPL; }
    STDMETHOD(put_ToolBar)(int) override { return E_NOTIMPL; }
    STDMETHOD(get_MenuBar)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_MenuBar)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(get_FullScreen)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_FullScreen)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(QueryStatusWB)(OLECMDID, OLECMDF*) override { return E_NOTIMPL; }
    STDMETHOD(ExecWB)(OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
    STDMETHOD(ShowBrowserBar)(VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
    STDMETHOD(get_ReadyState)(READYSTATE*) override { return E_NOTIMPL; }
    STDMETHOD(get_Offline)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_Offline)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(get_Silent)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_Silent)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(get_RegisterAsBrowser)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_RegisterAsBrowser)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(get_RegisterAsDropTarget)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_RegisterAsDropTarget)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(get_TheaterMode)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_TheaterMode)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(get_AddressBar)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_AddressBar)(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHOD(get_Resizable)(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHOD(put_Resizable)(VARIANT_BOOL) override { return E_NOTIMPL; }

    // IConnectionPointContainer
    STDMETHOD(EnumConnectionPoints)(IEnumConnectionPoints** points) override;
    STDMETHOD(FindConnectionPoint)(REFIID iid, IConnectionPoint** point) override;

    // IConnectionPoint
    STDMETHOD(GetConnectionInterface)(IID* iid) override;
    STDMETHOD(GetConnectionPointContainer)(IConnectionPointContainer** container) override;
    STDMETHOD(Advise)(IUnknown* sink, DWORD* cookie) override;
    STDMETHOD(Unadvise)(DWORD cookie) override;
    STDMETHOD(EnumConnections)(IEnumConnections** connections) override;

    // IOleInPlaceActiveObject
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL enter) override;
    STDMETHOD(TranslateAccelerator)(LPMSG msg) override;
    STDMETHOD(OnFrameWindowActivate)(BOOL) override { return S_OK; }
    STDMETHOD(OnDocWindowActivate)(BOOL) override { return S_OK; }
    STDMETHOD(ResizeBorder)(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    STDMETHOD(EnableModeless)(BOOL) override { return S_OK; }

protected:
    ~FakeBrowser() override;
    IUnknown* ExtraInterface(REFIID iid) override;

private:
    IDispatch* m_sink = nullptr;
    IDispatch* m_document = nullptr;
};

FakeBrowser* NewestBrowser();
IUnknown* LastUIHandler();

}  // namespace fake
