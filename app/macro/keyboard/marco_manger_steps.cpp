// The keyboard macro window's step list: rows shown from a macro's byte
// code, inserted, edited and deleted through the step editor, and encoded
// back into the selected macro.
#include "app/core/binder/device_binder.h"
#include "app/core/keys/key_codes.h"
#include "app/core/keys/mouse_codes.h"
#include "app/core/settings/settings_containers.h"
#include "app/macro/editors/marco_edit.h"
#include "app/macro/keyboard/marco_manger.h"
#include "app/macro/list/marco_list.h"
#include "app/windows/text_numbers.h"
#include "ui/controls/combo.h"
#include "ui/controls/option.h"

#include <algorithm>

using SkinUI::CControlUI;
using SkinUI::CUIString;

namespace {

constexpr int kClickDelayMs = 50;

DeviceLibraryBinder::Guard LockWenk() { return DeviceLibraryBinder::Instance().LockLibrary(DeviceLibrary::Wenk); }

bool IsKeyStep(int type) { return type == KeyboardStep::KeyDown || type == KeyboardStep::KeyUp; }
bool IsButtonStep(int type) { return type == KeyboardStep::ButtonDown || type == KeyboardStep::ButtonUp; }

int MoveOffset(int value) { return std::clamp(value, -128, 127); }

// The row's markup; `moveY` tells the Y row of a move from its X row.
CUIString RowText(const MacroStep& step, bool moveY) {
    CUIString text;
    const int icon = MarcoManger::StepIcon(step.type);
    if (step.type == KeyboardStep::Delay) {
        text.Format(L"{x 4}{i macroicons.png 18 %d}{x 4}%d ms", icon, step.value);
    } else if (step.type == KeyboardStep::Move) {
        text.Format(moveY ? L"{x 4}{i macroicons.png 18 %d}{x 4}Y %d" : L"{x 4}{i macroicons.png 18 %d}{x 4}X %d",
                    icon, step.value);
    } else {
        const CUIString name = IsButtonStep(step.type) ? GetMouseButtonToken(step.value) : GetKeyName(step.value);
        text.Format(L"{x 4}{i macroicons.png 18 %d}{x 4}%s", icon, name.GetData());
    }
    return text;
}

}  // namespace

int MarcoManger::StepIcon(int type) {
    switch (type) {
        case KeyboardStep::KeyUp:
        case KeyboardStep::ButtonUp:
            return 1;
        case KeyboardStep::KeyDown:
        case KeyboardStep::ButtonDown:
            return 2;
        case KeyboardStep::Move:
            return 3;
        default:
            return 0;
    }
}

MacroSteps MarcoManger::Steps() {
    MacroSteps steps;
    if (MarcoListUI* list = StepList()) {
        for (const auto& node : list->GetRoot()->children) steps.push_back({node->type, node->value});
    }
    return steps;
}

int MarcoManger::SelectedStep() {
    MarcoListUI* steps = StepList();
    return steps ? steps->GetCurSel() : -1;
}

void MarcoManger::InsertRow(int at, const MacroStep& step) {
    MarcoListUI* list = StepList();
    if (!list) return;
    MacroSteps steps = Steps();
    steps.insert(steps.begin() + std::min<size_t>(static_cast<size_t>(at), steps.size()), step);
    const int partner = MovePartnerRow(steps, static_cast<size_t>(at), KeyboardStep::Move);
    if (MacroStepNode* node = list->InsertNodeAt(RowText(step, partner >= 0 && partner < at), at)) {
        node->type = step.type;
        node->value = step.value;
    }
}

void MarcoManger::AppendRow(const MacroStep& step) {
    if (MarcoListUI* list = StepList()) InsertRow(list->GetCount(), step);
}

void MarcoManger::ShowLoop(const KeyboardLoop& loop) {
    const wchar_t* option = loop.mode == KeyboardLoopMode::Stop       ? L"circle_stop"
                            : loop.mode == KeyboardLoopMode::Continue ? L"circle_continue"
                                                                      : L"circle_setting";
    if (auto* selected = dynamic_cast<SkinUI::COptionUI*>(Find(option))) selected->Selected(true, false);
    if (loop.mode == KeyboardLoopMode::Count) {
        if (CControlUI* count = Find(L"circle_edit")) {
            CUIString text;
            text.Format(L"%d", loop.repeatCount);
            count->SetText(text);
        }
    }
    SetLoopMode(loop.mode);
}

void MarcoManger::ShowMacroSteps(int index) {
    MarcoListUI* list = StepList();
    if (!list) return;
    list->RemoveAllItems();
    KeyboardDecodedMacro decoded;
    {
        const DeviceLibraryBinder::Guard guard = LockWenk();
        if (index < 0 || static_cast<size_t>(index) >= WenkMacroList.size()) return;
        decoded = DecodeKeyboardMacro(WenkMacroList[static_cast<size_t>(index)]->data);
    }
    for (const MacroStep& step : decoded.steps) AppendRow(step);
    if (decoded.loop) ShowLoop(*decoded.loop);
}

void MarcoManger::EncodeSteps(int index) {
    if (!StepList()) return;
    KeyboardLoop loop;
    loop.mode = m_loopMode;
    if (CControlUI* count = Find(L"circle_edit")) loop.repeatCount = LeadingInteger(count->GetText());
    std::vector<uint8_t> data = EncodeKeyboardMacro(Steps(), loop);
    const DeviceLibraryBinder::Guard guard = LockWenk();
    if (index >= 0 && static_cast<size_t>(index) < WenkMacroList.size()) {
        WenkMacroList[static_cast<size_t>(index)]->data = std::move(data);
    }
}

