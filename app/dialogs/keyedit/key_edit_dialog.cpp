#include "app/dialogs/keyedit/key_edit_dialog.h"

#include "app/core/keys/assignment_texts.h"
#include "app/core/settings/elapsed_clock.h"
#include "app/dialogs/assignment/kelvo_assignment.h"
#include "app/dialogs/assignment/nolx_assignment.h"
#include "app/windows/nolx_fire_state.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo.h"
#include "ui/controls/list.h"
#include "ui/controls/list_label_element.h"
#include "ui/controls/option.h"

using SkinUI::CControlUI;
using SkinUI::CUIString;

namespace {

struct MemberLayout {
    const wchar_t* title;
    const wchar_t* skinFile;
    const wchar_t* suffix;
    const wchar_t* currentValue;
    bool skinBesideProgram;  // else relative to the current folder
    bool chords;
    bool trace;
};

const MemberLayout& LayoutOf(MouseFamily family) {
    static const MemberLayout kLayouts[] = {
        {L"KeyEdit_Kelvo", L"XML\\KeyEdit_Kelvo.xml", L"_Kelvo", L"current_value_Kelvo", true, false, false},
        {L"KeyEdit_Kelvo_Driver_Driver", L"XML\\KeyEdit_Kelvo_Driver.xml", L"_Kelvo_Driver",
         L"current_value_Kelvo_Driver", true, false, false},
        {L"KeyEdit_Dolv", L"XML\\KeyEdit_Dolv.xml", L"_Dolv", L"current_value", true, true, true},
        {L"KeyEdit_Mesk", L"XML\\KeyEdit_Mesk.xml", L"_Mesk", L"current_value", false, true, false},
        {L"KeyEdit_Qiro", L"XML\\KeyEdit_Qiro.xml", L"_Qiro", L"current_value", false, true, false},
    };
    return kLayouts[static_cast<int>(family)];
}

// Each option, the list its items come from, and what it is in the choice;
// in the order the choice is read.
struct OptionPane {
    const wchar_t* option;
    const wchar_t* pane;
    AssignmentOption kind;
};

constexpr OptionPane kOptionPanes[] = {
    {L"standard_mouse_keys_setting", L"result_standard_mouse_keys_value", AssignmentOption::StandardMouseKey},
    {L"special_keys_setting", L"result_special_keys_value", AssignmentOption::SpecialKey},
    {L"multimedia_setting", L"result_multimedia_value", AssignmentOption::Multimedia},
    {L"web_setting", L"result_web_value", AssignmentOption::Web},
    {L"pc_setting", L"result_pc_value", AssignmentOption::Pc},
    {L"user_defined_setting", L"result_key_value", AssignmentOption::UserDefined},
    {L"base_macro_setting", L"result_marco_value", AssignmentOption::Macro},
    {L"fire_macro_setting", L"result_fire_macro_value", AssignmentOption::FireMacro},
};

struct ModifierBox {
    const wchar_t* box;
    const wchar_t* word;
};

constexpr ModifierBox kModifierBoxes[] = {
    {L"ctrl_check", L"Ctrl"}, {L"alt_check", L"Alt"}, {L"shift_check", L"Shift"}, {L"win_check", L"Win"}};

SkinUI::CListUI* ListOf(CControlUI* control) {
    return control ? static_cast<SkinUI::CListUI*>(control->GetInterfaceByName(L"List")) : nullptr;
}

bool IsOptionSelected(CControlUI* control) {
    auto* option = control ? static_cast<SkinUI::COptionUI*>(control->GetInterfaceByName(L"Option")) : nullptr;
    return option != nullptr && option->IsSelected();
}

// The number in the user data of the item chosen in a Gun6/Gun7 count box.
int ChosenCount(CControlUI* control) {
    auto* combo = control ? static_cast<SkinUI::CComboUI*>(control->GetInterfaceByName(L"Combo")) : nullptr;
    if (combo == nullptr) return 0;
    CControlUI* item = combo->GetItemAt(combo->GetCurSel());
    return item ? static_cast<int>(wcstol(item->GetUserData().GetData(), nullptr, 10)) : 0;
}

}  // namespace

