#pragma once
// What the user has chosen in the keyboard key-assignment dialog so far: the
// choice state, the key or two-key chord captured from the keyboard and the
// text that shows it.

#include "ui/core/ui_string.h"

#include <cstdint>

enum KeyChoiceState {
    kNothingChosen = -1,
    kKeyChosen = 0,          // the key page, or one captured key
    kMacroChosen = 1,
    kMultimediaChosen = 2,
    kResetChosen = 3,
    kCombinationChosen = 4,  // two keys in a row, or a key with Shift
    kModifierChosen = 5,     // a key with Ctrl, Alt or Win
};

// The modifier check boxes, each checked or not.
struct ModifierBoxes {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;
};

class KeyChoice {
public:
    // Two key-downs closer than this make a chord.
    static constexpr int64_t kChordMilliseconds = 500;

    int State() const { return state_; }
    void SetState(int state) { state_ = state; }
    // A device key code, or for a chord the second key + 256 x the first.
    int CapturedCode() const { return captured_; }
    const SkinUI::CUIString& Text() const { return text_; }

    // A key-down of a key with a device code at `now` milliseconds, with the
    // modifiers of the check boxes; keys without a code change nothing and
    // give false.
    bool OnKeyDown(int keyCode, int64_t now, const ModifierBoxes& boxes);
    // A click on the check box of modifier `word` ("Ctrl", ...), whose box was
    // checked when the click arrived (the click then clears it).
    void OnModifierClick(const wchar_t* word, bool wasChecked);

private:
    int state_ = kNothingChosen;
    int captured_ = 0;
    int64_t lastKeyTime_ = 0;
    SkinUI::CUIString text_;
};
