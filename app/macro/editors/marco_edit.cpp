#include "app/macro/editors/marco_edit.h"

#include "app/core/keys/key_codes.h"
#include "ui/controls/edit.h"

using namespace SkinUI;

namespace {

const MarcoEditRules kKeyboardRules = {L"MarcoEdit", L"XML\\MarcoEdit.xml", L"", 0, 0};
KeyCaptureSlot g_keyboardSlot;

CEditUI* AsEdit(CControlUI* control)
{
    return control != nullptr ? static_cast<CEditUI*>(control->GetInterfaceByName(L"Edit")) : nullptr;
}

void SetShown(CControlUI* control, bool shown)
{
    if (control != nullptr)
        control->SetVisible(shown);
}

}  // namespace

MarcoEdit::MarcoEdit(CWindowWnd* owner, int mode)
    : MarcoEdit(owner, mode, kKeyboardRules, g_keyboardSlot, &KeyCaptureProcedure<g_keyboardSlot>)
{
}

MarcoEdit::MarcoEdit(CWindowWnd* owner, int mode, const MarcoEditRules& rules, KeyCaptureSlot& slot,
                     HOOKPROC hookProcedure)
    : m_owner(owner), m_mode(mode), m_rules(rules), m_slot(slot), m_hookProcedure(hookProcedure)
{
    m_slot.current = this;
}

MarcoEdit::~MarcoEdit()
{
    RemoveKeyHook();
    if (m_slot.current == this)
        m_slot.current = nullptr;
}

const wchar_t* MarcoEdit::GetWindowClassName() const
{
    return m_rules.className;
}

CUIString MarcoEdit::GetSkinFolder()
{
    return L"res\\Skin\\";
}

CUIString MarcoEdit::GetSkinFile()
{
    return m_rules.layout;
}

bool MarcoEdit::IsControl(const CUIString& controlName, const wchar_t* name) const
{
    return controlName == (CUIString(name) + m_rules.suffix).GetData();
}

CControlUI* MarcoEdit::Find(const wchar_t* name)
{
    return m_manager.FindControlByName(CUIString(name) + m_rules.suffix);
}

MarcoEdit::Outcome MarcoEdit::RunAndDelete()
{
    HWND ownerWindow = m_owner != nullptr ? m_owner->GetWindowHandle() : nullptr;
    Outcome outcome;
    if (Create(ownerWindow, m_rules.className, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0) != nullptr)
        outcome.result = RunModal();
    if (outcome.result == 1)
        outcome = m_confirmed;
    delete this;
    return outcome;
}

bool MarcoEdit::RunForText(CUIString& text)
{
    const Outcome outcome = RunAndDelete();
    if (outcome.result != 1)
        return false;
    text = outcome.text1;
    return true;
}

bool MarcoEdit::RunForValues(CUIString& text1, int& number, CUIString& text2)
{
    const Outcome outcome = RunAndDelete();
    if (outcome.result != 1)
        return false;
    text1 = outcome.text1;
    text2 = outcome.text2;
    number = outcome.number;
    return true;
}

void MarcoEdit::Confirm()
{
    CControlUI* value = Find(L"result_value");
    CControlUI* value2 = Find(L"result_value2");
    m_confirmed.result = 1;
    m_confirmed.text1 = value != nullptr ? value->GetText() : CUIString();
    m_confirmed.text2 = value2 != nullptr ? value2->GetText() : CUIString();
    m_confirmed.number = m_mode == kEditKey ? m_keyCode : LeadingInteger(m_confirmed.text1);
}

void MarcoEdit::InitWindow()
{
    CenterOnOwner();
    ApplyMode();
}

void MarcoEdit::CenterOnOwner()
{
    if (m_owner == nullptr || m_owner->GetWindowHandle() == nullptr)
        return;
    const SIZE size = m_manager.GetInitialSize();
    RECT owner;
    GetWindowRect(m_owner->GetWindowHandle(), &owner);
    const int left = owner.left + (owner.right - owner.left - size.cx) / 2;
    const int top = owner.top + (owner.bottom - owner.top - size.cy) / 2;
    MoveWindow(m_hwnd, left, top, size.cx, size.cy, FALSE);
}

