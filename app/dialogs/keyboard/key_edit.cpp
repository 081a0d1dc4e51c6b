#include "app/dialogs/keyboard/key_edit.h"

#include "app/core/binder/device_binder.h"
#include "app/core/keys/key_codes.h"
#include "app/core/settings/constants.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/elapsed_clock.h"
#include "app/core/settings/settings_containers.h"
#include "app/dialogs/keyboard/keyboard_hook.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo.h"
#include "ui/controls/list.h"
#include "ui/controls/list_label_element.h"

using SkinUI::CUIString;

namespace {

constexpr wchar_t kSlotsFull[] = L"%{080}";

const wchar_t* const kKeyPaneControls[] = {L"result_key_value", L"ctrl_check", L"alt_check", L"shift_check",
                                           L"win_check"};

// Modifier keys come from the check boxes, never from the capture.
bool IsModifierKey(int virtualKey) {
    switch (virtualKey) {
    case VK_LWIN: case VK_RWIN: case VK_LSHIFT: case VK_RSHIFT:
    case VK_LCONTROL: case VK_RCONTROL: case VK_LMENU: case VK_RMENU:
        return true;
    default:
        return false;
    }
}

DeviceLibraryBinder::Guard LockWenk() { return DeviceLibraryBinder::Instance().LockLibrary(DeviceLibrary::Wenk); }

int SelectedRow(SkinUI::CControlUI* list) {
    auto* owner = list ? static_cast<SkinUI::IListOwnerUI*>(list->GetInterfaceByName(L"IListOwner")) : nullptr;
    return owner ? owner->GetCurSel() : -1;
}

}  // namespace

KeyEdit::KeyEdit(SkinUI::CWindowWnd* owner, KeyAssignmentRecord& record, IMessageBoxPresenter* messages)
    : owner_(owner), record_(&record), messages_(messages) {
    key_edit_hook::Serve(this);
}

KeyEdit::~KeyEdit() {
    key_edit_hook::Remove();
    if (key_edit_hook::ServedDialog() == this) key_edit_hook::Serve(nullptr);
}

HWND KeyEdit::CreateOverOwner() {
    return Create(owner_ ? owner_->GetWindowHandle() : nullptr, L"KeyEdit", WS_POPUP, WS_EX_TOOLWINDOW);
}

bool KeyEdit::Run() {
    const bool chosen = RunModal() == 1;
    if (chosen) ApplyChoice();
    delete this;
    return chosen;
}

bool KeyEdit::RunDialog() {
    if (!CreateOverOwner()) {
        delete this;
        return false;
    }
    return Run();
}

bool KeyEdit::RunDialogForFnKey() {
    if (!CreateOverOwner()) {
        delete this;
        return false;
    }
    if (SkinUI::CControlUI* control = Find(L"FN_key_setting")) {
        control->SetVisible(true);
        if (auto* combo = static_cast<SkinUI::CComboUI*>(control->GetInterfaceByName(L"Combo"))) combo->SelectItem(0, false, true);
    }
    return Run();
}

