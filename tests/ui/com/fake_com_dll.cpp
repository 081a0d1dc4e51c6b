// Entry points of the fake OLE control library.
#include <string>

#include "tests/ui/com/fake_browser.h"

namespace fake {

namespace {

std::wstring g_log;
FakeControlConfig g_config;
LONG g_liveObjects = 0;
FakeControl* g_newestControl = nullptr;

// Makes the fake control, or the fake browser for the web browser's class.
class FakeFactory : public IClassFactory, protected FakeRefCounted {
public:
    explicit FakeFactory(bool browser) : m_browser(browser) {}

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory))
            return E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return AddReference(); }
    STDMETHOD_(ULONG, Release)() override { return ReleaseReference(); }
    STDMETHOD(CreateInstance)(IUnknown* outer, REFIID iid, void** out) override
    {
        *out = nullptr;
        if (outer != nullptr)
            return CLASS_E_NOAGGREGATION;
        Log(IsEqualIID(iid, IID_IOleObject) ? L"CreateInstance:IOleObject" : L"CreateInstance:other");
        FakeControl* control = m_browser ? new FakeBrowser : new FakeControl;
        g_newestControl = control;
        HRESULT hr = control->QueryInterface(iid, out);
        control->Release();
        return hr;
    }
    STDMETHOD(LockServer)(BOOL) override { return S_OK; }

private:
    ~FakeFactory() override = default;

    bool m_browser;
};

}  // namespace

void Log(const std::wstring& entry)
{
    g_log += entry;
    g_log += L'\n';
}

const FakeControlConfig& Config()
{
    return g_config;
}

void ObjectCreated()
{
    InterlockedIncrement(&g_liveObjects);
}

void ObjectDestroyed()
{
    InterlockedDecrement(&g_liveObjects);
}

void ControlDestroyed(FakeControl* control)
{
    if (g_newestControl == control)
        g_newestControl = nullptr;
}

}  // namespace fake

extern "C" {

HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    *out = nullptr;
    bool browser = IsEqualCLSID(clsid, CLSID_WebBrowser);
    if (!browser && !IsEqualCLSID(clsid, CLSID_FakeControl))
        return CLASS_E_CLASSNOTAVAILABLE;
    IClassFactory* factory = new fake::FakeFactory(browser);
    HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

HRESULT WINAPI DllCanUnloadNow()
{
    return S_FALSE;
}

void WINAPI FakeCom_Configure(const FakeControlConfig* config)
{
    fake::g_config = *config;
    fake::g_log.clear();
}

int WINAPI FakeCom_ReadLog(wchar_t* buffer, int capacity)
{
    if (buffer != nullptr && capacity > 0)
        lstrcpynW(buffer, fake::g_log.c_str(), capacity);
    return static_cast<int>(fake::g_log.size());
}

LONG WINAPI FakeCom_LiveObjects()
{
    return fake::g_liveObjects;
}

IOleClientSite* WINAPI FakeCom_Site()
{
    IOleClientSite* site = fake::g_newestControl != nullptr ? fake::g_newestControl->Site() : nullptr;
    if (site != nullptr)
        site->AddRef();
    return site;
}

HRESULT WINAPI FakeBrowser_Fire(DISPID id, DISPPARAMS* params)
{
    fake::FakeBrowser* browser = fake::NewestBrowser();
    return browser != nullptr ? browser->Fire(id, params) : E_UNEXPECTED;
}

IDispatch* WINAPI FakeBrowser_Object()
{
    fake::FakeBrowser* browser = fake::NewestBrowser();
    if (browser == nullptr)
        return nullptr;
    IDispatch* dispatch = static_cast<IWebBrowser2*>(browser);
    dispatch->AddRef();
    return dispatch;
}

IUnknown* WINAPI FakeBrowser_UIHandler()
{
    return fake::LastUIHandler();
}

}  // extern "C"
