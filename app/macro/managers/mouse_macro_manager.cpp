#include "app/macro/managers/mouse_macro_manager.h"

#include <algorithm>

#include "app/core/files/config_file_store.h"
#include "app/core/files/file_dialogs.h"
#include "app/core/keys/key_codes.h"
#include "app/core/keys/mouse_codes.h"
#include "app/core/settings/elapsed_clock.h"
#include "app/macro/editors/marco_edit.h"
#include "app/macro/files/macro_files.h"
#include "app/macro/list/marco_list.h"
#include "app/windows/menu/menu_wnd.h"
#include "app/windows/text_numbers.h"
#include "ui/controls/button.h"
#include "ui/controls/combo.h"
#include "ui/controls/list_label_element.h"
#include "ui/controls/option.h"

using namespace SkinUI;

namespace {

constexpr int kClickDelayMs = 50;

// Removes the slot's hooks; its events then reach no manager.
void UnhookSlot(MacroHookSlot& slot)
{
    if (slot.mouse) UnhookWindowsHookEx(slot.mouse);
    if (slot.keyboard) UnhookWindowsHookEx(slot.keyboard);
    slot = MacroHookSlot{};
}

// Visitors over a control tree that go through every control.
CControlUI* CollectDisabled(CControlUI* control, void* disabled)
{
    if (!control->IsEnabled()) static_cast<std::set<CControlUI*>*>(disabled)->insert(control);
    return nullptr;
}

CControlUI* DisableListed(CControlUI* control, void* disabled)
{
    if (static_cast<std::set<CControlUI*>*>(disabled)->count(control) != 0) control->SetEnabled(false);
    return nullptr;
}

bool IsReleaseMessage(WPARAM message) { return message == WM_KEYUP || message == WM_SYSKEYUP; }

bool IsButtonMessage(WPARAM message)
{
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_XBUTTONDOWN: case WM_XBUTTONUP:
        return true;
    default:
        return false;
    }
}

}  // namespace

MouseMacroManager::MouseMacroManager(CWindowWnd* owner, const MouseMacroTraits& traits, MacroHookSlot& slot,
                                   HOOKPROC mouseProcedure, HOOKPROC keyboardProcedure)
    : m_owner(owner), m_traits(traits), m_slot(slot), m_mouseProcedure(mouseProcedure),
      m_keyboardProcedure(keyboardProcedure), m_clock(&ElapsedMilliseconds)
{
}

MouseMacroManager::~MouseMacroManager()
{
    RemoveHooks();
    if (GetManager()) GetManager()->RemoveNotifyReceiver(this);
}

void MouseMacroManager::OnInitialize()
{
    CContainerUI::OnInitialize();
    CWindowManagerUI* manager = GetManager();
    if (!manager || GetCount() > 0) return;
    manager->AddNotifyReceiver(this);
    CLayoutBuilderUI builder;
    if (CControlUI* root = builder.Create(m_traits.layout, nullptr, this, manager)) AddItem(root);
    FillMacroNameList();
}

CControlUI* MouseMacroManager::CreateControl(const wchar_t* tag) { return CreateMacroListControl(tag); }

CControlUI* MouseMacroManager::Find(const wchar_t* baseName) const
{
    if (!GetManager()) return nullptr;
    const CUIString name = CUIString(baseName) + m_traits.suffix;
    return GetManager()->FindControlByName(name);
}

CListUI* MouseMacroManager::NameList() const { return dynamic_cast<CListUI*>(Find(L"listex")); }
MarcoListUI* MouseMacroManager::StepList() const { return dynamic_cast<MarcoListUI*>(Find(L"listex1")); }
MacroList& MouseMacroManager::Macros() const { return MacroListOf(m_traits.family); }

int MouseMacroManager::SelectedMacro() const
{
    CListUI* names = NameList();
    const int index = names ? names->GetCurSel() : -1;
    return index >= 0 && static_cast<size_t>(index) < Macros().size() ? index : -1;
}

int MouseMacroManager::SelectedStep() const
{
    MarcoListUI* steps = StepList();
    return steps ? steps->GetCurSel() : -1;
}

bool MouseMacroManager::IsNamed(CControlUI* control, const wchar_t* baseName) const
{
    return control && control->GetName().CompareNoCase(CUIString(baseName) + m_traits.suffix) == 0;
}

bool MouseMacroManager::IsOwnList(CControlUI* sender) const
{
    return IsNamed(sender, L"listex") || IsNamed(sender, L"listex1");
}

MacroSteps MouseMacroManager::Steps() const
{
    MacroSteps steps;
    if (MarcoListUI* list = StepList())
        for (const auto& node : list->GetRoot()->children) steps.push_back({node->type, node->value});
    return steps;
}

