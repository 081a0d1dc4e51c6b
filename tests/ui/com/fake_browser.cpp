#include "tests/ui/com/fake_browser.h"

#include <exdisp.h>
#include <mshtmhst.h>
#include <olectl.h>

#include <string>

namespace fake {

namespace {

IUnknown* g_lastUIHandler = nullptr;

// The browser's document: takes a UI handler and keeps it while alive.
class FakeDocument : public ICustomDoc, public IDispatch, protected FakeRefCounted {
public:
    FakeDocument() { ObjectCreated(); }

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
            *out = static_cast<IDispatch*>(this);
        else if (IsEqualIID(iid, __uuidof(ICustomDoc)))
            *out = static_cast<ICustomDoc*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return AddReference(); }
    STDMETHOD_(ULONG, Release)() override { return ReleaseReference(); }

    STDMETHOD(SetUIHandler)(IDocHostUIHandler* handler) override
    {
        Log(handler != nullptr ? L"SetUIHandler:set" : L"SetUIHandler:null");
        if (handler != nullptr)
            handler->AddRef();
        if (m_handler != nullptr)
            m_handler->Release();
        m_handler = handler;
        g_lastUIHandler = handler;
        return S_OK;
    }

    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

private:
    ~FakeDocument() override
    {
        if (m_handler != nullptr)
            m_handler->Release();
        if (g_lastUIHandler == m_handler)
            g_lastUIHandler = nullptr;
        ObjectDestroyed();
    }

    IDocHostUIHandler* m_handler = nullptr;
};

FakeBrowser* g_newestBrowser = nullptr;

}  // namespace

IUnknown* LastUIHandler()
{
    return g_lastUIHandler;
}

FakeBrowser* NewestBrowser()
{
    return g_newestBrowser;
}

FakeBrowser::FakeBrowser()
{
    g_newestBrowser = this;
}

FakeBrowser::~FakeBrowser()
{
    if (g_newestBrowser == this)
        g_newestBrowser = nullptr;
    if (m_sink != nullptr)
        m_sink->Release();
    if (m_document != nullptr)
        m_document->Release();
}

IUnknown* FakeBrowser::ExtraInterface(REFIID iid)
{
    if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IWebBrowser) || IsEqualIID(iid, IID_IWebBrowserApp) ||
        IsEqualIID(iid, IID_IWebBrowser2))
        return static_cast<IWebBrowser2*>(this);
    if (IsEqualIID(iid, IID_IConnectionPointContainer))
        return static_cast<IConnectionPointContainer*>(this);
    if (IsEqualIID(iid, IID_IOleInPlaceActiveObject))
        return static_cast<IOleInPlaceActiveObject*>(this);
    return nullptr;
}

HRESULT FakeBrowser::Fire(DISPID id, DISPPARAMS* params)
{
    if (m_sink == nullptr)
        return E_UNEXPECTED;
    return m_sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params, nullptr, nullptr, nullptr);
}

STDMETHODIMP FakeBrowser::Navigate2(VARIANT* url, VARIANT*, VARIANT*, VARIANT*, VARIANT*)
{
    Log(std::wstring(L"Navigate2:") + (url != nullptr && url->vt == VT_BSTR ? url->bstrVal : L"?"));
    return S_OK;
}

STDMETHODIMP FakeBrowser::get_Document(IDispatch** document)
{
    if (m_document == nullptr)
        m_document = static_cast<IDispatch*>(new FakeDocument);
    m_document->AddRef();
    *document = m_document;
    return S_OK;
}

STDMETHODIMP FakeBrowser::EnumConnectionPoints(IEnumConnectionPoints**)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeBrowser::FindConnectionPoint(REFIID iid, IConnectionPoint** point)
{
    *point = nullptr;
    if (!IsEqualIID(iid, DIID_DWebBrowserEvents2))
        return CONNECT_E_NOCONNECTION;
    *point = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP FakeBrowser::GetConnectionInterface(IID* iid)
{
    *iid = DIID_DWebBrowserEvents2;
    return S_OK;
}

STDMETHODIMP FakeBrowser::GetConnectionPointContainer(IConnectionPointContainer** container)
{
    *container = static_cast<IConnectionPointContainer*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP FakeBrowser::Advise(IUnknown* sink, DWORD* cookie)
{
    IDispatch* dispatch = nullptr;
    if (m_sink != nullptr ||
        FAILED(sink->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&dispatch))))
        return CONNECT_E_CANNOTCONNECT;
    Log(L"Advise");
    m_sink = dispatch;
    *cookie = kCookie;
    return S_OK;
}

STDMETHODIMP FakeBrowser::Unadvise(DWORD cookie)
{
    Log(L"Unadvise:" + std::to_wstring(cookie));
    if (cookie != kCookie || m_sink == nullptr)
        return CONNECT_E_NOCONNECTION;
    m_sink->Release();
    m_sink = nullptr;
    return S_OK;
}

STDMETHODIMP FakeBrowser::EnumConnections(IEnumConnections**)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeBrowser::GetWindow(HWND* window)
{
    return FakeControl::GetWindow(window);
}

STDMETHODIMP FakeBrowser::ContextSensitiveHelp(BOOL enter)
{
    return FakeControl::ContextSensitiveHelp(enter);
}

STDMETHODIMP FakeBrowser::TranslateAccelerator(LPMSG msg)
{
    Log(L"TranslateAccelerator:" + std::to_wstring(msg->message));
    return S_OK;
}

}  // namespace fake
