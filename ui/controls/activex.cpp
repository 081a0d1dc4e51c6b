#include "ui/controls/activex.h"

#include <windowsx.h>

#include "ui/controls/activex_site.h"
#include "ui/controls/activex_wnd.h"
#include "ui/controls/com_util.h"
#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

// Window message ranges the windowless control is fed.
constexpr UINT kFirstMouseMessage = 512;
constexpr UINT kLastMouseMessage = 525;
// A class id or program id text is read up to this many characters.
constexpr int kMaxClassIdText = 99;

int HimetricFromPixels(int pixels, int pixelsPerInch)
{
    return MulDiv(pixels, 2540, pixelsPerInch);
}

bool IsPress(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN;
}

CLSID ReadClassId(const wchar_t* value)
{
    wchar_t text[kMaxClassIdText + 1];
    lstrcpynW(text, value, kMaxClassIdText + 1);
    CLSID clsid = GUID_NULL;
    HRESULT hr = text[0] == L'{' ? CLSIDFromString(text, &clsid) : CLSIDFromProgID(text, &clsid);
    return SUCCEEDED(hr) ? clsid : GUID_NULL;
}

}  // namespace

CActiveXUI::CActiveXUI()
{
    // S_FALSE (already initialised) is ours to balance too; a thread in
    // another apartment mode keeps its apartment untouched.
    m_comInitialized = SUCCEEDED(CoInitialize(nullptr));
}

CActiveXUI::~CActiveXUI()
{
    CActiveXUI::ReleaseControl();
    if (m_comInitialized)
        CoUninitialize();
}

const wchar_t* CActiveXUI::GetClassName() const
{
    return L"ActiveX";
}

void* CActiveXUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"ActiveX") == 0)
        return this;
    return CControlUI::GetInterfaceByName(name);
}

HWND CActiveXUI::GetNativeWindow() const
{
    return m_window;
}

void CActiveXUI::SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize)
{
    // The control lives in one window: leaving it lets the control go, and
    // a new window creates it anew.
    if (m_manager != nullptr && manager != m_manager && m_object != nullptr) {
        ReleaseControl();
        m_created = false;
    }
    CControlUI::SetManager(manager, parent, initialize);
}

void CActiveXUI::SetVisible(bool visible)
{
    CControlUI::SetVisible(visible);
    ShowHostWindow(IsVisible());
}

void CActiveXUI::SetInternalVisible(bool visible)
{
    CControlUI::SetInternalVisible(visible);
    ShowHostWindow(IsVisible());
}

void CActiveXUI::ShowHostWindow(bool show)
{
    if (m_site != nullptr && !m_site->IsWindowless() && m_site->GetHostWindow() != nullptr)
        ::ShowWindow(m_site->GetHostWindow()->GetWindowHandle(), show ? SW_SHOW : SW_HIDE);
}

void CActiveXUI::SetPosition(RECT rect, bool invalidate)
{
    CControlUI::SetPosition(rect, invalidate);
    if (!m_created && m_manager != nullptr)
        CreateControl();
    if (m_object == nullptr || m_site == nullptr)
        return;
    SIZEL extent = GetHimetricExtent();
    m_object->SetExtent(DVASPECT_CONTENT, &extent);
    PlaceObject();
}

void CActiveXUI::MoveBy(int dx, int dy, bool invalidate)
{
    CControlUI::MoveBy(dx, dy, invalidate);
    if (m_object != nullptr && m_site != nullptr)
        PlaceObject();
}

void CActiveXUI::PlaceObject()
{
    if (m_site->GetInPlaceObject() != nullptr) {
        RECT objectRect = GetObjectRect();
        m_site->GetInPlaceObject()->SetObjectRects(&objectRect, &objectRect);
    }
    if (!m_site->IsWindowless() && m_site->GetHostWindow() != nullptr) {
        ::MoveWindow(m_site->GetHostWindow()->GetWindowHandle(), m_position.left, m_position.top,
                     m_position.right - m_position.left, m_position.bottom - m_position.top, TRUE);
    }
}

SIZEL CActiveXUI::GetHimetricExtent() const
{
    HDC screen = ::GetDC(nullptr);
    int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    SIZEL extent;
    extent.cx = HimetricFromPixels(m_position.right - m_position.left, dpiX);
    extent.cy = HimetricFromPixels(m_position.bottom - m_position.top, dpiY);
    return extent;
}

RECT CActiveXUI::GetObjectRect() const
{
    RECT rect = m_position;
    if (m_site != nullptr && !m_site->IsWindowless())
        OffsetRect(&rect, -rect.left, -rect.top);
    return rect;
}

bool CActiveXUI::PaintContent(HDC dc, const RECT&, CControlUI*)
{
    if (m_site != nullptr && m_site->IsWindowless())
        m_site->DrawControl(dc, m_position);
    return true;
}

void CActiveXUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"clsid") == 0)
        SetClassId(ReadClassId(value));
    else if (wcscmp(name, L"modulename") == 0)
        SetModuleName(value);
    else if (wcscmp(name, L"delaycreate") == 0)
        SetDelayCreate(IsTrueValue(value));
    else
        CControlUI::SetAttribute(name, value);
}

bool CActiveXUI::SetClassId(REFCLSID clsid)
{
    if (IsEqualCLSID(clsid, GUID_NULL))
        return false;
    m_clsid = clsid;
    m_created = false;
    return m_delayCreate || !IsInWindowTree() || CreateControl();
}

void CActiveXUI::SetModuleName(const wchar_t* path)
{
    m_moduleName = path;
}

void CActiveXUI::SetDelayCreate(bool delay)
{
    if (m_delayCreate == delay)
        return;
    m_delayCreate = delay;
    if (!delay && !m_created && !IsEqualCLSID(m_clsid, GUID_NULL) && IsInWindowTree())
        CreateControl();
}

