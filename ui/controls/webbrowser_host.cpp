// The web browser control's COM faces towards the browser: its event sink,
// document host handler, service provider, command target and download
// manager.
#include "ui/controls/webbrowser.h"

#include <initializer_list>

#include "ui/controls/com_util.h"

namespace SkinUI {

namespace {

// DWebBrowserEvents2 dispatch ids.
constexpr DISPID kStatusTextChange = 102;
constexpr DISPID kCommandStateChange = 105;
constexpr DISPID kBeforeNavigate2 = 250;
constexpr DISPID kNavigateComplete2 = 252;
constexpr DISPID kDocumentComplete = 259;
constexpr DISPID kNavigateError = 271;
constexpr DISPID kNewWindow3 = 273;

// Whether the event arguments, in declaration order, have these types (a
// 32-bit flag may come signed or unsigned). DISPPARAMS keeps them reversed.
bool HasArguments(const DISPPARAMS& params, std::initializer_list<VARTYPE> types)
{
    if (params.cArgs != types.size() || (params.cArgs > 0 && params.rgvarg == nullptr))
        return false;
    UINT position = 0;
    for (VARTYPE type : types) {
        VARTYPE actual = params.rgvarg[params.cArgs - 1 - position].vt;
        if (actual != type && !(type == VT_I4 && actual == VT_UI4))
            return false;
        ++position;
    }
    return true;
}

// The argument in declaration order.
VARIANT& Argument(DISPPARAMS& params, UINT position)
{
    return params.rgvarg[params.cArgs - 1 - position];
}

HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT* value)
{
    VariantInit(value);
    if (object == nullptr)
        return E_POINTER;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value, nullptr,
                          nullptr);
}

// The object a property holds, with a reference; null when it holds none.
IDispatch* GetObjectProperty(IDispatch* object, const wchar_t* name)
{
    VARIANT value;
    if (FAILED(GetProperty(object, name, &value)))
        return nullptr;
    IDispatch* result = nullptr;
    if (value.vt == VT_DISPATCH && value.pdispVal != nullptr) {
        result = value.pdispVal;
        result->AddRef();
    }
    VariantClear(&value);
    return result;
}

void AppendProperty(IDispatch* object, const wchar_t* name, CUIString& text)
{
    VARIANT value;
    if (FAILED(GetProperty(object, name, &value)))
        return;
    if (SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BSTR)) && value.bstrVal != nullptr) {
        text += L" ";
        text += name;
        text += L"=";
        text += value.bstrVal;
    }
    VariantClear(&value);
}

}  // namespace

// Event sink

STDMETHODIMP CWebBrowserUI::GetTypeInfoCount(UINT* count)
{
    if (count != nullptr)
        *count = 0;
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info != nullptr)
        *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::Invoke(DISPID id, REFIID iid, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*)
{
    if (!IsEqualIID(iid, IID_NULL))
        return E_INVALIDARG;
    if (id == kStatusTextChange)
        return S_OK;
    if (params == nullptr)
        return E_INVALIDARG;
    return DispatchBrowserEvent(id, *params);
}

