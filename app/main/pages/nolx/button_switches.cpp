#include "app/main/pages/nolx/button_switches.h"

namespace {

constexpr uint8_t kStandardKey = 1;
constexpr uint8_t kDpiKey = 9;
constexpr uint8_t kGunKey = 11;
constexpr uint8_t kMiddleButton = 4;
constexpr uint8_t kBackButton = 8;
constexpr uint8_t kForwardButton = 16;

const ComboKey kBackLedCombo = {0x0E, 0, 0, 0};
const ComboKey kModeCombo = {0x07, 0xD1, 0xF0, 0x18};
const ComboKey kNoCombo = {0, 0, 0, 0};

bool IsButton(const MacroKeyEntry& e, uint8_t button) { return e.bytes[0] == kStandardKey && e.bytes[1] == button; }

bool IsModeCombo(const ComboKey& key) { return key[0] == 7 && (key[1] & 0x87) == 0x81; }

template <class Visit>
void ForEachEntry(const std::vector<RecordList<MacroKeyEntry>*>& tables, Visit visit) {
    for (size_t t = 0; t < tables.size(); ++t) {
        for (size_t i = 0; i < tables[t]->size(); ++i) {
            if (MacroKeyEntry* entry = (*tables[t])[i].get()) visit(static_cast<int>(t), static_cast<int>(i), *entry);
        }
    }
}

}  // namespace

bool ButtonSwitchBoxes::operator==(const ButtonSwitchBoxes& o) const {
    return backLed == o.backLed && middle == o.middle && dpi == o.dpi && dpiPlus == o.dpiPlus &&
           dpiMinus == o.dpiMinus && backMode == o.backMode && forwardMode == o.forwardMode && gun == o.gun;
}

ButtonSwitchBoxes ResolveBackLed(ButtonSwitchBoxes boxes) {
    if (boxes.backLed) boxes.backMode = boxes.forwardMode = false;
    return boxes;
}

std::vector<EntryRef> ApplyButtonSwitches(const ButtonSwitchBoxes& boxes,
                                          const std::vector<RecordList<MacroKeyEntry>*>& tables,
                                          ComboKey& comboKey2, ComboKey& comboKey4) {
    uint8_t back = 0, middle = 0, forward = 0, dpi = 0, gun = 0;
    comboKey2 = comboKey4 = kNoCombo;  // unless a switch sets them
    if (boxes.backLed) {
        comboKey2 = kBackLedCombo;
        back = 2;
    }
    if (boxes.middle) {
        middle = gun = 8;
        comboKey2 = kNoCombo;
        comboKey4 = kModeCombo;
    }
    if (boxes.dpi || boxes.dpiPlus || boxes.dpiMinus) {
        dpi = gun = 8;
        comboKey2 = kNoCombo;
        comboKey4 = kModeCombo;
    }
    if (!boxes.backLed && (boxes.backMode || boxes.forwardMode)) {
        if (boxes.backMode) back = 2;
        if (boxes.forwardMode) forward = 2;
        gun = 2;
        comboKey4 = kNoCombo;
        comboKey2 = kModeCombo;
    }

    std::vector<EntryRef> changed;
    ForEachEntry(tables, [&](int table, int index, MacroKeyEntry& e) {
        int value = -1;
        if (IsButton(e, kMiddleButton)) value = middle;
        else if (IsButton(e, kBackButton)) value = back;
        else if (IsButton(e, kForwardButton)) value = forward;
        else if (e.bytes[0] == kDpiKey) value = dpi;
        else if (e.bytes[0] == kGunKey) value = gun;
        if (value < 0 || e.bytes[3] == value) return;
        e.bytes[3] = static_cast<uint8_t>(value);
        changed.emplace_back(table, index);
    });
    return changed;
}

ButtonSwitchBoxes DisplayedButtonSwitches(const std::vector<RecordList<MacroKeyEntry>*>& tables,
                                          const ComboKey& comboKey2, const ComboKey& comboKey4) {
    const bool middleCombo = IsModeCombo(comboKey4);
    const bool modeCombo = IsModeCombo(comboKey2);
    ButtonSwitchBoxes shown;
    ForEachEntry(tables, [&](int, int, const MacroKeyEntry& e) {
        const uint8_t b3 = e.bytes[3];
        if (IsButton(e, kBackButton) && b3 == 2) {
            shown.backLed |= comboKey2[0] == 14;
            shown.backMode |= modeCombo;
        }
        if (IsButton(e, kMiddleButton) && b3 == 8) shown.middle |= middleCombo;
        if (IsButton(e, kForwardButton) && b3 == 2) shown.forwardMode |= modeCombo;
        if (e.bytes[0] == kDpiKey && b3 == 8) {
            if (e.bytes[1] == 0) shown.dpi |= middleCombo;
            if (e.bytes[1] == 1) shown.dpiPlus |= middleCombo;
            if (e.bytes[1] == 2) shown.dpiMinus |= middleCombo;
        }
        if (e.bytes[0] == kGunKey && b3 != 0) shown.gun |= middleCombo || modeCombo;
    });
    return shown;
}