void MarcoEdit::ApplyMode()
{
    CControlUI* value = Find(L"result_value");
    CControlUI* value2 = Find(L"result_value2");
    CControlUI* xLabel = Find(L"x_value_message");
    CControlUI* yLabel = Find(L"y_value_message");
    const bool move = m_mode == kEditMove;
    if (m_mode == kEditConfirm) {
        SetShown(Find(L"waring_messgae"), true);
        SetShown(value, false);
    } else if (m_mode != kEditKey) {
        SetShown(value, true);
    }
    SetShown(value2, move);
    SetShown(xLabel, move);
    SetShown(yLabel, move);
    switch (m_mode) {
    case kEditConfirm:
    case kEditMove:
        break;
    case kEditKey:
        InstallKeyHook();
        break;
    case kEditDelay:
        if (CEditUI* edit = AsEdit(value))
            edit->SetNumberOnly(true);
        break;
    default:
        if (CEditUI* edit = AsEdit(value)) {
            if (m_rules.nameLength > 0)
                edit->SetMaxChars(static_cast<UINT>(m_rules.nameLength));
            edit->SetFocus();
        }
        break;
    }
}

void MarcoEdit::InstallKeyHook()
{
    if (m_slot.hook != nullptr)
        UnhookWindowsHookEx(m_slot.hook);
    m_slot.current = this;
    m_slot.hook = SetWindowsHookExW(WH_KEYBOARD_LL, m_hookProcedure, CWindowManagerUI::GetInstance(), 0);
}

void MarcoEdit::RemoveKeyHook()
{
    if (m_slot.current != this || m_slot.hook == nullptr)
        return;
    UnhookWindowsHookEx(m_slot.hook);
    m_slot.hook = nullptr;
}

void MarcoEdit::OnDestroyed(HWND formerWindow)
{
    RemoveKeyHook();
    WindowImplBase::OnDestroyed(formerWindow);
}

void MarcoEdit::OnKeyEvent(WPARAM message, DWORD virtualKey)
{
    if (message != WM_KEYUP && message != WM_SYSKEYUP)
        return;
    m_keyCode = VirtualKeyToKeyCode(static_cast<int>(virtualKey));
    if (CControlUI* value = Find(L"result_value"))
        value->SetText(GetKeyName(m_keyCode));
}

void MarcoEdit::Correct(const wchar_t* editName, const CUIString& correction)
{
    if (correction.IsEmpty())
        return;
    if (CControlUI* edit = Find(editName))
        edit->SetText(correction);
}

void MarcoEdit::KeepValuesInRange()
{
    CControlUI* value = Find(L"result_value");
    if (m_mode == kEditMove) {
        if (value != nullptr)
            Correct(L"result_value", MoveValueCorrection(value->GetText()));
        if (CControlUI* value2 = Find(L"result_value2"))
            Correct(L"result_value2", MoveValueCorrection(value2->GetText()));
    } else if (m_mode == kEditDelay && value != nullptr) {
        Correct(L"result_value", DelayValueCorrection(value->GetText(), m_rules.delayLimit));
    }
}

void MarcoEdit::Notify(NotifyRecordUI& record)
{
    if (record.sender == nullptr)
        return;
    const CUIString sender = record.sender->GetName();
    OutputDebugStringW(sender + L"-" + record.type + L";");
    if (record.type == L"click") {
        if (IsControl(sender, L"btn_ok")) {
            Confirm();
            Close(1);
        } else if (IsControl(sender, L"btn_cancel") || IsControl(sender, L"btn_colse")) {
            Close(2);
        }
    } else if (record.type == L"setfocus") {
        CControlUI* value = Find(L"result_value");
        if (m_mode != kEditMove && value != nullptr && value->IsVisible())
            value->SetFocus();
    } else if (record.type == L"textchanged") {
        KeepValuesInRange();
    }
}
