#include "app/dialogs/fire/fire_key_edit.h"

#include "app/dialogs/color/color_arithmetic.h"
#include "app/dialogs/color/color_picker.h"
#include "app/dialogs/fire/fire_limits.h"
#include "app/windows/text_numbers.h"
#include "ui/controls/check_box.h"
#include "ui/controls/option.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;

namespace {

constexpr uint8_t kFirePresetAssignment = 11;
constexpr uint8_t kKeepLeftBit = 0x10;

CUIString Decimal(int value) {
    CUIString text;
    text.Format(L"%d", value);
    return text;
}

// The value edits and the edit each is paired with for its limits.
struct ValueEdit {
    StageControl control;
    StageControl partner;  // the control itself when it has no pair
};

const ValueEdit kValueEdits[] = {
    {StageControl::KelvoCount, StageControl::KelvoCount},   {StageControl::KelvoY, StageControl::KelvoOffset},
    {StageControl::KelvoOffset, StageControl::KelvoY},      {StageControl::KelvoDelay, StageControl::KelvoDelay},
    {StageControl::NolxCount, StageControl::NolxCount},     {StageControl::NolxX, StageControl::NolxXAdjust},
    {StageControl::NolxXAdjust, StageControl::NolxX},       {StageControl::NolxY, StageControl::NolxYAdjust},
    {StageControl::NolxYAdjust, StageControl::NolxY},       {StageControl::NolxTime, StageControl::NolxTime},
};

const ValueEdit* ValueEditOf(StageControl control) {
    for (const ValueEdit& edit : kValueEdits) {
        if (edit.control == control) return &edit;
    }
    return nullptr;
}

template <class Record>
DWORD RecordColour(const Record& record) {
    return OpaqueColour(record.red, record.green, record.blue);
}

}  // namespace

FireKeyEdit::FireKeyEdit(const FireFamily& family, const PageServices& services, DeviceLibraryBinder& binder)
    : family(family), services(services), binder(binder) {}

FireKeyEdit::~FireKeyEdit() {
    if (m_manager != nullptr) m_manager->RemoveNotifyReceiver(this);
}

void FireKeyEdit::OnInitialize() {
    if (m_manager == nullptr) return;
    m_manager->AddNotifyReceiver(this);
    if (GetCount() > 0) return;  // built when first initialised
    CLayoutBuilderUI builder;
    if (CControlUI* root = builder.Create(family.layout, nullptr, this, m_manager)) AddItem(root);
}

CControlUI* FireKeyEdit::CreateControl(const wchar_t*) { return nullptr; }

CControlUI* FireKeyEdit::Find(const CUIString& name) const {
    return m_manager != nullptr ? m_manager->FindControlByName(name) : nullptr;
}

CControlUI* FireKeyEdit::StageControlOf(StageControl control, int stage) const {
    return Find(family.ControlName(control, stage));
}

int FireKeyEdit::StageValue(StageControl control, int stage) const {
    const CControlUI* edit = StageControlOf(control, stage);
    return edit != nullptr ? LeadingInteger(edit->GetText()) : 0;
}

void FireKeyEdit::ShowStageValue(StageControl control, int stage, bool present, int value) {
    CControlUI* edit = StageControlOf(control, stage);
    if (edit == nullptr) return;
    // A value the record has no step for cannot be written back.
    edit->SetEnabled(present);
    edit->SetText(present ? Decimal(value) : CUIString());
}

bool FireKeyEdit::IsKeepLeftChecked() const {
    const auto* box = static_cast<CCheckBoxUI*>(Find(family.KeepLeftName()));
    return box != nullptr && box->IsChecked();
}

void FireKeyEdit::SetKeepLeftBox() {
    if (auto* box = static_cast<CCheckBoxUI*>(Find(family.KeepLeftName())))
        box->SetChecked(*family.keepLeftFlag != 0, !family.keepLeftResendsKeys);
}