void KeyEdit::InitWindow() {
    const SIZE size = m_manager.GetInitialSize();
    SetWindowPos(m_hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    CenterWindow();
    ShowCurrentValue();
    SkinUI::CControlUI* macros = Find(L"result_marco_value");
    auto* list = macros ? static_cast<SkinUI::IContainerUI*>(macros->GetInterfaceByName(L"IContainer")) : nullptr;
    if (!list) return;
    const DeviceLibraryBinder::Guard guard = LockWenk();
    for (const MacroRef& macro : WenkMacroList) {
        if (!macro) continue;
        auto* row = new SkinUI::CListLabelElementUI;
        row->SetText(macro->name);
        list->AddItem(row);
        macroRows_.push_back(macro);
    }
}

void KeyEdit::ShowCurrentValue() {
    SkinUI::CControlUI* label = Find(L"current_value");
    if (!label) return;
    const DeviceLibraryBinder::Guard guard = LockWenk();
    CUIString text;
    switch (record_->type) {
    case KeyAssignmentRecord::Key:
    case KeyAssignmentRecord::Multimedia:
    case KeyAssignmentRecord::MiscFunction:
        text.Format(L"%s %s", L"%{9}", record_->name.GetData());
        break;
    case KeyAssignmentRecord::Macro:
        text.Format(L"%s %s--%s", L"%{9}", L"%{39}", record_->name.GetData());
        break;
    default:
        break;
    }
    label->SetText(text);
}

void KeyEdit::Notify(SkinUI::NotifyRecordUI& record) {
    const CUIString name = record.sender ? record.sender->GetName() : CUIString();
    OutputDebugStringW(name + L"-" + record.type + L";");
    if (record.type.CompareNoCase(L"click") == 0) {
        OnClick(name);
    } else if (record.type.CompareNoCase(L"itemselect") == 0 && name.CompareNoCase(L"FN_key_setting") == 0) {
        OnFunctionButtonSelected();
    }
}

void KeyEdit::OnClick(const CUIString& name) {
    const struct {
        const wchar_t* box;
        const wchar_t* word;
    } modifiers[] = {{L"ctrl_check", L"Ctrl"}, {L"alt_check", L"Alt"}, {L"shift_check", L"Shift"}, {L"win_check", L"Win"}};
    if (name.CompareNoCase(L"btn_ok") == 0) {
        TakeChoice();
        Close(1);
    } else if (name.CompareNoCase(L"btn_cancel") == 0 || name.CompareNoCase(L"btn_colse") == 0) {
        Close(2);
    } else if (name.CompareNoCase(L"key_setting") == 0) {
        ShowPane(kKeyChosen);
        key_edit_hook::Install();
    } else if (name.CompareNoCase(L"marco_setting") == 0) {
        ShowPane(kMacroChosen);
        key_edit_hook::Remove();
    } else if (name.CompareNoCase(L"multimedia_setting") == 0) {
        ShowPane(kMultimediaChosen);
        key_edit_hook::Remove();
    } else if (name.CompareNoCase(L"btn_reset") == 0) {
        choice_.SetState(kResetChosen);
        key_edit_hook::Remove();
        TakeChoice();
        Close(1);
    } else {
        for (const auto& modifier : modifiers) {
            if (name.CompareNoCase(modifier.box) != 0) continue;
            choice_.OnModifierClick(modifier.word, IsChecked(modifier.box));
            if (SkinUI::CControlUI* label = Find(L"result_key_value")) label->SetText(choice_.Text());
        }
    }
}

void KeyEdit::ShowPane(int state) {
    for (const wchar_t* name : kKeyPaneControls) {
        if (SkinUI::CControlUI* control = Find(name)) control->SetVisible(state == kKeyChosen);
    }
    if (SkinUI::CControlUI* macros = Find(L"result_marco_value")) macros->SetVisible(state == kMacroChosen);
    if (SkinUI::CControlUI* media = Find(L"result_mulitmedia_value")) media->SetVisible(state == kMultimediaChosen);
    choice_.SetState(state);
}

void KeyEdit::OnFunctionButtonSelected() {
    const int index = SelectedRow(Find(L"FN_key_setting"));
    if (index < 0 || static_cast<size_t>(index) >= FunctionKeyNames.size()) return;
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        KeyMap& buttons = DeviceSettings.WenkActiveSet == 1 ? WenkFunctionButtonMap2 : WenkFunctionButtonMap1;
        const auto found = buttons.find(FunctionKeyNames[static_cast<size_t>(index)]);
        if (found == buttons.end()) return;
        record_ = found->second.get();
    }
    ShowCurrentValue();
}

void KeyEdit::OnKeyboardHook(UINT message, int virtualKey) {
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) return;
    if (IsModifierKey(virtualKey)) return;
    if (!choice_.OnKeyDown(VirtualKeyToKeyCode(virtualKey), ElapsedMilliseconds(), CheckedModifiers())) return;
    if (SkinUI::CControlUI* label = Find(L"result_key_value")) label->SetText(choice_.Text());
}

// The choice as the controls show it when OK or reset closes the dialog.
void KeyEdit::TakeChoice() {
    taken_ = KeyChoiceResult();
    taken_.state = choice_.State();
    taken_.capturedCode = choice_.CapturedCode();
    taken_.modifiers = CheckedModifiers();
    const int macro = SelectedRow(Find(L"result_marco_value"));
    if (macro >= 0 && static_cast<size_t>(macro) < macroRows_.size()) taken_.macro = macroRows_[static_cast<size_t>(macro)];
    SkinUI::CControlUI* media = Find(L"result_mulitmedia_value");
    auto* rows = media ? static_cast<SkinUI::IContainerUI*>(media->GetInterfaceByName(L"IContainer")) : nullptr;
    if (SkinUI::CControlUI* row = rows ? rows->GetItemAt(SelectedRow(media)) : nullptr) {
        taken_.multimedia = MultimediaChoice{_wtoi(row->GetUserData()), row->GetText()};
    }
}

void KeyEdit::ApplyChoice() {
    bool applied = false;
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        applied = ApplyKeyChoice(*record_, taken_);
    }
    if (!applied && messages_) messages_->Show(owner_, kSlotsFull);
}

ModifierBoxes KeyEdit::CheckedModifiers() {
    return {IsChecked(L"ctrl_check"), IsChecked(L"alt_check"), IsChecked(L"shift_check"), IsChecked(L"win_check")};
}

bool KeyEdit::IsChecked(const wchar_t* name) {
    SkinUI::CControlUI* control = Find(name);
    auto* box = control ? static_cast<SkinUI::CCheckBoxUI*>(control->GetInterfaceByName(L"CheckBox")) : nullptr;
    return box && box->IsChecked();
}

SkinUI::CControlUI* KeyEdit::Find(const wchar_t* name) { return m_manager.FindControlByName(name); }