void MouseMacroManager::FillMacroNameList()
{
    CListUI* names = NameList();
    if (!names) return;
    names->RemoveAllItems();
    for (const MacroRef& macro : Macros()) {
        auto* row = new CListLabelElementUI;
        row->SetText(macro->name);
        names->AddItem(row);
    }
}

void MouseMacroManager::ShowLoop(const MacroLoop& loop)
{
    for (const MacroOptionControl& option : m_traits.options)
        if (!option.play && option.mode == loop.mode)
            if (auto* selected = dynamic_cast<COptionUI*>(Find(option.name))) selected->Selected(true, false);
    CControlUI* count = Find(L"circle_edit");
    if (count) count->SetEnabled(loop.mode == 0);
    if (count && loop.mode == 0) {
        CUIString text;
        text.Format(L"%d", loop.repeatCount);
        count->SetText(text);
    }
    m_options.loop.mode = loop.mode;
}

void MouseMacroManager::ShowPlayMode(int mode)
{
    for (const MacroOptionControl& option : m_traits.options)
        if (option.play && option.mode == mode)
            if (auto* selected = dynamic_cast<COptionUI*>(Find(option.name))) selected->Selected(true, false);
    m_options.playMode = mode;
}

void MouseMacroManager::ShowMacroSteps(int index)
{
    MarcoListUI* list = StepList();
    if (!list || index < 0 || static_cast<size_t>(index) >= Macros().size()) return;
    list->RemoveAllItems();
    const DecodedMouseMacro decoded = m_traits.codec.decode(Macros()[index]->data);
    for (const MacroStep& step : decoded.steps) AppendRow(step);
    if (decoded.playMode) ShowPlayMode(*decoded.playMode);
    if (decoded.loop) ShowLoop(*decoded.loop);
}

void MouseMacroManager::AppendRow(const MacroStep& step)
{
    MarcoListUI* list = StepList();
    if (!list) return;
    InsertRow(list->GetCount(), step);
}

void MouseMacroManager::InsertRow(int at, const MacroStep& step)
{
    MarcoListUI* list = StepList();
    if (!list) return;
    const MacroSteps steps = WithStepsInserted(Steps(), at, {step});
    const bool moveY = IsMoveYRow(steps, at, Moves());
    if (MacroStepNode* node = list->InsertNodeAt(StepRowText(step, Moves(), moveY), at)) {
        node->type = step.type;
        node->value = step.value;
    }
}

void MouseMacroManager::EncodeMacro(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= Macros().size() || !StepList()) return;
    if (CControlUI* count = Find(L"circle_edit")) m_options.loop.repeatCount = LeadingInteger(count->GetText());
    Macros()[index]->data = m_traits.codec.encode(Steps(), m_options);
}

void MouseMacroManager::WriteMacroFile()
{
    const bool saved = SaveMacroFile(m_traits.family);
    if (!saved && m_recordState != 0)
        return;
    m_saveNotice.Report(saved, m_owner);
}

void MouseMacroManager::ChangedSelectedMacro()
{
    EncodeMacro(SelectedMacro());
    WriteMacroFile();
}

CUIString MouseMacroManager::StoredName(const CUIString& name) const
{
    return name.Left(static_cast<int>(MacroFileLayoutOf(m_traits.family).nameField / 2));
}

void MouseMacroManager::AddMacro(const CUIString& name)
{
    auto macro = std::make_shared<MacroRecord>();
    macro->name = StoredName(name);
    macro->data = m_traits.newMacroData;
    Macros().push_back(macro);
    if (CListUI* names = NameList()) {
        auto* row = new CListLabelElementUI;
        row->SetText(macro->name);
        names->AddItem(row);
    }
    WriteMacroFile();
}

void MouseMacroManager::RenameSelectedMacro(const CUIString& name)
{
    const int index = SelectedMacro();
    if (index < 0) return;
    Macros()[index]->name = StoredName(name);
    NameList()->GetItemAt(index)->SetText(Macros()[index]->name);
    WriteMacroFile();
}

void MouseMacroManager::DeleteSelectedMacro()
{
    const int index = SelectedMacro();
    if (index < 0) return;
    NameList()->RemoveItemAt(index);
    Macros().erase(Macros().begin() + index);
    if (MarcoListUI* list = StepList()) list->RemoveAllItems();
    WriteMacroFile();
}

