#include "app/macro/managers/nolx_macro_manager.h"

#include <algorithm>

#include "app/core/files/config_file_store.h"
#include "app/core/files/file_dialogs.h"
#include "app/core/keys/key_codes.h"
#include "app/core/keys/mouse_codes.h"
#include "app/core/settings/elapsed_clock.h"
#include "app/macro/editors/marco_edit.h"
#include "app/macro/files/macro_files.h"
#include "app/macro/list/marco_list.h"
#include "app/main/windows/menu/menu_wnd.h"
#include "app/main/windows/text_numbers.h"
#include "ui/controls/button.h"
#include "ui/controls/combo.h"
#include "ui/controls/list_label_element.h"
#include "ui/controls/option.h"

using namespace SkinUI;

namespace {

constexpr int kMaxDelayEdit = 65534;
constexpr int kClickDelayMs = 50;

int IconOf(int type)
{
    if (type == NolxStep::KeyUp) return 1;
    if (type == NolxStep::KeyDown) return 2;
    if (type == NolxStep::Move) return 3;
    if (IsMouseButtonEvent(type)) return (type & 0x80) ? 2 : 1;
    return 0;
}

// The row's markup; `moveY` tells the Y row of a move from its X row.
CUIString RowText(const MacroStep& step, bool moveY, bool inserted)
{
    CUIString text;
    const int icon = IconOf(step.type);
    if (step.type == NolxStep::Delay)
        text.Format(L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}%d ms", icon, step.value);
    else if (step.type == NolxStep::Move)
        text.Format(moveY ? L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}Y %d" : L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}X %d",
                    icon, step.value);
    else {
        const CUIString name = IsMouseButtonEvent(step.type)
                                   ? (inserted ? GetMouseButtonToken(step.value) : GetMacroMouseEventToken(step.type))
                                   : GetKeyName(step.value);
        text.Format(L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}%s", icon, name.GetData());
    }
    return text;
}

