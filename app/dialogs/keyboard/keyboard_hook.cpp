#include "app/dialogs/keyboard/keyboard_hook.h"

#include "app/dialogs/keyboard/key_edit.h"

namespace {

HHOOK g_hook = nullptr;
KeyEdit* g_dialog = nullptr;

LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION && g_dialog) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        g_dialog->OnKeyboardHook(static_cast<UINT>(message), static_cast<int>(event->vkCode));
    }
    return CallNextHookEx(g_hook, code, message, lParam);
}

}  // namespace

namespace key_edit_hook {

void Serve(KeyEdit* dialog) { g_dialog = dialog; }

KeyEdit* ServedDialog() { return g_dialog; }

bool Install() {
    Remove();
    g_hook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, GetModuleHandleW(nullptr), 0);
    return g_hook != nullptr;
}

void Remove() {
    if (g_hook) UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}

bool IsInstalled() { return g_hook != nullptr; }

}  // namespace key_edit_hook
