#include "ui/core/window_manager.h"

#include <commctrl.h>

#include "ui/core/control.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager_shared.h"

namespace SkinUI {

WindowManagerSharedState& SharedManagerState()
{
    static WindowManagerSharedState state;
    return state;
}

namespace {

void CreateSharedDefaults(ResourceSetUI& shared)
{
    shared.disabledTextColor = 0xFFA7A6AA;
    shared.defaultTextColor = 0xFF000000;
    shared.linkColor = 0xFF0000FF;
    shared.linkHoverColor = 0xFFD3215F;
    shared.selectedBackgroundColor = 0xFFBAE4FF;

    LOGFONTW lf = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfCharSet = DEFAULT_CHARSET;
    FontRecordUI& font = shared.defaultFont;
    font.handle = CreateFontIndirectW(&lf);
    font.faceName = lf.lfFaceName;
    font.size = -lf.lfHeight;
    font.bold = lf.lfWeight >= FW_BOLD;
    font.underline = lf.lfUnderline != 0;
    font.italic = lf.lfItalic != 0;
    font.metrics = TEXTMETRICW{};
}

}  // namespace

CWindowManagerUI::CWindowManagerUI() : m_layeredImage(new ImageDrawInfoUI)
{
    WindowManagerSharedState& shared = SharedManagerState();
    if (shared.resources.defaultFont.faceName.IsEmpty())
        CreateSharedDefaults(shared.resources);
    m_resources.disabledTextColor = shared.resources.disabledTextColor;
    m_resources.defaultTextColor = shared.resources.defaultTextColor;
    m_resources.linkColor = shared.resources.linkColor;
    m_resources.linkHoverColor = shared.resources.linkHoverColor;
    m_resources.selectedBackgroundColor = shared.resources.selectedBackgroundColor;
    if (shared.updateRectPen == nullptr) {
        shared.updateRectPen = CreatePen(PS_SOLID, 1, RGB(220, 0, 0));
        InitCommonControls();
        LoadLibraryW(L"msimg32.dll");
    }
}

CWindowManagerUI::~CWindowManagerUI()
{
    DeleteDelayedCleanup();
    DeleteQueuedNotifications();
    m_names.RemoveAll();
    if (m_root != nullptr) {
        CControlUI* root = m_root;
        m_root = nullptr;
        root->Delete();
    }
    if (m_resources.defaultFont.handle != nullptr)
        DeleteObject(m_resources.defaultFont.handle);
    ReleaseOwnResources();
    if (m_tooltip != nullptr)
        DestroyWindow(m_tooltip);
    DeleteOffscreen();
    if (m_windowDC != nullptr)
        ReleaseDC(m_window, m_windowDC);
    CPtrArrayUI& managers = SharedManagerState().managers;
    int index = managers.Find(this);
    if (index >= 0)
        managers.RemoveRange(index, 1);
}

void CWindowManagerUI::ReleaseOwnResources()
{
    RemoveAllFonts(false);
    RemoveAllImages(false);
    RemoveAllDefaultAttributeLists(false);
    RemoveAllCustomAttributes();
    RemoveAllOptionGroups();
    RemoveAllTimers();
}

void CWindowManagerUI::AttachWindow(HWND window, const wchar_t* name)
{
    m_names.RemoveAll();
    ReleaseOwnResources();
    m_name = name != nullptr ? name : L"";
    if (window == m_window)
        return;
    // A manager moved to another window gives back the first window's DC.
    DeleteOffscreen();
    if (m_windowDC != nullptr)
        ReleaseDC(m_window, m_windowDC);
    m_window = window;
    SetRectEmpty(&m_pendingUpdate);
    m_windowDC = window != nullptr ? GetDC(window) : nullptr;
    CPtrArrayUI& managers = SharedManagerState().managers;
    if (managers.Find(this) < 0)
        managers.Add(this);
}

bool CWindowManagerUI::AttachRoot(CControlUI* root)
{
    SetFocusControl(nullptr);
    m_keyControl = nullptr;
    m_hover = nullptr;
    m_pressed = nullptr;
    if (m_root != nullptr) {
        DeleteDelayedCleanup();
        DeleteQueuedNotifications();
        m_names.RemoveAll();
        m_postPaintControls.Clear();
        m_nativeWindows.Clear();
        m_nativeWindowControls.Clear();
        CControlUI* old = m_root;
        m_root = nullptr;
        AddDelayedCleanup(old);
    }
    m_root = root;
    m_windowInitPending = true;
    m_layoutPending = true;
    m_focusPending = true;
    return InitControls(root);
}

bool CWindowManagerUI::InitControls(CControlUI* control, CControlUI* parent)
{
    if (control == nullptr)
        return false;
    control->SetManager(this, parent != nullptr ? parent : control->GetParent(), true);
    RegisterControlNames(control);
    return true;
}

void CWindowManagerUI::RegisterControlNames(CControlUI* control)
{
    control->FindControl(
        [](CControlUI* c, void* data) -> CControlUI* {
            CWindowManagerUI* manager = static_cast<CWindowManagerUI*>(data);
            const CUIString& name = c->GetName();
            // The first control of a name wins.
            if (!name.IsEmpty())
                manager->m_names.Insert(name, c);
            return nullptr;
        },
        this, 0);
}

CControlUI* CWindowManagerUI::FindControlByName(const wchar_t* name)
{
    if (name == nullptr || *name == L'\0')
        return nullptr;
    return static_cast<CControlUI*>(m_names.Find(name));
}

CControlUI* CWindowManagerUI::FindControlAt(POINT point) const
{
    if (m_root == nullptr)
        return nullptr;
    return m_root->FindControl(
        [](CControlUI* c, void* data) -> CControlUI* {
            const POINT* pt = static_cast<const POINT*>(data);
            return PtInRect(&c->GetPosition(), *pt) ? c : nullptr;
        },
        &point, kFindVisible | kFindHitTest | kFindTopFirst);
}

bool CWindowManagerUI::RenameControl(CControlUI* control, const wchar_t* name)
{
    if (control == nullptr || control->GetManager() != this || name == nullptr || *name == L'\0')
        return false;
    void* holder = m_names.Find(name);
    if (control->GetName() == name) {
        if (holder == nullptr)
            m_names.Insert(name, control);
        return true;
    }
    if (holder != nullptr && holder != control)
        return false;
    control->SetName(name);
    return true;
}

void CWindowManagerUI::UpdateControlName(CControlUI* control, const wchar_t* oldName)
{
    if (control == nullptr)
        return;
    if (oldName != nullptr && *oldName != L'\0' && m_names.Find(oldName) == control)
        m_names.Remove(oldName);
    const CUIString& name = control->GetName();
    if (!name.IsEmpty() && m_names.Find(name) == nullptr)
        m_names.Insert(name, control);
}

void CWindowManagerUI::ForgetControl(CControlUI* control)
{
    if (control == nullptr)
        return;
    ForgetControlReferences(control);
    for (int i = 0; i < m_asyncQueue.GetSize(); ++i) {
        NotifyRecordUI* record = static_cast<NotifyRecordUI*>(m_asyncQueue.ItemAt(i));
        if (record->sender == control)
            record->sender = nullptr;
    }
}

void CWindowManagerUI::ForgetControlReferences(CControlUI* control)
{
    if (control == nullptr)
        return;
    if (m_keyControl == control)
        m_keyControl = nullptr;
    if (m_hover == control)
        m_hover = nullptr;
    if (m_pressed == control) {
        m_pressed = nullptr;
        if (m_mouseCaptured)
            ReleaseMouse();
    }
    if (m_focus == control)
        m_focus = nullptr;
    StopControlTimers(control);
    const CUIString& name = control->GetName();
    if (!name.IsEmpty() && m_names.Find(name) == control)
        m_names.Remove(name);
    RemoveMouseLeaveListener(control);
    RemovePostPaintControl(control);
    RemoveFromOptionGroups(control);
    for (int i = m_nativeWindowControls.GetSize() - 1; i >= 0; --i) {
        if (m_nativeWindowControls.ItemAt(i) == control) {
            m_nativeWindowControls.RemoveRange(i, 1);
            m_nativeWindows.RemoveRange(i, 1);
        }
    }
    int pending = m_needsUpdate.Find(control);
    if (pending >= 0)
        m_needsUpdate.RemoveRange(pending, 1);
}

void CWindowManagerUI::AddDelayedCleanup(CControlUI* control)
{
    if (control == nullptr)
        return;
    // Detaching makes every control of the subtree leave this manager, so
    // nothing here points at them once they are freed.
    control->SetManager(nullptr, nullptr, false);
    m_delayedCleanup.Add(control);
    PostAsyncNotify();
}

void CWindowManagerUI::DeleteDelayedCleanup()
{
    while (!m_delayedCleanup.IsEmpty()) {
        CControlUI* control = static_cast<CControlUI*>(m_delayedCleanup.ItemAt(0));
        m_delayedCleanup.RemoveRange(0, 1);
        control->Delete();
    }
}

void CWindowManagerUI::DeleteQueuedNotifications()
{
    for (int i = 0; i < m_asyncQueue.GetSize(); ++i)
        delete static_cast<NotifyRecordUI*>(m_asyncQueue.ItemAt(i));
    m_asyncQueue.Clear();
}

}  // namespace SkinUI