KeyEditDialog::KeyEditDialog(MouseFamily family, const PageServices& services, ButtonAssignmentEntry* kelvoEntry,
                             MacroKeyEntry* nolxEntry)
    : family_(family), services_(services), capture_(LayoutOf(family).chords) {
    const DeviceLibraryBinder::Guard guard = LockFamily();
    if (IsKelvoFamily(family)) {
        place_ = PlaceIn(KelvoData(family).tables, kelvoEntry);
    } else {
        place_ = PlaceIn(NolxData(family).tables, nolxEntry);
        deviceMacroSnapshot_ = *NolxData(family).deviceMacros;
    }
}

bool KeyEditDialog::RunDialog() {
    HWND owner = services_.owner ? services_.owner->GetWindowHandle() : nullptr;
    bool confirmed = false;
    if (Create(owner, LayoutOf(family_).title, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, CW_USEDEFAULT, CW_USEDEFAULT)) {
        confirmed = RunModal() == 1;
    }
    if (confirmed) ApplyChoice();
    delete this;
    return confirmed;
}

DeviceLibraryBinder::Guard KeyEditDialog::LockFamily() const {
    const DeviceLibrary library = IsKelvoFamily(family_) ? KelvoData(family_).library : NolxData(family_).library;
    return DeviceLibraryBinder::Instance().LockLibrary(library);
}

ButtonAssignmentEntry* KeyEditDialog::KelvoEntry() const {
    if (!place_ || !IsKelvoFamily(family_)) return nullptr;
    return RecordAt(*KelvoData(family_).tables[place_->first], place_->second);
}

MacroKeyEntry* KeyEditDialog::NolxEntry() const {
    if (!place_ || IsKelvoFamily(family_)) return nullptr;
    return RecordAt(*NolxData(family_).tables[place_->first], place_->second);
}

CUIString KeyEditDialog::GetSkinFolder() {
    if (LayoutOf(family_).skinBesideProgram) return SkinUI::CWindowManagerUI::GetInstanceFolder() + L"res\\Skin\\";
    return L"res\\Skin\\";
}

CUIString KeyEditDialog::GetSkinFile() { return LayoutOf(family_).skinFile; }

CUIString KeyEditDialog::Named(const wchar_t* base) const { return CUIString(base) + LayoutOf(family_).suffix; }

bool KeyEditDialog::IsNamed(const CUIString& name, const wchar_t* base) const {
    return name.Compare(Named(base)) == 0;
}

CControlUI* KeyEditDialog::Find(const wchar_t* base) { return m_manager.FindControlByName(Named(base)); }

void KeyEditDialog::InitWindow() {
    const SIZE size = m_manager.GetInitialSize();
    HWND owner = services_.owner ? services_.owner->GetWindowHandle() : nullptr;
    RECT ownerRect{};
    if (owner != nullptr && GetWindowRect(owner, &ownerRect)) {
        const int x = ownerRect.left + (ownerRect.right - ownerRect.left - size.cx) / 2;
        const int y = ownerRect.top + (ownerRect.bottom - ownerRect.top - size.cy) / 2;
        MoveWindow(m_hwnd, x, y, size.cx, size.cy, FALSE);
    } else {
        MoveWindow(m_hwnd, 0, 0, size.cx, size.cy, FALSE);
        CenterWindow();
    }
    ShowCurrentAssignment();
    FillMacroList();
}

