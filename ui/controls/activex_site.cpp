#include "ui/controls/activex_site.h"

#include "ui/controls/activex.h"
#include "ui/controls/activex_frame.h"
#include "ui/controls/activex_wnd.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CActiveXCtrl::CActiveXCtrl(CActiveXUI* owner) : m_owner(owner) {}

CActiveXCtrl::~CActiveXCtrl()
{
    DetachOwner();
}

void CActiveXCtrl::DetachOwner()
{
    DestroyHostWindow();
    if (m_lockedRunning && m_owner != nullptr && m_owner->m_object != nullptr)
        OleLockRunning(m_owner->m_object, FALSE, TRUE);
    m_lockedRunning = false;
    ReleaseInterface(m_inPlaceObject);
    ReleaseInterface(m_viewObject);
    ReleaseInterface(m_objectSite);
    m_viewObjectIsEx = false;
    m_inPlaceActive = false;
    m_uiActive = false;
    m_owner = nullptr;
}

STDMETHODIMP CActiveXCtrl::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        return AnswerInterface(out, static_cast<IOleClientSite*>(this));
    if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite) ||
        IsEqualIID(iid, IID_IOleInPlaceSiteEx) || IsEqualIID(iid, IID_IOleInPlaceSiteWindowless))
        return AnswerInterface(out, static_cast<IOleInPlaceSiteWindowless*>(this));
    if (IsEqualIID(iid, IID_IOleControlSite))
        return AnswerInterface(out, static_cast<IOleControlSite*>(this));
    if (IsEqualIID(iid, IID_IObjectWithSite))
        return AnswerInterface(out, static_cast<IObjectWithSite*>(this));
    if (IsEqualIID(iid, IID_IOleContainer) || IsEqualIID(iid, IID_IParseDisplayName))
        return AnswerInterface(out, static_cast<IOleContainer*>(this));
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CActiveXCtrl::AddRef()
{
    return m_refs.AddRef();
}

STDMETHODIMP_(ULONG) CActiveXCtrl::Release()
{
    ULONG count = m_refs.Release();
    if (count == 0)
        delete this;
    return count;
}

HWND CActiveXCtrl::OwnerWindow() const
{
    return m_owner != nullptr ? m_owner->m_window : nullptr;
}

void CActiveXCtrl::TakeViewObject(IUnknown* object)
{
    ReleaseInterface(m_viewObject);
    m_viewObjectIsEx = false;
    if ((m_viewObject = QueryFor<IViewObject>(object, IID_IViewObjectEx)) != nullptr)
        m_viewObjectIsEx = true;
    else if ((m_viewObject = QueryFor<IViewObject>(object, IID_IViewObject2)) == nullptr)
        m_viewObject = QueryFor<IViewObject>(object, IID_IViewObject);
}

bool CActiveXCtrl::DrawControl(HDC dc, const RECT& bounds)
{
    if (m_viewObject == nullptr || dc == nullptr)
        return false;
    RECTL drawBounds = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    return SUCCEEDED(m_viewObject->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &drawBounds,
                                        nullptr, nullptr, 0));
}

bool CActiveXCtrl::HitsControl(POINT point) const
{
    if (!m_viewObjectIsEx || m_owner == nullptr)
        return false;
    DWORD hit = HITRESULT_OUTSIDE;
    RECT position = m_owner->GetPosition();
    IViewObjectEx* view = static_cast<IViewObjectEx*>(m_viewObject);
    return SUCCEEDED(view->QueryHitPoint(DVASPECT_CONTENT, &position, point, 0, &hit)) && hit == HITRESULT_HIT;
}

HWND CActiveXCtrl::CreateHostWindow()
{
    if (m_hostWindow != nullptr)
        return m_hostWindow->GetWindowHandle();
    CWindowManagerUI* manager = m_owner->GetManager();
    if (manager == nullptr || manager->GetWindowHandle() == nullptr)
        return nullptr;
    m_hostWindow = new CActiveXWnd(this);
    HWND window = m_hostWindow->Init(manager->GetWindowHandle(), m_owner->GetPosition());
    if (window == nullptr) {
        delete m_hostWindow;
        m_hostWindow = nullptr;
        return nullptr;
    }
    m_owner->m_window = window;
    return window;
}

void CActiveXCtrl::DestroyHostWindow()
{
    if (m_hostWindow == nullptr)
        return;
    HWND window = m_hostWindow->GetWindowHandle();
    if (m_owner != nullptr && m_owner->m_window == window)
        m_owner->m_window = nullptr;
    // The window's last message clears m_hostWindow and frees the object.
    DestroyWindow(window);
}

// IObjectWithSite