bool CActiveXUI::IsInWindowTree() const
{
    return m_manager != nullptr && m_parent != nullptr;
}

HRESULT CActiveXUI::GetControl(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (m_object == nullptr)
        return E_UNEXPECTED;
    return m_object->QueryInterface(iid, out);
}

void CActiveXUI::ReleaseControl()
{
    m_window = nullptr;
    if (m_object != nullptr) {
        IObjectWithSite* withSite = QueryFor<IObjectWithSite>(m_object, IID_IObjectWithSite);
        if (withSite != nullptr) {
            withSite->SetSite(nullptr);
            withSite->Release();
        }
        m_object->Close(OLECLOSE_NOSAVE);
        m_object->SetClientSite(nullptr);
    }
    if (m_site != nullptr) {
        // Before the object goes: the site still unlocks it.
        m_site->DetachOwner();
        ReleaseInterface(m_site);
    }
    ReleaseInterface(m_object);
    if (m_manager != nullptr)
        m_manager->RemoveMessageFilter(this);
}

IUnknown* CActiveXUI::CreateObject()
{
    IUnknown* object = nullptr;
    HMODULE module = m_moduleName.IsEmpty() ? nullptr : LoadLibraryW(m_moduleName);
    if (module != nullptr) {
        // The library stays loaded: the control's code lives there.
        LPFNGETCLASSOBJECT getClassObject = LoadExport<LPFNGETCLASSOBJECT>(module, "DllGetClassObject");
        IClassFactory* factory = nullptr;
        if (getClassObject != nullptr &&
            SUCCEEDED(getClassObject(m_clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory))) &&
            factory != nullptr) {
            if (FAILED(factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(&object))))
                object = nullptr;
            factory->Release();
        }
    }
    if (object == nullptr &&
        FAILED(CoCreateInstance(m_clsid, nullptr, CLSCTX_ALL, IID_IOleControl, reinterpret_cast<void**>(&object))))
        object = nullptr;
    return object;
}

bool CActiveXUI::CreateControl()
{
    ReleaseControl();
    m_created = true;
    IUnknown* object = CreateObject();
    if (object == nullptr)
        return false;
    m_object = QueryFor<IOleObject>(object, IID_IOleObject);
    object->Release();
    if (m_object == nullptr)
        return false;
    m_site = new CActiveXCtrl(this);

    DWORD miscStatus = 0;
    m_object->GetMiscStatus(DVASPECT_CONTENT, &miscStatus);
    const bool clientSiteFirst = (miscStatus & OLEMISC_SETCLIENTSITEFIRST) != 0;
    HRESULT hr = S_OK;
    if (clientSiteFirst)
        hr = m_object->SetClientSite(m_site);
    IPersistStreamInit* persist = QueryFor<IPersistStreamInit>(m_object, IID_IPersistStreamInit);
    if (persist != nullptr) {
        hr = persist->InitNew();
        persist->Release();
        if (FAILED(hr)) {
            ReleaseControl();
            return false;
        }
    }
    if (!clientSiteFirst)
        hr = m_object->SetClientSite(m_site);
    m_site->TakeViewObject(m_object);
    hr = m_object->SetHostNames(L"UIActiveX", nullptr);
    if (m_manager != nullptr)
        m_manager->SendNotification(this, L"showactivex");
    if (m_object == nullptr)
        return false;  // a receiver let the control go
    if ((miscStatus & OLEMISC_INVISIBLEATRUNTIME) == 0) {
        RECT position = m_position;
        HWND window = m_manager != nullptr ? m_manager->GetWindowHandle() : nullptr;
        hr = m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_site, 0, window, &position);
    }
    IObjectWithSite* withSite = QueryFor<IObjectWithSite>(m_object, IID_IObjectWithSite);
    if (withSite != nullptr) {
        hr = withSite->SetSite(static_cast<IOleClientSite*>(m_site));
        withSite->Release();
    }
    if (FAILED(hr)) {
        ReleaseControl();
        return false;
    }
    return true;
}

LRESULT CActiveXUI::MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    if (m_site == nullptr || !m_site->IsWindowless() || !m_site->IsInPlaceActive() ||
        m_site->GetInPlaceObject() == nullptr || m_manager == nullptr)
        return 0;
    const bool mouse = message >= kFirstMouseMessage && message <= kLastMouseMessage;
    const bool key = IsHostedKeyMessage(message);
    if (mouse && !IsMouseEnabled())
        return 0;
    HWND window = m_manager->GetWindowHandle();
    const bool passOnOnly = message == WM_SETCURSOR || message == WM_HELP || message == WM_CONTEXTMENU;
    if (key) {
        if (!IsFocused())
            return 0;
    } else if (mouse || message == WM_SETCURSOR) {
        if (!m_site->IsCaptured() && !m_site->HitsControl(MessagePoint(message, lParam)))
            return 0;
        if (IsPress(message)) {
            if (::GetFocus() != window)
                ::SetFocus(window);
            SetFocus();
        }
    } else if (!passOnOnly) {
        return 0;
    }
    IOleInPlaceObjectWindowless* windowless = static_cast<IOleInPlaceObjectWindowless*>(m_site->GetInPlaceObject());
    LRESULT result = 0;
    if (windowless->OnWindowMessage(message, wParam, lParam, &result) == S_OK)
        handled = !passOnOnly;
    return result;
}

POINT CActiveXUI::MessagePoint(UINT message, LPARAM lParam) const
{
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_SETCURSOR)
        GetCursorPos(&point);
    if (message == WM_SETCURSOR || message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL)
        ScreenToClient(m_manager->GetWindowHandle(), &point);
    return point;
}

}  // namespace SkinUI