void MarcoManger::ChangedSelectedMacro() {
    EncodeSteps(SelectedMacro());
    WriteMacroFile();
}

bool MarcoManger::HasRoomFor(size_t at, const MacroSteps& added) {
    return KeyboardHasRoomFor(m_loopMode, Steps(), at, added);
}

// After the selected row, or after the Y row when the X row of a move is
// selected, so that no insert splits a move.
bool MarcoManger::InsertSteps(const MacroSteps& added) {
    if (SelectedMacro() < 0 || !StepList()) return false;
    const MacroSteps steps = Steps();
    const int selected = SelectedStep();
    size_t at = steps.size();
    if (selected >= 0) {
        const int partner = MovePartnerRow(steps, static_cast<size_t>(selected), KeyboardStep::Move);
        at = static_cast<size_t>(std::max(selected, partner)) + 1;
    }
    if (!HasRoomFor(at, added)) return false;
    for (size_t i = 0; i < added.size(); ++i) InsertRow(static_cast<int>(at + i), added[i]);
    ChangedSelectedMacro();
    return true;
}

bool MarcoManger::InsertClickSteps(int buttonBit) {
    return InsertSteps({{KeyboardStep::ButtonDown, buttonBit},
                        {KeyboardStep::Delay, kClickDelayMs},
                        {KeyboardStep::ButtonUp, buttonBit}});
}

void MarcoManger::InsertStep(int type) {
    const int mode = IsKeyStep(type) ? kEditKey : type == KeyboardStep::Move ? kEditMove : kEditDelay;
    CControlUI* container = Find(L"marco_edit_container");
    if (container) container->SetVisible(false);
    CUIString text1, text2;
    int number = 0;
    if ((new MarcoEdit(this, mode))->RunForValues(text1, number, text2)) {
        if (IsKeyStep(type)) {
            if (number > 0) InsertSteps({{type, number}});
        } else if (type == KeyboardStep::Move) {
            InsertSteps({{type, MoveOffset(LeadingInteger(text1))}, {type, MoveOffset(LeadingInteger(text2))}});
        } else {
            InsertSteps({{type, std::clamp(number, 0, kKeyboardMaxDelayMs)}});
        }
    }
    if (container) container->SetVisible(true);
}

void MarcoManger::InsertFromCombo() {
    auto* combo = dynamic_cast<SkinUI::CComboUI*>(Find(L"macro_insert_combo"));
    if (!combo || SelectedMacro() < 0) return;
    const int kind = combo->GetCurSel();
    combo->SelectItem(-1, false, false);
    switch (kind) {
        case 0: InsertStep(KeyboardStep::KeyDown); break;
        case 1: InsertStep(KeyboardStep::KeyUp); break;
        case 2: InsertStep(KeyboardStep::Delay); break;
        case 3: InsertClickSteps(1); break;
        case 4: InsertClickSteps(2); break;
        case 5: InsertClickSteps(4); break;
        case 6: InsertStep(KeyboardStep::Move); break;
        default: break;
    }
}

void MarcoManger::ReplaceSelectedRow(int value) {
    const int row = SelectedStep();
    const MacroStep step{Steps()[static_cast<size_t>(row)].type, value};
    StepList()->RemoveItemAt(row);
    InsertRow(row, step);
    ChangedSelectedMacro();
}

void MarcoManger::SetSelectedStepValue(int value) {
    const int row = SelectedStep();
    if (SelectedMacro() < 0 || row < 0) return;
    const int type = Steps()[static_cast<size_t>(row)].type;
    if (type == KeyboardStep::Delay) {
        ReplaceSelectedRow(std::clamp(value, 0, kKeyboardMaxDelayMs));
    } else if (type == KeyboardStep::Move) {
        ReplaceSelectedRow(MoveOffset(value));
    }
}

void MarcoManger::SetSelectedStepKey(int keyCode) {
    const int row = SelectedStep();
    if (keyCode <= 0 || SelectedMacro() < 0 || row < 0 || !IsKeyStep(Steps()[static_cast<size_t>(row)].type)) return;
    ReplaceSelectedRow(keyCode);
}

void MarcoManger::DeleteSelectedStep() {
    const int row = SelectedStep();
    if (SelectedMacro() < 0 || row < 0) return;
    const int partner = MovePartnerRow(Steps(), static_cast<size_t>(row), KeyboardStep::Move);
    StepList()->RemoveItemAt(std::max(row, partner));
    if (partner >= 0) StepList()->RemoveItemAt(std::min(row, partner));
    ChangedSelectedMacro();
}

void MarcoManger::EditStep() {
    const int row = SelectedStep();
    if (SelectedMacro() < 0 || row < 0) return;
    const int type = Steps()[static_cast<size_t>(row)].type;
    if (type == KeyboardStep::Delay || type == KeyboardStep::Move) {
        EditValueStep();
    } else if (IsKeyStep(type)) {
        EditKeyStep();
    }
}

void MarcoManger::EditValueStep() {
    CUIString text1, text2;
    int number = 0;
    if ((new MarcoEdit(this, kEditDelay))->RunForValues(text1, number, text2)) SetSelectedStepValue(number);
}

void MarcoManger::EditKeyStep() {
    CUIString text1, text2;
    int number = 0;
    if ((new MarcoEdit(this, kEditKey))->RunForValues(text1, number, text2)) SetSelectedStepKey(number);
}

void MarcoManger::DeleteStep() {
    CUIString unused;
    if (SelectedMacro() >= 0 && SelectedStep() >= 0 && (new MarcoEdit(this, kEditConfirm))->RunForText(unused)) {
        DeleteSelectedStep();
    }
}