STDMETHODIMP CActiveXCtrl::SetSite(IUnknown* site)
{
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    if (site != nullptr)
        site->AddRef();
    ReleaseInterface(m_objectSite);
    m_objectSite = site;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetSite(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    if (m_objectSite == nullptr)
        return E_FAIL;
    return m_objectSite->QueryInterface(iid, out);
}

// IOleClientSite

STDMETHODIMP CActiveXCtrl::SaveObject()
{
    return E_NOTIMPL;
}

STDMETHODIMP CActiveXCtrl::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker != nullptr)
        *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CActiveXCtrl::GetContainer(IOleContainer** container)
{
    if (container == nullptr)
        return E_POINTER;
    *container = nullptr;
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    if (m_objectSite != nullptr &&
        SUCCEEDED(m_objectSite->QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(container))) &&
        *container != nullptr)
        return S_OK;
    return AnswerInterface(reinterpret_cast<void**>(container), static_cast<IOleContainer*>(this));
}

STDMETHODIMP CActiveXCtrl::ShowObject()
{
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    HWND window = OwnerWindow();
    HDC dc = ::GetDC(window);
    if (dc == nullptr)
        return E_FAIL;
    DrawControl(dc, m_owner->GetObjectRect());
    ::ReleaseDC(window, dc);
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::OnShowWindow(BOOL)
{
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

// IOleInPlaceSiteWindowless

STDMETHODIMP CActiveXCtrl::CanWindowlessActivate()
{
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetCapture()
{
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    return m_captured ? S_OK : S_FALSE;
}

STDMETHODIMP CActiveXCtrl::SetCapture(BOOL capture)
{
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    m_captured = capture != FALSE;
    if (m_captured)
        ::SetCapture(OwnerWindow());
    else
        ::ReleaseCapture();
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetFocus()
{
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    return m_focused ? S_OK : S_FALSE;
}

STDMETHODIMP CActiveXCtrl::SetFocus(BOOL focus)
{
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    m_focused = focus != FALSE;
    if (m_focused)
        m_owner->SetFocus();
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetDC(LPCRECT, DWORD flags, HDC* dc)
{
    if (dc == nullptr)
        return E_POINTER;
    *dc = nullptr;
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    if (m_windowless)
        return S_FALSE;
    *dc = ::GetDC(OwnerWindow());
    if (*dc == nullptr)
        return E_FAIL;
    if ((flags & OLEDC_PAINTBKGND) != 0) {
        RECT area = m_owner->GetPosition();
        OffsetRect(&area, -area.left, -area.top);
        FillRect(*dc, &area, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::ReleaseDC(HDC dc)
{
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    ::ReleaseDC(OwnerWindow(), dc);
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::InvalidateRect(LPCRECT rect, BOOL erase)
{
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    if (m_windowless && m_owner->GetManager() != nullptr) {
        // Through the manager, which also repaints layered windows.
        m_owner->GetManager()->InvalidateArea(rect != nullptr ? *rect : m_owner->GetPosition());
        return S_OK;
    }
    return ::InvalidateRect(OwnerWindow(), rect, erase) ? S_OK : E_FAIL;
}

STDMETHODIMP CActiveXCtrl::InvalidateRgn(HRGN region, BOOL erase)
{
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    return ::InvalidateRgn(OwnerWindow(), region, erase) ? S_OK : E_FAIL;
}

STDMETHODIMP CActiveXCtrl::ScrollRect(INT, INT, LPCRECT, LPCRECT)
{
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::AdjustRect(LPRECT)
{
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::OnDefWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (result == nullptr)
        return E_POINTER;
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    *result = DefWindowProcW(OwnerWindow(), message, wParam, lParam);
    return S_OK;
}

// IOleInPlaceSiteEx

STDMETHODIMP CActiveXCtrl::OnInPlaceActivateEx(BOOL*, DWORD flags)
{
    if (m_owner == nullptr || m_owner->m_object == nullptr)
        return E_UNEXPECTED;
    CWindowManagerUI* manager = m_owner->GetManager();
    if (!m_lockedRunning)
        m_lockedRunning = SUCCEEDED(OleLockRunning(m_owner->m_object, TRUE, FALSE));
    ReleaseInterface(m_inPlaceObject);
    HRESULT hr = E_FAIL;
    m_windowless = false;
    if ((flags & ACTIVATE_WINDOWLESS) != 0 && manager != nullptr) {
        m_inPlaceObject = QueryFor<IOleInPlaceObject>(m_owner->m_object, IID_IOleInPlaceObjectWindowless);
        if (m_inPlaceObject != nullptr) {
            m_windowless = true;
            m_owner->m_window = manager->GetWindowHandle();
            manager->RemoveMessageFilter(m_owner);
            manager->AddMessageFilter(m_owner);
            hr = S_OK;
        }
    }
    if (!m_windowless) {
        if (CreateHostWindow() != nullptr)
            m_inPlaceObject = QueryFor<IOleInPlaceObject>(m_owner->m_object, IID_IOleInPlaceObject);
        hr = m_inPlaceObject != nullptr ? S_OK : E_FAIL;
    }
    if (m_inPlaceObject != nullptr) {
        RECT objectRect = m_owner->GetObjectRect();
        hr = m_inPlaceObject->SetObjectRects(&objectRect, &objectRect);
    }
    m_inPlaceActive = SUCCEEDED(hr);
    return hr;
}

STDMETHODIMP CActiveXCtrl::OnInPlaceDeactivateEx(BOOL)
{
    m_inPlaceActive = false;
    ReleaseInterface(m_inPlaceObject);
    DestroyHostWindow();
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::RequestUIActivate()
{
    return S_OK;
}

// IOleInPlaceSite

STDMETHODIMP CActiveXCtrl::CanInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::OnInPlaceActivate()
{
    return OnInPlaceActivateEx(nullptr, 0);
}

STDMETHODIMP CActiveXCtrl::OnUIActivate()
{
    m_uiActive = true;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                            LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo)
{
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
        frameInfo == nullptr)
        return E_POINTER;
    *frame = nullptr;
    *document = nullptr;
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    HWND frameWindow = m_owner->GetManager() != nullptr ? m_owner->GetManager()->GetWindowHandle() : nullptr;
    *frame = new CActiveXFrameWnd(frameWindow);
    if (m_hostWindow != nullptr)
        GetClientRect(m_hostWindow->GetWindowHandle(), position);
    else
        *position = m_owner->GetPosition();
    *clip = *position;
    frameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = frameWindow;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::Scroll(SIZE)
{
    return E_NOTIMPL;
}

STDMETHODIMP CActiveXCtrl::OnUIDeactivate(BOOL)
{
    m_uiActive = false;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::OnInPlaceDeactivate()
{
    return OnInPlaceDeactivateEx(TRUE);
}

STDMETHODIMP CActiveXCtrl::DiscardUndoState()
{
    return E_NOTIMPL;
}

STDMETHODIMP CActiveXCtrl::DeactivateAndUndo()
{
    return E_NOTIMPL;
}

STDMETHODIMP CActiveXCtrl::OnPosRectChange(LPCRECT)
{
    return E_NOTIMPL;
}

// IOleWindow

STDMETHODIMP CActiveXCtrl::GetWindow(HWND* window)
{
    if (window == nullptr)
        return E_POINTER;
    *window = nullptr;
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    *window = OwnerWindow();
    if (*window == nullptr && !m_windowless)
        *window = CreateHostWindow();
    return *window != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP CActiveXCtrl::ContextSensitiveHelp(BOOL)
{
    return S_OK;
}

// IOleControlSite

STDMETHODIMP CActiveXCtrl::OnControlInfoChanged()
{
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::LockInPlaceActive(BOOL)
{
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetExtendedControl(IDispatch** control)
{
    if (control == nullptr)
        return E_POINTER;
    *control = nullptr;
    if (m_owner == nullptr || m_owner->m_object == nullptr)
        return E_UNEXPECTED;
    return m_owner->m_object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(control));
}

STDMETHODIMP CActiveXCtrl::TransformCoords(POINTL*, POINTF*, DWORD)
{
    return E_NOTIMPL;
}

STDMETHODIMP CActiveXCtrl::TranslateAccelerator(MSG*, DWORD)
{
    return S_FALSE;
}

STDMETHODIMP CActiveXCtrl::OnFocus(BOOL gotFocus)
{
    m_focused = gotFocus != FALSE;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::ShowPropertyFrame()
{
    return E_NOTIMPL;
}

// IOleContainer

STDMETHODIMP CActiveXCtrl::EnumObjects(DWORD, IEnumUnknown** enumerator)
{
    if (enumerator == nullptr)
        return E_POINTER;
    *enumerator = nullptr;
    if (m_owner == nullptr)
        return E_UNEXPECTED;
    *enumerator = new CActiveXEnum(m_owner->m_object);
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::LockContainer(BOOL)
{
    return S_OK;
}

// IParseDisplayName

STDMETHODIMP CActiveXCtrl::ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker** moniker)
{
    if (moniker != nullptr)
        *moniker = nullptr;
    return E_NOTIMPL;
}

}  // namespace SkinUI