// Whether row `index` is the Y row of a move: the rows of type Move pair up
// in order, X first.
bool IsMoveY(const MacroSteps& steps, size_t index)
{
    size_t row = 0;
    while (row < index) {
        if (steps[row].type == NolxStep::Move && row + 1 < steps.size() && steps[row + 1].type == NolxStep::Move) {
            if (row + 1 == index) return true;
            row += 2;
        } else {
            ++row;
        }
    }
    return false;
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

NolxMacroManager::NolxMacroManager(CWindowWnd* owner, const NolxManagerTraits& traits, MacroHookSlot& slot,
                                   HOOKPROC mouseProcedure, HOOKPROC keyboardProcedure)
    : m_owner(owner), m_traits(traits), m_slot(slot), m_mouseProcedure(mouseProcedure),
      m_keyboardProcedure(keyboardProcedure), m_clock(&ElapsedMilliseconds)
{
    m_slot.current = this;
}

NolxMacroManager::~NolxMacroManager()
{
    RemoveHooks();
    if (m_slot.current == this) m_slot.current = nullptr;
    if (GetManager()) GetManager()->RemoveNotifyReceiver(this);
}

void NolxMacroManager::OnInitialize()
{
    CContainerUI::OnInitialize();
    CWindowManagerUI* manager = GetManager();
    if (!manager || GetCount() > 0) return;
    manager->AddNotifyReceiver(this);
    CLayoutBuilderUI builder;
    if (CControlUI* root = builder.Create(m_traits.layout, nullptr, this, manager)) AddItem(root);
    FillMacroNameList();
}

CControlUI* NolxMacroManager::CreateControl(const wchar_t* tag) { return CreateMacroListControl(tag); }

CControlUI* NolxMacroManager::Find(const wchar_t* baseName) const
{
    if (!GetManager()) return nullptr;
    const CUIString name = CUIString(baseName) + m_traits.suffix;
    return GetManager()->FindControlByName(name);
}

CListUI* NolxMacroManager::NameList() const { return dynamic_cast<CListUI*>(Find(L"listex")); }
MarcoListUI* NolxMacroManager::StepList() const { return dynamic_cast<MarcoListUI*>(Find(L"listex1")); }
MacroList& NolxMacroManager::Macros() const { return MacroListOf(m_traits.family); }

int NolxMacroManager::SelectedMacro() const
{
    CListUI* names = NameList();
    const int index = names ? names->GetCurSel() : -1;
    return index >= 0 && static_cast<size_t>(index) < Macros().size() ? index : -1;
}

int NolxMacroManager::SelectedStep() const
{
    MarcoListUI* steps = StepList();
    return steps ? steps->GetCurSel() : -1;
}

bool NolxMacroManager::IsNamed(CControlUI* control, const wchar_t* baseName) const
{
    return control && control->GetName().CompareNoCase(CUIString(baseName) + m_traits.suffix) == 0;
}

bool NolxMacroManager::IsOwnList(CControlUI* sender) const
{
    return IsNamed(sender, L"listex") || IsNamed(sender, L"listex1");
}

MacroSteps NolxMacroManager::Steps() const
{
    MacroSteps steps;
    if (MarcoListUI* list = StepList())
        for (const auto& node : list->GetRoot()->children) steps.push_back({node->type, node->value});
    return steps;
}

void NolxMacroManager::FillMacroNameList()
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

void NolxMacroManager::ShowLoop(const NolxLoop& loop)
{
    const bool qiro = m_traits.chip == NolxChip::Qiro;
    const wchar_t* option = L"circle_setting";
    if (loop.mode == NolxLoopMode::Endless) option = qiro ? L"circle_stop_any_key" : L"circle_all";
    else if (qiro && loop.mode == NolxLoopMode::QiroStop) option = L"circle_stop";
    else if (qiro && loop.mode == NolxLoopMode::QiroContinue) option = L"circle_continue";
    if (auto* selected = dynamic_cast<COptionUI*>(Find(option))) selected->Selected(true, false);
    CControlUI* count = Find(L"circle_edit");
    if (count) count->SetEnabled(loop.mode == NolxLoopMode::Count);
    if (count && loop.mode == NolxLoopMode::Count) {
        CUIString text;
        text.Format(L"%d", loop.repeatCount);
        count->SetText(text);
    }
    m_loopMode = loop.mode;
}

void NolxMacroManager::ShowMacroSteps(int index)
{
    MarcoListUI* list = StepList();
    if (!list || index < 0 || static_cast<size_t>(index) >= Macros().size()) return;
    list->RemoveAllItems();
    const NolxDecodedMacro decoded = DecodeNolxMacro(m_traits.chip, Macros()[index]->data);
    for (const MacroStep& step : decoded.steps) AppendRow(step);
    if (decoded.loop) ShowLoop(*decoded.loop);
}

void NolxMacroManager::AppendRow(const MacroStep& step)
{
    MarcoListUI* list = StepList();
    if (!list) return;
    InsertRow(list->GetCount(), step);
}

void NolxMacroManager::InsertRow(int at, const MacroStep& step)
{
    MarcoListUI* list = StepList();
    if (!list) return;
    MacroSteps steps = Steps();
    steps.insert(steps.begin() + std::min<size_t>(at, steps.size()), step);
    const bool moveY = IsMoveY(steps, at);
    const bool inserted = IsMouseButtonEvent(step.type) && step.value != step.type;
    if (MacroStepNode* node = list->InsertNodeAt(RowText(step, moveY, inserted), at)) {
        node->type = step.type;
        node->value = step.value;
    }
}

void NolxMacroManager::EncodeMacro(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= Macros().size() || !StepList()) return;
    NolxLoop loop;
    loop.mode = m_loopMode;
    if (CControlUI* count = Find(L"circle_edit")) loop.repeatCount = LeadingInteger(count->GetText());
    Macros()[index]->data = EncodeNolxMacro(m_traits.chip, Steps(), loop);
}

void NolxMacroManager::WriteMacroFile() { SaveMacroFile(m_traits.family); }

void NolxMacroManager::ChangedSelectedMacro()
{
    EncodeMacro(SelectedMacro());
    WriteMacroFile();
}

void NolxMacroManager::AddMacro(const CUIString& name)
{
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name;
    macro->data = {0x00};
    Macros().push_back(macro);
    if (CListUI* names = NameList()) {
        auto* row = new CListLabelElementUI;
        row->SetText(name);
        names->AddItem(row);
    }
    WriteMacroFile();
}

void NolxMacroManager::RenameSelectedMacro(const CUIString& name)
{
    const int index = SelectedMacro();
    if (index < 0) return;
    Macros()[index]->name = name;
    NameList()->GetItemAt(index)->SetText(name);
    WriteMacroFile();
}

