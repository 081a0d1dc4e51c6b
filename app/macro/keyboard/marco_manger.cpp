// The keyboard macro window: its life, its notifications, the delay and
// loop options and the context menus of its two lists.
#include "app/macro/keyboard/marco_manger.h"

#include "app/macro/list/marco_list.h"
#include "app/windows/centred_placement.h"
#include "app/windows/menu/menu_wnd.h"
#include "app/windows/text_numbers.h"
#include "ui/controls/list.h"

using SkinUI::CControlUI;
using SkinUI::CUIString;

namespace {

constexpr int kLargestDelayEdit = 65535;
constexpr int kLargestRepeatCount = 254;

}  // namespace

MarcoManger* MarcoManger::Open(SkinUI::CWindowWnd* owner, IFileChooser* files) {
    if (MarcoManger* open = Current()) {
        open->ShowWindow(true, true);
        SetForegroundWindow(open->GetWindowHandle());
        return open;
    }
    auto* manager = new MarcoManger(owner, files);
    if (!manager->Create(owner ? owner->GetWindowHandle() : nullptr, L"MarcoManagerPage", WS_POPUP, WS_EX_TOOLWINDOW)) {
        delete manager;
        return nullptr;
    }
    manager->ShowWindow(true, true);
    return manager;
}

CControlUI* MarcoManger::CreateControl(const wchar_t* tag) { return CreateMacroListControl(tag); }

void MarcoManger::InitWindow() {
    PlaceCentredOverOwner(m_hwnd, m_owner ? m_owner->GetWindowHandle() : nullptr, m_manager.GetInitialSize());
    FillMacroNames();
}

void MarcoManger::OnDestroyed(HWND formerWindow) {
    WindowImplBase::OnDestroyed(formerWindow);
    delete this;
}

CControlUI* MarcoManger::Find(const wchar_t* name) { return m_manager.FindControlByName(name); }

SkinUI::CListUI* MarcoManger::NameList() { return dynamic_cast<SkinUI::CListUI*>(Find(L"listex")); }

MarcoListUI* MarcoManger::StepList() { return dynamic_cast<MarcoListUI*>(Find(L"listex1")); }

bool MarcoManger::IsNamed(CControlUI* control, const wchar_t* name) const {
    return control && control->GetName().CompareNoCase(name) == 0;
}

void MarcoManger::Notify(SkinUI::NotifyRecordUI& record) {
    CControlUI* sender = record.sender;
    OutputDebugStringW((sender ? sender->GetName() : CUIString()) + L"-" + record.type + L";");
    const CUIString& type = record.type;
    if (type.CompareNoCase(L"click") == 0) {
        if (sender) OnClick(sender);
    } else if (type.CompareNoCase(L"menu") == 0) {
        if (IsNamed(sender, L"listex") || IsNamed(sender, L"listex1")) ShowMenu(record);
    } else if (type.FindText(L"menu_") == 0) {
        OnMenuItem(type);
    } else if (type.CompareNoCase(L"itemselect") == 0) {
        if (IsNamed(sender, L"listex") && SelectedMacro() >= 0) {
            ShowMacroSteps(SelectedMacro());
        } else if (IsNamed(sender, L"macro_insert_combo")) {
            m_manager.SendNotification(sender, L"inset_content_data", 0, 0, true);
        }
    } else if (type.CompareNoCase(L"inset_content_data") == 0) {
        InsertFromCombo();
    } else if (type.CompareNoCase(L"Button_Mouse_Focus") == 0) {
        if (IsNamed(sender, L"recordButton")) m_pointerOverRecordButton = true;
    } else if (type.CompareNoCase(L"Button_Mouse_Lose_Focus") == 0) {
        if (IsNamed(sender, L"recordButton")) m_pointerOverRecordButton = false;
    } else if (type.CompareNoCase(L"textchanged") == 0) {
        if (sender) OnTextChanged(sender);
    }
}

void MarcoManger::OnClick(CControlUI* sender) {
    if (IsNamed(sender, L"okbtn") || IsNamed(sender, L"cancelbtn") || IsNamed(sender, L"closebtn")) {
        Close(1);
    } else if (IsNamed(sender, L"recordButton")) {
        if (m_recordState != 0) {
            StopRecording();
        } else {
            StartRecording();
        }
    } else if (IsNamed(sender, L"delay_record")) {
        SetDelayMode(0);
    } else if (IsNamed(sender, L"delay_setting")) {
        SetDelayMode(1);
    } else if (IsNamed(sender, L"delay_no")) {
        SetDelayMode(2);
    } else if (IsNamed(sender, L"circle_setting")) {
        SetLoopMode(KeyboardLoopMode::Count);
    } else if (IsNamed(sender, L"circle_stop")) {
        SetLoopMode(KeyboardLoopMode::Stop);
    } else if (IsNamed(sender, L"circle_continue")) {
        SetLoopMode(KeyboardLoopMode::Continue);
    } else if (IsNamed(sender, L"AddMarcoButton")) {
        NewMacro();
    } else if (IsNamed(sender, L"DeleteMarcoButton")) {
        DeleteMacro();
    }
}

void MarcoManger::OnMenuItem(const CUIString& item) {
    if (item == L"menu_Name_New") {
        NewMacro();
    } else if (item == L"menu_Name_ChangeName") {
        RenameMacro();
    } else if (item == L"menu_Name_Delete") {
        DeleteMacro();
    } else if (item == L"menu_Name_Export") {
        ExportMacros();
    } else if (item == L"menu_Name_Import") {
        ImportMacros();
    } else if (item == L"menu_Content_Edit") {
        EditStep();
    } else if (item == L"menu_Content_Delete") {
        DeleteStep();
    }
}

void MarcoManger::SetDelayMode(int mode) {
    m_delayMode = mode;
    if (CControlUI* edit = Find(L"delay_edit")) edit->SetEnabled(mode == 1);
}

void MarcoManger::SetLoopMode(int mode) {
    m_loopMode = mode;
    if (CControlUI* count = Find(L"circle_edit")) count->SetEnabled(mode == KeyboardLoopMode::Count);
}

void MarcoManger::OnTextChanged(CControlUI* sender) {
    const int value = LeadingInteger(sender->GetText());
    CUIString text;
    if (IsNamed(sender, L"delay_edit")) {
        if (value > kLargestDelayEdit) text.Format(L"%d", kLargestDelayEdit);
    } else if (IsNamed(sender, L"circle_edit")) {
        if (value > kLargestRepeatCount) {
            text.Format(L"%d", kLargestRepeatCount);
        } else if (value < 1) {
            text = L"1";
        }
    }
    if (!text.IsEmpty()) sender->SetText(text);
}

void MarcoManger::ShowMenu(SkinUI::NotifyRecordUI& record) {
    POINT point = record.mousePoint;
    ClientToScreen(m_hwnd, &point);
    (new CMenuWnd())->ShowAt(record.sender, point.x, point.y);
}
