#include "ui/controls/activex_frame.h"

namespace SkinUI {

CActiveXFrameWnd::CActiveXFrameWnd(HWND frameWindow) : m_frameWindow(frameWindow) {}

STDMETHODIMP CActiveXFrameWnd::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleWindow) ||
        IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
        return AnswerInterface(out, this);
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CActiveXFrameWnd::AddRef()
{
    return m_refs.AddRef();
}

STDMETHODIMP_(ULONG) CActiveXFrameWnd::Release()
{
    ULONG count = m_refs.Release();
    if (count == 0)
        delete this;
    return count;
}

STDMETHODIMP CActiveXFrameWnd::GetWindow(HWND* window)
{
    if (window == nullptr)
        return E_POINTER;
    *window = m_frameWindow;
    return m_frameWindow != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP CActiveXFrameWnd::ContextSensitiveHelp(BOOL)
{
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CActiveXFrameWnd::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CActiveXFrameWnd::SetBorderSpace(LPCBORDERWIDTHS)
{
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::RemoveMenus(HMENU)
{
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}

CActiveXEnum::CActiveXEnum(IUnknown* control) : m_control(control)
{
    if (m_control != nullptr)
        m_control->AddRef();
}

CActiveXEnum::~CActiveXEnum()
{
    ReleaseInterface(m_control);
}

STDMETHODIMP CActiveXEnum::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumUnknown))
        return AnswerInterface(out, this);
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CActiveXEnum::AddRef()
{
    return m_refs.AddRef();
}

STDMETHODIMP_(ULONG) CActiveXEnum::Release()
{
    ULONG count = m_refs.Release();
    if (count == 0)
        delete this;
    return count;
}

STDMETHODIMP CActiveXEnum::Next(ULONG count, IUnknown** items, ULONG* fetched)
{
    if (fetched != nullptr)
        *fetched = 0;
    if (items == nullptr)
        return E_POINTER;
    ULONG given = 0;
    if (count > 0 && m_control != nullptr && m_position == 0) {
        items[0] = m_control;
        m_control->AddRef();
        m_position = 1;
        given = 1;
    }
    if (fetched != nullptr)
        *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

STDMETHODIMP CActiveXEnum::Skip(ULONG count)
{
    const ULONG remaining = m_control != nullptr && m_position == 0 ? 1 : 0;
    if (count > remaining) {
        m_position = 1;
        return S_FALSE;
    }
    m_position += count;
    return S_OK;
}

STDMETHODIMP CActiveXEnum::Reset()
{
    m_position = 0;
    return S_OK;
}

STDMETHODIMP CActiveXEnum::Clone(IEnumUnknown** copy)
{
    if (copy == nullptr)
        return E_POINTER;
    CActiveXEnum* clone = new CActiveXEnum(m_control);
    clone->m_position = m_position;
    *copy = clone;
    return S_OK;
}

}  // namespace SkinUI