void KeyEditDialog::ShowCurrentAssignment() {
    const DeviceLibraryBinder::Guard guard = LockFamily();
    CUIString text;
    if (const ButtonAssignmentEntry* entry = KelvoEntry()) {
        const uint8_t* b = entry->bytes;
        text = family_ == MouseFamily::KelvoDriver ? GetAssignmentTextKelvoDriver(b[0], b[1], b[2])
                                                   : GetAssignmentTextKelvo(b[0], b[1], b[2]);
    } else if (const MacroKeyEntry* entry = NolxEntry()) {
        const uint8_t* b = entry->bytes;
        switch (family_) {
            case MouseFamily::Dolv:
                text = GetAssignmentTextDolv(b[0], b[1], b[2], b[3]);
                break;
            case MouseFamily::Mesk:
                text = GetAssignmentTextMesk(b[0], b[1], b[2], b[3]);
                break;
            default:
                text = GetAssignmentTextQiro(b[0], b[1], b[2], b[3]);
                break;
        }
    }
    if (CControlUI* current = m_manager.FindControlByName(LayoutOf(family_).currentValue)) current->SetText(text);
    if (IsKelvoFamily(family_)) return;

    const bool keyMode1 = *NolxData(family_).keyMode == 1;
    if (family_ == MouseFamily::Dolv) {
        if (!keyMode1) return;
        if (SkinUI::CListUI* list = ListOf(Find(L"result_special_keys_value"))) {
            for (int i = 0; i < list->GetCount(); ++i) list->GetItemAt(i)->SetVisible(true);
        }
        if (CControlUI* fire = Find(L"fire_macro_setting")) fire->SetVisible(true);
        return;
    }
    if (CControlUI* office = m_manager.FindControlByName(L"key_office_mode_element")) office->SetVisible(keyMode1);
    if (CControlUI* game = m_manager.FindControlByName(L"key_game_mode_element")) game->SetVisible(!keyMode1);
    if (family_ == MouseFamily::Mesk && keyMode1) {
        if (CControlUI* fire = Find(L"fire_macro_setting")) fire->SetVisible(MeskFireMacroAvailable);
    }
}

void KeyEditDialog::FillMacroList() {
    SkinUI::CListUI* list = ListOf(Find(L"result_marco_value"));
    if (list == nullptr) return;
    const MacroList& macros = IsKelvoFamily(family_) ? *KelvoData(family_).macros : *NolxData(family_).macros;
    for (const MacroRef& macro : macros) {
        auto* item = new SkinUI::CListLabelElementUI;
        item->SetText(macro ? macro->name.GetData() : L"");
        list->AddItem(item);
    }
}

void KeyEditDialog::Notify(SkinUI::NotifyRecordUI& record) {
    const CUIString sender = record.sender ? record.sender->GetName() : CUIString();
    if (LayoutOf(family_).trace) {
        const CUIString line = sender + L"-" + record.type + L";";
        OutputDebugStringW(line);
    }
    if (record.type != L"click") return;
    if (IsNamed(sender, L"btn_ok")) {
        CaptureChoice();
        Close(1);
        return;
    }
    if (IsNamed(sender, L"btn_cancel") || IsNamed(sender, L"btn_colse")) {
        Close(2);
        return;
    }
    for (const OptionPane& pane : kOptionPanes) {
        if (IsNamed(sender, pane.option)) {
            ShowPaneOf(sender);
            return;
        }
    }
    if (IsNamed(sender, L"btn_reset")) {
        RemoveKeyboardHook();
        CaptureChoice();
        Close(1);
        return;
    }
    for (const ModifierBox& box : kModifierBoxes) {
        if (!IsNamed(sender, box.box)) continue;
        if (CControlUI* keyText = Find(L"result_key_value")) {
            keyText->SetText(ToggleModifierText(keyText->GetText(), box.word, IsChecked(box.box)));
        }
        return;
    }
}

void KeyEditDialog::ShowPaneOf(const CUIString& option) {
    const bool userDefined = IsNamed(option, L"user_defined_setting");
    for (const OptionPane& pane : kOptionPanes) {
        if (CControlUI* control = Find(pane.pane)) control->SetVisible(IsNamed(option, pane.option));
    }
    if (CControlUI* checks = Find(L"check_layout")) checks->SetVisible(userDefined);
    // Dolv and Mesk: the row of the preset counts goes with the fire-macro list.
    CControlUI* gun6 = Find(L"Gun6_Num");
    if (gun6 != nullptr && gun6->GetParent() != nullptr) {
        gun6->GetParent()->SetVisible(IsNamed(option, L"fire_macro_setting"));
    }
    if (userDefined) {
        InstallKeyboardHook();
    } else {
        RemoveKeyboardHook();
    }
}