void MouseMacroManager::SetSelectedDelay(int milliseconds)
{
    const int row = SelectedStep();
    const MacroSteps steps = Steps();
    if (SelectedMacro() < 0 || row < 0 || steps[row].type != MouseStep::Delay) return;
    StepList()->RemoveItemAt(row);
    InsertRow(row, {MouseStep::Delay, std::clamp(milliseconds, 0, m_traits.maxDelayMs)});
    ChangedSelectedMacro();
}

void MouseMacroManager::SetSelectedKey(int keyCode)
{
    const int row = SelectedStep();
    const MacroSteps steps = Steps();
    if (SelectedMacro() < 0 || row < 0) return;
    const int type = steps[row].type;
    if (type != MouseStep::KeyDown && type != MouseStep::KeyUp) return;
    StepList()->RemoveItemAt(row);
    InsertRow(row, {type, keyCode});
    ChangedSelectedMacro();
}

void MouseMacroManager::DeleteSelectedStep()
{
    const int row = SelectedStep();
    if (SelectedMacro() < 0 || row < 0) return;
    const int partner = MovePartnerOf(Steps(), static_cast<size_t>(row), Moves());
    StepList()->RemoveItemAt(std::max(row, partner));
    if (partner >= 0) StepList()->RemoveItemAt(std::min(row, partner));
    ChangedSelectedMacro();
}

bool MouseMacroManager::InsertSteps(const MacroSteps& added)
{
    if (SelectedMacro() < 0 || !StepList()) return false;
    const MacroSteps steps = Steps();
    const int selected = SelectedStep();
    size_t at = steps.size();
    if (selected >= 0)
        at = static_cast<size_t>(std::max(selected, MovePartnerOf(steps, static_cast<size_t>(selected), Moves()))) + 1;
    if (!m_traits.codec.hasRoomFor(m_options, steps, at, added)) return false;
    for (size_t i = 0; i < added.size(); ++i) InsertRow(static_cast<int>(at + i), added[i]);
    ChangedSelectedMacro();
    return true;
}

bool MouseMacroManager::InsertClick(int buttonBit)
{
    return InsertSteps({{0xA0 + buttonBit, buttonBit}, {MouseStep::Delay, kClickDelayMs}, {0x20 + buttonBit, buttonBit}});
}

void MouseMacroManager::InsertFromDialog(int mode, int type)
{
    CUIString text1, text2;
    int number = 0;
    if (!m_traits.makeInsertEditor(m_owner, mode)->RunForValues(text1, number, text2)) return;
    if (type == m_traits.moveX)
        InsertSteps({{m_traits.moveX, std::clamp(LeadingInteger(text1), -128, 127)},
                     {m_traits.moveY, std::clamp(LeadingInteger(text2), -128, 127)}});
    else
        InsertSteps({{type, type == MouseStep::Delay ? std::clamp(number, 0, m_traits.maxDelayMs) : number}});
}

void MouseMacroManager::InsertStepFromCombo()
{
    auto* combo = dynamic_cast<CComboUI*>(Find(L"macro_insert_combo"));
    if (!combo || SelectedMacro() < 0) return;
    const int kind = combo->GetCurSel();
    combo->SelectItem(-1, false, false);
    switch (kind) {
    case 0: InsertFromDialog(kEditKey, MouseStep::KeyDown); break;
    case 1: InsertFromDialog(kEditKey, MouseStep::KeyUp); break;
    case 2: InsertFromDialog(kEditDelay, MouseStep::Delay); break;
    case 3: InsertClick(1); break;
    case 4: InsertClick(2); break;
    case 5: InsertClick(4); break;
    case 6: InsertFromDialog(kEditMove, m_traits.moveX); break;
    default: break;
    }
}

void MouseMacroManager::SetRecordButtonLook(bool recording)
{
    auto* button = dynamic_cast<CButtonUI*>(Find(L"recordButton"));
    if (!button) return;
    const wchar_t* image = recording ? m_traits.recordingImage : m_traits.idleImage;
    button->SetNormalImage(image);
    button->SetHotImage(image);
    button->SetPushedImage(image);
    button->SetText(recording ? L"%{043}" : L"%{042}");
}

void MouseMacroManager::StartRecording()
{
    if (SelectedMacro() < 0 || m_recordState != 0) return;
    SetRecordButtonLook(true);
    if (MarcoListUI* list = StepList()) list->RemoveAllItems();
    Lock();
    if (CControlUI* button = Find(L"recordButton")) button->SetEnabled(true);
    m_pointerOverRecordButton = false;
    m_recordState = 1;
    InstallHooks();
}

void MouseMacroManager::StopRecording()
{
    if (m_recordState == 0) return;
    RemoveHooks();
    SetRecordButtonLook(false);
    m_recordState = 0;
    Unlock();
    if (SelectedMacro() >= 0) ChangedSelectedMacro();
}