void FireKeyEdit::SelectFirstPresetIfNone() {
    if (presetIndex == -1) LoadPreset(0);
}

void FireKeyEdit::MarkPresetButton(int preset) {
    CControlUI* button = Find(family.PresetButtonName(preset));
    if (button == nullptr) return;
    if (auto* option = static_cast<COptionUI*>(button->GetInterfaceByName(L"Option"))) option->Selected(true, false);
}

void FireKeyEdit::ShowStages(int preset) {
    if (family.oneStage) return;
    const int shown = static_cast<int>(family.PresetRecords(preset).size());
    for (int stage = 1; stage < kMaxFireStages; ++stage) {
        const bool visible = stage < shown;
        for (StageControl control : family.StageControls()) {
            if (CControlUI* c = StageControlOf(control, stage)) c->SetVisible(visible);
        }
        // The stage's panel, with its captions, when the layout groups it.
        CUIString panel;
        panel.Format(L"fire_stage%d", stage + 1);
        if (CControlUI* c = Find(panel + family.suffix)) c->SetVisible(visible);
    }
}

bool FireKeyEdit::HasAllRecords(const std::vector<int>& records) const {
    for (int record : records) {
        const bool present = family.steps == FireFamily::Steps::Kelvo ? RecordAt(KelvoFireRecords, record) != nullptr
                                                                      : RecordAt(*family.fireMacros, record) != nullptr;
        if (!present) return false;
    }
    return !records.empty();
}

void FireKeyEdit::LoadPreset(int preset) {
    if (preset < 0 || preset >= kFirePresets) return;
    if (family.keepLeftFlag != nullptr) SetKeepLeftBox();
    presetIndex = preset;
    MarkPresetButton(preset);
    ShowStages(preset);
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(family.library);
    const std::vector<int> records = family.PresetRecords(preset);
    if (!HasAllRecords(records)) return;
    for (size_t stage = 0; stage < records.size(); ++stage) LoadStage(records[stage], static_cast<int>(stage));
}

void FireKeyEdit::LoadStage(int index, int stage) {
    CControlUI* colour = StageControlOf(StageControl::Colour, stage);
    if (family.steps == FireFamily::Steps::Kelvo) {
        const FireRecordKelvo& record = *RecordAt(KelvoFireRecords, index);
        if (auto* stop = static_cast<CCheckBoxUI*>(StageControlOf(StageControl::KelvoStop, stage)))
            stop->SetChecked(record.steps[0] == 1, false);
        if (CControlUI* offset = StageControlOf(StageControl::KelvoOffset, stage))
            offset->SetText(Decimal(record.yAxis));
        if (colour != nullptr) colour->SetBackgroundColor(RecordColour(record));
        const KelvoStageSteps found = ParseKelvoSteps(record.steps);
        kelvoSteps[stage] = found;
        ShowStageValue(StageControl::KelvoCount, stage, found.countPos >= 0, found.count);
        ShowStageValue(StageControl::KelvoY, stage, found.yPos >= 0, found.y);
        ShowStageValue(StageControl::KelvoDelay, stage, found.delayPos >= 0, found.delay);
        return;
    }
    const FireMacroRecord& record = *RecordAt(*family.fireMacros, index);
    if (CControlUI* edit = StageControlOf(StageControl::NolxYAdjust, stage)) edit->SetText(Decimal(record.yAdjust));
    if (CControlUI* edit = StageControlOf(StageControl::NolxXAdjust, stage)) edit->SetText(Decimal(record.xAdjust));
    if (colour != nullptr) colour->SetBackgroundColor(RecordColour(record));
    const NolxStageSteps found = ParseNolxSteps(record.steps, family.stepBytes);
    nolxSteps[stage] = found;
    ShowStageValue(StageControl::NolxCount, stage, found.countPos >= 0, found.count);
    ShowStageValue(StageControl::NolxX, stage, found.xPos >= 0, found.x);
    ShowStageValue(StageControl::NolxY, stage, found.yPos >= 0, found.y);
    ShowStageValue(StageControl::NolxTime, stage, found.timePos >= 0, found.time);
}