bool KeyEditDialog::IsChecked(const wchar_t* base) {
    CControlUI* control = Find(base);
    auto* box = control ? static_cast<SkinUI::CCheckBoxUI*>(control->GetInterfaceByName(L"CheckBox")) : nullptr;
    return box != nullptr && box->IsChecked();
}

void KeyEditDialog::OnKeyboardEvent(UINT message, int virtualKey) {
    if (!capture_.OnKeyPress(message, virtualKey, ElapsedMilliseconds())) return;
    if (CControlUI* keyText = Find(L"result_key_value")) {
        keyText->SetText(WithModifiers(capture_.KeyText(), IsChecked(L"ctrl_check"), IsChecked(L"alt_check"),
                                       IsChecked(L"shift_check"), IsChecked(L"win_check")));
    }
}

void KeyEditDialog::CaptureChoice() {
    choice_ = AssignmentChoice();
    for (const OptionPane& pane : kOptionPanes) {
        if (!IsOptionSelected(Find(pane.option))) continue;
        choice_.option = pane.kind;
        SkinUI::CListUI* list = ListOf(Find(pane.pane));
        if (list != nullptr) {
            if (CControlUI* item = list->GetItemAt(list->GetCurSel())) {
                choice_.row = list->GetCurSel();
                choice_.itemData = item->GetUserData();
                choice_.itemText = item->GetText();
            }
        }
        break;
    }
    choice_.ctrl = IsChecked(L"ctrl_check");
    choice_.alt = IsChecked(L"alt_check");
    choice_.shift = IsChecked(L"shift_check");
    choice_.win = IsChecked(L"win_check");
    choice_.capturedKeyCode = capture_.KeyCode();
    choice_.gun6Count = ChosenCount(Find(L"Gun6_Num"));
    choice_.gun7Count = ChosenCount(Find(L"Gun7_Num"));
}

// The box is shown once the lock is released.
void KeyEditDialog::ApplyChoice() {
    AssignmentOutcome outcome = AssignmentOutcome::Unchanged;
    {
        const DeviceLibraryBinder::Guard guard = LockFamily();
        if (ButtonAssignmentEntry* entry = KelvoEntry()) {
            outcome = ApplyKelvoChoice(family_, choice_, *entry);
        } else if (MacroKeyEntry* entry = NolxEntry()) {
            outcome = ApplyNolxChoice(family_, choice_, *entry, deviceMacroSnapshot_);
        }
    }
    const wchar_t* message = nullptr;
    if (outcome == AssignmentOutcome::LeftClickRefused) message = L"%{183}";
    if (outcome == AssignmentOutcome::MacroDoesNotFit) message = L"%{80}";
    if (message != nullptr && services_.messages != nullptr) services_.messages->Show(services_.owner, message);
}

void KeyEditDialog::InstallKeyboardHook() {
    RemoveKeyboardHook();
    KeyboardHookSlot& slot = HookSlot();
    slot.dialog = this;
    slot.hook = SetWindowsHookExW(WH_KEYBOARD_LL, HookProcedure(), GetModuleHandleW(nullptr), 0);
}

void KeyEditDialog::RemoveKeyboardHook() {
    KeyboardHookSlot& slot = HookSlot();
    if (slot.hook == nullptr) return;
    UnhookWindowsHookEx(slot.hook);
    slot.hook = nullptr;
}

void KeyEditDialog::OnDestroyed(HWND formerWindow) {
    RemoveKeyboardHook();
    WindowImplBase::OnDestroyed(formerWindow);
}

LRESULT KeyEditDialog::ServeHook(KeyboardHookSlot& slot, int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && slot.dialog != nullptr && lParam != 0) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        slot.dialog->OnKeyboardEvent(static_cast<UINT>(wParam), static_cast<int>(event->vkCode));
    }
    return CallNextHookEx(slot.hook, code, wParam, lParam);
}
