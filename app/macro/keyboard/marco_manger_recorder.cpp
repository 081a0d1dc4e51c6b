// The keyboard macro window's recorder: low-level keyboard and mouse hooks,
// installed when recording starts and removed when it stops or the window
// goes, turn key and mouse button events into step rows with the delays
// between them. The hooks serve the one open manager and always pass the
// event on.
#include "app/core/keys/key_codes.h"
#include "app/core/keys/mouse_codes.h"
#include "app/core/settings/elapsed_clock.h"
#include "app/macro/keyboard/marco_manger.h"
#include "app/macro/list/marco_list.h"
#include "app/windows/text_numbers.h"
#include "ui/controls/button.h"

#include <algorithm>

using SkinUI::CControlUI;

namespace {

struct RecordingHooks {
    MarcoManger* served = nullptr;
    HHOOK mouse = nullptr;
    HHOOK keyboard = nullptr;
};
RecordingHooks g_hooks;

LRESULT CALLBACK MouseHookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_hooks.served) {
        g_hooks.served->OnMouseHook(wParam, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam));
    }
    return CallNextHookEx(g_hooks.mouse, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardHookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_hooks.served) {
        g_hooks.served->OnKeyboardHook(wParam, reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode);
    }
    return CallNextHookEx(g_hooks.keyboard, code, wParam, lParam);
}

void Unhook(HHOOK& hook) {
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
}

// The controls that change a macro: locked while recording.
const wchar_t* const kEditControls[] = {
    L"listex1",         L"macro_insert_combo", L"listex",          L"delaytimelayout", L"circlelayout",
    L"circle_setting",  L"circle_stop",        L"circle_continue", L"delay_setting",   L"delay_record",
    L"delay_no",        L"AddMarcoButton",     L"DeleteMarcoButton"};

bool IsButtonDown(WPARAM message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_XBUTTONDOWN;
}

}  // namespace

MarcoManger::MarcoManger(SkinUI::CWindowWnd* owner, IFileChooser* files)
    : m_owner(owner), m_files(files), m_clock(&ElapsedMilliseconds) {
    g_hooks.served = this;
}

MarcoManger::~MarcoManger() {
    if (g_hooks.served != this) return;
    RemoveHooks();
    g_hooks.served = nullptr;
}

MarcoManger* MarcoManger::Current() { return g_hooks.served; }

bool MarcoManger::HooksInstalled() const {
    return g_hooks.served == this && g_hooks.mouse != nullptr && g_hooks.keyboard != nullptr;
}

void MarcoManger::InstallMouseHook() {
    Unhook(g_hooks.mouse);
    g_hooks.mouse = SetWindowsHookExW(WH_MOUSE_LL, MouseHookProcedure, SkinUI::CWindowManagerUI::GetInstance(), 0);
}

void MarcoManger::InstallKeyboardHook() {
    Unhook(g_hooks.keyboard);
    g_hooks.keyboard =
        SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHookProcedure, SkinUI::CWindowManagerUI::GetInstance(), 0);
}

void MarcoManger::RemoveHooks() {
    Unhook(g_hooks.mouse);
    Unhook(g_hooks.keyboard);
}

void MarcoManger::SetRecordButtonLook(bool recording) {
    auto* button = dynamic_cast<SkinUI::CButtonUI*>(Find(L"recordButton"));
    if (!button) return;
    const wchar_t* image = recording ? L"recbtn_dn.png" : L"recbtn_nr.png";
    button->SetNormalImage(image);
    button->SetHotImage(image);
    button->SetPushedImage(image);
    button->SetText(recording ? L"%{043}" : L"%{042}");
}

void MarcoManger::DisableEditControls() {
    for (const wchar_t* name : kEditControls) {
        if (CControlUI* control = Find(name)) control->SetEnabled(false);
    }
    if (CControlUI* edit = Find(L"delay_edit")) edit->SetEnabled(false);
    if (CControlUI* edit = Find(L"circle_edit")) edit->SetEnabled(false);
}

// The two edits follow their options.
void MarcoManger::EnableEditControls() {
    for (const wchar_t* name : kEditControls) {
        if (CControlUI* control = Find(name)) control->SetEnabled(true);
    }
    SetDelayMode(m_delayMode);
    SetLoopMode(m_loopMode);
}

void MarcoManger::StartRecording() {
    if (m_recordState != 0 || SelectedMacro() < 0) return;
    SetRecordButtonLook(true);
    if (MarcoListUI* steps = StepList()) steps->RemoveAllItems();
    DisableEditControls();
    m_recordState = 1;
    InstallMouseHook();
    InstallKeyboardHook();
}

void MarcoManger::StopRecording() {
    if (m_recordState == 0) return;
    RemoveHooks();
    SetRecordButtonLook(false);
    m_recordState = 0;
    EnableEditControls();
    ChangedSelectedMacro();
}

// The step, after the delay since the previous one, while the macro has
// room for both; the first step after the start has no delay.
void MarcoManger::RecordStep(const MacroStep& step) {
    const int64_t now = m_clock();
    MacroSteps added;
    if (m_recordState == 2 && m_delayMode != 2) {
        int64_t delay = now - m_lastEventTime;
        if (m_delayMode == 1) {
            CControlUI* edit = Find(L"delay_edit");
            delay = edit ? LeadingInteger(edit->GetText()) : 0;
        }
        added.push_back({KeyboardStep::Delay, static_cast<int>(std::clamp<int64_t>(delay, 0, kKeyboardMaxDelayMs))});
    }
    added.push_back(step);
    if (!HasRoomFor(Steps().size(), added)) return;
    m_lastEventTime = now;
    for (const MacroStep& row : added) AppendRow(row);
    m_recordState = 2;
}

void MarcoManger::OnKeyboardHook(WPARAM message, DWORD virtualKey) {
    if (m_recordState == 0) return;
    const int code = VirtualKeyToKeyCode(static_cast<int>(virtualKey));
    if (code <= 0) return;
    const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
    RecordStep({up ? KeyboardStep::KeyUp : KeyboardStep::KeyDown, code});
}

void MarcoManger::OnMouseHook(WPARAM message, const MSLLHOOKSTRUCT& event) {
    if (m_recordState == 0 || m_pointerOverRecordButton) return;
    AddMouseStep(message, event);
}

void MarcoManger::AddMouseStep(WPARAM message, const MSLLHOOKSTRUCT& event) {
    const int bit = MouseMessageToButtonBit(static_cast<UINT>(message), event);
    if (bit == 0) return;
    RecordStep({IsButtonDown(message) ? KeyboardStep::ButtonDown : KeyboardStep::ButtonUp, bit});
}
