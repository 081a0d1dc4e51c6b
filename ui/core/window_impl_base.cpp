#include "ui/core/window_impl_base.h"

#include <cstdlib>
#include <cstring>

#include "ui/core/control.h"

namespace SkinUI {

namespace {

void EndProcessOnSkinFailure()
{
    MessageBoxW(nullptr, L" ", L"SkinUI", MB_ICONERROR);
    ExitProcess(1);
}

SkinFailureHandlerUI g_skinFailureHandler = &EndProcessOnSkinFailure;

// The process's copy of a skin zip taken from a resource; the resource zip
// reads from it until the process ends, so it is never freed.
BYTE* g_resourceZipCopy = nullptr;
DWORD g_resourceZipSize = 0;

}  // namespace

WindowImplBase::WindowImplBase() = default;

WindowImplBase::~WindowImplBase()
{
    // Destroyed here, while the manager still exists for its last messages.
    if (m_hwnd != nullptr && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

SkinFailureHandlerUI WindowImplBase::SetSkinFailureHandler(SkinFailureHandlerUI handler)
{
    SkinFailureHandlerUI previous = g_skinFailureHandler;
    g_skinFailureHandler = handler != nullptr ? handler : &EndProcessOnSkinFailure;
    return previous;
}

const NotifyMapUI* WindowImplBase::ClassNotifyMap()
{
    static const NotifyMapEntryUI entries[] = {
        NotifyOnRecord(L"click", L"", &WindowImplBase::OnClick), NotifyMapEnd()};
    static const NotifyMapUI map = {CNotifyPump::ClassNotifyMap(), entries};
    return &map;
}

const NotifyMapUI* WindowImplBase::GetNotifyMap() const
{
    return ClassNotifyMap();
}

void WindowImplBase::Notify(NotifyRecordUI& record)
{
    DispatchNotification(record);
}

LRESULT WindowImplBase::MessageHandler(UINT message, WPARAM wParam, LPARAM, bool&)
{
    if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE))
        return HandleDefaultKey(static_cast<UINT>(wParam));
    return 0;
}

CControlUI* WindowImplBase::CreateControl(const wchar_t*)
{
    return nullptr;
}

UINT WindowImplBase::GetWindowClassStyle() const
{
    return CS_DBLCLKS;
}

void WindowImplBase::InitWindow() {}

bool WindowImplBase::HandleDefaultKey(UINT key)
{
    return key == VK_ESCAPE;
}

int WindowImplBase::GetResourceType() const
{
    return SkinFiles;
}

CUIString WindowImplBase::GetSkinZipName()
{
    return CUIString();
}

CUIString WindowImplBase::GetSkinResourceId()
{
    return CUIString();
}

DWORD WindowImplBase::GetWindowStyle() const
{
    return static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_STYLE)) & ~static_cast<DWORD>(WS_CAPTION);
}