void MouseMacroManager::Lock()
{
    CControlUI* locked = GetManager()->FindControlByName(m_traits.lockedControl);
    if (!locked) return;
    m_disabledBeforeLock.clear();
    locked->FindControl(&CollectDisabled, &m_disabledBeforeLock, 0);
    locked->SetEnabled(false);
}

void MouseMacroManager::Unlock()
{
    CControlUI* locked = GetManager()->FindControlByName(m_traits.lockedControl);
    if (!locked) return;
    locked->SetEnabled(true);
    locked->FindControl(&DisableListed, &m_disabledBeforeLock, 0);
    m_disabledBeforeLock.clear();
}

void MouseMacroManager::RecordStep(const MacroStep& step)
{
    const int64_t now = m_clock();
    MacroSteps added;
    if (m_recordState == 2 && m_delayMode != 2) {
        int64_t delay = 0;
        if (m_delayMode == 0) delay = now - m_lastEventTime;
        else if (CControlUI* edit = Find(L"delay_edit")) delay = LeadingInteger(edit->GetText());
        added.push_back({MouseStep::Delay, static_cast<int>(std::clamp<int64_t>(delay, 0, m_traits.maxDelayMs))});
    }
    added.push_back(step);
    const MacroSteps steps = Steps();
    if (!m_traits.codec.hasRoomFor(m_options, steps, steps.size(), added)) return;
    m_lastEventTime = now;
    for (const MacroStep& row : added) AppendRow(row);
    m_recordState = 2;
}

void MouseMacroManager::OnKeyboardEvent(WPARAM message, DWORD virtualKey)
{
    if (m_recordState == 0) return;
    const bool release = IsReleaseMessage(message);
    const int modifier = m_traits.modifierSteps ? ModifierMaskOf(static_cast<int>(virtualKey)) : 0;
    if (modifier != 0)
        RecordStep({release ? MouseStep::ModifierUp : MouseStep::ModifierDown, modifier});
    else
        RecordStep({release ? MouseStep::KeyUp : MouseStep::KeyDown, VirtualKeyToKeyCode(static_cast<int>(virtualKey))});
}

void MouseMacroManager::OnMouseEvent(WPARAM message, const MSLLHOOKSTRUCT& record)
{
    if (m_recordState == 0 || m_pointerOverRecordButton || !IsButtonMessage(message)) return;
    const int event = MouseMessageToMacroEvent(static_cast<UINT>(message), record);
    const size_t before = Steps().size();
    RecordStep({event, event});
    if (Steps().size() != before) WriteMacroFile();
}

void MouseMacroManager::InstallHooks()
{
    UnhookSlot(m_slot);
    HINSTANCE module = GetModuleHandleW(nullptr);
    m_slot.current = this;
    m_slot.mouse = SetWindowsHookExW(WH_MOUSE_LL, m_mouseProcedure, module, 0);
    m_slot.keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, m_keyboardProcedure, module, 0);
}

void MouseMacroManager::RemoveHooks()
{
    if (m_slot.current == this) UnhookSlot(m_slot);
}

void MouseMacroManager::SetLoopMode(int mode)
{
    m_options.loop.mode = mode;
    if (CControlUI* count = Find(L"circle_edit")) count->SetEnabled(mode == 0);
}

void MouseMacroManager::SetDelayMode(int mode)
{
    m_delayMode = mode;
    if (CControlUI* edit = Find(L"delay_edit")) edit->SetEnabled(mode == 1);
}

void MouseMacroManager::OnClick(CControlUI* sender)
{
    const CUIString& name = sender->GetName();
    if (IsNamed(sender, L"recordButton")) {
        if (m_recordState != 0) StopRecording();
        else StartRecording();
    } else if (IsNamed(sender, L"delay_record")) SetDelayMode(0);
    else if (IsNamed(sender, L"delay_setting")) SetDelayMode(1);
    else if (IsNamed(sender, L"delay_no")) SetDelayMode(2);
    else if (name.CompareNoCase(m_traits.addButton) == 0) NewMacro();
    else if (name.CompareNoCase(m_traits.deleteButton) == 0) DeleteMacro();
    else {
        for (const MacroOptionControl& option : m_traits.options) {
            if (!IsNamed(sender, option.name)) continue;
            if (option.play) m_options.playMode = option.mode;
            else SetLoopMode(option.mode);
        }
    }
}

