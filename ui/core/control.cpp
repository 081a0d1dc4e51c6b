#include "ui/core/control.h"

#include "ui/core/control_values.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CControlUI::CControlUI() : m_bkImage(new ImageDrawInfoUI), m_foreImage(new ImageDrawInfoUI) {}

CControlUI::~CControlUI()
{
    if (m_cover != nullptr) {
        CControlUI* cover = m_cover;
        m_cover = nullptr;
        cover->Delete();
    }
    RemoveAllCustomAttributes();
    if (OnDestroy.HasDelegates())
        OnDestroy.Invoke(this);
    if (m_manager != nullptr)
        m_manager->ForgetControl(this);
}

void CControlUI::Delete()
{
    if (m_manager != nullptr)
        m_manager->RemoveMouseLeaveListener(this);
    delete this;
}

const CUIString& CControlUI::GetName() const
{
    return m_name;
}

void CControlUI::SetName(const wchar_t* name)
{
    const wchar_t* text = name != nullptr ? name : L"";
    if (m_name == text)
        return;
    const CUIString oldName = m_name;
    m_name = text;
    if (m_manager != nullptr)
        m_manager->UpdateControlName(this, oldName);
}

const wchar_t* CControlUI::GetClassName() const
{
    return L"Control";
}

void* CControlUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"Control") == 0)
        return this;
    return nullptr;
}

UINT CControlUI::GetBehaviorFlags() const
{
    return 0;
}

HWND CControlUI::GetNativeWindow() const
{
    return nullptr;
}

bool CControlUI::Activate()
{
    return IsVisible() && IsEnabled();
}

CWindowManagerUI* CControlUI::GetManager() const
{
    return m_manager;
}

void CControlUI::SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize)
{
    if (m_cover != nullptr)
        m_cover->SetManager(manager, this, initialize);
    // A control leaving its window leaves nothing behind that points at it.
    if (m_manager != nullptr && m_manager != manager)
        m_manager->ForgetControlReferences(this);
    m_manager = manager;
    m_parent = parent;
    if (initialize && m_parent != nullptr)
        Initialize();
}

CControlUI* CControlUI::GetParent() const
{
    return m_parent;
}

CControlUI* CControlUI::GetCover() const
{
    return m_cover;
}

void CControlUI::SetCover(CControlUI* cover)
{
    if (cover == m_cover)
        return;
    if (m_cover != nullptr) {
        CControlUI* old = m_cover;
        m_cover = nullptr;
        old->Delete();
    }
    m_cover = cover;
    if (m_cover == nullptr)
        return;
    if (m_manager != nullptr)
        m_manager->InitControls(m_cover, this);
    else
        m_cover->SetManager(nullptr, this, false);
    if (IsVisible())
        RequestLayout();
    else
        m_cover->SetInternalVisible(false);
}

CUIString CControlUI::GetText() const
{
    return m_text;
}

void CControlUI::SetText(const wchar_t* text)
{
    const wchar_t* value = text != nullptr ? text : L"";
    if (m_text == value)
        return;
    m_text = value;
    Invalidate();
}

CUIString CControlUI::GetToolTip() const
{
    return m_toolTip;
}

void CControlUI::SetToolTip(const wchar_t* text)
{
    CUIString value = text;
    value.Replace(L"<n>", L"\r\n");
    m_toolTip = value;
}

void CControlUI::SetToolTipWidth(int width)
{
    m_toolTipWidth = width;
}

int CControlUI::GetToolTipWidth() const
{
    return m_toolTipWidth;
}

wchar_t CControlUI::GetShortcutKey() const
{
    return m_shortcut;
}

void CControlUI::SetShortcutKey(wchar_t key)
{
    m_shortcut = key;
}

bool CControlUI::IsContextMenuEnabled() const
{
    return m_contextMenu;
}

void CControlUI::SetContextMenuEnabled(bool enabled)
{
    m_contextMenu = enabled;
}

const CUIString& CControlUI::GetUserData() const
{
    return m_userData;
}

void CControlUI::SetUserData(const wchar_t* text)
{
    m_userData = text;
}

UINT_PTR CControlUI::GetTag() const
{
    return m_tag;
}

void CControlUI::SetTag(UINT_PTR tag)
{
    m_tag = tag;
}

bool CControlUI::IsVisible() const
{
    return m_visible && m_internalVisible;
}

void CControlUI::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    const bool wasVisible = IsVisible();
    m_visible = visible;
    m_focused = false;
    if (!visible && m_manager != nullptr && m_manager->GetFocusControl() == this)
        m_manager->SetFocusControl(nullptr);
    if (IsVisible() != wasVisible)
        RequestParentLayout();
    if (m_cover != nullptr)
        m_cover->SetInternalVisible(IsVisible());
}