HRESULT CWebBrowserUI::DispatchBrowserEvent(DISPID id, DISPPARAMS& params)
{
    constexpr VARTYPE kVariantRef = VT_VARIANT | VT_BYREF;
    constexpr VARTYPE kBoolRef = VT_BOOL | VT_BYREF;
    switch (id) {
    case kCommandStateChange:
        if (!HasArguments(params, {VT_I4, VT_BOOL}))
            return DISP_E_BADVARTYPE;
        Handler().CommandStateChange(Argument(params, 0).lVal, Argument(params, 1).boolVal);
        return S_OK;
    case kBeforeNavigate2:
        if (!HasArguments(params, {VT_DISPATCH, kVariantRef, kVariantRef, kVariantRef, kVariantRef, kVariantRef,
                                   kBoolRef}))
            return DISP_E_BADVARTYPE;
        Handler().BeforeNavigate2(Argument(params, 0).pdispVal, Argument(params, 1).pvarVal,
                                  Argument(params, 2).pvarVal, Argument(params, 3).pvarVal,
                                  Argument(params, 4).pvarVal, Argument(params, 5).pvarVal,
                                  Argument(params, 6).pboolVal);
        return S_OK;
    case kNavigateComplete2:
        if (!HasArguments(params, {VT_DISPATCH, kVariantRef}))
            return DISP_E_BADVARTYPE;
        HostDocument();
        Handler().NavigateComplete2(Argument(params, 0).pdispVal, Argument(params, 1).pvarVal);
        return S_OK;
    case kDocumentComplete:
        if (!HasArguments(params, {VT_DISPATCH, kVariantRef}))
            return DISP_E_BADVARTYPE;
        if (IsTopLevelBrowser(Argument(params, 0).pdispVal))
            Handler().DocumentComplete(Argument(params, 0).pdispVal, Argument(params, 1).pvarVal);
        return S_OK;
    case kNavigateError:
        if (!HasArguments(params, {VT_DISPATCH, kVariantRef, kVariantRef, kVariantRef, kBoolRef}))
            return DISP_E_BADVARTYPE;
        Handler().NavigateError(Argument(params, 0).pdispVal, Argument(params, 1).pvarVal,
                                Argument(params, 2).pvarVal, Argument(params, 3).pvarVal,
                                Argument(params, 4).pboolVal);
        return S_OK;
    case kNewWindow3:
        if (!HasArguments(params, {VT_DISPATCH | VT_BYREF, kBoolRef, VT_I4, VT_BSTR, VT_BSTR}))
            return DISP_E_BADVARTYPE;
        Handler().NewWindow3(Argument(params, 0).ppdispVal, Argument(params, 1).pboolVal,
                             static_cast<DWORD>(Argument(params, 2).lVal), Argument(params, 3).bstrVal,
                             Argument(params, 4).bstrVal);
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

void CWebBrowserUI::HostDocument()
{
    if (m_webBrowser == nullptr)
        return;
    IDispatch* document = nullptr;
    if (FAILED(m_webBrowser->get_Document(&document)) || document == nullptr)
        return;
    ICustomDoc* customDoc = QueryFor<ICustomDoc>(document, IID_ICustomDoc);
    if (customDoc != nullptr) {
        customDoc->SetUIHandler(static_cast<IDocHostUIHandler*>(this));
        customDoc->Release();
    }
    document->Release();
}

bool CWebBrowserUI::IsTopLevelBrowser(IDispatch* browser) const
{
    IUnknown* event = QueryFor<IUnknown>(browser, IID_IUnknown);
    IUnknown* own = QueryFor<IUnknown>(m_webBrowser, IID_IUnknown);
    const bool same = event != nullptr && event == own;
    ReleaseInterface(event);
    ReleaseInterface(own);
    return same;
}

// Document host handler

STDMETHODIMP CWebBrowserUI::ShowContextMenu(DWORD id, POINT* point, IUnknown* target, IDispatch* object)
{
    return Handler().ShowContextMenu(id, point, target, object);
}

STDMETHODIMP CWebBrowserUI::GetHostInfo(DOCHOSTUIINFO* info)
{
    if (info == nullptr)
        return E_POINTER;
    return Handler().GetHostInfo(info);
}

STDMETHODIMP CWebBrowserUI::ShowUI(DWORD id, IOleInPlaceActiveObject* active, IOleCommandTarget* target,
                                   IOleInPlaceFrame* frame, IOleInPlaceUIWindow* document)
{
    return Handler().ShowUI(id, active, target, frame, document);
}

STDMETHODIMP CWebBrowserUI::HideUI()
{
    return Handler().HideUI();
}

STDMETHODIMP CWebBrowserUI::UpdateUI()
{
    return Handler().UpdateUI();
}

STDMETHODIMP CWebBrowserUI::EnableModeless(BOOL enable)
{
    return Handler().EnableModeless(enable);
}

STDMETHODIMP CWebBrowserUI::OnDocWindowActivate(BOOL activate)
{
    return Handler().OnDocWindowActivate(activate);
}

STDMETHODIMP CWebBrowserUI::OnFrameWindowActivate(BOOL activate)
{
    return Handler().OnFrameWindowActivate(activate);
}

STDMETHODIMP CWebBrowserUI::ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow)
{
    return Handler().ResizeBorder(border, window, frameWindow);
}

STDMETHODIMP CWebBrowserUI::TranslateAccelerator(LPMSG msg, const GUID* group, DWORD command)
{
    return Handler().TranslateAccelerator(msg, group, command);
}

STDMETHODIMP CWebBrowserUI::GetOptionKeyPath(LPOLESTR* key, DWORD reserved)
{
    if (key == nullptr)
        return E_POINTER;
    return Handler().GetOptionKeyPath(key, reserved);
}

STDMETHODIMP CWebBrowserUI::GetDropTarget(IDropTarget* target, IDropTarget** replacement)
{
    if (replacement == nullptr)
        return E_POINTER;
    return Handler().GetDropTarget(target, replacement);
}

STDMETHODIMP CWebBrowserUI::GetExternal(IDispatch** external)
{
    if (external == nullptr)
        return E_POINTER;
    return Handler().GetExternal(external);
}

STDMETHODIMP CWebBrowserUI::TranslateUrl(DWORD translate, OLECHAR* url, OLECHAR** translated)
{
    if (translated == nullptr)
        return E_POINTER;
    return Handler().TranslateUrl(translate, url, translated);
}

STDMETHODIMP CWebBrowserUI::FilterDataObject(IDataObject* object, IDataObject** filtered)
{
    if (filtered == nullptr)
        return E_POINTER;
    return Handler().FilterDataObject(object, filtered);
}

// Service provider

STDMETHODIMP CWebBrowserUI::QueryService(REFGUID service, REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualGUID(service, IID_IDownloadManager) && IsEqualIID(iid, IID_IDownloadManager))
        return AnswerInterface(out, static_cast<IDownloadManager*>(this));
    return E_NOINTERFACE;
}