void FireKeyEdit::StorePreset() {
    if (family.keepLeftFlag != nullptr) *family.keepLeftFlag = IsKeepLeftChecked() ? 1 : 0;
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(family.library);
    const std::vector<int> records = family.PresetRecords(presetIndex);
    if (HasAllRecords(records)) {
        for (size_t stage = 0; stage < records.size(); ++stage) StoreStage(records[stage], static_cast<int>(stage));
    }
    if (family.steps == FireFamily::Steps::Kelvo && binder.Entries().WriteFireData_Kelvo != nullptr)
        binder.Entries().WriteFireData_Kelvo();
}

void FireKeyEdit::StoreStageColour(int& red, int& green, int& blue, int stage) const {
    const CControlUI* colour = StageControlOf(StageControl::Colour, stage);
    if (colour == nullptr) return;
    const DWORD word = colour->GetBackgroundColor();
    red = static_cast<int>((word >> 16) & 0xFF);
    green = static_cast<int>((word >> 8) & 0xFF);
    blue = static_cast<int>(word & 0xFF);
}

void FireKeyEdit::StoreStage(int index, int stage) {
    if (family.steps == FireFamily::Steps::Kelvo) {
        FireRecordKelvo& record = *RecordAt(KelvoFireRecords, index);
        record.yAxis = static_cast<int8_t>(StageValue(StageControl::KelvoOffset, stage));
        StoreStageColour(record.red, record.green, record.blue, stage);
        const auto* stop = static_cast<CCheckBoxUI*>(StageControlOf(StageControl::KelvoStop, stage));
        StoreKelvoSteps(record.steps, kelvoSteps[stage], StageValue(StageControl::KelvoCount, stage),
                        StageValue(StageControl::KelvoY, stage), StageValue(StageControl::KelvoDelay, stage),
                        stop != nullptr && stop->IsChecked());
    } else {
        FireMacroRecord& record = *RecordAt(*family.fireMacros, index);
        record.yAdjust = static_cast<int8_t>(StageValue(StageControl::NolxYAdjust, stage));
        record.xAdjust = static_cast<int8_t>(StageValue(StageControl::NolxXAdjust, stage));
        StoreStageColour(record.red, record.green, record.blue, stage);
        StoreNolxSteps(record.steps, nolxSteps[stage], StageValue(StageControl::NolxCount, stage),
                       StageValue(StageControl::NolxX, stage), StageValue(StageControl::NolxY, stage),
                       StageValue(StageControl::NolxTime, stage));
    }
    SendRecord(index);
}

void FireKeyEdit::SendRecord(int index) {
    if (family.steps == FireFamily::Steps::Kelvo) binder.WriteFireRecordKelvo(index);
    else (binder.*family.writeFireMacro)(index);
}

void FireKeyEdit::PickStageColour(int stage) {
    const std::vector<int> records = family.PresetRecords(presetIndex);
    if (stage < 0 || stage >= static_cast<int>(records.size())) return;
    DWORD colour = 0;
    {
        const DeviceLibraryBinder::Guard guard = binder.LockLibrary(family.library);
        const int index = records[stage];
        if (family.steps == FireFamily::Steps::Kelvo) {
            const FireRecordKelvo* record = RecordAt(KelvoFireRecords, index);
            if (record == nullptr) return;
            colour = RecordColour(*record);
        } else {
            const FireMacroRecord* record = RecordAt(*family.fireMacros, index);
            if (record == nullptr) return;
            colour = RecordColour(*record);
        }
    }
    if (!(new ColorPicker(services.owner))->PickColor(&colour)) return;
    CControlUI* control = StageControlOf(StageControl::Colour, stage);
    if (control == nullptr) return;
    control->SetBackgroundColor(colour | 0xFF000000u);
    StorePreset();
}

