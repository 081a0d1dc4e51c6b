#include "tests/app/keyboard/timed_script.h"

#include "app/dialogs/keyboard/keyboard_hook.h"

#include <windows.h>

namespace {

std::function<void()> g_script;

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const std::function<void()> script = std::move(g_script);
    g_script = nullptr;
    if (script) script();
}

}  // namespace

void RunScriptedModal(std::function<void()> script, std::function<void()> trigger) {
    g_script = std::move(script);
    SetTimer(nullptr, 0, 20, RunScript);
    trigger();
}

KeyEdit* ServedKeyEdit() { return key_edit_hook::ServedDialog(); }