void CControlUI::SetInternalVisible(bool visible)
{
    m_internalVisible = visible;
    if (!visible && m_manager != nullptr && m_manager->GetFocusControl() == this)
        m_manager->SetFocusControl(nullptr);
    if (m_cover != nullptr)
        m_cover->SetInternalVisible(IsVisible());
}

bool CControlUI::IsEnabled() const
{
    return m_enabled;
}

void CControlUI::SetEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    Invalidate();
}

bool CControlUI::IsMouseEnabled() const
{
    return m_mouseEnabled;
}

void CControlUI::SetMouseEnabled(bool enabled)
{
    m_mouseEnabled = enabled;
}

bool CControlUI::IsKeyboardEnabled() const
{
    return m_keyboardEnabled;
}

void CControlUI::SetKeyboardEnabled(bool enabled)
{
    m_keyboardEnabled = enabled;
}

bool CControlUI::IsFocused() const
{
    return m_focused;
}

void CControlUI::SetFocus()
{
    if (m_manager != nullptr)
        m_manager->SetFocusControl(this, false);
}

bool CControlUI::PassesFindFilters(FindControlProcUI proc, void* data, UINT flags)
{
    if ((flags & kFindVisible) != 0 && !IsVisible())
        return false;
    if ((flags & kFindEnabled) != 0 && !IsEnabled())
        return false;
    if ((flags & kFindHitTest) != 0 && !PtInRect(&m_position, *static_cast<POINT*>(data)))
        return false;
    return (flags & kFindUpdateTest) == 0 || proc(this, data) == nullptr;
}

CControlUI* CControlUI::FindControl(FindControlProcUI proc, void* data, UINT flags)
{
    if (!PassesFindFilters(proc, data, flags))
        return nullptr;
    const bool selfCounts = (flags & kFindHitTest) == 0 || m_mouseEnabled;
    if ((flags & kFindMeFirst) != 0 && selfCounts) {
        CControlUI* result = proc(this, data);
        if (result != nullptr)
            return result;
    }
    if (m_cover != nullptr) {
        CControlUI* result = m_cover->FindControl(proc, data, flags);
        if (result != nullptr)
            return result;
    }
    if ((flags & kFindMeFirst) == 0 && selfCounts)
        return proc(this, data);
    return nullptr;
}

void CControlUI::Initialize()
{
    OnInitialize();
    if (OnInit.HasDelegates())
        OnInit.Invoke(this);
}

void CControlUI::OnInitialize() {}

void CControlUI::DispatchEvent(EventRecordUI& event)
{
    if (OnEvent.HasDelegates() && !OnEvent.Invoke(&event))
        return;
    HandleEvent(event);
}

void CControlUI::HandleEvent(EventRecordUI& event)
{
    switch (event.type) {
    case EventTypeUI::SetCursor:
        ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return;
    case EventTypeUI::SetFocus:
        m_focused = true;
        Invalidate();
        return;
    case EventTypeUI::KillFocus:
        m_focused = false;
        Invalidate();
        return;
    case EventTypeUI::Timer:
        if (m_manager != nullptr)
            m_manager->SendNotification(this, L"timer", event.wParam, event.lParam);
        return;
    case EventTypeUI::ContextMenu:
        if (m_contextMenu) {
            if (m_manager != nullptr)
                m_manager->SendNotification(this, L"menu", event.wParam, event.lParam);
            return;
        }
        break;
    default:
        break;
    }
    if (m_parent != nullptr)
        m_parent->HandleEvent(event);
}

SIZE CControlUI::GetDesiredSize(SIZE)
{
    return m_fixedSize;
}

void CControlUI::SetVirtualWindowName(const wchar_t* name)
{
    m_virtualWindowName = name;
    if (m_manager != nullptr)
        m_manager->SetUsesVirtualWindows(true);
}

CUIString CControlUI::GetVirtualWindowName() const
{
    if (!m_virtualWindowName.IsEmpty())
        return m_virtualWindowName;
    if (m_parent != nullptr)
        return m_parent->GetVirtualWindowName();
    return CUIString();
}

void CControlUI::AddCustomAttribute(const wchar_t* name, const wchar_t* value)
{
    AddTextIfAbsent(m_customAttributes, name, value);
}

const wchar_t* CControlUI::GetCustomAttribute(const wchar_t* name)
{
    return FindText(m_customAttributes, name);
}

void CControlUI::RemoveAllCustomAttributes()
{
    DeleteTexts(m_customAttributes);
}

}  // namespace SkinUI
