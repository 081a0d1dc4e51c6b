#include <cwctype>

#include "ui/core/control.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_manager_shared.h"

namespace SkinUI {

namespace {

struct ShortcutSearch {
    wchar_t key;
    bool labelMatched;
};

bool IsLabel(CControlUI* control)
{
    return wcsstr(control->GetClassName(), L"Label") != nullptr;
}

// A label with the key hands the match on to the next non-label control.
CControlUI* MatchShortcut(CControlUI* control, void* data)
{
    ShortcutSearch* search = static_cast<ShortcutSearch*>(data);
    if (!control->IsVisible())
        return nullptr;
    if (search->labelMatched && !IsLabel(control))
        return control;
    if (static_cast<wchar_t>(towupper(control->GetShortcutKey())) != search->key)
        return nullptr;
    if (IsLabel(control)) {
        search->labelMatched = true;
        return nullptr;
    }
    return control;
}

bool FocusedControlKeepsTab(CControlUI* focus)
{
    if (focus == nullptr || !focus->IsVisible() || !focus->IsEnabled() ||
        wcsstr(focus->GetClassName(), L"RichEdit") == nullptr)
        return false;
    IRichEditKeysUI* keys = static_cast<IRichEditKeysUI*>(focus->GetInterfaceByName(kRichEditKeysInterface));
    return keys != nullptr && keys->IsWantTab();
}

}  // namespace

bool CWindowManagerUI::HandleSysChar(WPARAM wParam)
{
    ShortcutSearch search = {static_cast<wchar_t>(towupper(static_cast<wchar_t>(wParam))), false};
    CControlUI* control =
        m_root->FindControl(MatchShortcut, &search, kFindEnabled | kFindTopFirst | kFindMeFirst);
    if (control == nullptr)
        return false;
    control->SetFocus();
    control->Activate();
    return true;
}

bool CWindowManagerUI::PreMessageHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (int i = 0; i < m_preTranslateFilters.GetSize(); ++i) {
        bool handled = false;
        static_cast<IMessageFilterUI*>(m_preTranslateFilters.ItemAt(i))
            ->MessageHandler(message, wParam, lParam, handled);
        if (handled)
            return true;
    }
    switch (message) {
    case WM_KEYDOWN:
        if (wParam != VK_TAB || FocusedControlKeepsTab(m_focus))
            return false;
        FocusNextTabStop(GetKeyState(VK_SHIFT) >= 0);
        return true;
    case WM_SYSKEYDOWN:
        if (m_focus != nullptr) {
            EventRecordUI event = MakeEvent(EventTypeUI::SysKey, m_focus, wParam, lParam);
            event.keyChar = LOWORD(wParam);
            m_focus->DispatchEvent(event);
        }
        return false;
    case WM_SYSCHAR:
        return m_root != nullptr && HandleSysChar(wParam);
    default:
        return false;
    }
}

bool CWindowManagerUI::PreTranslateMessage(const MSG* msg)
{
    CPtrArrayUI& managers = SharedManagerState().managers;
    MSG copy = *msg;
    if ((GetWindowLongW(msg->hwnd, GWL_STYLE) & WS_CHILD) != 0) {
        // A child window's message goes to each manager whose window is the
        // child itself or one of its ancestors, once per manager.
        for (int i = managers.GetSize() - 1; i >= 0; --i) {
            if (i >= managers.GetSize())
                continue;
            CWindowManagerUI* manager = static_cast<CWindowManagerUI*>(managers.ItemAt(i));
            bool related = manager->m_window == msg->hwnd;
            for (HWND ancestor = GetParent(msg->hwnd); ancestor != nullptr && !related;
                 ancestor = GetParent(ancestor))
                related = manager->m_window == ancestor;
            if (!related)
                continue;
            if (manager->TranslateAccelerator(&copy))
                return true;
            manager->PreMessageHandler(msg->message, msg->wParam, msg->lParam);
        }
        return false;
    }
    for (int i = 0; i < managers.GetSize(); ++i) {
        CWindowManagerUI* manager = static_cast<CWindowManagerUI*>(managers.ItemAt(i));
        if (manager->m_window == msg->hwnd)
            return manager->TranslateAccelerator(&copy) ||
                   manager->PreMessageHandler(msg->message, msg->wParam, msg->lParam);
    }
    return false;
}

int CWindowManagerUI::RunMessageLoop()
{
    MSG msg = {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace SkinUI