STDMETHODIMP CWebBrowserUI::Download(IMoniker* moniker, IBindCtx* context, DWORD verb, LONG flags, BINDINFO* info,
                                     LPCOLESTR headers, LPCOLESTR redirect, UINT codePage)
{
    return Handler().Download(moniker, context, verb, flags, info, headers, redirect, codePage);
}

// Command target

STDMETHODIMP CWebBrowserUI::QueryStatus(const GUID*, ULONG, OLECMD*, OLECMDTEXT*)
{
    return OLECMDERR_E_NOTSUPPORTED;
}

STDMETHODIMP CWebBrowserUI::Exec(const GUID* group, DWORD command, DWORD, VARIANT* in, VARIANT* out)
{
    if (group == nullptr || !IsEqualGUID(*group, CGID_DocHostCommandHandler))
        return OLECMDERR_E_UNKNOWNGROUP;
    if (command != kShowScriptErrorCommand)
        return OLECMDERR_E_NOTSUPPORTED;
    ReportScriptError(in);
    // Scripts go on running and no error dialog is shown.
    if (out != nullptr) {
        VariantClear(out);
        out->vt = VT_BOOL;
        out->boolVal = VARIANT_TRUE;
    }
    return S_OK;
}

void CWebBrowserUI::ReportScriptError(VARIANT* in)
{
    if (in == nullptr || (in->vt != VT_UNKNOWN && in->vt != VT_DISPATCH) || in->punkVal == nullptr)
        return;
    IDispatch* document = QueryFor<IDispatch>(in->punkVal, IID_IDispatch);
    IDispatch* window = GetObjectProperty(document, L"parentWindow");
    IDispatch* event = GetObjectProperty(window, L"event");
    if (event != nullptr) {
        CUIString text = L"Script error:";
        for (const wchar_t* name : {L"errorLine", L"errorCharacter", L"errorCode", L"errorMessage", L"errorUrl"})
            AppendProperty(event, name, text);
        text += L"\n";
        OutputDebugStringW(text);
    }
    ReleaseInterface(event);
    ReleaseInterface(window);
    ReleaseInterface(document);
}

}  // namespace SkinUI
