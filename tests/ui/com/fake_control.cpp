#include "tests/ui/com/fake_control.h"

#include <string>

namespace fake {

namespace {

std::wstring RectText(const RECT& rect)
{
    return std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L"," + std::to_wstring(rect.right) +
           L"," + std::to_wstring(rect.bottom);
}

std::wstring WindowClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

}  // namespace

FakeControl::FakeControl() : m_config(Config())
{
    ObjectCreated();
}

FakeControl::~FakeControl()
{
    if (m_inPlaceSite != nullptr)
        m_inPlaceSite->Release();
    if (m_site != nullptr)
        m_site->Release();
    if (m_objectSite != nullptr)
        m_objectSite->Release();
    ControlDestroyed(this);
    ObjectDestroyed();
}

IUnknown* FakeControl::ExtraInterface(REFIID)
{
    return nullptr;
}

STDMETHODIMP FakeControl::QueryInterface(REFIID iid, void** out)
{
    *out = nullptr;
    IUnknown* answer = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject))
        answer = static_cast<IOleObject*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
        answer = static_cast<IOleInPlaceObjectWindowless*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceObjectWindowless) && m_config.windowless)
        answer = static_cast<IOleInPlaceObjectWindowless*>(this);
    else if (IsEqualIID(iid, IID_IRunnableObject))
        answer = static_cast<IRunnableObject*>(this);
    else if (IsEqualIID(iid, IID_IOleControl))
        answer = static_cast<IOleControl*>(this);
    else if (IsEqualIID(iid, IID_IViewObjectEx)) {
        Log(L"QI:IViewObjectEx");
        if (m_config.viewLevel >= 3)
            answer = static_cast<IViewObjectEx*>(this);
    } else if (IsEqualIID(iid, IID_IViewObject2)) {
        Log(L"QI:IViewObject2");
        if (m_config.viewLevel >= 2)
            answer = static_cast<IViewObjectEx*>(this);
    } else if (IsEqualIID(iid, IID_IViewObject)) {
        Log(L"QI:IViewObject");
        if (m_config.viewLevel >= 1)
            answer = static_cast<IViewObjectEx*>(this);
    } else if (IsEqualIID(iid, IID_IPersistStreamInit) && m_config.persistStreamInit)
        answer = static_cast<IPersistStreamInit*>(this);
    else if (IsEqualIID(iid, IID_IObjectWithSite) && m_config.objectWithSite)
        answer = static_cast<IObjectWithSite*>(this);
    else
        answer = ExtraInterface(iid);
    if (answer == nullptr)
        return E_NOINTERFACE;
    answer->AddRef();
    *out = answer;
    return S_OK;
}

STDMETHODIMP_(ULONG) FakeControl::AddRef()
{
    return AddReference();
}

STDMETHODIMP_(ULONG) FakeControl::Release()
{
    return ReleaseReference();
}

STDMETHODIMP FakeControl::SetClientSite(IOleClientSite* site)
{
    Log(site != nullptr ? L"SetClientSite:site" : L"SetClientSite:null");
    if (site != nullptr)
        site->AddRef();
    if (m_site != nullptr)
        m_site->Release();
    m_site = site;
    return S_OK;
}

STDMETHODIMP FakeControl::GetClientSite(IOleClientSite** site)
{
    *site = m_site;
    if (m_site != nullptr)
        m_site->AddRef();
    return S_OK;
}

STDMETHODIMP FakeControl::SetHostNames(LPCOLESTR app, LPCOLESTR)
{
    Log(std::wstring(L"SetHostNames:") + (app != nullptr ? app : L""));
    return S_OK;
}

STDMETHODIMP FakeControl::Close(DWORD option)
{
    Log(L"Close:" + std::to_wstring(option));
    Deactivate();
    return S_OK;
}

STDMETHODIMP FakeControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT rect)
{
    Log(L"DoVerb:" + std::to_wstring(verb) + (rect != nullptr ? L":" + RectText(*rect) : L""));
    if (verb == OLEIVERB_INPLACEACTIVATE && site != nullptr && m_inPlaceSite == nullptr)
        Activate(site);
    return m_config.doVerbResult;
}