void NolxMacroManager::DeleteSelectedMacro()
{
    const int index = SelectedMacro();
    if (index < 0) return;
    NameList()->RemoveItemAt(index);
    Macros().erase(Macros().begin() + index);
    if (MarcoListUI* list = StepList()) list->RemoveAllItems();
    WriteMacroFile();
}

void NolxMacroManager::SetSelectedDelay(int milliseconds)
{
    const int row = SelectedStep();
    const MacroSteps steps = Steps();
    if (SelectedMacro() < 0 || row < 0 || steps[row].type != NolxStep::Delay) return;
    StepList()->RemoveItemAt(row);
    InsertRow(row, {NolxStep::Delay, std::clamp(milliseconds, 0, kNolxMaxDelayMs)});
    ChangedSelectedMacro();
}

void NolxMacroManager::SetSelectedKey(int keyCode)
{
    const int row = SelectedStep();
    const MacroSteps steps = Steps();
    if (SelectedMacro() < 0 || row < 0) return;
    const int type = steps[row].type;
    if (type != NolxStep::KeyDown && type != NolxStep::KeyUp) return;
    StepList()->RemoveItemAt(row);
    InsertRow(row, {type, keyCode});
    ChangedSelectedMacro();
}

void NolxMacroManager::DeleteSelectedStep()
{
    const int row = SelectedStep();
    if (SelectedMacro() < 0 || row < 0) return;
    const MacroSteps steps = Steps();
    int first = row;
    int count = 1;
    if (steps[row].type == NolxStep::Move) {
        if (IsMoveY(steps, row)) first = row - 1, count = 2;
        else if (static_cast<size_t>(row) + 1 < steps.size() && steps[row + 1].type == NolxStep::Move) count = 2;
    }
    for (int i = 0; i < count; ++i) StepList()->RemoveItemAt(first);
    ChangedSelectedMacro();
}

bool NolxMacroManager::InsertSteps(const MacroSteps& added)
{
    if (SelectedMacro() < 0 || !StepList()) return false;
    const int selected = SelectedStep();
    const size_t at = selected >= 0 ? static_cast<size_t>(selected) + 1 : Steps().size();
    if (!NolxHasRoomFor(m_traits.chip, m_loopMode, Steps(), at, added)) return false;
    for (size_t i = 0; i < added.size(); ++i) InsertRow(static_cast<int>(at + i), added[i]);
    ChangedSelectedMacro();
    return true;
}

bool NolxMacroManager::InsertClick(int buttonBit)
{
    return InsertSteps({{0xA0 + buttonBit, buttonBit}, {NolxStep::Delay, kClickDelayMs}, {0x20 + buttonBit, buttonBit}});
}

void NolxMacroManager::InsertFromDialog(int mode, int type)
{
    CUIString text1, text2;
    int number = 0;
    MarcoEdit* editor = m_traits.makeEditor(m_owner, mode);
    if (!editor->RunForValues(text1, number, text2)) return;
    if (type == NolxStep::Move)
        InsertSteps({{NolxStep::Move, std::clamp(LeadingInteger(text1), -128, 127)},
                     {NolxStep::Move, std::clamp(LeadingInteger(text2), -128, 127)}});
    else
        InsertSteps({{type, type == NolxStep::Delay ? std::clamp(number, 0, kNolxMaxDelayMs) : number}});
}

void NolxMacroManager::InsertStepFromCombo()
{
    auto* combo = dynamic_cast<CComboUI*>(Find(L"macro_insert_combo"));
    if (!combo || SelectedMacro() < 0) return;
    const int kind = combo->GetCurSel();
    combo->SelectItem(-1, false, false);
    switch (kind) {
    case 0: InsertFromDialog(kEditKey, NolxStep::KeyDown); break;
    case 1: InsertFromDialog(kEditKey, NolxStep::KeyUp); break;
    case 2: InsertFromDialog(kEditDelay, NolxStep::Delay); break;
    case 3: InsertClick(1); break;
    case 4: InsertClick(2); break;
    case 5: InsertClick(4); break;
    case 6: InsertFromDialog(kEditMove, NolxStep::Move); break;
    default: break;
    }
}

void NolxMacroManager::SetRecordButtonLook(bool recording)
{
    auto* button = dynamic_cast<CButtonUI*>(Find(L"recordButton"));
    if (!button) return;
    const wchar_t* image = recording ? m_traits.recordingImage : m_traits.idleImage;
    button->SetNormalImage(image);
    button->SetHotImage(image);
    button->SetPushedImage(image);
    button->SetText(recording ? L"%{043}" : L"%{042}");
}