void MouseMacroManager::OnMenuItem(const CUIString& item)
{
    if (item == L"menu_Name_New") NewMacro();
    else if (item == L"menu_Name_ChangeName") RenameMacro();
    else if (item == L"menu_Name_Delete") DeleteMacro();
    else if (item == L"menu_Name_Export") ExportMacros();
    else if (item == L"menu_Name_Import") ImportMacros();
    else if (item == L"menu_Content_Edit") EditStep();
    else if (item == L"menu_Content_Delete") DeleteStep();
}

void MouseMacroManager::OnTextChanged(CControlUI* sender)
{
    const int value = LeadingInteger(sender->GetText());
    CUIString text;
    if (IsNamed(sender, L"delay_edit")) {
        if (value > m_traits.delayEditLimit) text.Format(L"%d", m_traits.delayEditLimit);
    } else if (IsNamed(sender, L"circle_edit")) {
        if (value > m_traits.repeatCountLimit) text.Format(L"%d", m_traits.repeatCountLimit);
        else if (value < 1) text = L"1";
    }
    if (!text.IsEmpty()) sender->SetText(text);
}

void MouseMacroManager::ShowMenu(NotifyRecordUI& record)
{
    POINT point = record.mousePoint;
    ClientToScreen(GetManager()->GetWindowHandle(), &point);
    (new CMenuWnd())->ShowAt(record.sender, point.x, point.y);
}

void MouseMacroManager::Notify(NotifyRecordUI& record)
{
    CControlUI* sender = record.sender;
    if (!sender) return;
    const CUIString& type = record.type;
    if (type == L"click") OnClick(sender);
    else if (type == L"menu") { if (IsOwnList(sender)) ShowMenu(record); }
    else if (type.FindText(L"menu_") == 0) { if (IsOwnList(sender)) OnMenuItem(type); }
    else if (type == L"itemselect") {
        if (IsNamed(sender, L"listex") && SelectedMacro() >= 0) ShowMacroSteps(SelectedMacro());
        else if (IsNamed(sender, L"macro_insert_combo") && static_cast<CComboUI*>(sender)->GetCurSel() >= 0)
            GetManager()->SendNotification(sender, L"inset_content_data", 0, 0, true);
    } else if (type == L"inset_content_data") {
        if (IsNamed(sender, L"macro_insert_combo")) InsertStepFromCombo();
    } else if (type == L"Button_Mouse_Focus") {
        if (IsNamed(sender, L"recordButton")) m_pointerOverRecordButton = true;
    } else if (type == L"Button_Mouse_Lose_Focus") {
        if (IsNamed(sender, L"recordButton")) m_pointerOverRecordButton = false;
    } else if (type == L"textchanged") OnTextChanged(sender);
}

void MouseMacroManager::NewMacro()
{
    CUIString name;
    if (m_traits.makeEditor(m_owner, kEditNewName)->RunForText(name)) AddMacro(name);
}

void MouseMacroManager::RenameMacro()
{
    CUIString name;
    if (SelectedMacro() >= 0 && m_traits.makeEditor(m_owner, kEditRename)->RunForText(name)) RenameSelectedMacro(name);
}

void MouseMacroManager::DeleteMacro()
{
    CUIString unused;
    if (SelectedMacro() >= 0 && m_traits.makeEditor(m_owner, kEditConfirm)->RunForText(unused)) DeleteSelectedMacro();
}

void MouseMacroManager::ExportMacros()
{
    const CUIString path = ChooseSaveFile();
    if (!path.IsEmpty()) ReportMacroExport(ExportMacroFile(m_traits.family, path), m_owner);
}

void MouseMacroManager::ImportMacros()
{
    const CUIString path = ChooseOpenFile();
    if (path.IsEmpty()) return;
    ImportMacroFile(ConfigFileStore::Instance(GetManager()), m_traits.family, path);
    FillMacroNameList();
    if (MarcoListUI* list = StepList()) list->RemoveAllItems();
}

void MouseMacroManager::EditStep()
{
    const int row = SelectedStep();
    if (SelectedMacro() < 0 || row < 0) return;
    const int type = Steps()[row].type;
    CUIString text1, text2;
    int number = 0;
    if (type == MouseStep::Delay) {
        if (m_traits.makeEditor(m_owner, kEditDelay)->RunForValues(text1, number, text2)) SetSelectedDelay(number);
    } else if (type == MouseStep::KeyDown || type == MouseStep::KeyUp) {
        if (m_traits.makeEditor(m_owner, kEditKey)->RunForValues(text1, number, text2)) SetSelectedKey(number);
    }
}

void MouseMacroManager::DeleteStep()
{
    CUIString unused;
    if (SelectedMacro() >= 0 && SelectedStep() >= 0 && m_traits.makeEditor(m_owner, kEditConfirm)->RunForText(unused))
        DeleteSelectedStep();
}
