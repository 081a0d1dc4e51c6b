#pragma once
// The Qiro button-function switches: what the check boxes do to the button
// tables and combo keys, and which boxes the tables and combo keys show.

#include "app/core/settings/settings_containers.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

struct ButtonSwitchBoxes {
    bool backLed = false;
    bool middle = false;
    bool dpi = false;
    bool dpiPlus = false;
    bool dpiMinus = false;
    bool backMode = false;
    bool forwardMode = false;
    bool gun = false;

    bool operator==(const ButtonSwitchBoxes& o) const;
};

using ComboKey = std::array<uint8_t, 4>;
// (table, entry index) of a button entry.
using EntryRef = std::pair<int, int>;

// The back-LED switch excludes the back and forward modes: with it checked
// they are cleared.
ButtonSwitchBoxes ResolveBackLed(ButtonSwitchBoxes boxes);

// Sets byte 3 of the middle, back, forward, DPI and gun entries of every
// table and the two combo keys from the boxes; returns the entries whose
// bytes changed.
std::vector<EntryRef> ApplyButtonSwitches(const ButtonSwitchBoxes& boxes,
                                          const std::vector<RecordList<MacroKeyEntry>*>& tables,
                                          ComboKey& comboKey2, ComboKey& comboKey4);

// The boxes as the tables and combo keys set them.
ButtonSwitchBoxes DisplayedButtonSwitches(const std::vector<RecordList<MacroKeyEntry>*>& tables,
                                          const ComboKey& comboKey2, const ComboKey& comboKey4);
