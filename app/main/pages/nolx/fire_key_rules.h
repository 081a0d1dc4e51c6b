#pragma once
// The rapid-fire keys of a Nolx-family page: the limits of the count and
// time edits, and how a new count, time and continue flag reach the fire
// entries of the button tables.

#include "app/core/settings/settings_containers.h"
#include "app/main/pages/nolx/button_switches.h"

#include "ui/core/ui_string.h"

constexpr int kFireCountLimit = 15;
constexpr int kFireTimeLimit = 4096;

// What an edit's new text asks for: a replacement text (empty: none) and
// whether the fire key is written.
struct FireEditVerdict {
    SkinUI::CUIString replacement;
    bool send = false;
};

FireEditVerdict CheckFireCountText(const wchar_t* text);
FireEditVerdict CheckFireTimeText(const wchar_t* text);
// A count edit that loses the focus with "1" shows "0".
bool FireCountTextOnLeaving(const wchar_t* text, SkinUI::CUIString* replacement);

// One fire key as its edits and box give it.
struct FireKeyInput {
    int count = 0;  // the count edit's value minus 1
    int time = 0;
    bool continued = false;
};

FireKeyInput FireKeyInputFromTexts(const wchar_t* countText, const wchar_t* timeText, bool continued);

// Updates the fire entries [6, code | 0x10 | continue << 7, time high, time
// low] of the key's current code in every table (entry by entry, table by
// table) whose stored time is not 0, keeps the last stored time as the key's
// value, then gives the key the new code and time; returns the entries changed.
std::vector<EntryRef> ApplyFireKeyInput(const FireKeyInput& input, FireKeyEntry& key,
                                        const std::vector<RecordList<MacroKeyEntry>*>& tables);