void FireKeyEdit::ApplyKeepLeft() {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Qiro);
    const uint8_t keepLeft = IsKeepLeftChecked() ? kKeepLeftBit : 0;
    for (const auto& entry : QiroMacroKeyTable2) {
        if (entry == nullptr || entry->bytes[0] != kFirePresetAssignment) continue;
        if ((entry->bytes[1] & 0x0F) != presetIndex) continue;
        entry->bytes[1] = static_cast<uint8_t>(presetIndex | keepLeft);
        binder.WriteMacroKeyQiro(1, entry->index);
    }
}

bool FireKeyEdit::FindValueEdit(const CUIString& name, StageControl* control, int* stage) const {
    const int stages = family.oneStage ? 1 : kMaxFireStages;
    for (StageControl candidate : family.StageControls()) {
        if (ValueEditOf(candidate) == nullptr) continue;
        for (int s = 0; s < stages; ++s) {
            if (family.ControlName(candidate, s) == name.GetData()) {
                *control = candidate;
                *stage = s;
                return true;
            }
        }
    }
    return false;
}

void FireKeyEdit::OnValueEdited(CControlUI* edit, StageControl control, int stage) {
    const StageControl pair = ValueEditOf(control)->partner;
    const int value = LeadingInteger(edit->GetText());
    const int partner = pair == control ? 0 : StageValue(pair, stage);
    int replacement = 0;
    if (BreaksFireLimit(control, value, partner, &replacement)) {
        edit->SetText(Decimal(replacement));
        return;
    }
    StorePreset();
}

void FireKeyEdit::OnClick(const CUIString& name) {
    for (int preset = 0; preset < kFirePresets; ++preset) {
        if (name == family.PresetButtonName(preset).GetData()) {
            LoadPreset(preset);
            return;
        }
    }
    const int stages = family.oneStage ? 1 : kMaxFireStages;
    for (int stage = 0; stage < stages; ++stage) {
        if (name == family.ControlName(StageControl::Colour, stage).GetData()) {
            PickStageColour(stage);
            return;
        }
    }
}

void FireKeyEdit::Notify(NotifyRecordUI& record) {
    if (record.sender == nullptr) return;
    const CUIString name = record.sender->GetName();
    if (family.tracesNotifications) OutputDebugStringW(name + L"-" + record.type + L";");
    if (record.type == L"click") {
        OnClick(name);
    } else if (record.type == L"textchanged") {
        StageControl control;
        int stage = 0;
        if (FindValueEdit(name, &control, &stage)) OnValueEdited(record.sender, control, stage);
    } else if (record.type == L"selectchanged" && family.keepLeftResendsKeys && name == family.KeepLeftName().GetData()) {
        ApplyKeepLeft();
    }
}

#define VASTEMOR_DEFINE_FIRE_KEY_EDIT(Family)                                                                  \
    namespace {                                                                                                \
    FireKeyEdit_##Family* current##Family = nullptr;                                                           \
    }                                                                                                          \
    FireKeyEdit_##Family::FireKeyEdit_##Family(const PageServices& services, DeviceLibraryBinder& binder)      \
        : FireKeyEdit(FireFamily##Family, services, binder) {                                                  \
        current##Family = this;                                                                                \
    }                                                                                                          \
    FireKeyEdit_##Family::~FireKeyEdit_##Family() {                                                            \
        if (current##Family == this) current##Family = nullptr;                                                \
    }                                                                                                          \
    FireKeyEdit_##Family* FireKeyEdit_##Family::Current() { return current##Family; }
VASTEMOR_DEFINE_FIRE_KEY_EDIT(Kelvo)
VASTEMOR_DEFINE_FIRE_KEY_EDIT(Dolv)
VASTEMOR_DEFINE_FIRE_KEY_EDIT(Mesk)
VASTEMOR_DEFINE_FIRE_KEY_EDIT(Qiro)
#undef VASTEMOR_DEFINE_FIRE_KEY_EDIT