void NolxMacroManager::StartRecording()
{
    if (SelectedMacro() < 0 || m_recordState != 0) return;
    SetRecordButtonLook(true);
    if (MarcoListUI* list = StepList()) list->RemoveAllItems();
    if (CControlUI* locked = GetManager()->FindControlByName(m_traits.lockedControl)) locked->SetEnabled(false);
    if (CControlUI* button = Find(L"recordButton")) button->SetEnabled(true);
    m_pointerOverRecordButton = false;
    m_recordState = 1;
    InstallHooks();
}

void NolxMacroManager::StopRecording()
{
    if (SelectedMacro() < 0 || m_recordState == 0) return;
    RemoveHooks();
    SetRecordButtonLook(false);
    m_recordState = 0;
    if (CControlUI* locked = GetManager()->FindControlByName(m_traits.lockedControl)) locked->SetEnabled(true);
    ChangedSelectedMacro();
}

void NolxMacroManager::RecordStep(const MacroStep& step)
{
    const int64_t now = m_clock();
    MacroSteps added;
    if (m_recordState == 2 && m_delayMode != 2) {
        int delay = 0;
        if (m_delayMode == 0) delay = static_cast<int>(std::min<int64_t>(now - m_lastEventTime, kMaxDelayEdit));
        else if (CControlUI* edit = Find(L"delay_edit")) delay = std::clamp(LeadingInteger(edit->GetText()), 0, kMaxDelayEdit);
        added.push_back({NolxStep::Delay, delay});
    }
    added.push_back(step);
    const MacroSteps steps = Steps();
    if (!NolxHasRoomFor(m_traits.chip, m_loopMode, steps, steps.size(), added)) return;
    m_lastEventTime = now;
    for (const MacroStep& row : added) AppendRow(row);
    m_recordState = 2;
}

void NolxMacroManager::OnKeyboardEvent(WPARAM message, DWORD virtualKey)
{
    if (m_recordState == 0) return;
    const int code = VirtualKeyToKeyCode(static_cast<int>(virtualKey));
    RecordStep({IsReleaseMessage(message) ? NolxStep::KeyUp : NolxStep::KeyDown, code});
}

void NolxMacroManager::OnMouseEvent(WPARAM message, const MSLLHOOKSTRUCT& record)
{
    if (m_recordState == 0 || m_pointerOverRecordButton || !IsButtonMessage(message)) return;
    const int event = MouseMessageToMacroEvent(static_cast<UINT>(message), record);
    const size_t before = Steps().size();
    RecordStep({event, event});
    if (Steps().size() != before) WriteMacroFile();
}

void NolxMacroManager::InstallHooks()
{
    RemoveHooks();
    HINSTANCE module = GetModuleHandleW(nullptr);
    m_slot.current = this;
    m_slot.mouse = SetWindowsHookExW(WH_MOUSE_LL, m_mouseProcedure, module, 0);
    m_slot.keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, m_keyboardProcedure, module, 0);
}

void NolxMacroManager::RemoveHooks()
{
    if (m_slot.current != this) return;
    if (m_slot.mouse) UnhookWindowsHookEx(m_slot.mouse);
    if (m_slot.keyboard) UnhookWindowsHookEx(m_slot.keyboard);
    m_slot.mouse = nullptr;
    m_slot.keyboard = nullptr;
}

void NolxMacroManager::SetLoopMode(int mode, bool countEnabled)
{
    m_loopMode = mode;
    if (CControlUI* count = Find(L"circle_edit")) count->SetEnabled(countEnabled);
}

void NolxMacroManager::SetDelayMode(int mode)
{
    m_delayMode = mode;
    if (CControlUI* edit = Find(L"delay_edit")) edit->SetEnabled(mode == 1);
}