void WindowImplBase::OnClick(NotifyRecordUI& record)
{
    if (record.sender == nullptr)
        return;
    const CUIString name = record.sender->GetName();
    if (name == L"closebtn")
        Close(IDOK);
    else if (name == L"minbtn")
        SendMessageW(m_hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else if (name == L"maxbtn")
        SendMessageW(m_hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    else if (name == L"restorebtn")
        SendMessageW(m_hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
}

LRESULT WindowImplBase::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (RouteToHandler(message, wParam, lParam, result))
        return result;
    bool handled = false;
    result = HandleCustomMessage(message, wParam, lParam, handled);
    if (handled)
        return result;
    if (m_manager.HandleWindowMessage(message, wParam, lParam, result))
        return result;
    return CWindowWnd::ProcessMessage(message, wParam, lParam);
}

bool WindowImplBase::RouteToHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    typedef LRESULT (WindowImplBase::*Handler)(UINT, WPARAM, LPARAM, bool&);
    Handler handler = nullptr;
    switch (message) {
    case WM_CREATE: handler = &WindowImplBase::OnCreate; break;
    case WM_DESTROY: handler = &WindowImplBase::OnDestroy; break;
    case WM_SIZE: handler = &WindowImplBase::OnSize; break;
    case WM_SETFOCUS: handler = &WindowImplBase::OnSetFocus; break;
    case WM_KILLFOCUS: handler = &WindowImplBase::OnKillFocus; break;
    case WM_CLOSE: handler = &WindowImplBase::OnClose; break;
    case WM_GETMINMAXINFO: handler = &WindowImplBase::OnGetMinMaxInfo; break;
    case WM_NCCALCSIZE: handler = &WindowImplBase::OnNcCalcSize; break;
    case WM_NCHITTEST: handler = &WindowImplBase::OnNcHitTest; break;
    case WM_NCPAINT: handler = &WindowImplBase::OnNcPaint; break;
    case WM_NCACTIVATE: handler = &WindowImplBase::OnNcActivate; break;
    case WM_KEYDOWN: handler = &WindowImplBase::OnKeyDown; break;
    case WM_CHAR: handler = &WindowImplBase::OnChar; break;
    case WM_SYSCOMMAND: handler = &WindowImplBase::OnSysCommand; break;
    case WM_MOUSEMOVE: handler = &WindowImplBase::OnMouseMove; break;
    case WM_LBUTTONDOWN: handler = &WindowImplBase::OnLButtonDown; break;
    case WM_LBUTTONUP: handler = &WindowImplBase::OnLButtonUp; break;
    case WM_MOUSEWHEEL: handler = &WindowImplBase::OnMouseWheel; break;
    case WM_MOUSEHOVER: handler = &WindowImplBase::OnMouseHover; break;
    default: return false;
    }
    bool handled = true;
    result = (this->*handler)(message, wParam, lParam, handled);
    return handled;
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool&)
{
    // No caption: the whole window is client area at its former client size.
    // Activation waits until the window is shown.
    SetWindowLongW(m_hwnd, GWL_STYLE,
                   static_cast<LONG>(GetWindowStyle() | WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    RECT client;
    GetClientRect(m_hwnd, &client);
    SetWindowPos(m_hwnd, nullptr, client.left, client.top, client.right - client.left,
                 client.bottom - client.top, SWP_FRAMECHANGED | SWP_NOACTIVATE);

    m_manager.AttachWindow(m_hwnd);
    m_manager.AddPreTranslateFilter(this);
    if (CWindowManagerUI::GetResourceFolder().IsEmpty())
        CWindowManagerUI::SetResourceFolder(CWindowManagerUI::GetInstanceFolder() + GetSkinFolder());
    if (!SelectSkinZip())
        return 0;

    CControlUI* root = BuildSkin();
    if (root == nullptr) {
        g_skinFailureHandler();
        return 0;
    }
    m_manager.AttachRoot(root);
    m_manager.AddNotifyReceiver(this);
    InitWindow();
    return 0;
}

bool WindowImplBase::SelectSkinZip()
{
    if (GetResourceType() == SkinZipFile) {
        CWindowManagerUI::SetResourceZip(GetSkinZipName(), true);
        return true;
    }
    if (GetResourceType() != SkinZipResource)
        return true;
    // One copy serves the process: the resource zip keeps reading from it.
    if (!g_resourceZipCopy) {
        const HINSTANCE instance = CWindowManagerUI::GetResourceModule();
        const CUIString name = GetSkinResourceId();
        HRSRC resource = FindResourceW(instance, name, L"ZIPRES");
        HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
        const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
        const DWORD size = resource != nullptr ? SizeofResource(instance, resource) : 0;
        if (data == nullptr || size == 0)
            return false;
        g_resourceZipCopy = new BYTE[size];
        memcpy(g_resourceZipCopy, data, size);
        g_resourceZipSize = size;
    }
    CWindowManagerUI::SetResourceZipFromMemory(g_resourceZipCopy, g_resourceZipSize);
    return true;
}

CControlUI* WindowImplBase::BuildSkin()
{
    CLayoutBuilderUI builder;
    const CUIString skinFile = GetSkinFile();
    if (GetResourceType() == SkinXmlResource)
        return builder.Create(MAKEINTRESOURCEW(_wtoi(skinFile)), L"xml", this, &m_manager);
    return builder.Create(skinFile, nullptr, this, &m_manager);
}

void WindowImplBase::OnFinalMessage(HWND formerWindow)
{
    OnDestroyed(formerWindow);
}

void WindowImplBase::OnDestroyed(HWND)
{
    m_manager.RemovePreTranslateFilter(this);
    m_manager.RemoveNotifyReceiver(this);
    m_manager.ForgetControl(m_manager.GetRoot());
}

}  // namespace SkinUI