void FakeControl::Activate(IOleClientSite* site)
{
    IOleInPlaceSiteEx* siteEx = nullptr;
    if (FAILED(site->QueryInterface(IID_IOleInPlaceSiteEx, reinterpret_cast<void**>(&siteEx))))
        return;
    m_inPlaceSite = siteEx;
    if (siteEx->CanInPlaceActivate() != S_OK)
        return;
    IOleInPlaceSiteWindowless* windowless = nullptr;
    DWORD flags = 0;
    if (m_config.windowless &&
        SUCCEEDED(site->QueryInterface(IID_IOleInPlaceSiteWindowless, reinterpret_cast<void**>(&windowless)))) {
        if (windowless->CanWindowlessActivate() == S_OK)
            flags = ACTIVATE_WINDOWLESS;
        windowless->Release();
    }
    BOOL noRedraw = FALSE;
    HRESULT hr = siteEx->OnInPlaceActivateEx(&noRedraw, flags);
    Log(L"Activated:" + std::to_wstring(flags) + L":" + (SUCCEEDED(hr) ? L"ok" : L"failed"));
    HWND window = nullptr;
    if (SUCCEEDED(siteEx->GetWindow(&window)))
        Log(L"SiteWindow:" + WindowClassOf(window));
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = nullptr;
    RECT position = {};
    RECT clip = {};
    OLEINPLACEFRAMEINFO info = {};
    info.cb = sizeof(info);
    if (SUCCEEDED(siteEx->GetWindowContext(&frame, &document, &position, &clip, &info))) {
        HWND frameWindow = nullptr;
        if (frame != nullptr && SUCCEEDED(frame->GetWindow(&frameWindow)) && frameWindow == info.hwndFrame)
            Log(L"Frame:" + WindowClassOf(frameWindow));
        if (frame != nullptr)
            frame->Release();
        if (document != nullptr)
            document->Release();
    }
}

void FakeControl::Deactivate()
{
    if (m_inPlaceSite == nullptr)
        return;
    IOleInPlaceSite* site = m_inPlaceSite;
    m_inPlaceSite = nullptr;
    site->OnInPlaceDeactivate();
    site->Release();
}

STDMETHODIMP FakeControl::SetExtent(DWORD aspect, SIZEL* size)
{
    Log(L"SetExtent:" + std::to_wstring(aspect) + L":" + std::to_wstring(size->cx) + L"," +
        std::to_wstring(size->cy));
    return S_OK;
}

STDMETHODIMP FakeControl::GetMiscStatus(DWORD aspect, DWORD* status)
{
    Log(L"GetMiscStatus:" + std::to_wstring(aspect));
    *status = m_config.miscStatus;
    return S_OK;
}

STDMETHODIMP FakeControl::GetWindow(HWND* window)
{
    *window = nullptr;
    return E_FAIL;
}

STDMETHODIMP FakeControl::InPlaceDeactivate()
{
    Deactivate();
    return S_OK;
}

STDMETHODIMP FakeControl::SetObjectRects(LPCRECT position, LPCRECT)
{
    Log(L"SetObjectRects:" + RectText(*position));
    return S_OK;
}

STDMETHODIMP FakeControl::OnWindowMessage(UINT message, WPARAM, LPARAM, LRESULT* result)
{
    Log(L"OnWindowMessage:" + std::to_wstring(message));
    *result = 42;
    return m_config.windowMessageResult;
}

STDMETHODIMP FakeControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                               BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR)
{
    RECT rect = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    Log(L"Draw:" + std::to_wstring(aspect) + L":" + RectText(rect));
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    return S_OK;
}

STDMETHODIMP FakeControl::QueryHitPoint(DWORD, LPCRECT, POINT point, LONG, DWORD* hit)
{
    Log(L"QueryHitPoint:" + std::to_wstring(point.x) + L"," + std::to_wstring(point.y));
    *hit = m_config.hitResult;
    return S_OK;
}

STDMETHODIMP FakeControl::LockRunning(BOOL lock, BOOL)
{
    Log(lock ? L"LockRunning:1" : L"LockRunning:0");
    if (lock)
        AddRef();
    else
        Release();
    return S_OK;
}

STDMETHODIMP FakeControl::InitNew()
{
    Log(L"InitNew");
    return m_config.initNewResult;
}

STDMETHODIMP FakeControl::SetSite(IUnknown* site)
{
    Log(site != nullptr ? L"SetSite:site" : L"SetSite:null");
    if (site != nullptr)
        site->AddRef();
    if (m_objectSite != nullptr)
        m_objectSite->Release();
    m_objectSite = site;
    return S_OK;
}

}  // namespace fake