void NolxMacroManager::OnClick(CControlUI* sender)
{
    const bool qiro = m_traits.chip == NolxChip::Qiro;
    const CUIString& name = sender->GetName();
    if (IsNamed(sender, L"recordButton")) {
        if (m_recordState != 0) StopRecording();
        else StartRecording();
    } else if (IsNamed(sender, L"delay_record")) SetDelayMode(0);
    else if (IsNamed(sender, L"delay_setting")) SetDelayMode(1);
    else if (IsNamed(sender, L"delay_no")) SetDelayMode(2);
    else if (IsNamed(sender, L"circle_setting")) SetLoopMode(NolxLoopMode::Count, true);
    else if (!qiro && IsNamed(sender, L"circle_all")) SetLoopMode(NolxLoopMode::Endless, false);
    else if (qiro && IsNamed(sender, L"circle_stop_any_key")) SetLoopMode(NolxLoopMode::QiroStopOnAnyKey, false);
    else if (qiro && IsNamed(sender, L"circle_stop")) SetLoopMode(NolxLoopMode::QiroStop, false);
    else if (qiro && IsNamed(sender, L"circle_continue")) SetLoopMode(NolxLoopMode::QiroContinue, false);
    else if (name.CompareNoCase(m_traits.addButton) == 0) NewMacro();
    else if (name.CompareNoCase(m_traits.deleteButton) == 0) DeleteMacro();
}

void NolxMacroManager::OnMenuItem(const CUIString& item)
{
    if (item == L"menu_Name_New") NewMacro();
    else if (item == L"menu_Name_ChangeName") RenameMacro();
    else if (item == L"menu_Name_Delete") DeleteMacro();
    else if (item == L"menu_Name_Export") ExportMacros();
    else if (item == L"menu_Name_Import") ImportMacros();
    else if (item == L"menu_Content_Edit") EditStep();
    else if (item == L"menu_Content_Delete") DeleteStep();
}

void NolxMacroManager::OnTextChanged(CControlUI* sender)
{
    const int value = LeadingInteger(sender->GetText());
    CUIString text;
    if (IsNamed(sender, L"delay_edit")) {
        if (value > kMaxDelayEdit) text.Format(L"%d", kMaxDelayEdit);
    } else if (IsNamed(sender, L"circle_edit")) {
        const int largest = NolxMaxRepeatCount(m_traits.chip);
        if (value > largest) text.Format(L"%d", largest);
        else if (value < 1) text = L"1";
    }
    if (!text.IsEmpty()) sender->SetText(text);
}

void NolxMacroManager::ShowMenu(NotifyRecordUI& record)
{
    POINT point = record.mousePoint;
    ClientToScreen(GetManager()->GetWindowHandle(), &point);
    (new CMenuWnd())->ShowAt(record.sender, point.x, point.y);
}

void NolxMacroManager::Notify(NotifyRecordUI& record)
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

void NolxMacroManager::NewMacro()
{
    CUIString name;
    if (m_traits.makeEditor(m_owner, kEditNewName)->RunForText(name)) AddMacro(name);
}

void NolxMacroManager::RenameMacro()
{
    CUIString name;
    if (SelectedMacro() >= 0 && m_traits.makeEditor(m_owner, kEditRename)->RunForText(name)) RenameSelectedMacro(name);
}

void NolxMacroManager::DeleteMacro()
{
    CUIString unused;
    if (SelectedMacro() >= 0 && m_traits.makeEditor(m_owner, kEditConfirm)->RunForText(unused)) DeleteSelectedMacro();
}

void NolxMacroManager::ExportMacros()
{
    const CUIString path = ChooseSaveFile();
    if (!path.IsEmpty()) ExportMacroFile(m_traits.family, path);
}

void NolxMacroManager::ImportMacros()
{
    const CUIString path = ChooseOpenFile();
    if (path.IsEmpty()) return;
    ImportMacroFile(ConfigFileStore::Instance(GetManager()), m_traits.family, path);
    FillMacroNameList();
    if (MarcoListUI* list = StepList()) list->RemoveAllItems();
}

void NolxMacroManager::EditStep()
{
    const int row = SelectedStep();
    if (SelectedMacro() < 0 || row < 0) return;
    const int type = Steps()[row].type;
    CUIString text1, text2;
    int number = 0;
    if (type == NolxStep::Delay) {
        if (m_traits.makeEditor(m_owner, kEditDelay)->RunForValues(text1, number, text2)) SetSelectedDelay(number);
    } else if (type == NolxStep::KeyDown || type == NolxStep::KeyUp) {
        if (m_traits.makeEditor(m_owner, kEditKey)->RunForValues(text1, number, text2)) SetSelectedKey(number);
    }
}

void NolxMacroManager::DeleteStep()
{
    CUIString unused;
    if (SelectedMacro() >= 0 && SelectedStep() >= 0 && m_traits.makeEditor(m_owner, kEditConfirm)->RunForText(unused))
        DeleteSelectedStep();
}
