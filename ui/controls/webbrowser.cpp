#include "ui/controls/webbrowser.h"

#include "ui/controls/com_util.h"
#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CWebBrowserUI::CWebBrowserUI()
{
    // Only stored: the browser is created once the control has a window.
    m_clsid = CLSID_WebBrowser;
}

CWebBrowserUI::~CWebBrowserUI()
{
    CWebBrowserUI::ReleaseControl();
}

const wchar_t* CWebBrowserUI::GetClassName() const
{
    return L"WebBrowser";
}

void* CWebBrowserUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"WebBrowser") == 0)
        return this;
    return CActiveXUI::GetInterfaceByName(name);
}

void CWebBrowserUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"homepage") == 0)
        SetHomePage(value);
    else if (wcscmp(name, L"autonavi") == 0)
        SetAutoNavigate(IsTrueValue(value));
    else
        CActiveXUI::SetAttribute(name, value);
}

bool CWebBrowserUI::CreateControl()
{
    if (!CActiveXUI::CreateControl())
        return false;
    if (m_manager != nullptr)
        m_manager->AddAcceleratorTranslator(this);
    GetControl(IID_IWebBrowser2, reinterpret_cast<void**>(&m_webBrowser));
    if (m_autoNavigate && !m_homePage.IsEmpty())
        Navigate2(m_homePage);
    RegisterEventHandler(true);
    return true;
}

void CWebBrowserUI::ReleaseControl()
{
    m_created = false;
    if (m_manager != nullptr)
        m_manager->RemoveAcceleratorTranslator(this);
    RegisterEventHandler(false);
    ReleaseInterface(m_webBrowser);
    CActiveXUI::ReleaseControl();
}

void CWebBrowserUI::Navigate2(const wchar_t* url)
{
    if (url == nullptr || url[0] == L'\0' || m_webBrowser == nullptr)
        return;
    VARIANT target;
    VariantInit(&target);
    target.vt = VT_BSTR;
    target.bstrVal = SysAllocString(url);
    if (target.bstrVal != nullptr)
        m_webBrowser->Navigate2(&target, nullptr, nullptr, nullptr, nullptr);
    VariantClear(&target);
}

HRESULT CWebBrowserUI::RegisterEventHandler(bool connect)
{
    if (m_webBrowser == nullptr)
        return E_UNEXPECTED;
    if (connect == (m_eventCookie != 0))
        return S_OK;
    IConnectionPointContainer* container =
        QueryFor<IConnectionPointContainer>(m_webBrowser, IID_IConnectionPointContainer);
    if (container == nullptr)
        return E_NOINTERFACE;
    IConnectionPoint* point = nullptr;
    HRESULT hr = container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point);
    container->Release();
    if (FAILED(hr) || point == nullptr)
        return FAILED(hr) ? hr : E_FAIL;
    if (connect) {
        hr = point->Advise(static_cast<IDispatch*>(this), &m_eventCookie);
        if (FAILED(hr))
            m_eventCookie = 0;
    } else {
        hr = point->Unadvise(m_eventCookie);
        m_eventCookie = 0;
    }
    point->Release();
    return hr;
}

HRESULT CWebBrowserUI::TranslateAccelerator(MSG* msg)
{
    if (msg == nullptr || !IsHostedKeyMessage(msg->message) || m_webBrowser == nullptr)
        return S_FALSE;
    HWND window = GetNativeWindow();
    HWND focus = ::GetFocus();
    if (window == nullptr || focus == nullptr || (focus != window && !IsChild(window, focus)))
        return S_FALSE;
    IOleInPlaceActiveObject* active = QueryFor<IOleInPlaceActiveObject>(m_webBrowser, IID_IOleInPlaceActiveObject);
    if (active == nullptr)
        return S_FALSE;
    HRESULT hr = active->TranslateAccelerator(msg);
    active->Release();
    return hr;
}

STDMETHODIMP CWebBrowserUI::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDocHostUIHandler))
        return AnswerInterface(out, static_cast<IDocHostUIHandler*>(this));
    if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID_DWebBrowserEvents2))
        return AnswerInterface(out, static_cast<IDispatch*>(this));
    if (IsEqualIID(iid, IID_IServiceProvider))
        return AnswerInterface(out, static_cast<IServiceProvider*>(this));
    if (IsEqualIID(iid, IID_IOleCommandTarget))
        return AnswerInterface(out, static_cast<IOleCommandTarget*>(this));
    if (IsEqualIID(iid, IID_IDownloadManager))
        return AnswerInterface(out, static_cast<IDownloadManager*>(this));
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CWebBrowserUI::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_comReferences));
}

STDMETHODIMP_(ULONG) CWebBrowserUI::Release()
{
    return static_cast<ULONG>(InterlockedDecrement(&m_comReferences));
}

CWebBrowserEventHandler& CWebBrowserUI::Handler()
{
    static CWebBrowserEventHandler noHandler;
    return m_handler != nullptr ? *m_handler : noHandler;
}

}  // namespace SkinUI
